#pragma once
// The read and the write of the radio's memory as a state machine. It is
// driven by the received replies and the ticks of two one-shot timers (the
// send timer and the reply timer) and acts through a LinkIo, so the same
// machine runs on the real port and against a scripted radio.
//
// A read: "PROGRAM" -> 06, 02 -> 8-byte identification, 06 -> 06, then 17
// times 'R' hi lo 40 -> 'W' + 3 bytes + 64 data bytes and 06 -> 06 (the 17th
// repeats 0x3C0 and is dropped), then 'E'. A write: the same opening, the
// model check, 49 packets each answered by 06, then 'E'.
#include <functional>

#include <QByteArray>
#include <QString>

#include "core/RadioImage.h"
#include "link/LinkIo.h"

namespace zx {

class RadioTransfer {
public:
    enum class Direction { Read, Write };
    // PortLost: the device vanished (a USB adapter pulled out); the port is
    // closed and the user has been told.
    enum class Outcome { None, Completed, Refused, Cancelled, PortLost };
    // TransferStep: the value of TransferState.
    enum Step { WakeUp = 1, Identify = 2, Confirm = 3, Block = 4, BlockAck = 5, Finish = 6 };

    static constexpr int kStartDelayMs = 10;
    static constexpr int kRetryDelayMs = 30;
    static constexpr int kReadReplyTimeoutMs = 300;
    static constexpr int kWriteReplyTimeoutMs = 200;
    static constexpr int kBoxAtOnceMs = 3;
    static constexpr int kBeforeBoxMs = 100;
    static constexpr int kCompletionDrainMs = 50;
    static constexpr int kAfterCloseMs = 20;
    static constexpr int kCloseTickMs = 2;
    static constexpr int kRefusalDrainMs = 30;
    static constexpr int kRefusalCloseMs = 50;
    static constexpr int kCancelDrainMs = 30;

    RadioTransfer(LinkIo& io, Direction direction);

    // After a completed read, once the image, the flags and the file path
    // are set: the channel list is refilled and the title remade here.
    std::function<void()> onReadCompleted;
    // The transfer has ended; the dialog closes.
    std::function<void(Outcome)> onFinished;

    // Inputs.
    void Start();
    void OnBytes(const QByteArray& reply);
    void OnSendTimer();
    void OnReplyTimeout();
    void OnRetry();
    void OnCancel();
    // The port's device is gone: the driver has closed the port and stopped
    // both timers. `portName` names the port and the device for the user.
    void OnPortLost(const QString& portName);

    Direction direction() const { return direction_; }
    int TransferState() const { return step_; }
    int LinkBlockCounter() const { return counter_; }
    int address() const { return addrHigh_ * 256 + addrLow_; }
    int progress() const { return progress_; }
    int progressMax() const;
    bool TransferFinished() const { return finished_; }
    Outcome outcome() const { return outcome_; }
    bool running() const { return phase_ != Phase::Idle && phase_ != Phase::Done; }
    // A question is on the screen: the link stands still until it is answered.
    bool waitingForAnswer() const { return phase_ == Phase::Asking; }
    const QByteArray& IdentReply() const { return identReply_; }
    // The blocks a read has received so far; they replace the program's
    // image only once the read has completed.
    const RadioImage& received() const { return received_; }
    int replyTimeoutMs() const;

private:
    enum class Phase { Idle, Running, BeforeBox, Asking, Cancelling, Draining, AfterClose, Refusing, Closing, Done };

    void SendStep();
    void GoodReply(int nextStep, int delayMs);
    void BoxAtOnce();
    void NextBlockAddress();
    void AddProgress();
    // True when the write may go on: the radio is the image's model, or the
    // user chose to overwrite another one.
    bool ModelCheck();
    void Complete();
    void Refuse();
    void Report();
    void EndWithPortLost();

    LinkIo& io_;
    Direction direction_;
    Phase phase_ = Phase::Idle;
    int step_ = WakeUp;
    int counter_ = 1;
    int addrHigh_ = 0;
    int addrLow_ = 0;
    int progress_ = 0;
    bool lastBlockPending_ = false;
    bool wakeUpAcknowledged_ = false;
    bool finished_ = false;
    Outcome outcome_ = Outcome::None;
    QByteArray identReply_;
    RadioImage received_;
    // The device vanished while a question was up: the exchange ends once
    // it is answered.
    bool portLost_ = false;
    QString lostPortName_;
};

}  // namespace zx
