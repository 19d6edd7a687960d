// The test window on its own port against the radio simulator (in test
// mode, on a pseudo-terminal): its controls and captions, the opening, the
// user's actions with the bytes the radio receives, the lamps, the hand-over
// to a tuning dialog and the ways it closes.
#include <gtest/gtest.h>

#include <optional>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "common/Patience.h"
#include "common/RecordingWorkspace.h"
#include "common/ScriptedPrompts.h"
#include "common/TuningFixtures.h"
#include "core/AppCore.h"
#include "core/ui/HelpKeyFilter.h"
#include "core/ui/HelpWindow.h"
#include "link/ExchangeLock.h"
#include "sim/PtyRadio.h"
#include "testmode/TuningDataBlock.h"
#include "testmode/ui/TestForm.h"

namespace zx::test {
namespace {

constexpr int kComPort = 8;
const QByteArray kTimeoutText = "please check all connections and communication port settings.";

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// The main window as the test window sees it: records when it was enabled,
// counted in bytes the radio had received by then.
class MainWindowStandIn : public RecordingWorkspace {
public:
    explicit MainWindowStandIn(const RadioModel& radio) : radio_(radio) {}
    void EnableMainWindow(bool enabled) override
    {
        RecordingWorkspace::EnableMainWindow(enabled);
        if (enabled && receivedWhenEnabled < 0) {
            receivedWhenEnabled = static_cast<int>(radio_.received.size());
            if (form)
                exitDoneWhenEnabled = form->link().ExitDone();
        }
    }
    int receivedWhenEnabled = -1;
    // The window's exit had sent 45 when the main window was enabled.
    std::optional<bool> exitDoneWhenEnabled;
    QPointer<TestForm> form;

private:
    const RadioModel& radio_;
};

class TestWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim_.ok());
        sim_.Attach(kComPort, core_);
        // The entry has put the radio in test mode and taken the lock.
        sim_.radio.Feed(QByteArrayLiteral("TUNING "));
        sim_.radio.received.clear();
        sim_.radio.tuningBlock = IdentityTuningBlock();
        ASSERT_TRUE(TryBeginExchange());
        workspace_.mainWindowEnabled = false;
    }
    void TearDown() override
    {
        if (form_) {
            // A test that leaves the window open: close it as the program would.
            core_.testMode.LinkAborted = true;
            form_->close();
            QTest::qWait(10);
        }
        delete form_;
        EXPECT_FALSE(ExchangeRunning());
    }

    void SetChannel(int n, const QString& rx, const QString& tx)
    {
        core_.testMode.TestFreqList[0][static_cast<std::size_t>(n - 1)] = rx;
        core_.testMode.TestFreqList[1][static_cast<std::size_t>(n - 1)] = tx;
    }
    // Every test channel empty, as the entry lists them.
    void AllChannelsEmpty()
    {
        for (int n = 1; n <= 16; ++n)
            SetChannel(n, "0", "0");
    }

    void Open()
    {
        form_ = new TestForm(workspace_, dialogs_, [this](const QByteArray& block) {
            StoreTuningData(core_.image, core_.testMode, block);
        });
        workspace_.form = form_;
        form_->Form_Load();
        form_->show();
    }
    // Waits until the radio has received `bytes` in all, then a moment
    // longer to see that nothing more comes.
    bool ReceivedThenQuiet(const QByteArray& bytes, int quietMs = 120)
    {
        if (!WaitUntil([&] { return sim_.radio.received.size() >= bytes.size(); }))
            return false;
        QTest::qWait(quietMs);
        return sim_.radio.received == bytes;
    }
    bool WaitUntilIdle()
    {
        return WaitUntil([this] { return !form_->link().busy(); });
    }
    void OpenOnChannel1()
    {
        AllChannelsEmpty();
        SetChannel(1, "146.12500", "146.15000");
        Open();
        ASSERT_TRUE(ReceivedThenQuiet(Hex("100106"), 0));
        ASSERT_TRUE(WaitUntilIdle());
    }
    bool ClosedAndGone()
    {
        return WaitUntil([this] { return form_.isNull(); });
    }

    AppCore core_;
    ScriptedPrompts prompts_;
    PtyRadio sim_;
    MainWindowStandIn workspace_{sim_.radio};
    TuningDialogFactories dialogs_;
    QPointer<TestForm> form_;
};

