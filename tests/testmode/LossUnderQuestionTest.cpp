// A device that vanishes while an exchange's question box is up, one table
// over every exchange with a question: the read and write of the radio's
// memory, the main window's exchange, the test window's link and a tuning
// dialog's link. Each runs on a virtual clock against a radio that stops
// answering (or, for the write, reports another model) until its question
// is up; then the port is lost, as the port link loses it: both timers
// stopped and the port closed before the exchange is told.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "link/MainLinkExchange.h"
#include "link/TransferRig.h"
#include "sim/RadioModel.h"
#include "sim/VirtualLink.h"
#include "testmode/TestModeLink.h"
#include "testmode/TuningItems.h"
#include "testmode/TuningLinkRig.h"

namespace zx::test {
namespace {

const QString kPortName = QStringLiteral("COM1 (/dev/ttyUSB0)");

QByteArray Silence(const RadioModel::Command&, const QByteArray&)
{
    return {};
}

// The inputs every exchange's machine takes alike.
template <typename Machine>
void AnswerTo(Machine& machine, bool retry)
{
    if (retry)
        machine.OnRetry();
    else
        machine.OnCancel();
}

template <typename Machine>
void LateInputsTo(Machine& machine)
{
    machine.OnSendTimer();
    machine.OnReplyTimeout();
    machine.OnBytes(QByteArray(1, '\x06'));
    machine.OnRetry();
    machine.OnCancel();
    machine.OnPortLost(kPortName);
}

// One exchange as the table sees it.
class Exchange {
public:
    virtual ~Exchange() = default;
    // Starts and runs until the question is up; false when it never came.
    virtual bool RunToQuestion() = 0;
    // Starts and runs until the first command is out and its reply awaited.
    virtual bool RunToFirstCommand() = 0;
    // The port link's part when the device goes, then the machine's.
    virtual void LosePort() = 0;
    // Retry (or Overwrite) when `yes`, else Cancel (or refuse).
    virtual void Answer(bool yes) = 0;
    // What may still come after the end: both timers' ticks, a byte, the
    // answers again, the loss again.
    virtual void LateInputs() = 0;
    // Runs the clock until nothing is pending.
    virtual void RunOn() = 0;

    virtual bool waiting() const = 0;
    virtual int endings() const = 0;
    virtual bool endedOnLoss() const = 0;
    virtual int lossReports() const = 0;
    virtual std::size_t sent() const = 0;
    virtual bool portOpen() const = 0;
    virtual bool timersArmed() const = 0;
};

// The exchanges of the main window and the test window drive a
// VirtualLink; the window's fake counts the ends and the loss reports.
class OnVirtualLink : public Exchange {
public:
    explicit OnVirtualLink(VirtualLink& link) : link_(link) {}

    void RunOn() override { link_.RunUntil([] { return false; }); }
    std::size_t sent() const override { return link_.sent.size(); }
    bool portOpen() const override { return link_.portOpen; }
    bool timersArmed() const override { return link_.sendTimerArmed() || link_.replyTimerArmed(); }
    int endings() const override { return endings_; }
    int lossReports() const override { return lossReports_; }

protected:
    template <typename Machine>
    void LoseThePortOf(Machine& machine)
    {
        link_.StopSendTimer();
        link_.StopReplyTimer();
        link_.ClosePort();
        machine.OnPortLost(kPortName);
    }
    bool RunUntil(const std::function<bool()>& done) { return link_.RunUntil(done); }
    void CountLossReport(const QString& portName) { lossReports_ += portName == kPortName ? 1 : 0; }

