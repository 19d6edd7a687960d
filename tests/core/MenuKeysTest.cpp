// The main menu's keys through the real main window, with the sub-windows a
// user has open (the channel list always, the tree view, another editor
// window) each in turn the active one: Ctrl+N/O/S/P/R/W/T run their items,
// Alt and a menu title's letter opens that menu, and Qt never reports an
// ambiguous key.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/MDIForm1.h"
#include "channels/ui/ChannelForm.h"
#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ui/EditorWindowFrame.h"
#include "core/ui/EditorWindowRegistry.h"
#include "core/ui/TreeViewForm.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/TransferCommands.h"
#include "platform/SettingsStore.h"
#include "sim/PtyRadio.h"

namespace zx::test {
namespace {

QStringList& Warnings()
{
    static QStringList warnings;
    return warnings;
}
QtMessageHandler previousHandler = nullptr;

void RecordMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    Warnings() << text;
    if (previousHandler)
        previousHandler(type, context, text);
}

constexpr int kOtherEditorSlot = 4;

class MenuKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenSettings()->clear();
        Warnings().clear();
        previousHandler = qInstallMessageHandler(RecordMessage);
        main = std::make_unique<MDIForm1>();
        // Another editor window, with a button whose letter is a menu title's.
        main->windows().RegisterWindow(kOtherEditorSlot, [] {
            EditorWindowSetup setup;
            setup.slot = kOtherEditorSlot;
            setup.widthTwips = 4000;
            setup.heightTwips = 3000;
            auto* frame = new EditorWindowFrame(setup);
            auto* button = new QPushButton(QStringLiteral("&Program"), frame->panel());
            button->setObjectName(QStringLiteral("ProgramButton"));
            return frame;
        });
        main->resize(1100, 800);
        main->show();
        QApplication::setActiveWindow(main.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get(), kHangGuardMs));
        main->action("MnuViewTreeView")->trigger();
        main->action("MnuEditDTMF")->trigger();
        ASSERT_EQ(main->mdiArea()->subWindowList().size(), 3);
    }
    void TearDown() override
    {
        main.reset();
        qInstallMessageHandler(previousHandler);
    }

    // The sub-windows a user has open, to be made active in turn.
    std::vector<std::pair<const char*, QMdiSubWindow*>> SubWindows()
    {
        std::vector<std::pair<const char*, QMdiSubWindow*>> windows;
        for (QMdiSubWindow* w : main->mdiArea()->subWindowList()) {
            const char* name = w == main->channelForm()                 ? "channel list"
                               : qobject_cast<TreeViewForm*>(w) != nullptr ? "tree view"
                                                                            : "other editor";
            windows.emplace_back(name, w);
        }
        return windows;
    }
    // Makes `w` the active sub-window with the keyboard focus inside it.
    QWidget* Activate(QMdiSubWindow* w)
    {
        main->mdiArea()->setActiveSubWindow(w);
        QWidget* focus = w->widget()->focusWidget();
        if (!focus) {
            w->widget()->setFocus();
            focus = QApplication::focusWidget();
        }
        return focus ? focus : w->widget();
    }
    int AmbiguityWarnings() const
    {
        int n = 0;
        for (const QString& m : Warnings())
            n += m.contains("Ambiguous shortcut", Qt::CaseInsensitive);
        return n;
    }

    AppCore core;
    ScriptedPrompts prompts;
    std::unique_ptr<MDIForm1> main;
};

TEST_F(MenuKeys, CtrlKeysRunTheirItemsWhateverSubWindowIsActive)
{
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_N, "MnuFileNew"},     {Qt::Key_O, "MnuFileOpen"},     {Qt::Key_S, "MnuFileSave"},
        {Qt::Key_P, "MnuFilePrint"},   {Qt::Key_R, "MnuProgramRead"},  {Qt::Key_W, "MnuProgramWrite"},
        {Qt::Key_T, "MnuProgramTestMode"},
    };
    QStringList ran;
    for (const auto& [key, name] : keys)
        main->setCommand(QString::fromLatin1(name), [&ran, name = name] { ran << QString::fromLatin1(name); });
    for (const auto& [windowName, window] : SubWindows()) {
        for (const auto& [key, name] : keys) {
            ran.clear();
            QWidget* focus = Activate(window);
            ASSERT_EQ(main->mdiArea()->activeSubWindow(), window) << windowName;
            QTest::keyClick(focus, key, Qt::ControlModifier);
            EXPECT_EQ(ran, QStringList{QString::fromLatin1(name)}) << windowName << ": " << name;
        }
        EXPECT_TRUE(window->isVisible()) << windowName << " was closed by a key";
    }
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 3);
    EXPECT_EQ(AmbiguityWarnings(), 0) << Warnings().join('\n').toStdString();
}

TEST_F(MenuKeys, NoSubWindowKeyShadowsAMenuKey)
{
    QList<QKeySequence> menuKeys;
    for (QAction* title : main->menuBar()->actions())
        for (QAction* item : title->menu()->actions())
            menuKeys += item->shortcuts();
    for (const auto& [windowName, window] : SubWindows()) {
        QList<QAction*> actions = window->findChildren<QAction*>();
        if (QMenu* system = window->systemMenu())
            actions += system->actions();
        for (QAction* a : actions)
            for (const QKeySequence& k : a->shortcuts())
                EXPECT_FALSE(menuKeys.contains(k)) << windowName << ": " << k.toString().toStdString();
    }
}

TEST_F(MenuKeys, CtrlWWithTheChannelListActiveOpensTheWriteDialog)
{
    PtyRadio sim;
    ASSERT_TRUE(sim.ok());
    sim.Attach(6, core);
    QString title;
    const ConnectFormRunner previous = SetConnectFormRunner([&](ConnectForm& form) {
        title = form.windowTitle();
        QTest::mouseClick(form.cmdCancel, Qt::LeftButton);
    });
    QWidget* focus = Activate(main->channelForm());
    QTest::keyClick(focus, Qt::Key_W, Qt::ControlModifier);
    SetConnectFormRunner(previous);
    EXPECT_EQ(title, "Write data to radio");
    EXPECT_TRUE(main->channelForm()->isVisible());
    EXPECT_EQ(AmbiguityWarnings(), 0) << Warnings().join('\n').toStdString();
}

TEST_F(MenuKeys, AltLetterOfAMenuTitleOpensItsMenuWhateverSubWindowIsActive)
{
    for (const auto& [windowName, window] : SubWindows()) {
        for (QAction* title : main->menuBar()->actions()) {
            if (!title->isVisible())
                continue;
            const QKeySequence mnemonic = QKeySequence::mnemonic(title->text());
            ASSERT_FALSE(mnemonic.isEmpty()) << title->text().toStdString();
            QWidget* focus = Activate(window);
            QTest::keyClick(focus, mnemonic[0].key(), Qt::AltModifier);
            EXPECT_TRUE(WaitUntil([&] { return title->menu()->isVisible(); }))
                << windowName << ": " << title->text().toStdString();
            QTest::keyClick(title->menu(), Qt::Key_Escape);
            if (main->menuBar()->activeAction())
                QTest::keyClick(main->menuBar(), Qt::Key_Escape);
            ASSERT_TRUE(WaitUntil([&] { return !title->menu()->isVisible(); }));
        }
    }
    // The other editor's "&Program" button was not pressed, nor did the
    // channel list's "Channel &Edit" take the focus instead of the menu.
    EXPECT_EQ(AmbiguityWarnings(), 0) << Warnings().join('\n').toStdString();
}

}  // namespace
}  // namespace zx::test
