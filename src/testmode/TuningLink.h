#pragma once
// The exchange of a tuning dialog with the radio in test mode, as one state
// machine that serves all four tuning dialogs through its configuration:
//
//   select point p (tab click):   [code(p), 0D] / 06, 3 ms, 07 / N bytes,
//                                 5 ms, 06 / 06, then the port closes and
//                                 the point shows its value;
//   value of point p:             [code(p), 20, v] / 06, also while
//                                 transmitting;
//   PTT:                          08 0D (on) or 08 0E (off) / 06;
//   OK:                           [code(shown point), 0E] / 06;
//   Cancel, any close but OK:     [code(k), 0D] / 06, [code(k), 20,
//                                 value at open(k)] / 06 for every point k
//                                 in tab order, then the last command
//                                 ([High code, 0E], or none), then the port
//                                 closes;
//   while transmitting, a tab click, OK and Cancel first send 08 0E / 06.
//
// The measured-value dialog has no points to select, no values to set and
// no PTT: its third operation is the measuring loop ([code, 0A] / one byte
// of any value, 100 ms, 06 / 06, a pause of 550 ms, 10 ms, again), and its
// OK and Cancel each send [code, 20, v] / any byte, 100 ms, [code, 0E] / 06
// and close the port.
//
// Every user action replaces the running operation and starts it at step 1
// after its own delay; closing starts the closing exchange and from then on
// the dialog's actions are ignored until the exchange ends (CloseDone).
// A missing reply brings the time-out question after the reply time-out, a
// wrong one 2 ms after it came; Retry runs the operation again from step 1
// after 50 ms with both buffers cleared, Cancel closes the port and ends
// without any closing exchange.
//
// It never shows a box and never reaches for the application: the dialog
// hands it its configuration and the test-mode state, drives it with the
// port's replies and the ticks of its two timers, and acts on its outputs.
#include <cstdint>
#include <vector>

#include <QByteArray>

#include "core/TestModeState.h"
#include "link/PendingQuestion.h"
#include "testmode/TuningLinkIo.h"

namespace zx {

// TuneOperation: what the running exchange is for.
enum class TuneOperation : std::uint8_t {
    SelectPoint = 0,  // a tab click: enter the point on the radio
    SliderValue = 1,  // the slider's value changed
    BoxValue = 2,     // the value box's text changed
    Ptt = 3,          // the PTT button; the measuring loop in the measured dialog
    Ok = 4,           // store
    Cancel = 5,       // restore the values the dialog opened with
};

// TuneLinkStep: the value of TransferState during the tuning link. Every
// user action sets it to kFirstTuneLinkStep; each good reply moves it on
// (up to 2N + 1 in the Cancel exchange of N points).
using TuneLinkStep = int;
inline constexpr TuneLinkStep kFirstTuneLinkStep = 1;

// What makes one tuning dialog's link differ from another's.
struct TuningLinkConfig {
    // The point codes in tab order: point 0 (the Test point) carries the
    // item's TuningItemCode, the band points their TuningPointCode. One
    // entry for the single-value and measured dialogs.
    std::vector<std::uint8_t> pointCodes;
    // PointValue at load, one per point (the measured dialog's start value).
    std::vector<std::uint8_t> pointValues;
    // Reply length of ReadValueRequest (07) in a point selection: 4 in the
    // band-point dialog, 6 in the power dialog; 0 where there is no point
    // to select.
    int readValueLength = 0;
    // The power dialog shows the reply's byte at the entered point while
    // the selection runs.
    bool showReadValue = false;
    // 100 ms; 200 ms in the measured dialog.
    int replyTimeoutMs = 100;
    // Sent after the restore pairs of Cancel: [High code, 0E], or [74, 0F]
    // for Squelch(Open) in the band-point dialog; empty in the single-value
    // dialog, whose Cancel ends with the set-value command.
    QByteArray lastCancelCommand;
    // The measured dialog: operation 3 is the measuring loop, OK and Cancel
    // each set a value and store it.
    bool measured = false;
    // A measured item whose start value the radio never reported (RSSI):
    // Cancel, any close but OK, and an OK before the first measurement
    // send nothing; the port closes and the dialog ends.
    bool storeOnlyMeasured = false;
};

class TuningLink {
public:
    // Delays of the send timer, from the action or the good reply before.
    static constexpr int kSelectPointDelayMs = 3;
    static constexpr int kValueDelayMs = 1;
    static constexpr int kPttDelayMs = 50;
    static constexpr int kOkDelayMs = 5;
    static constexpr int kCancelDelayMs = 5;
    static constexpr int kCloseDelayMs = 1;  // a close other than OK or Cancel
    static constexpr int kAfterEnterDelayMs = 3;
    static constexpr int kAfterReadValueDelayMs = 5;
    static constexpr int kAfterPttOffDelayMs = 7;
    static constexpr int kAfterPttOffOkDelayMs = 5;
    static constexpr int kRetryDelayMs = 50;
    static constexpr int kBoxAtOnceMs = 2;
    // The measuring loop and the measured dialog's closing.
    static constexpr int kStartDelayMs = 5;
    static constexpr int kAfterMeasureDelayMs = 100;
    static constexpr int kMeasurePauseMs = 550;
    static constexpr int kAfterPauseDelayMs = 10;
    static constexpr int kAfterSetValueDelayMs = 100;

