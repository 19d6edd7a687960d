#pragma once
// What the library's sequences (New, Open, a model change, the end of a
// transfer, the language switch) ask of the windows. The main window
// implements it once; the tests use one recording fake. Every member must be
// implemented, so a missing piece fails to compile instead of doing nothing.
#include <QString>

#include "core/GridHeaderCaller.h"

class QWidget;

namespace zx {

class Workspace {
public:
    virtual ~Workspace() = default;

    // CloseEditorWindows: unloads every open editor window but the channel
    // list, the tree view included.
    virtual void CloseEditorWindows() = 0;
    // Makes the channel list visible (loading it on first use) without
    // touching its Window-menu slot; an open cell editor is dropped without
    // committing its text.
    virtual void ShowChannelWindow() = 0;
    // RestoreChannelWindow: the channel list back in the normal state at the
    // top left corner of the client area.
    virtual void RestoreChannelWindow() = 0;
    // LayoutChannelGrid: rows for Core().ChannelCount() channels, the header
    // texts of the caller.
    virtual void LayoutChannelGrid(GridHeaderCaller caller) = 0;
    // DecodeAllChannels: refills the channel list from the image. The image
    // under an open cell editor has been replaced, so the editor is dropped
    // without committing its text.
    virtual void DecodeAllChannels() = 0;
    // The channel grid's cursor on channel 1, column 1.
    virtual void ResetGridCursor() = 0;
    // The channel list's own texts in the language now in force: the grid
    // header, the caption for channel 1, the buttons, the setting words of
    // the rows and the tone lists.
    virtual void RetranslateChannelWindow() = 0;

    // The main window's title: MakeMainCaption.
    virtual void RemakeTitle() = 0;
    // The menu and toolbar texts in the language now in force.
    virtual void SetMenuCaptions() = 0;
    virtual void EnableMainWindow(bool enabled) = 0;
    // Opens a help page ("readradio.htm", "chinfo").
    virtual void ShowHelpPage(const QString& page) = 0;
    // The owner of message boxes and dialogs.
    virtual QWidget* DialogOwner() = 0;

    // Save, Save As, Write and Print take the whole image: first the field
    // being edited in the active editor window is committed, as that
    // window's own close commits it.
    virtual void CommitFieldBeingEdited() = 0;
};

}  // namespace zx
