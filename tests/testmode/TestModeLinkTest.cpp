// The test window's exchange as a state machine, against the scripted radio
// in test mode on a virtual clock: the bytes of each step, the milliseconds
// between them, the lamps, the hand-over to a tuning dialog, the exit and
// the time-out question.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "link/CallLog.h"
#include "link/TransferRig.h"
#include "sim/RadioModel.h"
#include "sim/VirtualLink.h"
#include "testmode/TestModeLink.h"
#include "testmode/TuningItems.h"

namespace zx::test {
namespace {

using Step = TestModeLink::Step;

// The window as the exchange sees it: forwards the link to the virtual one
// and records every other call with its virtual time.
class TestLinkRig : public TestModeIo, public CallLog {
public:
    TestLinkRig()
    {
        radio.Feed(QByteArrayLiteral("TUNING "));  // the entry has put it in test mode
        link.onBytes = [this](const QByteArray& b) { machine.OnBytes(b); };
        link.onSendTimer = [this] { machine.OnSendTimer(); };
        link.onReplyTimeout = [this] { machine.OnReplyTimeout(); };
    }

    // LinkIo
    void Send(const QByteArray& bytes, int replyLength) override
    {
        EXPECT_TRUE(portOpen) << "sent on a closed port";
        link.Send(bytes, replyLength);
    }
    void ArmSendTimer(int ms) override { link.ArmSendTimer(ms); }
    void StopSendTimer() override { link.StopSendTimer(); }
    void ArmReplyTimer(int ms) override { link.ArmReplyTimer(ms); }
    void StopReplyTimer() override { link.StopReplyTimer(); }
    void ClearBuffers() override
    {
        Record("Clear");
        link.ClearBuffers();
    }
    void DiscardInput() override { link.DiscardInput(); }
    void ClosePort() override
    {
        portOpen = false;
        link.ClosePort();
    }
    void Progress(int value) override { link.Progress(value); }

    // TestModeIo
    bool OpenPort() override
    {
        if (portFails)
            return false;
        portOpen = true;
        return true;
    }
    void ShowPortOpenError() override { Record("PortOpenError"); }
    void ShowPortLost(const QString&) override { Record("PortLost"); }
    void StoreTuningData(const QByteArray& block) override
    {
        Record("Store");
        stored.push_back(block);
    }
    void ShowLamps(bool transmit) override { Record(transmit ? "LampsTx" : "LampsRx"); }
    void AskReplyTimeout() override { Record("Ask"); }
    void SetWindowEnabled(bool enabled) override { Record(enabled ? "Enable" : "Disable"); }
    void ShowTuningDialog(TuningDialog which) override
    {
        Record("Dialog" + std::to_string(static_cast<int>(which)));
        dialog = which;
    }
    void LinkEnded(TestLinkEnd how) override
    {
        Record("Ended");
        ended = how;
    }

    // Runs until nothing is pending (a step has ended, the question is up,
    // the exchange is over).
    void RunToRest() { link.RunUntil([] { return false; }); }
    // Runs until `count` commands have gone out in all.
    bool RunUntilSent(std::size_t count)
    {
        return link.RunUntil([&] { return link.sent.size() >= count; });
    }
    // The window's opening with test channel n, then the step it starts.
    void OpenOn(int n)
    {
        ASSERT_TRUE(machine.Open());
        machine.ChooseChannel(n);
        machine.ChooseSignal(1, false);
        RunToRest();
    }

    std::vector<QByteArray> SentFrom(std::size_t first) const
    {
        std::vector<QByteArray> out;
        for (std::size_t i = first; i < link.sent.size(); ++i)
            out.push_back(link.sent[i].bytes);
        return out;
    }
    std::vector<qint64> TimesFrom(std::size_t first) const
    {
        std::vector<qint64> out;
        for (std::size_t i = first; i < link.sent.size(); ++i)
            out.push_back(link.sent[i].at);
        return out;
    }
    std::vector<std::string> CallsFrom(std::size_t first) const
    {
        return {calls.begin() + static_cast<std::ptrdiff_t>(std::min(first, calls.size())), calls.end()};
    }