    VirtualLink& link_;
    int endings_ = 0;

private:
    int lossReports_ = 0;
};

// A radio of the main window's or the test window's exchange, which stops
// answering.
struct SilentRadio {
    RadioModel radio;
    VirtualLink link{radio};
};

// The transfer's radio and window, made before the link is handed on.
struct WithTransferRig {
    TransferRig rig;
};

class Transfer : private WithTransferRig, public OnVirtualLink {
public:
    explicit Transfer(RadioTransfer::Direction direction) : OnVirtualLink(rig.link), direction_(direction)
    {
        rig.core.InitAllFrameData();
        rig.radio.FillPattern();
        if (write()) {
            // Another band: the write asks before it overwrites.
            rig.radio.identBand = static_cast<std::uint8_t>(rig.core.image.modelBandCode() + 1);
        } else {
            rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
                return c.kind == RadioModel::Command::Read && c.occurrence == 3 ? QByteArray() : normal;
            };
        }
        rig.answerAtOnce = false;
        rig.Make(direction);
    }

    bool RunToQuestion() override
    {
        rig.transfer->Start();
        return rig.RunUntilAsked() && rig.transfer->waitingForAnswer();
    }
    bool RunToFirstCommand() override
    {
        rig.transfer->Start();
        return RunUntil([this] { return !rig.link.sent.empty(); });
    }
    void LosePort() override { LoseThePortOf(*rig.transfer); }
    void Answer(bool yes) override
    {
        if (write())
            rig.transfer->OnOverwriteAnswer(yes);
        else
            AnswerTo(*rig.transfer, yes);
    }
    void LateInputs() override
    {
        LateInputsTo(*rig.transfer);
        rig.transfer->OnOverwriteAnswer(true);
    }
    bool waiting() const override { return rig.transfer->waitingForAnswer(); }
    int endings() const override { return rig.finishedCalls; }
    bool endedOnLoss() const override { return rig.outcome == TransferOutcome::PortLost; }
    int lossReports() const override
    {
        int n = 0;
        for (const MessageRequest& m : rig.prompts.messages())
            n += m.text.startsWith(kPortName + QStringLiteral(" was disconnected")) ? 1 : 0;
        return n;
    }

private:
    bool write() const { return direction_ == RadioTransfer::Direction::Write; }
    RadioTransfer::Direction direction_;
};

class MainLink : private SilentRadio, public OnVirtualLink, public MainLinkWindow {
public:
    MainLink() : OnVirtualLink(SilentRadio::link)
    {
        radio.muteWakeUps = 1000;
        link_.onBytes = [this](const QByteArray& b) { exchange_.OnBytes(b); };
        link_.onSendTimer = [this] { exchange_.OnSendTimer(); };
        link_.onReplyTimeout = [this] { exchange_.OnReplyTimeout(); };
    }

    bool RunToQuestion() override
    {
        exchange_.StartRadioInformation();
        return RunUntil([this] { return exchange_.waitingForAnswer() || endings_ > 0; }) && endings_ == 0;
    }
    bool RunToFirstCommand() override
    {
        exchange_.StartRadioInformation();
        return RunUntil([this] { return !link_.sent.empty(); });
    }
    void LosePort() override { LoseThePortOf(exchange_); }
    void Answer(bool yes) override { AnswerTo(exchange_, yes); }
    void LateInputs() override { LateInputsTo(exchange_); }
    bool waiting() const override { return exchange_.waitingForAnswer(); }
    bool endedOnLoss() const override { return outcome_ == MainLinkOutcome::PortLost; }

    // MainLinkWindow
    void AskReplyTimeout() override {}
    void SetMainWindowEnabled(bool) override {}
    void ShowRadioInformation() override {}
    void ShowTestFrequencyMismatch() override {}
    void ShowPortLost(const QString& portName) override { CountLossReport(portName); }
    void ExchangeEnded(MainLinkOutcome outcome) override
    {
        ++endings_;
        outcome_ = outcome;
    }

private:
    RadioInfoBytes info_{};
    MainLinkExchange exchange_{link_, *this, info_};
    MainLinkOutcome outcome_ = MainLinkOutcome::Cancelled;
};

class TestWindowLink : private SilentRadio, public OnVirtualLink, public TestModeIo {
public:
    TestWindowLink() : OnVirtualLink(SilentRadio::link)
    {
        radio.Feed(QByteArrayLiteral("TUNING "));  // the entry has put it in test mode
        radio.replyFilter = Silence;
        link_.onBytes = [this](const QByteArray& b) { machine_.OnBytes(b); };
        link_.onSendTimer = [this] { machine_.OnSendTimer(); };
        link_.onReplyTimeout = [this] { machine_.OnReplyTimeout(); };
    }

