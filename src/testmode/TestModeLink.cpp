#include "testmode/TestModeLink.h"

#include "link/TransferPackets.h"
#include "testmode/TuningItems.h"

namespace zx {

namespace {

constexpr std::uint8_t kTuningDataRequest = 0x05;
constexpr std::uint8_t kTestChannelCommand = 0x10;
constexpr std::uint8_t kTestSignalCommand = 0x11;
constexpr std::uint8_t kPttCommand = 0x08;
constexpr std::uint8_t kPttOn = 0x0D;
constexpr std::uint8_t kPttOff = 0x0E;
constexpr std::uint8_t kWideCommand = 0x46;
constexpr std::uint8_t kNarrowCommand = 0x47;
constexpr std::uint8_t kItemEnter = 0x0D;

// The reply to the step's PTT off sent first is followed by the step's own
// command after this long.
constexpr int kAfterPttOffFirstMs = 7;
constexpr int kAfterPttOffFirstShortMs = 5;  // Tune and Exit
constexpr int kAfterLongReplyMs = 3;         // the channel entry, the tuning block
constexpr int kBeforeSignalMs = 5;
constexpr int kBeforeItemEnterMs = 4;
constexpr int kBeforeExitCloseMs = 5;

QByteArray Two(std::uint8_t a, std::uint8_t b)
{
    QByteArray bytes;
    bytes.append(static_cast<char>(a));
    bytes.append(static_cast<char>(b));
    return bytes;
}

QByteArray One(std::uint8_t b)
{
    return QByteArray(1, static_cast<char>(b));
}

bool IsAck(const QByteArray& reply)
{
    return reply.size() == 1 && static_cast<std::uint8_t>(reply[0]) == kAck;
}

}  // namespace

TestModeLink::TestModeLink(TestModeIo& io, TestModeState& state)
    : io_(io), state_(state), question_([this](const QString& portName) { EndOnPortLost(portName); })
{
}

bool TestModeLink::busy() const
{
    switch (phase_) {
    case Phase::Sending:
    case Phase::Awaiting:
    case Phase::BadReply:
    case Phase::Asking:
    case Phase::BeforeEnd:
    case Phase::HandOver:
        return true;
    default:
        return false;
    }
}

bool TestModeLink::Open()
{
    state_.LinkAborted = false;
    state_.NarrowBandTest = false;
    pttOn_ = false;
    pttOffFirst_ = false;
    exitDone_ = false;
    exiting_ = false;
    question_.Reset();
    // The port is tried once here, so a missing device is reported before
    // anything is started; the first command opens it again.
    if (!io_.OpenPort()) {
        io_.ShowPortOpenError();
        state_.LinkAborted = true;
        exitDone_ = true;
        End(TestLinkEnd::PortFailed);
        return false;
    }
    io_.ClearBuffers();
    io_.ClosePort();
    StartStep(Channel, kActionDelayMs);
    return true;
}

bool TestModeLink::ActionAllowed() const
{
    // Once the exit has begun nothing may replace it: 45 and the window's
    // closing depend on it running to its end.
    return !exiting_ && phase_ != Phase::Ended && phase_ != Phase::Asking;
}

void TestModeLink::OffFirst()
{
    if (pttOn_)
        pttOffFirst_ = true;
}

void TestModeLink::StartStep(int step, int delayMs)
{
    step_ = step;
    Next(Command, delayMs);
}

void TestModeLink::Next(int transferState, int delayMs)
{
    // The step that ran is replaced: its reply is no longer awaited.
    io_.StopReplyTimer();
    transferState_ = transferState;
    phase_ = Phase::Sending;
    io_.ArmSendTimer(delayMs);
}

void TestModeLink::ChooseChannel(int n)
{
    if (!ActionAllowed())
        return;
    OffFirst();
    stopAfterChannel_ = true;
    channel_ = n;
    state_.TestChannelNo = n;
    StartStep(Channel, kActionDelayMs);
}

void TestModeLink::ChooseSignal(int s, bool byUser)
{
    if (!ActionAllowed())
        return;
    OffFirst();
    signal_ = s;
    if (step_ != Channel)
        step_ = Signal;
    else if (byUser)
        stopAfterChannel_ = false;  // the restarted channel step goes on to send it
    Next(Command, kActionDelayMs);
}

void TestModeLink::PressPtt()
{
    if (!ActionAllowed())
        return;
    pttOn_ = !pttOn_;
    StartStep(Ptt, kPttDelayMs);
}

void TestModeLink::SwitchPttOff()
{
    if (!ActionAllowed())
        return;
    pttOn_ = false;
    StartStep(Ptt, kPttDelayMs);
}

void TestModeLink::PressWide()
{
    if (!ActionAllowed())
        return;
    OffFirst();
    StartStep(Wide, kActionDelayMs);
}

void TestModeLink::PressNarrow()
{
    if (!ActionAllowed())
        return;
    OffFirst();
    StartStep(Narrow, kActionDelayMs);
}

void TestModeLink::PressTune()
{
    if (!ActionAllowed())
        return;
    OffFirst();
    stopAfterChannel_ = false;
    step_ = Tune;
    io_.ClearBuffers();
    Next(Command, kActionDelayMs);
}

void TestModeLink::StartExit()
{
    if (!ActionAllowed())
        return;
    exitDone_ = false;
    OffFirst();
    exiting_ = true;
    StartStep(Exit, kExitDelayMs);
}

void TestModeLink::SendCommand(const QByteArray& bytes, int replyLength)
{
    awaited_ = replyLength;
    phase_ = Phase::Awaiting;
    io_.Send(bytes, replyLength);
}

void TestModeLink::OnSendTimer()
{
    io_.StopSendTimer();
    switch (phase_) {
    case Phase::BeforeEnd:
        exitDone_ = true;
        io_.Send(One(kEndCommand), 0);
        io_.ClosePort();
        End(TestLinkEnd::EndSent);
        return;
    case Phase::HandOver:
        phase_ = Phase::Idle;
        io_.ShowTuningDialog(TuningDialogFor(state_.TuneItem, state_.NarrowBandTest));
        return;
    case Phase::Sending:
        break;
    default:
        return;
    }
    if (!io_.OpenPort()) {
        // No command goes out on a closed port.
        io_.StopReplyTimer();
        io_.ShowPortOpenError();
        state_.LinkAborted = true;
        exitDone_ = true;
        End(TestLinkEnd::PortFailed);
        return;
    }
    switch (transferState_) {
    case Command:
        if (step_ == Wide)
            state_.NarrowBandTest = false;
        else if (step_ == Narrow)
            state_.NarrowBandTest = true;
        if (pttOffFirst_ && step_ != Ptt) {
            SendCommand(Two(kPttCommand, kPttOff), 1);
            break;
        }
        switch (step_) {
        case Channel:
            SendCommand(Two(kTestChannelCommand, static_cast<std::uint8_t>(channel_)), kChannelReplyLength);
            break;
        case Signal:
        case Exit:
            SendCommand(Two(kTestSignalCommand, static_cast<std::uint8_t>(signal_)), 1);
            break;
        case Ptt:
            SendCommand(Two(kPttCommand, pttOn_ ? kPttOn : kPttOff), 1);
            break;
        case Tune:
            SendCommand(One(kTuningDataRequest), kTuningBlockLength);
            break;
        case Wide:
            SendCommand(One(kWideCommand), 1);
            break;
        case Narrow:
            SendCommand(One(kNarrowCommand), 1);
            break;
        default:
            phase_ = Phase::Idle;
            return;
        }
        break;
    case Close:
        if (step_ == Exit) {
            // A pause before the end command that lets events through.
            phase_ = Phase::BeforeEnd;
            io_.ArmSendTimer(kBeforeEndMs);
            return;
        }
        SendCommand(One(kAck), 1);
        break;
    case ItemEnter:
        if (step_ != Tune) {
            phase_ = Phase::Idle;
            return;
        }
        SendCommand(Two(TuningItemCode(state_.TuneItem), kItemEnter), 1);
        break;
    default:
        phase_ = Phase::Idle;
        return;
    }
    io_.ArmReplyTimer(kReplyTimeoutMs);
}

void TestModeLink::OnBytes(const QByteArray& reply)
{
    // Bytes that come while no reply is awaited (before the command of a
    // step that replaced another, during the question) are not a reply.
    if (phase_ != Phase::Awaiting)
        return;
    io_.StopSendTimer();
    io_.StopReplyTimer();
    const bool ack = IsAck(reply);
    switch (transferState_) {
    case Command:
        if (pttOffFirst_ && step_ != Ptt) {
            io_.ShowLamps(false);
            if (!ack)
                return BadReply();
            pttOn_ = false;
            pttOffFirst_ = false;
            const bool shortPause = step_ == Tune || step_ == Exit;
            return Next(Command, shortPause ? kAfterPttOffFirstShortMs : kAfterPttOffFirstMs);
        }
        switch (step_) {
        case Channel:
            if (reply.size() != kChannelReplyLength)
                return BadReply();
            return Next(Close, kAfterLongReplyMs);
        case Tune:
            if (reply.size() != kTuningBlockLength)
                return BadReply();
            io_.StoreTuningData(reply);
            return Next(Close, kAfterLongReplyMs);
        case Exit:
            if (!ack)
                return BadReply();
            return Next(Close, kBeforeExitCloseMs);
        case Ptt:
            if (!ack)
                return BadReply();
            if (pttOn_) {
                io_.ShowLamps(true);
            } else {
                pttOffFirst_ = false;
                io_.ShowLamps(false);
            }
            return StepEnded();
        default:  // Signal, Wide, Narrow
            if (!ack)
                return BadReply();
            return StepEnded();
        }
    case Close:
        if (!ack)
            return BadReply();
        if (stopAfterChannel_) {
            stopAfterChannel_ = false;
            return StepEnded();
        }
        if (step_ == Exit)
            return StepEnded();
        if (step_ == Tune)
            return Next(ItemEnter, kBeforeItemEnterMs);
        step_ = Signal;
        return Next(Command, kBeforeSignalMs);
    case ItemEnter:
        if (!ack)
            return BadReply();
        // The dialog opens the port itself: ours is closed first, and the
        // dialog comes a moment later.
        io_.SetWindowEnabled(false);
        io_.ClosePort();
        phase_ = Phase::HandOver;
        io_.ArmSendTimer(kHandOverPauseMs);
        return;
    default:
        phase_ = Phase::Idle;
        return;
    }
}

void TestModeLink::StepEnded()
{
    phase_ = Phase::Idle;
}

void TestModeLink::BadReply()
{
    phase_ = Phase::BadReply;
    io_.ArmReplyTimer(kBoxAtOnceMs);
}

void TestModeLink::OnReplyTimeout()
{
    io_.StopReplyTimer();
    if (phase_ != Phase::Awaiting && phase_ != Phase::BadReply)
        return;
    io_.StopSendTimer();
    if (state_.LinkAborted) {
        exitDone_ = true;
        io_.ClosePort();
        End(TestLinkEnd::Aborted);
        return;
    }
    phase_ = Phase::Asking;
    question_.Ask();
    io_.AskReplyTimeout();
}

bool TestModeLink::AnswerTaken()
{
    return phase_ == Phase::Asking && question_.Answered();
}

void TestModeLink::OnRetry()
{
    if (!AnswerTaken())
        return;
    io_.ClearBuffers();
    Next(Command, kRetryDelayMs);
}

void TestModeLink::OnCancel()
{
    if (!AnswerTaken())
        return;
    io_.ClosePort();
    state_.LinkAborted = true;
    exitDone_ = true;
    End(TestLinkEnd::Cancelled);
}

void TestModeLink::OnPortLost(const QString& portName)
{
    if (phase_ != Phase::Ended)
        question_.Lost(portName);
}

void TestModeLink::EndOnPortLost(const QString& portName)
{
    io_.StopSendTimer();
    io_.StopReplyTimer();
    io_.ClosePort();
    io_.ShowPortLost(portName);
    state_.LinkAborted = true;
    exitDone_ = true;
    End(TestLinkEnd::PortLost);
}

void TestModeLink::End(TestLinkEnd how)
{
    io_.StopSendTimer();
    io_.StopReplyTimer();
    phase_ = Phase::Ended;
    io_.LinkEnded(how);
}

}  // namespace zx