TEST_F(TestWindow, OpeningShowsItsControlsCaptionsAndLampsAndSendsTheFirstListedChannel)
{
    AllChannelsEmpty();
    SetChannel(2, "146.12500", "146.15000");
    SetChannel(5, "150.00000", "151.00000");
    SetChannel(7, "600.00000", "600.00000");
    SetChannel(8, "", "");
    core_.testMode.LinkAborted = true;
    Open();
    TestForm& f = *form_;

    // A window of its own, not a child of the (disabled) main window.
    EXPECT_EQ(f.parentWidget(), nullptr);
    EXPECT_TRUE(f.isWindow());
    EXPECT_FALSE(f.windowIcon().isNull());
    EXPECT_EQ(f.windowTitle(), "Test Mode");
    EXPECT_EQ(f.frmTestChannel->title(), "Test Channel");
    EXPECT_EQ(f.frmTestSignal->title(), "Test Signalling");
    EXPECT_EQ(f.lblChannelNo->text(), "Channel No.");
    EXPECT_EQ(f.lblSignal->text(), "Signalling");
    for (QLabel* rx : {f.lblCHRx, f.lblSignalRx})
        EXPECT_EQ(rx->text(), "RX");
    for (QLabel* tx : {f.lblCHTx, f.lblSignalTx})
        EXPECT_EQ(tx->text(), "TX");
    EXPECT_EQ(f.CmdPtt->text(), "PTT");
    EXPECT_EQ(f.cmdWide->text(), "&Wide");
    EXPECT_EQ(f.CmdNarrow->text(), "&Narrow");
    EXPECT_EQ(f.CmdTune->text(), "&Tuning Mode");
    EXPECT_EQ(f.CmdPrint->text(), "&Print");
    EXPECT_EQ(f.cmdClose->text(), "&Close");

    const std::vector<std::pair<QWidget*, int>> helpIds = {
        {f.ComChannel, 5301}, {f.ComSignal, 5302}, {f.cmdWide, 5318}, {f.CmdNarrow, 5318},
        {f.CmdPtt, 5319},     {f.CmdTune, 5320},   {f.cmdClose, 5321}, {f.CmdPrint, 5322}};
    for (const auto& [w, id] : helpIds)
        EXPECT_EQ(w->property("helpContextId").toInt(), id) << w->objectName().toStdString();

    // Channels 2 and 5 only: empty, unread and 600 MHz channels are left out.
    ASSERT_EQ(f.ComChannel->count(), 2);
    EXPECT_EQ(f.ComChannel->itemText(0), "2");
    EXPECT_EQ(f.ComChannel->itemText(1), "5");
    EXPECT_EQ(f.ComChannel->currentText(), "2");
    EXPECT_FALSE(f.ComChannel->isEditable());
    EXPECT_EQ(core_.testMode.TestChannelNo, 2);
    EXPECT_EQ(f.LabRxFreq->text(), "146.12500MHz");
    EXPECT_EQ(f.LabTxFreq->text(), "146.15000MHz");

    ASSERT_EQ(f.ComSignal->count(), 9);
    EXPECT_EQ(f.ComSignal->itemText(8), "9");
    EXPECT_EQ(f.ComSignal->currentText(), "1");
    EXPECT_EQ(f.LabRxSignal->text(), "None");
    EXPECT_EQ(f.LabTxSignal->text(), "None");

    // The receive state, wide bandwidth.
    EXPECT_EQ(TestForm::PictureOf(f.PicPtt), "LampOff");
    for (QLabel* rx : {f.PicChannelRx, f.PicSignalRx}) {
        EXPECT_TRUE(rx->isVisible());
        EXPECT_EQ(TestForm::PictureOf(rx), "LampOff");
    }
    EXPECT_FALSE(f.PicChannelTx->isVisible());
    EXPECT_FALSE(f.PicSignalTx->isVisible());
    EXPECT_TRUE(f.PicWide->isVisible());
    EXPECT_EQ(TestForm::PictureOf(f.PicWide), "BandMarker");
    EXPECT_FALSE(f.PicNarrow->isVisible());
    EXPECT_EQ(f.PicPtt->pixmap().toImage().pixelColor(8, 8), QColor(0, 200, 0));

    const QStringList items = {"RF High Power",       "RF Low Power",   "DQT Balance",    "Max Deviation",
                               "QT Fine Deviation",   "DQT Fine Deviation", "DTMF Fine Deviation",
                               "Sensitivity",         "Squelch(Tight)", "Squelch(Open)",  "MSK Fine Deviation",
                               "Battery Warning Level", "VOX1",         "VOX10",          "RSSI"};
    ASSERT_EQ(f.LvwTuneSel->count(), 15);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(f.LvwTuneSel->item(i)->text(), items[i]);
    EXPECT_FALSE(f.CmdTune->isEnabled());
    EXPECT_FALSE(core_.testMode.LinkAborted);

    // 10 02, its 8 bytes, 06 / 06, then nothing: the signalling "1" is not sent.
    EXPECT_TRUE(ReceivedThenQuiet(Hex("100206")));
    EXPECT_EQ(sim_.radio.testChannel, 2);
    const auto commands = sim_.radio.log;
    ASSERT_GE(commands.size(), 2u);
    EXPECT_TRUE(f.port().port().isOpen());
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TestWindow, WithNoTestChannelTheListHoldsOneAndChannelOneIsSent)
{
    AllChannelsEmpty();
    Open();
    ASSERT_EQ(form_->ComChannel->count(), 1);
    EXPECT_EQ(form_->ComChannel->currentText(), "1");
    EXPECT_EQ(form_->LabRxFreq->text(), "FFF.FFFFFMHz");
    EXPECT_EQ(form_->LabTxFreq->text(), "None");
    EXPECT_EQ(core_.testMode.TestChannelNo, 1);
    EXPECT_TRUE(ReceivedThenQuiet(Hex("100106")));
}

