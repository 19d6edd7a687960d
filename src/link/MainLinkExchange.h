#pragma once
// The main window's own exchange with the radio, as a state machine beside
// the read and write transfer. One machine serves two purposes (LinkPurpose):
//
//   radio information: "PROGRAM" / 06; 02 / 8 bytes; 06 / 06; "NRK" / 34
//   bytes; 06 / 06; 50 / 10 bytes; 06 / 06; 45 / 06, then the radio
//   information is shown;
//   test-mode entry: "TUNING " / 06; 02 / 8 bytes; 06 / 06; 05 / 62 bytes;
//   06 / 06; then for n = 1..16: 10 n / 8 bytes; 06 / 06, stopping after
//   the pair in which a test frequency differed from the image; when all
//   sixteen agree the test window takes over with the radio in test mode.
//
// It is driven by received replies and the ticks of the send and reply
// timers through a LinkIo. It never shows a box itself: the time-out
// question goes out through MainLinkWindow and comes back as OnRetry() or
// OnCancel(); the end of the exchange is reported there too.
#include <QByteArray>
#include <QString>

#include "core/SharedState.h"
#include "link/LinkIo.h"
#include "link/PendingQuestion.h"
#include "link/TestEntryHooks.h"

namespace zx {

enum class MainLinkOutcome {
    InformationShown,  // the radio information dialog is up
    TestFormShown,     // the test window has taken over (and the lock)
    Mismatch,          // a test frequency differed; the user has been told
    Cancelled,         // Cancel at the time-out question
    PortLost,          // the device vanished; the user has been told
};

// What the exchange asks of the window that runs it, beside the link.
class MainLinkWindow {
public:
    virtual ~MainLinkWindow() = default;
    // The reply time-out question (Retry or Cancel); the answer comes back
    // as OnRetry() or OnCancel(). Nothing moves until it does.
    virtual void AskReplyTimeout() = 0;
    virtual void SetMainWindowEnabled(bool enabled) = 0;
    // The radio information is in RadioInfo and the port is closed: show it.
    virtual void ShowRadioInformation() = 0;
    // "Test Frequency mismatch." (the port is closed).
    virtual void ShowTestFrequencyMismatch() = 0;
    // The device vanished; `portName` is "COM<n> (<device>)".
    virtual void ShowPortLost(const QString& portName) = 0;
    // The exchange has ended: both timers stopped, the port closed.
    virtual void ExchangeEnded(MainLinkOutcome outcome) = 0;
};

class MainLinkExchange {
public:
    // MainLinkStep: the value of TransferState.
    enum Step { WakeUp = 1, Identify, Confirm, Query, QueryAck, Detail, DetailAck, Finish };

    static constexpr int kStartDelayMs = 100;
    static constexpr int kReplyTimeoutMs = 200;
    static constexpr int kRetryDelayMs = 50;
    static constexpr int kBoxAtOnceMs = 1;
    static constexpr int kMismatchPauseMs = 10;
    static constexpr int kHandOverPauseMs = 30;
    // LinkBlockCounter after a mismatch: beyond every test channel, so the
    // next count gives kMismatchFound.
    static constexpr int kMismatchMark = 30;
    static constexpr int kMismatchFound = 31;
    static constexpr int kAllAccepted = 17;
    static constexpr int kTestChannels = 16;

    // `radioInfo` is where GetDJJInfo keeps the reply to "NRK".
    MainLinkExchange(LinkIo& link, MainLinkWindow& window, RadioInfoBytes& radioInfo);

    // Starts. The driver has set up the port (PortSetup) before.
    void StartRadioInformation();
    void StartTestEntry(TestEntryHooks& steps);

    // Inputs.
    void OnBytes(const QByteArray& reply);
    void OnSendTimer();
    void OnReplyTimeout();
    void OnRetry();
    void OnCancel();
    // The device is gone; the driver has closed the port and stopped both
    // timers.
    void OnPortLost(const QString& portName);

    bool LinkPurpose() const { return linkPurpose_; }
    bool TestEntryDone() const { return testEntryDone_; }
    int TransferState() const { return step_; }
    int LinkBlockCounter() const { return counter_; }
    bool running() const { return phase_ != Phase::Idle && phase_ != Phase::Done; }
    // The time-out question is up: the link stands still until it is
    // answered.
    bool waitingForAnswer() const { return phase_ == Phase::Asking; }

private:
    enum class Phase { Idle, Running, Asking, Pausing, Done };
    // What the pause after the last reply leads to.
    enum class Ending { Information, TestForm, Mismatch };

    void Start();
    void Next(int step, int delayMs);
    void BoxAtOnce();
    void PauseThenEnd(Ending ending, int pauseMs);
    void End(MainLinkOutcome outcome);
    void EndOnPortLost(const QString& portName);

    LinkIo& link_;
    MainLinkWindow& window_;
    RadioInfoBytes& radioInfo_;
    TestEntryHooks* steps_ = nullptr;
    Phase phase_ = Phase::Idle;
    Ending ending_ = Ending::Information;
    bool linkPurpose_ = true;
    bool testEntryDone_ = false;
    int step_ = WakeUp;
    int counter_ = 1;
    // The time-out question, and a device that vanishes under it.
    PendingQuestion question_;
};

}  // namespace zx