    RadioModel radio;
    VirtualLink link{radio};
    TestModeState state;
    TestModeLink machine{*this, state};
    bool portOpen = false;
    bool portFails = false;
    std::vector<QByteArray> stored;
    std::optional<TuningDialog> dialog;
    std::optional<TestLinkEnd> ended;

private:
    void Record(const std::string& call) { Log(call, link.now()); }
};

const QByteArray kAckByte = Bytes({0x06});

class TestLink : public ::testing::Test {
protected:
    TestLinkRig rig;
};

TEST_F(TestLink, OpeningSendsTheChannelCommandAfter50msAndStopsAfterItsAcknowledgement)
{
    rig.radio.testTable[1] = Bytes({0x00, 0x25, 0x61, 0x14, 0x00, 0x50, 0x61, 0x14});
    rig.state.LinkAborted = true;
    rig.state.NarrowBandTest = true;
    rig.OpenOn(2);

    EXPECT_EQ(rig.SentFrom(0), (std::vector<QByteArray>{Bytes({0x10, 0x02}), kAckByte}));
    EXPECT_EQ(rig.TimesFrom(0), (std::vector<qint64>{50, 53}));
    // The opening's own signalling "1" is not sent; then silence.
    EXPECT_FALSE(rig.machine.StopAfterChannel());
    EXPECT_EQ(rig.machine.TestStep(), Step::Channel);
    EXPECT_FALSE(rig.link.sendTimerArmed());
    EXPECT_FALSE(rig.link.replyTimerArmed());
    EXPECT_EQ(rig.state.TestChannelNo, 2);
    EXPECT_FALSE(rig.state.LinkAborted);
    EXPECT_FALSE(rig.state.NarrowBandTest);
    // The port was tried and emptied at the opening only.
    EXPECT_EQ(rig.count("Clear"), 1);
    EXPECT_EQ(rig.timeOf("Clear"), 0);
    EXPECT_EQ(rig.count("Ask"), 0);
}

TEST_F(TestLink, SignallingAfterACompletedChannelStepSendsTheChannelAgainThenTheSignalling)
{
    rig.OpenOn(5);
    const std::size_t before = rig.link.sent.size();
    const qint64 t = rig.link.now();
    rig.machine.ChooseSignal(2, true);
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), (std::vector<QByteArray>{Bytes({0x10, 0x05}), kAckByte, Bytes({0x11, 0x02})}));
    EXPECT_EQ(rig.TimesFrom(before), (std::vector<qint64>{t + 50, t + 53, t + 58}));
    EXPECT_EQ(rig.machine.TestStep(), Step::Signal);
    EXPECT_EQ(rig.radio.testSignal, 2);
}

TEST_F(TestLink, SignallingAfterAWideStepSendsOnlyTheSignalling)
{
    rig.OpenOn(1);
    rig.machine.PressWide();
    rig.RunToRest();
    const std::size_t before = rig.link.sent.size();
    const qint64 t = rig.link.now();
    rig.machine.ChooseSignal(8, true);
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), (std::vector<QByteArray>{Bytes({0x11, 0x08})}));
    EXPECT_EQ(rig.TimesFrom(before), (std::vector<qint64>{t + 50}));
}

TEST_F(TestLink, AUsersSignallingDuringTheOpeningChannelStepIsSentToo)
{
    ASSERT_TRUE(rig.machine.Open());
    rig.machine.ChooseChannel(3);
    rig.machine.ChooseSignal(1, false);
    // 10 03 is out, its reply not yet handled: the user picks "4".
    ASSERT_TRUE(rig.RunUntilSent(1));
    rig.machine.ChooseSignal(4, true);
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(0), (std::vector<QByteArray>{Bytes({0x10, 0x03}), Bytes({0x10, 0x03}), kAckByte,
                                                         Bytes({0x11, 0x04})}));
    EXPECT_EQ(rig.TimesFrom(0), (std::vector<qint64>{50, 100, 103, 108}));
    EXPECT_EQ(rig.radio.testSignal, 4);
}

