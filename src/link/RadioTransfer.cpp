#include "link/RadioTransfer.h"

#include "link/TransferPackets.h"

namespace zx {

namespace {
constexpr int kVariantAcceptedForAll = 0x33;
QByteArray OneByte(std::uint8_t b)
{
    return QByteArray(1, static_cast<char>(b));
}
bool IsAck(const QByteArray& reply)
{
    return reply.size() == 1 && static_cast<std::uint8_t>(reply[0]) == kAck;
}
}  // namespace

RadioTransfer::RadioTransfer(LinkIo& link, TransferWindow& window, Direction direction, const RadioImage& image)
    : io_(link),
      window_(window),
      direction_(direction),
      image_(image),
      question_([this](const QString& portName) { EndWithPortLost(portName); })
{
}

int RadioTransfer::progressMax() const
{
    return direction_ == Direction::Read ? kReadBlocks : kWritePackets;
}

int RadioTransfer::replyTimeoutMs() const
{
    return direction_ == Direction::Read ? kReadReplyTimeoutMs : kWriteReplyTimeoutMs;
}

void RadioTransfer::Start()
{
    counter_ = 1;
    addrLow_ = 0;
    addrHigh_ = 0;
    lastBlockPending_ = false;
    dataSent_ = false;
    wakeUpAcknowledged_ = false;
    finished_ = false;
    outcome_ = Outcome::None;
    identReply_.clear();
    // The read collects into a copy: the program's image stays as it is
    // until every block has come.
    received_ = image_;
    question_.Reset();
    step_ = WakeUp;
    phase_ = Phase::Running;
    io_.ArmSendTimer(kStartDelayMs);
}

void RadioTransfer::OnSendTimer()
{
    if (phase_ != Phase::Running) {
        io_.StopSendTimer();
        return;
    }
    SendStep();
}

void RadioTransfer::SendStep()
{
    io_.StopSendTimer();
    io_.StopReplyTimer();
    const bool read = direction_ == Direction::Read;
    switch (step_) {
    case WakeUp:
        io_.Send(kWakeUp, 1);
        break;
    case Identify:
        io_.Send(OneByte(kIdentRequest), kIdentReplyLength);
        break;
    case Confirm:
        io_.Send(OneByte(kAck), 1);
        break;
    case Block:
        if (read) {
            io_.Send(ReadRequest(address()), kReadReplyLength);
        } else {
            io_.Send(MakeWritePacket(counter_, address(), image_), 1);
            dataSent_ = true;
        }
        break;
    case BlockAck:
        if (read) {
            io_.Send(OneByte(kAck), 1);
            break;
        }
        // All packets are acknowledged: the end command closes the write.
        io_.Send(OneByte(kEndCommand), 0);
        Complete();
        return;
    case Finish:
        io_.Send(OneByte(kEndCommand), 0);
        if (read || counter_ > kWritePackets)
            Complete();
        else
            Refuse();
        return;
    default:
        return;
    }
    io_.ArmReplyTimer(replyTimeoutMs());
}

void RadioTransfer::OnBytes(const QByteArray& reply)
{
    // Bytes that come while a question is up, while the link is closing or
    // after the end command change nothing.
    if (phase_ != Phase::Running)
        return;
    const bool read = direction_ == Direction::Read;
    switch (step_) {
    case WakeUp:
        if (IsAck(reply)) {
            wakeUpAcknowledged_ = true;
            GoodReply(Identify, 2);
        }
        return;  // a bad reply waits for the normal time-out
    case Identify:
        if (reply.size() == kIdentReplyLength) {
            identReply_ = reply;
            if (read) {
                received_.setModelBandCode(static_cast<std::uint8_t>(reply[5]));
                received_.setModelVariant(static_cast<std::uint8_t>(reply[6]));
            }
            GoodReply(Confirm, 1);
        }
        return;
    case Confirm:
        if (!IsAck(reply))
            return;
        if (read) {
            GoodReply(Block, 10);
            return;
        }
        io_.StopReplyTimer();
        if (SameModel()) {
            GoOnWriting(true);
            return;
        }
        phase_ = Phase::AskingModel;
        question_.Ask();
        window_.AskOverwriteOtherModel();
        return;
    case Block:
        if (read) {
            if (StoreReadBlock(reply, counter_, received_))
                GoodReply(BlockAck, 40);
            else
                BoxAtOnce();
            return;
        }
        if (!IsAck(reply)) {
            BoxAtOnce();
            return;
        }
        ++counter_;
        NextBlockAddress();
        AddProgress();
        if (counter_ > kWritePackets)
            GoodReply(BlockAck, 10);
        else
            GoodReply(Block, 5);
        return;
    case BlockAck:
        if (!read)
            return;
        if (!IsAck(reply)) {
            BoxAtOnce();
            return;
        }
        if (counter_ == kReadRequests)
            lastBlockPending_ = true;
        ++counter_;
        AddProgress();
        NextBlockAddress();
        if (lastBlockPending_)
            GoodReply(Finish, 250);
        else
            GoodReply(Block, 15);
        return;
    default:
        return;
    }
}

void RadioTransfer::GoodReply(int nextStep, int delayMs)
{
    step_ = nextStep;
    io_.ArmSendTimer(delayMs);
    io_.StopReplyTimer();
}

void RadioTransfer::BoxAtOnce()
{
    io_.StopSendTimer();
    io_.ArmReplyTimer(kBoxAtOnceMs);
}

void RadioTransfer::AddProgress()
{
    if (progress_ < progressMax()) {
        ++progress_;
        io_.Progress(progress_);
    }
}

void RadioTransfer::NextBlockAddress()
{
    if (direction_ == Direction::Read) {
        if (counter_ <= kReadBlocks)
            addrLow_ += 0x40;
    } else {
        addrLow_ += 0x10;
        if (counter_ == 25) {
            addrHigh_ = 1;
            addrLow_ = 0xB8;
            return;
        }
        if (counter_ == 30) {
            addrHigh_ = 2;
            addrLow_ = 0;
            return;
        }
    }
    if (addrLow_ >= 256) {
        addrLow_ -= 256;
        addrHigh_ += 1;
    }
}

bool RadioTransfer::SameModel() const
{
    const std::uint8_t band = static_cast<std::uint8_t>(identReply_.at(5));
    const std::uint8_t variant = static_cast<std::uint8_t>(identReply_.at(6));
    // A radio reporting variant 0x33 takes every variant of its band; another
    // band is never taken without the user's word.
    return band == image_.modelBandCode() && (variant == image_.modelVariant() || variant == kVariantAcceptedForAll);
}

void RadioTransfer::OnOverwriteAnswer(bool overwrite)
{
    if (phase_ != Phase::AskingModel || !question_.Answered())
        return;
    phase_ = Phase::Running;
    GoOnWriting(overwrite);
}

void RadioTransfer::GoOnWriting(bool overwrite)
{
    step_ = overwrite ? Block : Finish;
    io_.ArmSendTimer(10);
    io_.StopReplyTimer();
}

void RadioTransfer::Complete()
{
    window_.TransferCompleted(direction_ == Direction::Read ? &received_ : nullptr);
    io_.StopReplyTimer();
    phase_ = Phase::Draining;
    io_.ArmReplyTimer(kCompletionDrainMs);
}

void RadioTransfer::Refuse()
{
    finished_ = true;
    outcome_ = Outcome::Refused;
    phase_ = Phase::Refusing;
    io_.ArmReplyTimer(kRefusalDrainMs);
}

void RadioTransfer::End()
{
    phase_ = Phase::Done;
    window_.TransferEnded(outcome_);
}

void RadioTransfer::OnReplyTimeout()
{
    io_.StopReplyTimer();
    switch (phase_) {
    case Phase::Running:
        phase_ = Phase::BeforeBox;
        io_.StopSendTimer();
        io_.ArmReplyTimer(kBeforeBoxMs);
        return;
    case Phase::BeforeBox:
        phase_ = Phase::AskingTimeout;
        question_.Ask();
        window_.AskReplyTimeout();
        return;
    case Phase::Draining:
        // The radio may still acknowledge the end command: drop it here, so
        // it is not taken for the reply of the next exchange.
        io_.DiscardInput();
        io_.ClosePort();
        phase_ = Phase::AfterClose;
        io_.ArmReplyTimer(kAfterCloseMs);
        return;
    case Phase::AfterClose:
        phase_ = Phase::Reporting;
        window_.ReportCompleted();
        return;
    case Phase::Refusing:
        io_.DiscardInput();
        phase_ = Phase::Closing;
        io_.ArmReplyTimer(kRefusalCloseMs);
        return;
    case Phase::Cancelling:
        io_.DiscardInput();
        finished_ = true;
        outcome_ = Outcome::Cancelled;
        End();
        return;
    case Phase::Closing:
        End();
        return;
    default:
        return;
    }
}

void RadioTransfer::OnCompletionReported()
{
    if (phase_ != Phase::Reporting)
        return;
    finished_ = true;
    outcome_ = Outcome::Completed;
    phase_ = Phase::Closing;
    io_.ArmReplyTimer(kCloseTickMs);
}

void RadioTransfer::OnRetry()
{
    if (phase_ != Phase::AskingTimeout || !question_.Answered())
        return;
    counter_ = 1;
    addrLow_ = 0;
    addrHigh_ = 0;
    lastBlockPending_ = false;
    progress_ = 0;
    io_.Progress(0);
    // A radio that never acknowledged the wake-up cannot answer the
    // identification request: wake it again.
    step_ = wakeUpAcknowledged_ ? Identify : WakeUp;
    io_.ClearBuffers();
    phase_ = Phase::Running;
    io_.ArmSendTimer(kRetryDelayMs);
}

void RadioTransfer::OnCancel()
{
    if (phase_ != Phase::AskingTimeout || !question_.Answered())
        return;
    io_.StopSendTimer();
    io_.Send(OneByte(kEndCommand), 0);
    phase_ = Phase::Cancelling;
    io_.ArmReplyTimer(kCancelDrainMs);
}

void RadioTransfer::OnPortLost(const QString& portName)
{
    if (question_.HoldLoss(portName))
        return;  // the answer to the question on the screen ends the exchange
    switch (phase_) {
    case Phase::Running:
    case Phase::BeforeBox:
        EndWithPortLost(portName);
        return;
    case Phase::Cancelling:
        // The user has cancelled already; nothing is left to drain.
        io_.StopReplyTimer();
        finished_ = true;
        outcome_ = Outcome::Cancelled;
        End();
        return;
    case Phase::Draining:
    case Phase::AfterClose:
        // Every byte was through: the exchange completed; go on closing.
        phase_ = Phase::AfterClose;
        io_.ArmReplyTimer(kAfterCloseMs);
        return;
    case Phase::Refusing:
    case Phase::Closing:
        phase_ = Phase::Closing;
        io_.ArmReplyTimer(kCloseTickMs);
        return;
    default:
        return;
    }
}

void RadioTransfer::EndWithPortLost(const QString& portName)
{
    io_.StopSendTimer();
    io_.StopReplyTimer();
    io_.ClosePort();
    finished_ = true;
    outcome_ = Outcome::PortLost;
    phase_ = Phase::Done;  // nothing the port or the timers still bring counts
    const PortLoss loss = direction_ == Direction::Read ? PortLoss::DuringRead
                          : dataSent_                   ? PortLoss::DuringWriteData
                                                        : PortLoss::BeforeWriteData;
    window_.ReportPortLost(portName, loss);
    window_.TransferEnded(outcome_);
}

}  // namespace zx
