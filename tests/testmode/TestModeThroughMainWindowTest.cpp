// Program > Test Mode as a user runs it: the real main window with its
// channel list, Ctrl+T, the test window on its own port, a channel, PTT,
// Wide, Close, and the main window's exchanges afterwards, against the
// radio simulator on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "app/MDIForm1.h"
#include "channels/ui/ChannelForm.h"
#include "common/ImageFixtures.h"
#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "common/StaysAbove.h"
#include "common/TuningFixtures.h"
#include "core/AppCore.h"
#include "link/ExchangeLock.h"
#include "link/MainLinkExchange.h"
#include "link/MainWindowOnSimulator.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/MainLinkController.h"
#include "link/ui/TransferCommands.h"
#include "platform/SettingsStore.h"
#include "sim/PtyRadio.h"
#include "testmode/TestModeLink.h"
#include "testmode/TestModeRadio.h"
#include "testmode/ui/TestForm.h"
#include "testmode/ui/TestModeCommands.h"

namespace zx::test {
namespace {

constexpr int kComPort = 10;

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// The entry's bytes when all sixteen test channels agree.
QByteArray EntryBytes()
{
    QByteArray bytes = QByteArray("TUNING ") + Hex("02060506");
    for (int n = 1; n <= 16; ++n)
        bytes += Hex("10") + char(n) + Hex("06");
    return bytes;
}

class TestModeThroughMainWindow : public MainWindowOnSimulator {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ShowMainWindow(kComPort, true));
        PrepareTestModeRadio(sim_.radio, core_.image);
    }
    void TearDown() override
    {
        SetConnectFormRunner(previousRunner_);
        main_.reset();
        EXPECT_FALSE(ExchangeRunning());
    }

    TestForm* Form() { return main_->testMode().testForm(); }
    bool FormShown() { return Form() && Form()->isVisible(); }
    // Ctrl+T with the channel list active, then waits for the test window.
    void EnterTestMode()
    {
        main_->ShowChannelWindow();
        QMdiSubWindow* list = main_->channelForm();
        main_->mdiArea()->setActiveSubWindow(list);
        QWidget* focus = list->widget()->focusWidget() ? list->widget()->focusWidget() : list->widget();
        QTest::keyClick(focus, Qt::Key_T, Qt::ControlModifier);
        ASSERT_TRUE(WaitUntil([this] { return FormShown(); }));
    }
    bool Received(const QByteArray& bytes)
    {
        return WaitUntil([&] { return sim_.radio.received == bytes; });
    }
    bool Idle()
    {
        return WaitUntil([this] { return !Form()->link().busy(); });
    }

    ConnectFormRunner previousRunner_;
};