    bool RunToQuestion() override
    {
        return machine_.Open() && RunUntil([this] { return machine_.waitingForAnswer() || machine_.ended(); }) &&
               !machine_.ended();
    }
    bool RunToFirstCommand() override
    {
        return machine_.Open() && RunUntil([this] { return !link_.sent.empty(); });
    }
    void LosePort() override { LoseThePortOf(machine_); }
    void Answer(bool yes) override { AnswerTo(machine_, yes); }
    void LateInputs() override
    {
        LateInputsTo(machine_);
        machine_.PressWide();
        machine_.StartExit();
    }
    bool waiting() const override { return machine_.waitingForAnswer(); }
    bool endedOnLoss() const override { return how_ == TestLinkEnd::PortLost; }

    // LinkIo
    void Send(const QByteArray& bytes, int replyLength) override { link_.Send(bytes, replyLength); }
    void ArmSendTimer(int ms) override { link_.ArmSendTimer(ms); }
    void StopSendTimer() override { link_.StopSendTimer(); }
    void ArmReplyTimer(int ms) override { link_.ArmReplyTimer(ms); }
    void StopReplyTimer() override { link_.StopReplyTimer(); }
    void ClearBuffers() override { link_.ClearBuffers(); }
    void DiscardInput() override { link_.DiscardInput(); }
    void ClosePort() override { link_.ClosePort(); }
    void Progress(int value) override { link_.Progress(value); }
    // TestModeIo
    bool OpenPort() override
    {
        link_.portOpen = true;
        return true;
    }
    void ShowPortOpenError() override {}
    void ShowPortLost(const QString& portName) override { CountLossReport(portName); }
    void StoreTuningData(const QByteArray&) override {}
    void ShowLamps(bool) override {}
    void AskReplyTimeout() override {}
    void SetWindowEnabled(bool) override {}
    void ShowTuningDialog(TuningDialog) override {}
    void LinkEnded(TestLinkEnd how) override
    {
        ++endings_;
        how_ = how;
    }

private:
    TestModeState state_;
    TestModeLink machine_{*this, state_};
    TestLinkEnd how_ = TestLinkEnd::EndSent;
};

// Max Deviation's band-point dialog; its PTT is the command the radio
// leaves unanswered.
class TuningDialogLink : public Exchange {
public:
    TuningDialogLink()
    {
        rig_.Open(BandPointSetup, kItemMaxDeviation);
        rig_.answer = [](const QByteArray&) { return QByteArray(); };
    }