TEST_F(TestWindow, SignallingEightAfterAWideStepShowsItsLabelsAndSendsOnlyItsCommand)
{
    OpenOnChannel1();
    QTest::mouseClick(form_->cmdWide, Qt::LeftButton);
    ASSERT_TRUE(ReceivedThenQuiet(Hex("10010646"), 0));
    ASSERT_TRUE(WaitUntilIdle());
    form_->ComSignal->setFocus();
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(form_->ComSignal, Qt::Key_Down);
    EXPECT_EQ(form_->ComSignal->currentText(), "8");
    EXPECT_EQ(form_->LabRxSignal->text(), "DTMF DEC(159D)");
    EXPECT_EQ(form_->LabTxSignal->text(), "DTMF ENC(159D)");
    // Each step of the list replaced the last before it went out.
    EXPECT_TRUE(ReceivedThenQuiet(Hex("100106461108")));
    EXPECT_EQ(sim_.radio.testSignal, 8);
}

TEST_F(TestWindow, EachSignallingChoiceSetsItsTwoLabels)
{
    OpenOnChannel1();
    const std::vector<std::pair<QString, QString>> labels = {
        {"None", "None"},           {"None", "100Hz SW"},       {"QT 67.0Hz", "QT 67.0Hz"},
        {"QT 151.4Hz", "QT 151.4Hz"}, {"QT 250.3Hz", "QT 250.3Hz"}, {"DQT D023N", "DQT D023N"},
        {"DQT D754I", "DQT D754I"}, {"DTMF DEC(159D)", "DTMF ENC(159D)"}, {"None", "DTMF Tone 9"}};
    for (int s = 1; s <= 9; ++s) {
        form_->ComSignal->setCurrentIndex(s - 1);
        form_->ComSignal_Click(true);
        EXPECT_EQ(form_->LabRxSignal->text(), labels[static_cast<std::size_t>(s - 1)].first) << s;
        EXPECT_EQ(form_->LabTxSignal->text(), labels[static_cast<std::size_t>(s - 1)].second) << s;
    }
}