TEST_F(TestLink, WideWhileTransmittingSwitchesTheTransmitterOffFirst)
{
    rig.OpenOn(1);
    rig.machine.PressNarrow();
    rig.RunToRest();
    ASSERT_TRUE(rig.state.NarrowBandTest);
    rig.machine.PressPtt();
    rig.RunToRest();
    ASSERT_TRUE(rig.machine.PttOn());
    ASSERT_EQ(rig.calls.back(), "LampsTx");

    const std::size_t before = rig.link.sent.size();
    const std::size_t callsBefore = rig.calls.size();
    const qint64 t = rig.link.now();
    rig.machine.PressWide();
    EXPECT_TRUE(rig.machine.PttOffFirst());
    ASSERT_TRUE(rig.RunUntilSent(before + 1));
    // Wide from the first send on, the PTT off included.
    EXPECT_FALSE(rig.state.NarrowBandTest);
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), (std::vector<QByteArray>{Bytes({0x08, 0x0E}), Bytes({0x46})}));
    EXPECT_EQ(rig.TimesFrom(before), (std::vector<qint64>{t + 50, t + 57}));
    EXPECT_EQ(rig.CallsFrom(callsBefore), std::vector<std::string>{"LampsRx"});
    EXPECT_EQ(rig.timeOf("LampsRx"), t + 50);
    EXPECT_FALSE(rig.machine.PttOn());
    EXPECT_FALSE(rig.machine.PttOffFirst());
    EXPECT_FALSE(rig.radio.narrow);
    EXPECT_FALSE(rig.radio.pttOn);
}

TEST_F(TestLink, PttTwiceKeysThenUnkeysWithTheLampsAfterEachAcknowledgement)
{
    rig.OpenOn(1);
    const std::size_t before = rig.link.sent.size();
    const std::size_t callsBefore = rig.calls.size();
    const qint64 t = rig.link.now();
    rig.machine.PressPtt();
    rig.RunToRest();
    EXPECT_TRUE(rig.radio.pttOn);
    rig.machine.PressPtt();
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), (std::vector<QByteArray>{Bytes({0x08, 0x0D}), Bytes({0x08, 0x0E})}));
    EXPECT_EQ(rig.TimesFrom(before)[0], t + 5);
    EXPECT_EQ(rig.CallsFrom(callsBefore), (std::vector<std::string>{"LampsTx", "LampsRx"}));
    EXPECT_FALSE(rig.radio.pttOn);
    EXPECT_EQ(rig.machine.TestStep(), Step::Ptt);
}

TEST_F(TestLink, ThePrintoutsPttOffIsThePttStepWithTheTransmitterUnkeyed)
{
    rig.OpenOn(1);
    rig.machine.PressPtt();
    rig.RunToRest();
    const std::size_t before = rig.link.sent.size();
    const qint64 t = rig.link.now();
    rig.machine.SwitchPttOff();
    EXPECT_FALSE(rig.machine.PttOn());
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), std::vector<QByteArray>{Bytes({0x08, 0x0E})});
    EXPECT_EQ(rig.TimesFrom(before)[0], t + 5);
    EXPECT_EQ(rig.calls.back(), "LampsRx");
}

TEST_F(TestLink, TuneStoresTheBlockEntersTheItemAndHandsOver)
{
    rig.OpenOn(1);
    rig.state.TuneItem = 9;
    const std::size_t before = rig.link.sent.size();
    const std::size_t callsBefore = rig.calls.size();
    const qint64 t = rig.link.now();
    rig.machine.PressTune();
    rig.RunToRest();

    EXPECT_EQ(rig.SentFrom(before),
              (std::vector<QByteArray>{Bytes({0x05}), kAckByte, Bytes({0x0D, 0x0D})}));
    EXPECT_EQ(rig.TimesFrom(before), (std::vector<qint64>{t + 50, t + 53, t + 57}));
    ASSERT_EQ(rig.stored.size(), 1u);
    EXPECT_EQ(rig.stored[0], rig.radio.tuningBlock);
    // The buffers are emptied by Tune; the window is disabled and the port
    // closed at the item's acknowledgement, the dialog 30 ms later.
    EXPECT_EQ(rig.CallsFrom(callsBefore),
              (std::vector<std::string>{"Clear", "Store", "Disable", "Dialog3"}));
    EXPECT_EQ(rig.timeOf("Disable"), t + 57);
    EXPECT_EQ(rig.timeOf("Dialog3"), t + 87);
    EXPECT_FALSE(rig.portOpen);
    EXPECT_FALSE(rig.link.sendTimerArmed());
    EXPECT_FALSE(rig.link.replyTimerArmed());
    EXPECT_EQ(rig.radio.enteredCode, 0x0D);

    // The next step opens the port again.
    rig.machine.PressWide();
    rig.RunToRest();
    EXPECT_EQ(rig.link.sent.back().bytes, Bytes({0x46}));
}

