#pragma once
// The one stand-in for the main window in tests of the library's sequences:
// records which workspace operations ran, in order. A test that needs an
// operation to do something derives from it and overrides that operation,
// calling the recorder's first.
#include <QString>
#include <QStringList>

#include "common/QtPrinters.h"
#include "core/AppCore.h"
#include "core/Workspace.h"

namespace zx::test {

class RecordingWorkspace : public Workspace {
public:
    QStringList calls;
    QWidget* owner = nullptr;
    bool mainWindowEnabled = true;

    void CloseEditorWindows() override { calls << QStringLiteral("CloseEditorWindows"); }
    void ShowChannelWindow() override { calls << QStringLiteral("ShowChannelWindow"); }
    void RestoreChannelWindow() override { calls << QStringLiteral("RestoreChannelWindow"); }
    // Records the channel count the layout is made for.
    void LayoutChannelGrid(GridHeaderCaller) override
    {
        calls << QStringLiteral("LayoutChannelGrid(%1)").arg(Core().ChannelCount());
    }
    void DecodeAllChannels() override { calls << QStringLiteral("DecodeAllChannels"); }
    void ResetGridCursor() override { calls << QStringLiteral("ResetGridCursor"); }
    void RetranslateChannelWindow() override { calls << QStringLiteral("RetranslateChannelWindow"); }
    void RemakeTitle() override { calls << QStringLiteral("RemakeTitle"); }
    void SetMenuCaptions() override { calls << QStringLiteral("SetMenuCaptions"); }
    void EnableMainWindow(bool enabled) override
    {
        mainWindowEnabled = enabled;
        calls << (enabled ? QStringLiteral("EnableMainWindow") : QStringLiteral("DisableMainWindow"));
    }
    void ShowHelpPage(const QString& page) override { calls << QStringLiteral("ShowHelpPage(%1)").arg(page); }
    QWidget* DialogOwner() override { return owner; }
    // No editor window here: nothing is being edited.
    void CommitFieldBeingEdited() override {}
};

}  // namespace zx::test