    static constexpr std::uint8_t kEnter = 0x0D;
    static constexpr std::uint8_t kStore = 0x0E;
    static constexpr std::uint8_t kSquelchOpenEnd = 0x0F;
    static constexpr std::uint8_t kSetValue = 0x20;
    static constexpr std::uint8_t kMeasure = 0x0A;
    static constexpr std::uint8_t kReadValueRequest = 0x07;
    static constexpr std::uint8_t kPttCommand = 0x08;
    static constexpr std::uint8_t kPttOn = 0x0D;
    static constexpr std::uint8_t kPttOff = 0x0E;

    // `testMode` is where LinkAborted is kept: set by Cancel in the
    // time-out box; while it is set a close runs no closing exchange.
    TuningLink(TuningLinkIo& io, TuningLinkConfig config, TestModeState& testMode);

    // User actions. Each replaces the running operation; all are ignored
    // once the closing exchange has begun or while the time-out question is
    // up, and held until the end of the measuring loop's pause.
    void SelectPoint(int point);                          // a tab click
    void SliderScrolled(int point, std::uint8_t value);   // dragging: records only
    void SliderValueChanged(int point, std::uint8_t value);
    void ValueBoxChanged(int point, std::uint8_t value);
    void Ptt();        // CmdPtt: toggles PttOn
    void StartStop();  // CmdStart: toggles Measuring
    void Ok();         // cmdOK: the closing exchange of OK
    void Cancel();     // cmdCancel: the closing exchange of Cancel
    // The dialog is being closed in another way (its close box): the
    // Cancel exchange, unless a closing exchange runs already or has ended.
    // With LinkAborted set the link ends at once without an exchange.
    void Close();

    // The port's complete reply and the timers' ticks.
    void OnBytes(const QByteArray& reply);
    void OnSendTimer();
    void OnReplyTimeout();
    // The answers to AskReplyTimeout().
    void OnRetry();
    void OnCancel();
    // The device is gone; the driver has stopped both timers and closed the
    // port. The link ends without a closing exchange: at once, or when the
    // time-out question that is up has been answered.
    void OnPortLost(const QString& portName);

    const TuningLinkConfig& config() const { return config_; }
    int pointCount() const { return static_cast<int>(config_.pointCodes.size()); }
    TuneOperation operation() const { return operation_; }
    TuneLinkStep TransferState() const { return step_; }
    int CurrentPoint() const { return currentPoint_; }
    std::uint8_t PointValue(int point) const;
    std::uint8_t PointValueAtOpen(int point) const;
    bool PttOn() const { return pttOn_; }
    bool PttOffFirst() const { return pttOffFirst_; }
    bool Measuring() const { return measuring_; }
    std::uint8_t MeasuredValue() const { return measuredValue_; }
    bool CloseDone() const { return phase_ == Phase::Ended; }
    // The closing exchange has begun (or ended): the dialog's controls
    // take no more input.
    bool closing() const { return closing_ || phase_ == Phase::Ended; }
    // The time-out question is up.
    bool waitingForAnswer() const { return phase_ == Phase::Asking; }
    // The measuring loop's pause runs.
    bool pausing() const { return phase_ == Phase::Pausing; }

private:
    enum class Phase { Idle, Running, Pausing, Asking, Ended };
    enum class Held { StartStop, Ok, Cancel, Close };

    void Begin(TuneOperation operation, int delayMs);
    void Leave(TuneOperation operation, Held action, int delayMs);
    void BeginClosing(TuneOperation operation, int delayMs);
    bool HoldDuringPause(Held action);
    void SendStep();
    void SendCommand(const QByteArray& command, int replyLength);
    void ReceiveSelectPoint(const QByteArray& reply);
    void ReceiveCancel(const QByteArray& reply);
    void ReceiveMeasured(const QByteArray& reply);
    void Next(int step, int delayMs);
    void BoxAtOnce();
    // Both timers off, nothing awaited, the link ended.
    void Halt();
    void Finish(bool closePort);
    void PortFailed();
    void EndOnPortLost(const QString& portName);
    QByteArray ItemCommand(int point, std::uint8_t action) const;
    static int CancelDelayAfter(int step);

    TuningLinkIo& io_;
    TuningLinkConfig config_;
    TestModeState& testMode_;
    std::vector<std::uint8_t> pointValue_;
    std::vector<std::uint8_t> pointValueAtOpen_;
    Phase phase_ = Phase::Idle;
    Phase beforeAsking_ = Phase::Idle;
    TuneOperation operation_ = TuneOperation::SelectPoint;
    TuneLinkStep step_ = kFirstTuneLinkStep;
    int currentPoint_ = 0;
    int valuePoint_ = 0;  // the point whose value operations 1 and 2 send
    bool pttOn_ = false;
    bool pttOffFirst_ = false;
    bool measuring_ = false;
    bool measuredOnce_ = false;
    std::uint8_t measuredValue_ = 0;
    bool closing_ = false;
    // A command is out and its reply not yet handled; bytes that come when
    // none is (the late reply of a replaced operation) are dropped.
    bool awaiting_ = false;
    // The command out is the PTT off that goes before the operation.
    bool sentPttOff_ = false;
    // Actions taken during the measuring loop's pause, in order.
    std::vector<Held> held_;
    // The time-out question, and a device that vanishes under it.
    PendingQuestion question_;
};

}  // namespace zx