struct DialogCase {
    int item;
    bool narrow;
    TuningDialog dialog;
};

class TuneDialogChoice : public TestLink, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(TuneDialogChoice, TheItemAndTheBandwidthChooseTheDialog)
{
    const DialogCase& c = GetParam();
    rig.OpenOn(1);
    if (c.narrow)
        rig.machine.PressNarrow();
    else
        rig.machine.PressWide();
    rig.RunToRest();
    rig.state.TuneItem = c.item;
    rig.machine.PressTune();
    rig.RunToRest();
    ASSERT_TRUE(rig.dialog.has_value());
    EXPECT_EQ(*rig.dialog, c.dialog);
    EXPECT_EQ(rig.link.sent.back().bytes, Bytes({TuningItemCode(c.item), 0x0D}));
}

INSTANTIATE_TEST_SUITE_P(Items, TuneDialogChoice,
                         ::testing::Values(DialogCase{3, true, TuningDialog::TunningForm4},
                                           DialogCase{3, false, TuningDialog::TunningForm3},
                                           DialogCase{8, true, TuningDialog::TunningForm3},
                                           DialogCase{8, false, TuningDialog::TunningForm3},
                                           DialogCase{12, true, TuningDialog::TunningForm2},
                                           DialogCase{15, false, TuningDialog::TunningForm2},
                                           DialogCase{1, true, TuningDialog::TunningForm1},
                                           DialogCase{7, false, TuningDialog::TunningForm4},
                                           DialogCase{10, true, TuningDialog::TunningForm4}));

TEST(TuningItems, CodesAndDialogsOfAllFifteenItems)
{
    const std::vector<int> codes = {0x12, 0x14, 0x18, 0x17, 0x19, 0x1A, 0x1D, 0x1F,
                                    0x0D, 0x0C, 0x1B, 0x1C, 0x21, 0x23, 0x22};
    using D = TuningDialog;
    const std::vector<D> wide = {D::TunningForm1, D::TunningForm1, D::TunningForm3, D::TunningForm3, D::TunningForm3,
                                 D::TunningForm3, D::TunningForm4, D::TunningForm3, D::TunningForm3, D::TunningForm3,
                                 D::TunningForm4, D::TunningForm2, D::TunningForm2, D::TunningForm2, D::TunningForm2};
    const std::vector<D> narrow = {D::TunningForm1, D::TunningForm1, D::TunningForm4, D::TunningForm4,
                                   D::TunningForm4, D::TunningForm4, D::TunningForm4, D::TunningForm3,
                                   D::TunningForm4, D::TunningForm4, D::TunningForm4, D::TunningForm2,
                                   D::TunningForm2, D::TunningForm2, D::TunningForm2};
    for (int item = 1; item <= 15; ++item) {
        const auto i = static_cast<std::size_t>(item - 1);
        EXPECT_EQ(TuningItemCode(item), codes[i]) << item;
        EXPECT_EQ(TuningDialogFor(item, false), wide[i]) << item;
        EXPECT_EQ(TuningDialogFor(item, true), narrow[i]) << item;
    }
    EXPECT_EQ(TuningItemCode(0), 0);
    EXPECT_EQ(TuningItemCode(16), 0);
}

