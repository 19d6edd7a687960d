#include "testmode/TuningLink.h"

#include <utility>

namespace zx {

namespace {

constexpr std::uint8_t kAckByte = 0x06;

bool IsAck(const QByteArray& reply)
{
    return reply.size() == 1 && static_cast<std::uint8_t>(reply[0]) == kAckByte;
}

QByteArray Command(std::initializer_list<std::uint8_t> bytes)
{
    QByteArray command;
    for (std::uint8_t b : bytes)
        command.append(static_cast<char>(b));
    return command;
}

}  // namespace

TuningLink::TuningLink(TuningLinkIo& io, TuningLinkConfig config, TestModeState& testMode)
    : io_(io),
      config_(std::move(config)),
      testMode_(testMode),
      question_([this](const QString& portName) { EndOnPortLost(portName); })
{
    pointValue_ = config_.pointValues;
    pointValue_.resize(config_.pointCodes.size(), 0);
    pointValueAtOpen_ = pointValue_;
    if (!pointValue_.empty())
        measuredValue_ = pointValue_.front();
}

std::uint8_t TuningLink::PointValue(int point) const
{
    return point >= 0 && point < pointCount() ? pointValue_[static_cast<std::size_t>(point)] : 0;
}

std::uint8_t TuningLink::PointValueAtOpen(int point) const
{
    return point >= 0 && point < pointCount() ? pointValueAtOpen_[static_cast<std::size_t>(point)] : 0;
}

// ---- user actions ---------------------------------------------------------

void TuningLink::Begin(TuneOperation operation, int delayMs)
{
    operation_ = operation;
    step_ = kFirstTuneLinkStep;
    phase_ = Phase::Running;
    // Whatever the replaced operation still awaits is no longer wanted.
    awaiting_ = false;
    io_.StopReplyTimer();
    io_.ArmSendTimer(delayMs);
}

// A running measurement stops, a keyed transmitter is switched off first,
// then the closing exchange of `operation` starts.
void TuningLink::BeginClosing(TuneOperation operation, int delayMs)
{
    if (config_.measured) {
        if (measuring_) {
            measuring_ = false;
            io_.ShowMeasuring(false);
        }
    } else if (pttOn_) {
        pttOffFirst_ = true;
    }
    closing_ = true;
    Begin(operation, delayMs);
}

bool TuningLink::HoldDuringPause(Held action)
{
    if (phase_ != Phase::Pausing)
        return false;
    held_.push_back(action);
    return true;
}

void TuningLink::SelectPoint(int point)
{
    if (config_.readValueLength <= 0 || point < 0 || point >= pointCount())
        return;
    if (closing() || waitingForAnswer())
        return;
    if (pttOn_)
        pttOffFirst_ = true;
    currentPoint_ = point;
    Begin(TuneOperation::SelectPoint, kSelectPointDelayMs);
}

void TuningLink::SliderScrolled(int point, std::uint8_t value)
{
    if (config_.measured || point < 0 || point >= pointCount() || closing())
        return;
    pointValue_[static_cast<std::size_t>(point)] = value;
}

void TuningLink::SliderValueChanged(int point, std::uint8_t value)
{
    if (config_.measured || point < 0 || point >= pointCount() || closing() || waitingForAnswer())
        return;
    pointValue_[static_cast<std::size_t>(point)] = value;
    valuePoint_ = point;
    Begin(TuneOperation::SliderValue, kValueDelayMs);
}

void TuningLink::ValueBoxChanged(int point, std::uint8_t value)
{
    if (config_.measured || point < 0 || point >= pointCount() || closing() || waitingForAnswer())
        return;
    pointValue_[static_cast<std::size_t>(point)] = value;
    valuePoint_ = point;
    Begin(TuneOperation::BoxValue, kValueDelayMs);
}

void TuningLink::Ptt()
{
    if (config_.measured || closing() || waitingForAnswer())
        return;
    pttOn_ = !pttOn_;
    Begin(TuneOperation::Ptt, kPttDelayMs);
}

void TuningLink::StartStop()
{
    if (!config_.measured || closing() || waitingForAnswer() || HoldDuringPause(Held::StartStop))
        return;
    measuring_ = !measuring_;
    if (measuring_) {
        io_.ShowMeasuring(true);
        Begin(TuneOperation::Ptt, kStartDelayMs);
        return;
    }
    // Stopped: nothing more of the loop goes out, and a measure reply still
    // on its way is not taken.
    operation_ = TuneOperation::Ptt;
    step_ = kFirstTuneLinkStep;
    phase_ = Phase::Idle;
    awaiting_ = false;
    io_.StopSendTimer();
    io_.StopReplyTimer();
    io_.ShowMeasuring(false);
}

void TuningLink::Ok()
{
    Leave(TuneOperation::Ok, Held::Ok, kOkDelayMs);
}

void TuningLink::Cancel()
{
    Leave(TuneOperation::Cancel, Held::Cancel, kCancelDelayMs);
}

// OK and Cancel, unless held or refused.
void TuningLink::Leave(TuneOperation operation, Held action, int delayMs)
{
    if (closing() || waitingForAnswer() || HoldDuringPause(action))
        return;
    BeginClosing(operation, delayMs);
}

void TuningLink::Close()
{
    if (closing() || waitingForAnswer())
        return;
    if (testMode_.LinkAborted) {
        Finish(true);
        return;
    }
    if (HoldDuringPause(Held::Close))
        return;
    BeginClosing(TuneOperation::Cancel, kCloseDelayMs);
}

// ---- send step ------------------------------------------------------------

QByteArray TuningLink::ItemCommand(int point, std::uint8_t action) const
{
    return Command({config_.pointCodes[static_cast<std::size_t>(point)], action});
}

void TuningLink::SendCommand(const QByteArray& command, int replyLength)
{
    io_.Send(command, replyLength);
    awaiting_ = true;
    io_.ArmReplyTimer(config_.replyTimeoutMs);
}

void TuningLink::OnSendTimer()
{
    io_.StopSendTimer();
    if (phase_ == Phase::Pausing) {
        // The pause after a measurement is over: the loop goes on, then
        // what was pressed meanwhile takes effect.
        phase_ = Phase::Running;
        step_ = kFirstTuneLinkStep;
        io_.ArmSendTimer(kAfterPauseDelayMs);
        const std::vector<Held> held = std::exchange(held_, {});
        for (Held action : held) {
            switch (action) {
            case Held::StartStop: StartStop(); break;
            case Held::Ok: Ok(); break;
            case Held::Cancel: Cancel(); break;
            case Held::Close: Close(); break;
            }
        }
        return;
    }
    if (phase_ != Phase::Running || pointCount() == 0)
        return;
    if (!io_.EnsurePortOpen()) {
        PortFailed();
        return;
    }
    SendStep();
}

void TuningLink::SendStep()
{
    sentPttOff_ = false;
    const bool closingOperation = operation_ == TuneOperation::Ok || operation_ == TuneOperation::Cancel;
    if (step_ == kFirstTuneLinkStep && pttOffFirst_ && !config_.measured &&
        (operation_ == TuneOperation::SelectPoint || closingOperation)) {
        sentPttOff_ = true;
        SendCommand(Command({kPttCommand, kPttOff}), 1);
        return;
    }
    if (config_.measured) {
        switch (operation_) {
        case TuneOperation::Ptt:
            if (step_ == 1)
                SendCommand(ItemCommand(0, kMeasure), 1);
            else
                SendCommand(Command({kAckByte}), 1);
            return;
        case TuneOperation::Ok:
        case TuneOperation::Cancel: {
            const bool ok = operation_ == TuneOperation::Ok;
            if (step_ == 1 && config_.storeOnlyMeasured && (!ok || !measuredOnce_)) {
                // Nothing the radio reported to give back: leave its value.
                Finish(true);
                return;
            }
            if (step_ == 1)
                SendCommand(Command({config_.pointCodes[0], kSetValue, ok ? measuredValue_ : pointValueAtOpen_[0]}),
                            1);
            else
                SendCommand(ItemCommand(0, kStore), 1);
            return;
        }
        default:
            return;
        }
    }
    switch (operation_) {
    case TuneOperation::SelectPoint:
        if (step_ == 1)
            SendCommand(ItemCommand(currentPoint_, kEnter), 1);
        else if (step_ == 2)
            SendCommand(Command({kReadValueRequest}), config_.readValueLength);
        else
            SendCommand(Command({kAckByte}), 1);
        return;
    case TuneOperation::SliderValue:
    case TuneOperation::BoxValue:
        SendCommand(Command({config_.pointCodes[static_cast<std::size_t>(valuePoint_)], kSetValue,
                             pointValue_[static_cast<std::size_t>(valuePoint_)]}),
                    1);
        return;
    case TuneOperation::Ptt:
        SendCommand(Command({kPttCommand, pttOn_ ? kPttOn : kPttOff}), 1);
        return;
    case TuneOperation::Ok:
        SendCommand(ItemCommand(currentPoint_, kStore), 1);
        return;
    case TuneOperation::Cancel: {
        const int restoreSteps = 2 * pointCount();
        if (step_ <= restoreSteps) {
            const int k = (step_ - 1) / 2;
            if (step_ % 2 == 1)
                SendCommand(ItemCommand(k, kEnter), 1);
            else
                SendCommand(Command({config_.pointCodes[static_cast<std::size_t>(k)], kSetValue,
                                     pointValueAtOpen_[static_cast<std::size_t>(k)]}),
                            1);
        } else {
            SendCommand(config_.lastCancelCommand, 1);
        }
        return;
    }
    }
}

// ---- receive step ---------------------------------------------------------

void TuningLink::Next(int step, int delayMs)
{
    step_ = step;
    io_.ArmSendTimer(delayMs);
}

void TuningLink::BoxAtOnce()
{
    io_.ArmReplyTimer(kBoxAtOnceMs);
}

void TuningLink::OnBytes(const QByteArray& reply)
{
    // Bytes that nothing awaits: the late reply of a replaced operation or
    // of a stopped loop, or anything while the question is up.
    if (phase_ != Phase::Running || !awaiting_)
        return;
    awaiting_ = false;
    io_.StopReplyTimer();
    const bool ack = IsAck(reply);

    if (sentPttOff_) {
        if (!ack) {
            BoxAtOnce();  // PttOffFirst stays: Retry sends PTT off again
            return;
        }
        pttOffFirst_ = false;
        pttOn_ = false;
        io_.ShowPttLamp(false);
        Next(kFirstTuneLinkStep, operation_ == TuneOperation::Ok ? kAfterPttOffOkDelayMs : kAfterPttOffDelayMs);
        return;
    }
    if (config_.measured) {
        ReceiveMeasured(reply);
        return;
    }
    switch (operation_) {
    case TuneOperation::SelectPoint:
        ReceiveSelectPoint(reply);
        return;
    case TuneOperation::SliderValue:
    case TuneOperation::BoxValue:
        if (!ack) {
            BoxAtOnce();
            return;
        }
        io_.StopSendTimer();
        phase_ = Phase::Idle;
        return;
    case TuneOperation::Ptt:
        io_.StopSendTimer();
        io_.ShowPttLamp(pttOn_);
        if (!pttOn_)
            pttOffFirst_ = false;
        if (!ack) {
            BoxAtOnce();
            return;
        }
        phase_ = Phase::Idle;
        return;
    case TuneOperation::Ok:
        if (!ack) {
            BoxAtOnce();
            return;
        }
        Finish(false);  // the port stays open until the dialog is gone
        return;
    case TuneOperation::Cancel:
        ReceiveCancel(reply);
        return;
    }
}

void TuningLink::ReceiveSelectPoint(const QByteArray& reply)
{
    switch (step_) {
    case 1:
        if (!IsAck(reply)) {
            BoxAtOnce();
            return;
        }
        Next(2, kAfterEnterDelayMs);
        return;
    case 2:
        if (reply.size() != config_.readValueLength) {
            BoxAtOnce();
            return;
        }
        if (config_.showReadValue && currentPoint_ < reply.size())
            io_.ShowPointValue(currentPoint_, static_cast<std::uint8_t>(reply[currentPoint_]));
        Next(3, kAfterReadValueDelayMs);
        return;
    default:
        if (!IsAck(reply)) {
            BoxAtOnce();
            return;
        }
        io_.StopSendTimer();
        io_.ClosePort();
        phase_ = Phase::Idle;
        io_.ShowPointValue(currentPoint_, PointValue(currentPoint_));
        return;
    }
}

int TuningLink::CancelDelayAfter(int step)
{
    if (step <= 1)
        return 3;
    if (step == 2)
        return 5;
    if (step <= 5)
        return 6;
    if (step <= 7)
        return 7;
    return 8;
}

void TuningLink::ReceiveCancel(const QByteArray& reply)
{
    if (!IsAck(reply)) {
        BoxAtOnce();
        return;
    }
    const int lastStep = 2 * pointCount() + (config_.lastCancelCommand.isEmpty() ? 0 : 1);
    if (step_ >= lastStep) {
        Finish(true);
        return;
    }
    Next(step_ + 1, CancelDelayAfter(step_));
}

void TuningLink::ReceiveMeasured(const QByteArray& reply)
{
    if (operation_ == TuneOperation::Ptt) {
        if (step_ == 1) {
            // One byte of any value is the measurement.
            if (reply.size() != 1 || !measuring_) {
                BoxAtOnce();
                return;
            }
            measuredValue_ = static_cast<std::uint8_t>(reply[0]);
            measuredOnce_ = true;
            io_.ShowPointValue(0, measuredValue_);
            Next(2, kAfterMeasureDelayMs);
            return;
        }
        if (!IsAck(reply)) {
            BoxAtOnce();
            return;
        }
        phase_ = Phase::Pausing;
        io_.ArmSendTimer(kMeasurePauseMs);
        return;
    }
    // OK and Cancel: the set-value reply is taken whatever its byte.
    if (step_ == 1) {
        if (reply.size() != 1) {
            BoxAtOnce();
            return;
        }
        Next(2, kAfterSetValueDelayMs);
        return;
    }
    if (!IsAck(reply)) {
        BoxAtOnce();
        return;
    }
    Finish(true);
}

// ---- time-out question and endings ----------------------------------------

void TuningLink::OnReplyTimeout()
{
    io_.StopReplyTimer();
    if (phase_ != Phase::Running)
        return;
    awaiting_ = false;
    io_.StopSendTimer();
    if (!io_.EnsurePortOpen()) {
        PortFailed();
        return;
    }
    phase_ = Phase::Asking;
    question_.Ask();
    io_.AskReplyTimeout();
}

void TuningLink::OnRetry()
{
    if (phase_ != Phase::Asking || !question_.Answered())
        return;
    phase_ = Phase::Running;
    step_ = kFirstTuneLinkStep;
    io_.ClearBuffers();
    io_.ArmSendTimer(kRetryDelayMs);
}

void TuningLink::OnCancel()
{
    if (phase_ != Phase::Asking || !question_.Answered())
        return;
    testMode_.LinkAborted = true;
    Finish(true);
}

void TuningLink::OnPortLost(const QString& portName)
{
    if (phase_ != Phase::Ended)
        question_.Lost(portName);
}

void TuningLink::Halt()
{
    io_.StopSendTimer();
    io_.StopReplyTimer();
    awaiting_ = false;
    closing_ = true;
    phase_ = Phase::Ended;
}

void TuningLink::Finish(bool closePort)
{
    Halt();
    if (closePort)
        io_.ClosePort();
    io_.CloseDone();
}

void TuningLink::PortFailed()
{
    Halt();
    io_.PortOpenFailed();
    io_.CloseDone();
}

void TuningLink::EndOnPortLost(const QString& portName)
{
    // No closing exchange can run on a device that has gone: the link is
    // given up as after Cancel in the time-out box.
    Halt();
    io_.ClosePort();
    testMode_.LinkAborted = true;
    io_.ShowPortLost(portName);
    io_.CloseDone();
}

}  // namespace zx