TEST_F(TestWindow, PttTwiceShowsTheTransmitThenTheReceiveLamps)
{
    OpenOnChannel1();
    QTest::mouseClick(form_->CmdPtt, Qt::LeftButton);
    ASSERT_TRUE(ReceivedThenQuiet(Hex("100106080D"), 0));
    ASSERT_TRUE(WaitUntil([this] { return TestForm::PictureOf(form_->PicPtt) == "LampOn"; }));
    EXPECT_EQ(form_->PicPtt->pixmap().toImage().pixelColor(8, 8), QColor(230, 0, 0));
    EXPECT_FALSE(form_->PicChannelRx->isVisible());
    EXPECT_FALSE(form_->PicSignalRx->isVisible());
    EXPECT_TRUE(form_->PicChannelTx->isVisible());
    EXPECT_EQ(TestForm::PictureOf(form_->PicSignalTx), "LampOn");
    EXPECT_TRUE(sim_.radio.pttOn);

    QTest::mouseClick(form_->CmdPtt, Qt::LeftButton);
    ASSERT_TRUE(ReceivedThenQuiet(Hex("100106080D080E"), 0));
    ASSERT_TRUE(WaitUntil([this] { return TestForm::PictureOf(form_->PicPtt) == "LampOff"; }));
    EXPECT_TRUE(form_->PicChannelRx->isVisible());
    EXPECT_FALSE(form_->PicSignalTx->isVisible());
    EXPECT_FALSE(sim_.radio.pttOn);
}

TEST_F(TestWindow, WideWhileTransmittingUnkeysFirstAndMovesTheMarker)
{
    OpenOnChannel1();
    QTest::mouseClick(form_->CmdNarrow, Qt::LeftButton);
    EXPECT_TRUE(form_->PicNarrow->isVisible());
    EXPECT_FALSE(form_->PicWide->isVisible());
    ASSERT_TRUE(ReceivedThenQuiet(Hex("10010647"), 0));
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_TRUE(core_.testMode.NarrowBandTest);
    QTest::mouseClick(form_->CmdPtt, Qt::LeftButton);
    ASSERT_TRUE(ReceivedThenQuiet(Hex("10010647080D"), 0));
    ASSERT_TRUE(WaitUntilIdle());

    QTest::mouseClick(form_->cmdWide, Qt::LeftButton);
    // The marker moves on the click, before the radio has answered.
    EXPECT_TRUE(form_->PicWide->isVisible());
    EXPECT_FALSE(form_->PicNarrow->isVisible());
    EXPECT_TRUE(ReceivedThenQuiet(Hex("10010647080D080E46")));
    EXPECT_FALSE(core_.testMode.NarrowBandTest);
    EXPECT_FALSE(form_->link().PttOn());
    EXPECT_EQ(TestForm::PictureOf(form_->PicPtt), "LampOff");
    EXPECT_FALSE(sim_.radio.pttOn);
    EXPECT_FALSE(sim_.radio.narrow);
}

