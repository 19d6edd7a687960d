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
//
// It never shows a box and never reaches for the program's state: it is
// handed the image it starts from, and its questions and results go out
// through a TransferWindow, whose answers come back as inputs.
#include <QByteArray>
#include <QString>

#include "core/RadioImage.h"
#include "link/LinkIo.h"
#include "link/PendingQuestion.h"

namespace zx {

// PortLost: the device vanished (a USB adapter pulled out); the port is
// closed and the user has been told.
enum class TransferOutcome { None, Completed, Refused, Cancelled, PortLost };

// What a device that vanished left in the radio: a read changes nothing in
// it, nor does a write before its first data packet (the wake-up, the
// identification and the model question touch no memory); after that packet
// the radio may hold part of the new data.
enum class PortLoss { DuringRead, BeforeWriteData, DuringWriteData };

// What the transfer asks of the window that runs it, beside the link.
class TransferWindow {
public:
    virtual ~TransferWindow() = default;
    // The reply time-out question (Retry or Cancel); the answer comes back
    // as OnRetry() or OnCancel(). Nothing moves until it does.
    virtual void AskReplyTimeout() = 0;
    // The radio is another model than the image: overwrite it? The answer
    // comes back as OnOverwriteAnswer(). Nothing moves until it does.
    virtual void AskOverwriteOtherModel() = 0;
    // The end command is out after every block or packet went through.
    // After a read `received` is the radio's whole image, which now replaces
    // the program's; after a write it is null.
    virtual void TransferCompleted(const RadioImage* received) = 0;
    // The port is closed after a completed transfer: tell the user and put
    // the program in order, then answer OnCompletionReported().
    virtual void ReportCompleted() = 0;
    // The device vanished; `portName` is "COM<n> (<device>)", `loss` what it
    // left in the radio. The port is closed and TransferEnded(PortLost)
    // follows at once.
    virtual void ReportPortLost(const QString& portName, PortLoss loss) = 0;
    // The transfer has ended; the dialog closes.
    virtual void TransferEnded(TransferOutcome outcome) = 0;
};

class RadioTransfer {
public:
    enum class Direction { Read, Write };
    using Outcome = TransferOutcome;
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

    // `image` is the program's image: a write sends it and compares its
    // model with the radio's; a read collects into a copy of it.
    RadioTransfer(LinkIo& link, TransferWindow& window, Direction direction, const RadioImage& image);

    // Inputs.
    void Start();
    void OnBytes(const QByteArray& reply);
    void OnSendTimer();
    void OnReplyTimeout();
    // The answers to the time-out question.
    void OnRetry();
    void OnCancel();
    // The answer to the other-model question: true to write anyway.
    void OnOverwriteAnswer(bool overwrite);
    // The completion has been reported: the transfer closes.
    void OnCompletionReported();
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
    // A question is out: the link stands still until it is answered.
    bool waitingForAnswer() const
    {
        return phase_ == Phase::AskingTimeout || phase_ == Phase::AskingModel || phase_ == Phase::Reporting;
    }
    const QByteArray& IdentReply() const { return identReply_; }
    // The blocks a read has received so far; they replace the program's
    // image only once the read has completed.
    const RadioImage& received() const { return received_; }
    int replyTimeoutMs() const;

private:
    enum class Phase {
        Idle,
        Running,
        BeforeBox,
        AskingTimeout,
        AskingModel,
        Cancelling,
        Draining,
        AfterClose,
        Reporting,
        Refusing,
        Closing,
        Done
    };

    void SendStep();
    void GoodReply(int nextStep, int delayMs);
    void BoxAtOnce();
    void NextBlockAddress();
    void AddProgress();
    // True when the radio is the image's model.
    bool SameModel() const;
    // After the model check: the packets follow, or only the end command.
    void GoOnWriting(bool overwrite);
    void Complete();
    void Refuse();
    void End();
    void EndWithPortLost(const QString& portName);

    LinkIo& io_;
    TransferWindow& window_;
    Direction direction_;
    // What a write sends and compares; where a read starts from.
    const RadioImage image_;
    Phase phase_ = Phase::Idle;
    int step_ = WakeUp;
    int counter_ = 1;
    int addrHigh_ = 0;
    int addrLow_ = 0;
    int progress_ = 0;
    bool lastBlockPending_ = false;
    // A write's first data packet has gone out: the radio's memory is no
    // longer what it was.
    bool dataSent_ = false;
    bool wakeUpAcknowledged_ = false;
    bool finished_ = false;
    Outcome outcome_ = Outcome::None;
    QByteArray identReply_;
    RadioImage received_;
    // The question on the screen, and a device that vanishes under it.
    PendingQuestion question_;
};

}  // namespace zx
