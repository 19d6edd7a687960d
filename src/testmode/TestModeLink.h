#pragma once
// The test window's exchange with the radio while the radio is in test mode,
// as a state machine. A user action chooses a step and starts it; the step
// sends one to three commands, each after the reply to the one before:
//
//   Channel  10 n / 8 bytes, 06 / 06, then 11 s / 06 unless it was told to
//            stop after the channel;
//   Signal   11 s / 06;
//   Ptt      08 0D (transmit) or 08 0E (receive) / 06;
//   Wide     46 / 06;   Narrow 47 / 06;
//   Tune     05 / 62-byte tuning block (stored), 06 / 06, item code 0D / 06,
//            then the item's tuning dialog takes the radio over;
//   Exit     11 s / 06, 50 ms later 45 (not awaited): the radio leaves test
//            mode and the window closes.
//
// While the transmitter is keyed, every step but Ptt first sends 08 0E / 06.
// A new action replaces the running step at once. A missing or wrong reply
// brings the time-out question (Retry repeats the step from its first
// command, Cancel gives test mode up without 45).
//
// It is driven by received replies and the ticks of the send and reply
// timers through a TestModeIo; it never shows a box and never reaches for
// the application: it is handed the test-mode state it shares with the
// entry and the tuning dialogs.
#include <QByteArray>
#include <QString>

#include "core/TestModeState.h"
#include "link/LinkIo.h"
#include "link/PendingQuestion.h"
#include "testmode/TuningDialog.h"

namespace zx {

// How the exchange ended; the window closes in every case.
enum class TestLinkEnd {
    EndSent,     // 45 is out: the radio has left test mode
    Cancelled,   // Cancel at the time-out question: the radio stays in test mode
    Aborted,     // a reply timed out after a tuning dialog's Cancel: no question
    PortFailed,  // the port could not be opened; the user has been told
    PortLost,    // the device vanished; the user has been told
};

// What the exchange asks of the test window, beside the link.
class TestModeIo : public LinkIo {
public:
    // Opens the port if it is closed; false, with the port closed, when it
    // cannot be opened.
    virtual bool OpenPort() = 0;
    // "The port could not be opened", with the reason the port gives.
    virtual void ShowPortOpenError() = 0;
    // The device vanished; `portName` is "COM<n> (<device>)".
    virtual void ShowPortLost(const QString& portName) = 0;
    // The 62-byte tuning block of a Tune step: into the image's tuning area
    // and the test values.
    virtual void StoreTuningData(const QByteArray& block) = 0;
    // The lamps: the transmit state (red) or the receive state (green).
    virtual void ShowLamps(bool transmit) = 0;
    // The reply time-out question; the answer comes back as OnRetry() or
    // OnCancel(). Nothing moves until it does.
    virtual void AskReplyTimeout() = 0;
    // The test window is disabled while a tuning dialog holds the radio.
    virtual void SetWindowEnabled(bool enabled) = 0;
    // The radio has entered the tuning item; the window is disabled and its
    // port closed since 30 ms: show the item's dialog.
    virtual void ShowTuningDialog(TuningDialog dialog) = 0;
    // The exchange is over, both timers off and the port closed: the window
    // closes.
    virtual void LinkEnded(TestLinkEnd how) = 0;
};

class TestModeLink {
public:
    // TestStep: the step in progress.
    enum Step { Channel = 1, Signal, Ptt, Tune, Wide, Narrow, Exit };
    // TestLinkStep: the value of TransferState.
    enum LinkStep { Command = 1, Close, ItemEnter };

    static constexpr int kActionDelayMs = 50;     // a choice, Wide, Narrow, Tune, the opening
    static constexpr int kPttDelayMs = 5;         // PTT (and the printout's PTT off)
    static constexpr int kExitDelayMs = 30;       // closing the window
    static constexpr int kRetryDelayMs = 50;
    static constexpr int kBeforeEndMs = 50;       // between the exit's 06 and 45
    static constexpr int kHandOverPauseMs = 30;   // port closed before the dialog shows
    static constexpr int kReplyTimeoutMs = 200;
    static constexpr int kBoxAtOnceMs = 2;
    static constexpr int kChannelReplyLength = 8;
    static constexpr int kTuningBlockLength = 62;

    TestModeLink(TestModeIo& io, TestModeState& state);

    // The opening of the window: clears LinkAborted, PttOn, PttOffFirst and
    // NarrowBandTest, prepares the port (opened, emptied, closed again) and
    // starts the Channel step in 50 ms; the window then makes its choices in
    // the channel and signalling lists. False when the port cannot be opened:
    // the user has been told and the exchange has ended as after Cancel.
    bool Open();

    // User actions. Each replaces the running step; all are ignored once the
    // exit has started, after the end and while the time-out question is up.
    void ChooseChannel(int n);
    // `byUser`: a user's choice (not the opening's own "1") also makes a
    // Channel step that still runs go on to send the signalling.
    void ChooseSignal(int s, bool byUser);
    void PressPtt();
    // The printout's PTT off: the Ptt step with the transmitter unkeyed.
    void SwitchPttOff();
    void PressWide();
    void PressNarrow();
    void PressTune();
    // Closing the window (unless LinkAborted): the Exit step in 30 ms.
    void StartExit();

    // Inputs.
    void OnBytes(const QByteArray& reply);
    void OnSendTimer();
    void OnReplyTimeout();
    void OnRetry();
    void OnCancel();
    // The device is gone; the driver has stopped both timers and closed the
    // port.
    void OnPortLost(const QString& portName);

    int TestStep() const { return step_; }
    int TransferState() const { return transferState_; }
    bool StopAfterChannel() const { return stopAfterChannel_; }
    bool PttOn() const { return pttOn_; }
    bool PttOffFirst() const { return pttOffFirst_; }
    bool ExitDone() const { return exitDone_; }
    int channel() const { return channel_; }
    int signal() const { return signal_; }
    // The Exit step has started: no action is taken any more.
    bool exiting() const { return exiting_; }
    bool ended() const { return phase_ == Phase::Ended; }
    bool waitingForAnswer() const { return phase_ == Phase::Asking; }
    // A step is under way (a command pending or a reply awaited).
    bool busy() const;

private:
    enum class Phase {
        Idle,       // no step runs; both timers off
        Sending,    // the send timer leads to the next command
        Awaiting,   // a reply is awaited
        BadReply,   // the question comes at once
        Asking,     // the time-out question is up
        BeforeEnd,  // the 50 ms before 45
        HandOver,   // the 30 ms before the tuning dialog
        Ended,
    };

    bool ActionAllowed() const;
    void OffFirst();
    void StartStep(int step, int delayMs);
    void Next(int transferState, int delayMs);
    void StepEnded();
    void BadReply();
    // Retry and Cancel: false when no question is up, or when the device
    // vanished meanwhile (the exchange has then ended on that).
    bool AnswerTaken();
    void SendCommand(const QByteArray& bytes, int replyLength);
    void End(TestLinkEnd how);
    void EndOnPortLost(const QString& portName);

    TestModeIo& io_;
    TestModeState& state_;
    Phase phase_ = Phase::Idle;
    int step_ = Channel;
    int transferState_ = Command;
    bool stopAfterChannel_ = false;
    bool pttOn_ = false;
    bool pttOffFirst_ = false;
    bool exitDone_ = false;
    bool exiting_ = false;
    int channel_ = 1;
    int signal_ = 1;
    int awaited_ = 0;
    // The time-out question, and a device that vanishes under it.
    PendingQuestion question_;
};

}  // namespace zx