TEST_F(TestLink, AShortTuningBlockIsNotStoredAndRetrySendsTheRequestAgain)
{
    rig.OpenOn(1);
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::TuningRequest && c.occurrence == 1 ? normal.left(61) : normal;
    };
    rig.state.TuneItem = 4;
    const std::size_t before = rig.link.sent.size();
    const qint64 t = rig.link.now();
    rig.machine.PressTune();
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), std::vector<QByteArray>{Bytes({0x05})});
    EXPECT_TRUE(rig.stored.empty());
    ASSERT_TRUE(rig.machine.waitingForAnswer());
    EXPECT_EQ(rig.timeOf("Ask"), t + 50 + 200);

    const int clears = rig.count("Clear");
    const qint64 answered = rig.link.now();
    rig.machine.OnRetry();
    rig.RunToRest();
    EXPECT_EQ(rig.count("Clear"), clears + 1);
    // The 61 bytes were dropped with the buffers: the second block is whole.
    EXPECT_EQ(rig.SentFrom(before),
              (std::vector<QByteArray>{Bytes({0x05}), Bytes({0x05}), kAckByte, Bytes({0x17, 0x0D})}));
    EXPECT_EQ(rig.link.sent[before + 1].at, answered + 50);
    ASSERT_EQ(rig.stored.size(), 1u);
    EXPECT_EQ(rig.dialog, TuningDialog::TunningForm3);
}

TEST_F(TestLink, ClosingWhileTransmittingUnkeysSendsTheSignallingThen45After50ms)
{
    rig.OpenOn(1);
    rig.machine.ChooseSignal(3, true);
    rig.RunToRest();
    rig.machine.PressPtt();
    rig.RunToRest();
    const std::size_t before = rig.link.sent.size();
    const qint64 t = rig.link.now();
    rig.machine.StartExit();
    EXPECT_TRUE(rig.machine.PttOffFirst());
    EXPECT_FALSE(rig.machine.ExitDone());
    rig.RunToRest();

    EXPECT_EQ(rig.SentFrom(before), (std::vector<QByteArray>{Bytes({0x08, 0x0E}), Bytes({0x11, 0x03}), Bytes({0x45})}));
    EXPECT_EQ(rig.TimesFrom(before), (std::vector<qint64>{t + 30, t + 35, t + 90}));
    EXPECT_TRUE(rig.machine.ExitDone());
    EXPECT_EQ(rig.ended, TestLinkEnd::EndSent);
    EXPECT_EQ(rig.timeOf("Ended"), t + 90);
    EXPECT_FALSE(rig.portOpen);
    EXPECT_FALSE(rig.radio.inTestMode());
    EXPECT_FALSE(rig.state.LinkAborted);
}

TEST_F(TestLink, OnceTheExitHasStartedNoActionReplacesIt)
{
    rig.OpenOn(1);
    const std::size_t before = rig.link.sent.size();
    rig.machine.StartExit();
    // 11 01 is answered; the 50 ms before 45 run.
    ASSERT_TRUE(rig.RunUntilSent(before + 1));
    rig.link.RunUntil([&] { return false; }, rig.link.now() + 20);
    rig.machine.PressPtt();
    rig.machine.ChooseChannel(2);
    rig.machine.PressTune();
    rig.machine.StartExit();
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), (std::vector<QByteArray>{Bytes({0x11, 0x01}), Bytes({0x45})}));
    EXPECT_EQ(rig.ended, TestLinkEnd::EndSent);
    EXPECT_FALSE(rig.machine.PttOn());
}

TEST_F(TestLink, CancelAtTheQuestionGivesTestModeUpWithout45)
{
    rig.OpenOn(1);
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Wide ? QByteArray() : normal;
    };
    const qint64 t = rig.link.now();
    rig.machine.PressWide();
    rig.RunToRest();
    ASSERT_TRUE(rig.machine.waitingForAnswer());
    EXPECT_EQ(rig.timeOf("Ask"), t + 250);
    rig.machine.OnCancel();
    rig.RunToRest();
    EXPECT_EQ(rig.ended, TestLinkEnd::Cancelled);
    EXPECT_TRUE(rig.state.LinkAborted);
    EXPECT_TRUE(rig.machine.ExitDone());
    EXPECT_FALSE(rig.portOpen);
    EXPECT_EQ(rig.radio.count(RadioModel::Command::End), 0);
    EXPECT_TRUE(rig.radio.inTestMode());
    EXPECT_FALSE(rig.link.sendTimerArmed());
    EXPECT_FALSE(rig.link.replyTimerArmed());
}