TEST_F(TestModeThroughMainWindow, ATestModeSessionFromCtrlTToCloseAndAReadAfterwards)
{
    EnterTestMode();
    TestForm& form = *Form();
    EXPECT_FALSE(main_->isEnabled());
    EXPECT_EQ(form.parentWidget(), nullptr);
    EXPECT_TRUE(StaysAbove(form, *main_));
    EXPECT_TRUE(ExchangeRunning());
    EXPECT_FALSE(main_->mainLink().link().port().isOpen());
    // The default image lists its six test frequencies.
    EXPECT_EQ(form.ComChannel->count(), 6);
    EXPECT_EQ(form.ComChannel->currentText(), "1");
    EXPECT_EQ(form.LabRxFreq->text(), core_.testMode.TestFreqList[0][0] + "MHz");

    // The test window's first command a moment after the entry's last 06
    // (the 30 ms hand-over and the window's 50 ms).
    ASSERT_TRUE(Received(EntryBytes() + Hex("100106")));
    const auto channels = sim_.radio.commands(RadioModel::Command::TestChannel);
    ASSERT_EQ(channels.size(), 17u);
    const auto acks = sim_.radio.commands(RadioModel::Command::Ack);
    ASSERT_GE(acks.size(), 18u);
    // Showing the window comes in between, which a loaded machine can make
    // take seconds: no tight upper bound here. Both pauses are timed exactly
    // on the virtual clock (MainLink.SixteenMatchesHandOverToTheTestWindow,
    // TestLink.OpeningSendsTheChannelCommandAfter50ms...).
    ExpectWaitedAbout(channels[16].at - acks[17].at,
                      MainLinkExchange::kHandOverPauseMs + TestModeLink::kActionDelayMs, 0);
    ASSERT_TRUE(Idle());

    // Another channel, PTT, Wide.
    form.ComChannel->setFocus();
    QTest::keyClick(form.ComChannel, Qt::Key_Down);
    EXPECT_EQ(form.ComChannel->currentText(), "2");
    EXPECT_EQ(core_.testMode.TestChannelNo, 2);
    ASSERT_TRUE(Received(EntryBytes() + Hex("100106") + Hex("100206")));
    ASSERT_TRUE(Idle());
    QTest::mouseClick(form.CmdPtt, Qt::LeftButton);
    ASSERT_TRUE(Received(EntryBytes() + Hex("100106100206") + Hex("080D")));
    ASSERT_TRUE(Idle());
    EXPECT_EQ(TestForm::PictureOf(form.PicPtt), "LampOn");
    QTest::mouseClick(form.cmdWide, Qt::LeftButton);
    ASSERT_TRUE(Received(EntryBytes() + Hex("100106100206080D") + Hex("080E46")));
    ASSERT_TRUE(Idle());
    EXPECT_EQ(TestForm::PictureOf(form.PicPtt), "LampOff");

    // Close: the main window is back at once, but Read waits for the
    // test window's port.
    int readDialogs = 0;
    previousRunner_ = SetConnectFormRunner([&](ConnectForm& dialog) {
        ++readDialogs;
        bool closed = false;
        QObject::connect(&dialog, &ConnectForm::unloaded, [&] { closed = true; });
        dialog.show();
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(WaitUntil([&] { return closed; }));
    });
    QTest::mouseClick(form.cmdClose, Qt::LeftButton);
    EXPECT_TRUE(main_->isEnabled());
    main_->action("MnuProgramRead")->trigger();
    main_->action("MnuProgramTestMode")->trigger();
    main_->action("MnuToolRadioInformation")->trigger();
    EXPECT_EQ(readDialogs, 0);
    ASSERT_TRUE(WaitUntil([this] { return Form() == nullptr; }));
    EXPECT_EQ(sim_.radio.received, EntryBytes() + Hex("100106100206080D080E46") + Hex("110145"));
    EXPECT_FALSE(sim_.radio.inTestMode());
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_TRUE(main_->isEnabled());
    EXPECT_TRUE(prompts_.messages().empty());

    main_->action("MnuProgramRead")->trigger();
    EXPECT_EQ(readDialogs, 1);
    ASSERT_FALSE(prompts_.messages().empty());
    EXPECT_EQ(prompts_.messages().back().text, "Reading Completed");
}

TEST_F(TestModeThroughMainWindow, TheCommandIsRefusedWhileTheTestWindowIsOpenAndItsCloseBoxEndsTestMode)
{
    EnterTestMode();
    ASSERT_TRUE(Received(EntryBytes() + Hex("100106")));
    ASSERT_TRUE(Idle());
    main_->action("MnuProgramTestMode")->trigger();
    QTest::qWait(200);
    EXPECT_EQ(sim_.radio.received, EntryBytes() + Hex("100106"));

    Form()->close();
    EXPECT_FALSE(main_->isEnabled());
    ASSERT_TRUE(WaitUntil([this] { return Form() == nullptr; }));
    EXPECT_TRUE(main_->isEnabled());
    EXPECT_EQ(sim_.radio.received, EntryBytes() + Hex("100106") + Hex("110145"));
    EXPECT_FALSE(ExchangeRunning());
}

TEST_F(TestModeThroughMainWindow, TheMenuItemCarriesTheCommand)
{
    EXPECT_TRUE(main_->UnknownCommandNames().isEmpty());
    QAction* item = main_->action("MnuProgramTestMode");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    item->trigger();
    ASSERT_TRUE(WaitUntil([this] { return FormShown(); }));
    ASSERT_TRUE(Idle());
    QTest::mouseClick(Form()->cmdClose, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([this] { return Form() == nullptr; }));
}

}  // namespace
}  // namespace zx::test
