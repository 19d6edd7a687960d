#include "link/MainLinkExchange.h"

#include "link/RadioInformation.h"
#include "link/TransferPackets.h"

namespace zx {

namespace {

constexpr std::uint8_t kModelLetter = 'K';
constexpr std::uint8_t kTuningDataRequest = 0x05;
constexpr std::uint8_t kTestChannelCommand = 0x10;
constexpr std::uint8_t kSecondInfoRequest = 0x50;
constexpr int kTuningDataLength = 62;
constexpr int kTestFrequencyLength = 8;
constexpr int kSecondInfoLength = 10;
const QByteArray kTestModeWakeUp = QByteArrayLiteral("TUNING ");
const QByteArray kRadioInfoRequest = QByteArrayLiteral("NRK");

QByteArray OneByte(std::uint8_t b)
{
    return QByteArray(1, static_cast<char>(b));
}

bool IsAck(const QByteArray& reply)
{
    return reply.size() == 1 && static_cast<std::uint8_t>(reply[0]) == kAck;
}

}  // namespace

MainLinkExchange::MainLinkExchange(LinkIo& link, MainLinkWindow& window, RadioInfoBytes& radioInfo)
    : link_(link),
      window_(window),
      radioInfo_(radioInfo),
      question_([this](const QString& portName) { EndOnPortLost(portName); })
{
}

void MainLinkExchange::StartRadioInformation()
{
    linkPurpose_ = true;
    steps_ = nullptr;
    Start();
}

void MainLinkExchange::StartTestEntry(TestEntryHooks& steps)
{
    linkPurpose_ = false;
    steps_ = &steps;
    counter_ = 1;
    testEntryDone_ = false;
    Start();
}

void MainLinkExchange::Start()
{
    question_.Reset();
    step_ = WakeUp;
    phase_ = Phase::Running;
    link_.ArmSendTimer(kStartDelayMs);
}

void MainLinkExchange::OnSendTimer()
{
    link_.StopSendTimer();
    if (phase_ != Phase::Running)
        return;
    const bool info = linkPurpose_;
    switch (step_) {
    case WakeUp:
        link_.Send(info ? kWakeUp : kTestModeWakeUp, 1);
        break;
    case Identify:
        link_.Send(OneByte(kIdentRequest), kIdentReplyLength);
        break;
    case Query:
        if (info)
            link_.Send(kRadioInfoRequest, kRadioInfoSize);
        else
            link_.Send(OneByte(kTuningDataRequest), kTuningDataLength);
        break;
    case Detail:
        if (info) {
            link_.Send(OneByte(kSecondInfoRequest), kSecondInfoLength);
        } else {
            QByteArray command = OneByte(kTestChannelCommand);
            command.append(static_cast<char>(counter_));
            link_.Send(command, kTestFrequencyLength);
        }
        break;
    case Finish:
        if (!info)
            return;  // the entry has no finishing step
        link_.Send(OneByte(kEndCommand), 1);
        break;
    case Confirm:
    case QueryAck:
    case DetailAck:
        link_.Send(OneByte(kAck), 1);
        break;
    default:
        return;
    }
    link_.ArmReplyTimer(kReplyTimeoutMs);
}

void MainLinkExchange::OnBytes(const QByteArray& reply)
{
    // Bytes that come while the question is up, during the pause before the
    // end or after it change nothing.
    if (phase_ != Phase::Running)
        return;
    link_.StopReplyTimer();
    const bool info = linkPurpose_;
    switch (step_) {
    case WakeUp:
        if (IsAck(reply))
            Next(Identify, 60);
        else
            link_.ArmReplyTimer(kReplyTimeoutMs);  // the box at the normal time-out
        return;
    case Identify:
        // Only the model letter counts: another band or variant is welcome.
        if (!reply.isEmpty() && static_cast<std::uint8_t>(reply[0]) == kModelLetter)
            Next(Confirm, 1);
        else
            BoxAtOnce();
        return;
    case Confirm:
        if (IsAck(reply))
            Next(Query, 10);
        else
            BoxAtOnce();
        return;
    case Query:
        if (info) {
            GetDJJInfo(radioInfo_, reply);
            if (reply.size() == kRadioInfoSize)
                Next(QueryAck, 3);
            else
                BoxAtOnce();
        } else {
            steps_->StoreTuningData(reply);
            Next(QueryAck, 5);
        }
        return;
    case QueryAck:
        if (IsAck(reply))
            Next(Detail, 5);
        else
            BoxAtOnce();
        return;
    case Detail:
        if (info) {
            if (reply.size() == kSecondInfoLength)
                Next(DetailAck, 3);
            else
                BoxAtOnce();
            return;
        }
        steps_->StoreTestFrequency(counter_, reply);
        if (reply.size() == kTestFrequencyLength && !steps_->TestFrequencyMatches(counter_, reply))
            counter_ = kMismatchMark;
        Next(DetailAck, 5);
        return;
    case DetailAck:
        if (info) {
            if (IsAck(reply))
                Next(Finish, 5);
            else
                BoxAtOnce();
            return;
        }
        ++counter_;
        if (!IsAck(reply)) {
            BoxAtOnce();
            return;
        }
        if (counter_ == kMismatchFound) {
            PauseThenEnd(Ending::Mismatch, kMismatchPauseMs);
        } else if (counter_ == kAllAccepted) {
            testEntryDone_ = true;
            window_.SetMainWindowEnabled(false);
            PauseThenEnd(Ending::TestForm, kHandOverPauseMs);
        } else {
            Next(Detail, 5);
        }
        return;
    case Finish:
        if (!info)
            return;
        if (IsAck(reply)) {
            window_.SetMainWindowEnabled(false);
            PauseThenEnd(Ending::Information, kHandOverPauseMs);
        } else {
            BoxAtOnce();
        }
        return;
    default:
        return;
    }
}

void MainLinkExchange::Next(int step, int delayMs)
{
    step_ = step;
    link_.ArmSendTimer(delayMs);
    link_.StopReplyTimer();
}

void MainLinkExchange::BoxAtOnce()
{
    link_.StopSendTimer();
    link_.ArmReplyTimer(kBoxAtOnceMs);
}

void MainLinkExchange::PauseThenEnd(Ending ending, int pauseMs)
{
    // The port is handed over (or left alone) closed, and the next window
    // comes a moment later, on the reply timer.
    link_.StopSendTimer();
    link_.ClosePort();
    ending_ = ending;
    phase_ = Phase::Pausing;
    link_.ArmReplyTimer(pauseMs);
}

void MainLinkExchange::OnReplyTimeout()
{
    link_.StopReplyTimer();
    switch (phase_) {
    case Phase::Running:
        link_.StopSendTimer();
        phase_ = Phase::Asking;
        question_.Ask();
        window_.AskReplyTimeout();
        return;
    case Phase::Pausing:
        switch (ending_) {
        case Ending::Information:
            phase_ = Phase::Done;
            window_.ShowRadioInformation();
            window_.ExchangeEnded(MainLinkOutcome::InformationShown);
            return;
        case Ending::TestForm:
            phase_ = Phase::Done;
            steps_->ShowTestForm();
            window_.ExchangeEnded(MainLinkOutcome::TestFormShown);
            return;
        case Ending::Mismatch:
            phase_ = Phase::Done;
            window_.ShowTestFrequencyMismatch();
            window_.ExchangeEnded(MainLinkOutcome::Mismatch);
            return;
        }
        return;
    default:
        return;
    }
}

void MainLinkExchange::OnRetry()
{
    if (phase_ != Phase::Asking || !question_.Answered())
        return;
    counter_ = 1;
    step_ = WakeUp;
    link_.ClearBuffers();
    phase_ = Phase::Running;
    link_.ArmSendTimer(kRetryDelayMs);
}

void MainLinkExchange::OnCancel()
{
    if (phase_ != Phase::Asking || !question_.Answered())
        return;
    link_.StopSendTimer();
    link_.StopReplyTimer();
    link_.ClosePort();
    phase_ = Phase::Done;
    window_.ExchangeEnded(MainLinkOutcome::Cancelled);
}

void MainLinkExchange::OnPortLost(const QString& portName)
{
    // In the pause before the end everything is in and the port is closed
    // already: the device going then changes nothing.
    if (phase_ == Phase::Running || phase_ == Phase::Asking)
        question_.Lost(portName);
}

void MainLinkExchange::EndOnPortLost(const QString& portName)
{
    link_.StopSendTimer();
    link_.StopReplyTimer();
    link_.ClosePort();
    phase_ = Phase::Done;
    window_.ShowPortLost(portName);
    window_.ExchangeEnded(MainLinkOutcome::PortLost);
}

}  // namespace zx