TEST_F(TestLink, CancelDuringTheExitClosesWithout45)
{
    rig.OpenOn(1);
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::TestSignal ? QByteArray() : normal;
    };
    rig.machine.StartExit();
    rig.RunToRest();
    ASSERT_TRUE(rig.machine.waitingForAnswer());
    rig.machine.OnCancel();
    rig.RunToRest();
    EXPECT_EQ(rig.ended, TestLinkEnd::Cancelled);
    EXPECT_EQ(rig.radio.count(RadioModel::Command::End), 0);
}

TEST_F(TestLink, RetryRepeatsTheStepFromItsPttOffCommand)
{
    rig.OpenOn(1);
    rig.machine.PressPtt();
    rig.RunToRest();
    // The reply to the step's own 47 is a wrong byte: the question at once.
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Narrow && c.occurrence == 1 ? Bytes({0x15}) : normal;
    };
    const std::size_t before = rig.link.sent.size();
    rig.machine.PressNarrow();
    rig.RunToRest();
    ASSERT_TRUE(rig.machine.waitingForAnswer());
    EXPECT_EQ(rig.timeOf("Ask"), rig.link.sent.back().at + 2);
    // The transmitter is off now, so the retry sends only the step's own command.
    EXPECT_FALSE(rig.machine.PttOffFirst());
    rig.machine.OnRetry();
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), (std::vector<QByteArray>{Bytes({0x08, 0x0E}), Bytes({0x47}), Bytes({0x47})}));
    EXPECT_TRUE(rig.radio.narrow);
    EXPECT_FALSE(rig.ended.has_value());
}

TEST_F(TestLink, RetryWhileTheOffCommandFailedSendsItAgain)
{
    rig.OpenOn(1);
    rig.machine.PressPtt();
    rig.RunToRest();
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Ptt && c.occurrence == 2 ? QByteArray() : normal;
    };
    const std::size_t before = rig.link.sent.size();
    rig.machine.ChooseChannel(1);
    rig.RunToRest();
    ASSERT_TRUE(rig.machine.waitingForAnswer());
    EXPECT_TRUE(rig.machine.PttOffFirst());
    rig.machine.OnRetry();
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), (std::vector<QByteArray>{Bytes({0x08, 0x0E}), Bytes({0x08, 0x0E}),
                                                              Bytes({0x10, 0x01}), kAckByte}));
}

TEST_F(TestLink, ANewActionReplacesTheStepThatIsWaitingToSend)
{
    rig.OpenOn(1);
    const std::size_t before = rig.link.sent.size();
    rig.machine.PressWide();
    rig.link.RunUntil([&] { return false; }, rig.link.now() + 30);
    const qint64 t = rig.link.now();
    rig.machine.PressNarrow();
    rig.RunToRest();
    EXPECT_EQ(rig.SentFrom(before), std::vector<QByteArray>{Bytes({0x47})});
    EXPECT_EQ(rig.TimesFrom(before), std::vector<qint64>{t + 50});
    EXPECT_TRUE(rig.state.NarrowBandTest);
}

TEST_F(TestLink, ALateReplyOfTheReplacedStepIsReadAsTheNewCommandsReply)
{
    rig.OpenOn(1);
    // The radio answers 46 late, after the user's signalling 6 has replaced
    // the Wide step and its 11 06 is out; 11 06 itself gets no answer.
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Wide || c.kind == RadioModel::Command::TestSignal ? QByteArray()
                                                                                                : normal;
    };
    rig.machine.PressWide();
    ASSERT_TRUE(rig.RunUntilSent(rig.link.sent.size() + 1));
    rig.machine.ChooseSignal(6, true);
    ASSERT_TRUE(rig.RunUntilSent(rig.link.sent.size() + 1));
    EXPECT_EQ(rig.link.sent.back().bytes, Bytes({0x11, 0x06}));
    rig.link.Arrive(kAckByte);  // the late acknowledgement of 46
    rig.RunToRest();
    EXPECT_EQ(rig.count("Ask"), 0);
    EXPECT_EQ(rig.machine.TestStep(), Step::Signal);
    EXPECT_FALSE(rig.link.replyTimerArmed());
}