TEST_F(TestWindow, TuneHandsTheRadioToTheItemsDialogAndComesBackWhenItCloses)
{
    OpenOnChannel1();
    FillTuningArea(core_.image);
    std::optional<TuningHandOver> handOver;
    bool portOpenAtHandOver = true;
    bool enabledAtHandOver = true;
    dialogs_.Set(TuningDialog::TunningForm3, [&](const TuningHandOver& h) {
        handOver = h;
        portOpenAtHandOver = form_->port().port().isOpen();
        enabledAtHandOver = form_->isEnabled();
    });

    EXPECT_FALSE(form_->CmdTune->isEnabled());
    QTest::mouseClick(form_->CmdTune, Qt::LeftButton);  // disabled: nothing
    QRect rect = form_->LvwTuneSel->visualItemRect(form_->LvwTuneSel->item(7));  // Sensitivity
    QTest::mouseClick(form_->LvwTuneSel->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(core_.testMode.TuneItem, 8);
    EXPECT_TRUE(form_->CmdTune->isEnabled());
    QTest::mouseClick(form_->CmdTune, Qt::LeftButton);

    ASSERT_TRUE(WaitUntil([&] { return handOver.has_value(); }));
    EXPECT_EQ(sim_.radio.received, Hex("100106") + Hex("0506") + Hex("1F0D"));
    EXPECT_EQ(sim_.radio.enteredCode, 0x1F);
    EXPECT_FALSE(portOpenAtHandOver);
    EXPECT_FALSE(enabledAtHandOver);
    EXPECT_EQ(handOver->testWindow, form_.data());
    // The block is stored: 0x181-0x185 = 10 0F 0E 0D 0C, 0x180 untouched.
    EXPECT_EQ(core_.image.toByteArray(0x180, 6), Hex("EE100F0E0D0C"));
    EXPECT_EQ(core_.testMode.TestValueSensitivity, static_cast<std::uint8_t>(46));

    // The dialog's Cancel set LinkAborted; its closing clears it and the
    // test window comes back 30 ms later.
    core_.testMode.LinkAborted = true;
    handOver->closed();
    EXPECT_FALSE(core_.testMode.LinkAborted);
    EXPECT_FALSE(form_->isEnabled());
    ASSERT_TRUE(WaitUntil([this] { return form_->isEnabled(); }));
    // The next step opens the port again.
    QTest::mouseClick(form_->cmdWide, Qt::LeftButton);
    EXPECT_TRUE(ReceivedThenQuiet(Hex("1001060506") + Hex("1F0D46")));
}

TEST_F(TestWindow, NarrowDqtBalanceGoesToTheSingleValueDialogAndAnUnregisteredDialogGivesTheWindowBack)
{
    OpenOnChannel1();
    int singleValue = 0;
    dialogs_.Set(TuningDialog::TunningForm4, [&](const TuningHandOver& h) {
        ++singleValue;
        h.closed();
    });
    QTest::mouseClick(form_->CmdNarrow, Qt::LeftButton);
    ASSERT_TRUE(ReceivedThenQuiet(Hex("10010647"), 0));
    ASSERT_TRUE(WaitUntilIdle());
    form_->LvwTuneSel->setCurrentRow(2);  // DQT Balance
    EXPECT_EQ(core_.testMode.TuneItem, 3);
    // A double click starts the step like the button.
    QRect rect = form_->LvwTuneSel->visualItemRect(form_->LvwTuneSel->item(2));
    QTest::mouseClick(form_->LvwTuneSel->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mousePress(form_->LvwTuneSel->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(form_->LvwTuneSel->viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_TRUE(WaitUntil([&] { return singleValue == 1; })) << sim_.radio.received.toHex().toStdString();
    EXPECT_TRUE(sim_.radio.received.endsWith(Hex("0506180D")));
    ASSERT_TRUE(WaitUntil([this] { return form_->isEnabled(); }));

    // No band-point dialog registered: the window is given back at once.
    QTest::mouseClick(form_->cmdWide, Qt::LeftButton);
    ASSERT_TRUE(WaitUntilIdle());
    form_->LvwTuneSel->setCurrentRow(2);
    QTest::mouseClick(form_->CmdTune, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([this] { return sim_.radio.received.endsWith(Hex("180D")) &&
                                                 sim_.radio.count(RadioModel::Command::Item) == 2; }));
    ASSERT_TRUE(WaitUntil([this] { return !form_->isEnabled(); }));
    ASSERT_TRUE(WaitUntil([this] { return form_->isEnabled(); }));
    EXPECT_EQ(singleValue, 1);
}

TEST_F(TestWindow, CloseWhileTransmittingUnkeysEndsTestModeAndThenGivesTheLockBack)
{
    OpenOnChannel1();
    QTest::mouseClick(form_->CmdPtt, Qt::LeftButton);
    ASSERT_TRUE(ReceivedThenQuiet(Hex("100106080D"), 0));
    ASSERT_TRUE(WaitUntilIdle());
    QSignalSpy unloaded(form_.data(), &TestForm::unloaded);

    QTest::mouseClick(form_->cmdClose, Qt::LeftButton);
    // The main window comes back first; the radio's commands stay refused
    // until the port is closed, and the window takes no more actions.
    EXPECT_TRUE(workspace_.mainWindowEnabled);
    EXPECT_EQ(workspace_.receivedWhenEnabled, 5);
    EXPECT_EQ(workspace_.exitDoneWhenEnabled, false);
    EXPECT_TRUE(ExchangeRunning());
    EXPECT_TRUE(form_->isVisible());
    EXPECT_FALSE(form_->CmdPtt->isEnabled());
    EXPECT_FALSE(form_->ComChannel->isEnabled());
    EXPECT_FALSE(form_->cmdClose->isEnabled());
    form_->CmdPtt_Click();

    ASSERT_TRUE(ClosedAndGone());
    EXPECT_EQ(sim_.radio.received, Hex("100106080D") + Hex("080E110145"));
    const auto signal = sim_.radio.commands(RadioModel::Command::TestSignal);
    const auto end = sim_.radio.commands(RadioModel::Command::End);
    ASSERT_EQ(signal.size(), 1u);
    ASSERT_EQ(end.size(), 1u);
    ExpectWaitedAbout(end[0].at - signal[0].at, TestModeLink::kBeforeEndMs);
    EXPECT_FALSE(sim_.radio.inTestMode());
    EXPECT_FALSE(sim_.radio.pttOn);
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TestWindow, TheCloseBoxLeavesTheMainWindowDisabledUntil45IsOut)
{
    OpenOnChannel1();
    form_->close();
    EXPECT_FALSE(workspace_.mainWindowEnabled);
    EXPECT_TRUE(form_->isVisible());
    form_->close();  // a second click on the close box changes nothing
    ASSERT_TRUE(ClosedAndGone());
    EXPECT_EQ(sim_.radio.received, Hex("100106") + Hex("110145"));
    EXPECT_TRUE(workspace_.mainWindowEnabled);
    EXPECT_EQ(workspace_.exitDoneWhenEnabled, true);
    EXPECT_EQ(workspace_.calls.count("EnableMainWindow"), 1);
    EXPECT_FALSE(ExchangeRunning());
}

TEST_F(TestWindow, CancelAtTheTimeOutQuestionClosesWithout45)
{
    OpenOnChannel1();
    sim_.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Wide ? QByteArray() : normal;
    };
    prompts_.answer(MsgResult::Cancel);
    QTest::mouseClick(form_->cmdWide, Qt::LeftButton);
    ASSERT_TRUE(ClosedAndGone());
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, kTimeoutText);
    EXPECT_EQ(prompts_.messages()[0].title, "Error");
    EXPECT_EQ(prompts_.messages()[0].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(sim_.radio.received, Hex("10010646"));
    EXPECT_TRUE(sim_.radio.inTestMode());
    EXPECT_TRUE(core_.testMode.LinkAborted);
    EXPECT_TRUE(workspace_.mainWindowEnabled);
    EXPECT_FALSE(ExchangeRunning());
}

TEST_F(TestWindow, RetryAtTheTimeOutQuestionSendsTheStepAgain)
{
    OpenOnChannel1();
    sim_.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Narrow && c.occurrence == 1 ? QByteArray() : normal;
    };
    prompts_.answer(MsgResult::Retry);
    QTest::mouseClick(form_->CmdNarrow, Qt::LeftButton);
    EXPECT_TRUE(ReceivedThenQuiet(Hex("1001064747"), 150));
    EXPECT_EQ(prompts_.messages().size(), 1u);
    EXPECT_TRUE(sim_.radio.narrow);
    EXPECT_TRUE(form_->isVisible());
}

TEST_F(TestWindow, APortThatCannotBeOpenedIsReportedAndTheWindowClosesAsAfterCancel)
{
    qputenv("ZX4100_COM9", "/dev/zx4100-missing");
    core_.link.ComPortNumber = 9;
    AllChannelsEmpty();
    Open();
    ASSERT_TRUE(ClosedAndGone());
    qunsetenv("ZX4100_COM9");
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_TRUE(prompts_.messages()[0].text.contains("COM9"));
    EXPECT_TRUE(core_.testMode.LinkAborted);
    EXPECT_TRUE(workspace_.mainWindowEnabled);
    EXPECT_FALSE(ExchangeRunning());
    EXPECT_TRUE(sim_.radio.received.isEmpty());
}

TEST_F(TestWindow, F1ShowsTheMainPageWithItsTestModeSection)
{
    OpenOnChannel1();
    HelpKeyFilter::Install();
    for (QWidget* w : std::initializer_list<QWidget*>{form_->ComChannel, form_->CmdTune, form_->cmdClose}) {
        HelpWindow::instance()->ShowPage("chinfo", false);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_F1);
        EXPECT_EQ(HelpWindow::instance()->currentPage(), "general") << w->objectName().toStdString();
    }
    HelpWindow::instance()->close();
    QFile page(":/help/en/general.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(page.readAll()).contains("Test mode"));
}

TEST_F(TestWindow, ADeviceThatVanishesIsReportedOnceAndTheWindowCloses)
{
    OpenOnChannel1();
    sim_.HangUp();
    QTest::mouseClick(form_->cmdWide, Qt::LeftButton);
    ASSERT_TRUE(ClosedAndGone());
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_TRUE(prompts_.messages()[0].text.contains("was disconnected"));
    EXPECT_TRUE(core_.testMode.LinkAborted);
    EXPECT_TRUE(workspace_.mainWindowEnabled);
    EXPECT_FALSE(ExchangeRunning());
}

TEST_F(TestWindow, ActivationTicksTheTestFrequencySlot)
{
    core_.windowSlots.setSlotVisible(0, true);
    core_.windowSlots.setSlotChecked(0, true);
    core_.windowSlots.setSlotVisible(6, true);
    OpenOnChannel1();
    QApplication::setActiveWindow(form_);
    ASSERT_TRUE(WaitUntil([this] { return form_->isActiveWindow(); }));
    EXPECT_TRUE(core_.windowSlots.slot(6).checked);
    EXPECT_FALSE(core_.windowSlots.slot(0).checked);
}

TEST_F(TestWindow, ThePrintoutSwitchesThePttOffAndKeepsTheButtonsInert)
{
    OpenOnChannel1();
    QTest::mouseClick(form_->CmdPtt, Qt::LeftButton);
    ASSERT_TRUE(ReceivedThenQuiet(Hex("100106080D"), 0));
    ASSERT_TRUE(WaitUntilIdle());
    form_->SetPrintoutRunning(true);
    form_->SwitchPttOff();
    for (QWidget* w : std::initializer_list<QWidget*>{form_->CmdPtt, form_->cmdWide, form_->ComChannel,
                                                      form_->CmdPrint, form_->cmdClose, form_->LvwTuneSel})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    form_->cmdWide_Click();
    form_->close();
    EXPECT_TRUE(ReceivedThenQuiet(Hex("100106080D080E")));
    // The lamp goes off with the radio's 06, which ends the step.
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_EQ(TestForm::PictureOf(form_->PicPtt), "LampOff");
    form_->SetPrintoutRunning(false);
    EXPECT_TRUE(form_->CmdPtt->isEnabled());
    EXPECT_FALSE(form_->CmdTune->isEnabled());  // no item chosen yet
}

}  // namespace
}  // namespace zx::test
