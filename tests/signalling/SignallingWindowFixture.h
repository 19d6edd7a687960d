#pragma once
// The real main window with its channel list open, for driving the
// signalling windows as a user does: through the Edit menu, the keyboard and
// the mouse.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/MainWindowShown.h"
#include "common/ImageFixtures.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ui/EditorWindowFrame.h"
#include "core/ui/EditorWindowRegistry.h"
#include "app/MDIForm1.h"
#include "platform/SettingsStore.h"

namespace zx::test {

class SignallingWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowFreshMainWindow(main, 1100, 800, Activate::Yes));
        ASSERT_TRUE(main->windows().window(0) && main->windows().window(0)->isVisible());
    }

    void TearDown() override
    {
        if (main)
            main->mdiArea()->closeAllSubWindows();
        main.reset();
    }

    QByteArray Bytes(int address, int size) const { return core.image.toByteArray(address, size); }
    static QByteArray HexBytes(const char* hex) { return QByteArray::fromHex(hex); }

    // Puts the focus into a box with its whole text selected.
    static void Enter(QWidget* box)
    {
        box->setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            edit->selectAll();
    }
    // Types over the whole text of a box (an empty text clears it).
    static void TypeOver(QLineEdit* box, const QString& text)
    {
        Enter(box);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, text);
    }
    static void Key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(w, key, mods);
    }
    static QWidget* Focus() { return QApplication::focusWidget(); }

    AppCore core;
    ScriptedPrompts prompts;
    std::unique_ptr<MDIForm1> main;
};

// One signalling window, opened through its Edit menu command before each
// test; `form` is the window in its Window-menu slot.
template <class Form>
class SignallingFormTest : public SignallingWindowTest {
protected:
    SignallingFormTest(const char* editCommand, int slot) : editCommand_(editCommand), slot_(slot) {}

    void SetUp() override
    {
        SignallingWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        Open();
    }

    void Open()
    {
        main->action(QString::fromLatin1(editCommand_))->trigger();
        form = qobject_cast<Form*>(main->windows().window(slot_));
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(form->isVisible());
    }
    // Closes the window and opens it again, so that it loads the image anew.
    void Reopen()
    {
        form->cmdClose()->click();
        Open();
    }

    Form* form = nullptr;

private:
    const char* editCommand_;
    int slot_;
};

}  // namespace zx::test
