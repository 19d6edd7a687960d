#pragma once
// What the settings windows' tests start from: the real main window shown
// as the user sees it, with the channel list open, and the image's bytes at
// hand.
#include <cstdint>
#include <memory>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QTest>

#include "app/MDIForm1.h"
#include "channels/ui/ChannelForm.h"
#include "common/MainWindowShown.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "common/UserInput.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "core/ui/EditorWindowRegistry.h"
#include "platform/SettingsStore.h"

namespace zx::test {

class SettingsWindowTest : public ::testing::Test, protected UserInput {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowFreshMainWindow(main, 1280, 960, Activate::Yes));
        ASSERT_TRUE(core.windowSlots.isOpen(ChannelFormOpen)) << "the channel list is open";
    }

    // An Edit menu item; the window of its slot as it loaded.
    template <class Window>
    Window* OpenFromEditMenu(const char* item, int slot)
    {
        main->action(QString::fromLatin1(item))->trigger();
        return qobject_cast<Window*>(main->windows().window(slot));
    }
    ChannelForm& List() { return *main->channelForm(); }
    // Writes a channel record ("00 25 ..." hex) into the image only.
    void WriteChannel(int channel, const char* hex)
    {
        core.image.write(layout::ChannelRecord(channel), QByteArray::fromHex(QByteArray(hex).replace(' ', "")));
    }

    std::uint8_t Byte(int address) const { return core.image.at(address); }
    // The bytes as "41 42 FF ...".
    QByteArray Bytes(int address, int size) const { return core.image.toByteArray(address, size).toHex(' ').toUpper(); }

    AppCore core;
    ScriptedPrompts prompts;
    std::unique_ptr<MDIForm1> main;
};

}  // namespace zx::test