    bool RunToQuestion() override
    {
        rig_.link->Ptt();
        rig_.Settle();
        return rig_.link->waitingForAnswer();
    }
    bool RunToFirstCommand() override
    {
        rig_.link->Ptt();
        return rig_.RunUntil([this] { return !rig_.Sent().empty(); });
    }
    void LosePort() override
    {
        rig_.StopSendTimer();
        rig_.StopReplyTimer();
        rig_.ClosePort();
        rig_.link->OnPortLost(kPortName);
    }
    void Answer(bool yes) override { AnswerTo(*rig_.link, yes); }
    void LateInputs() override
    {
        LateInputsTo(*rig_.link);
        rig_.link->Ptt();
        rig_.link->Close();
    }
    void RunOn() override { rig_.RunUntil([] { return false; }); }
    bool waiting() const override { return rig_.link->waitingForAnswer(); }
    int endings() const override { return rig_.closeDoneCalls; }
    bool endedOnLoss() const override { return rig_.link->CloseDone() && rig_.testMode.LinkAborted; }
    int lossReports() const override { return rig_.Count("port lost " + kPortName.toStdString()); }
    std::size_t sent() const override { return rig_.Sent().size(); }
    bool portOpen() const override { return rig_.portOpen; }
    bool timersArmed() const override { return rig_.sendTimerArmed() || rig_.replyTimerArmed(); }

private:
    TuningRig rig_;
};

struct Case {
    const char* name;
    std::function<std::unique_ptr<Exchange>()> make;
    bool yes;  // Retry (Overwrite), else Cancel (refuse)
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

// The exchange has ended on the loss, once, with the port closed, both
// timers off and `sent` commands out; nothing that comes later changes it.
void ExpectEndedOnceOnTheLoss(Exchange& x, std::size_t sent)
{
    EXPECT_EQ(x.endings(), 1);
    EXPECT_TRUE(x.endedOnLoss());
    EXPECT_EQ(x.lossReports(), 1);
    EXPECT_FALSE(x.waiting());
    EXPECT_FALSE(x.portOpen());
    EXPECT_FALSE(x.timersArmed());
    x.LateInputs();
    x.RunOn();
    EXPECT_EQ(x.endings(), 1);
    EXPECT_EQ(x.lossReports(), 1);
    EXPECT_EQ(x.sent(), sent);
    EXPECT_FALSE(x.portOpen());
}

class LossUnderQuestion : public ::testing::TestWithParam<Case> {};

TEST_P(LossUnderQuestion, TheAnswerEndsTheExchangeOnceWithNothingSentAfterTheLoss)
{
    const std::unique_ptr<Exchange> x = GetParam().make();
    ASSERT_TRUE(x->RunToQuestion());
    const std::size_t sent = x->sent();
    x->LosePort();
    // The question is still the user's: nothing ends or is reported under
    // it, however long it stays up.
    x->RunOn();
    EXPECT_TRUE(x->waiting());
    EXPECT_EQ(x->endings(), 0);
    EXPECT_EQ(x->lossReports(), 0);

    x->Answer(GetParam().yes);
    ExpectEndedOnceOnTheLoss(*x, sent);
}

// With no question up, the same loss ends the exchange at once.
class LossWithNoQuestion : public LossUnderQuestion {};

TEST_P(LossWithNoQuestion, EndsTheExchangeAtOnce)
{
    const std::unique_ptr<Exchange> x = GetParam().make();
    ASSERT_TRUE(x->RunToFirstCommand());
    const std::size_t sent = x->sent();
    x->LosePort();
    ExpectEndedOnceOnTheLoss(*x, sent);
}

template <typename T, typename... Args>
std::function<std::unique_ptr<Exchange>()> Make(Args... args)
{
    return [args...] { return std::make_unique<T>(args...); };
}

const auto kRead = Make<Transfer>(RadioTransfer::Direction::Read);
const auto kWrite = Make<Transfer>(RadioTransfer::Direction::Write);

INSTANTIATE_TEST_SUITE_P(Exchanges, LossUnderQuestion,
                         ::testing::Values(Case{"ReadRetry", kRead, true}, Case{"ReadCancel", kRead, false},
                                           Case{"WriteOverwrite", kWrite, true}, Case{"WriteRefuse", kWrite, false},
                                           Case{"MainWindowRetry", Make<MainLink>(), true},
                                           Case{"MainWindowCancel", Make<MainLink>(), false},
                                           Case{"TestWindowRetry", Make<TestWindowLink>(), true},
                                           Case{"TestWindowCancel", Make<TestWindowLink>(), false},
                                           Case{"TuningDialogRetry", Make<TuningDialogLink>(), true},
                                           Case{"TuningDialogCancel", Make<TuningDialogLink>(), false}),
                         CaseName);

INSTANTIATE_TEST_SUITE_P(Exchanges, LossWithNoQuestion,
                         ::testing::Values(Case{"Read", kRead, true}, Case{"Write", kWrite, true},
                                           Case{"MainWindow", Make<MainLink>(), true},
                                           Case{"TestWindow", Make<TestWindowLink>(), true},
                                           Case{"TuningDialog", Make<TuningDialogLink>(), true}),
                         CaseName);

}  // namespace
}  // namespace zx::test