TEST_F(TestLink, BytesThatComeWhileNoReplyIsAwaitedAreNoReply)
{
    rig.OpenOn(1);
    rig.link.Arrive(Bytes({0x15}));
    rig.RunToRest();
    EXPECT_EQ(rig.count("Ask"), 0);
    rig.machine.PressWide();
    rig.link.RunUntil([&] { return false; }, rig.link.now() + 20);
    rig.link.Arrive(Bytes({0x15}));
    rig.RunToRest();
    EXPECT_EQ(rig.count("Ask"), 0);
    EXPECT_EQ(rig.link.sent.back().bytes, Bytes({0x46}));
}

TEST_F(TestLink, OnlyOpeningTuneAndRetryEmptyTheBuffers)
{
    rig.OpenOn(1);
    EXPECT_EQ(rig.count("Clear"), 1);
    rig.machine.ChooseChannel(1);
    rig.machine.ChooseSignal(2, true);
    rig.machine.PressPtt();
    rig.machine.PressWide();
    rig.machine.PressNarrow();
    rig.RunToRest();
    EXPECT_EQ(rig.count("Clear"), 1);
    rig.machine.PressTune();
    EXPECT_EQ(rig.count("Clear"), 2);
}

TEST_F(TestLink, AReplyTimeOutAfterATuningDialogsCancelClosesWithoutAQuestion)
{
    rig.OpenOn(1);
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Wide ? QByteArray() : normal;
    };
    rig.state.LinkAborted = true;
    rig.machine.PressWide();
    rig.RunToRest();
    EXPECT_EQ(rig.count("Ask"), 0);
    EXPECT_EQ(rig.ended, TestLinkEnd::Aborted);
    EXPECT_TRUE(rig.machine.ExitDone());
}

TEST_F(TestLink, APortThatCannotBeOpenedAtTheOpeningEndsAsAfterCancel)
{
    rig.portFails = true;
    EXPECT_FALSE(rig.machine.Open());
    rig.RunToRest();
    EXPECT_EQ(rig.calls, (std::vector<std::string>{"PortOpenError", "Ended"}));
    EXPECT_EQ(rig.ended, TestLinkEnd::PortFailed);
    EXPECT_TRUE(rig.state.LinkAborted);
    EXPECT_TRUE(rig.link.sent.empty());
    // The window's own choices that follow change nothing.
    rig.machine.ChooseChannel(1);
    rig.RunToRest();
    EXPECT_TRUE(rig.link.sent.empty());
}

TEST_F(TestLink, APortThatCannotBeOpenedAtASendEndsWithout45)
{
    rig.OpenOn(1);
    rig.portOpen = false;
    rig.portFails = true;
    rig.machine.StartExit();
    const std::size_t before = rig.link.sent.size();
    rig.RunToRest();
    EXPECT_EQ(rig.link.sent.size(), before);
    EXPECT_EQ(rig.count("PortOpenError"), 1);
    EXPECT_EQ(rig.ended, TestLinkEnd::PortFailed);
    EXPECT_TRUE(rig.state.LinkAborted);
    EXPECT_FALSE(rig.link.replyTimerArmed());
}

TEST_F(TestLink, ADeviceThatVanishesEndsTheExchangeOnce)
{
    rig.OpenOn(1);
    rig.machine.PressWide();
    rig.machine.OnPortLost(QStringLiteral("COM6 (/dev/pts/9)"));
    rig.RunToRest();
    EXPECT_EQ(rig.count("PortLost"), 1);
    EXPECT_EQ(rig.ended, TestLinkEnd::PortLost);
    EXPECT_TRUE(rig.state.LinkAborted);
    EXPECT_EQ(rig.count("Ended"), 1);
}

}  // namespace
}  // namespace zx::test
