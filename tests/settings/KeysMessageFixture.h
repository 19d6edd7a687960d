#pragma once
// The key assignment and embedded message windows opened from the real main
// window's Edit menu, with the channel list open beside them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/MDIForm1.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "common/UserInput.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "core/ui/EditorWindowRegistry.h"
#include "platform/SettingsStore.h"

namespace zx::test {

class KeysMessageTest : public ::testing::Test, protected UserInput {
protected:
    void SetUp() override
    {
        OpenSettings()->clear();
        main = std::make_unique<MDIForm1>();
        main->resize(1280, 960);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(core.windowSlots.isOpen(ChannelFormOpen)) << "the channel list is open";
    }

    // An Edit menu item; the window of its slot as it loaded.
    template <class Window>
    Window* OpenFromEditMenu(const char* item, int slot)
    {
        main->action(QString::fromLatin1(item))->trigger();
        return qobject_cast<Window*>(main->windows().window(slot));
    }

    std::uint8_t Byte(int address) const { return core.image.at(address); }
    // The bytes as "41 42 FF ...".
    QByteArray Bytes(int address, int size) const { return core.image.toByteArray(address, size).toHex(' ').toUpper(); }
    static QByteArray Hex(const QByteArray& bytes) { return bytes.toHex(' ').toUpper(); }
    static QByteArray Ff(int count) { return QByteArray(count, '\xFF'); }


    AppCore core;
    ScriptedPrompts prompts;
    std::unique_ptr<MDIForm1> main;
};

}  // namespace zx::test
