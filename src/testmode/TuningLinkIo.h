#pragma once
// What the tuning link asks of the dialog that runs it, beyond the port and
// the two timers of every exchange: opening the port again (the multi-point
// dialogs close it after each point selection), the reply time-out
// question, the PTT lamp, the value shown for a point, the measuring marker,
// and the end of the dialog's closing exchange. The dialog feeds the
// answers back into the TuningLink (OnRetry, OnCancel).
#include <cstdint>

#include <QString>

#include "link/LinkIo.h"

namespace zx {

class TuningLinkIo : public LinkIo {
public:
    // Opens the port if it is closed, with the port and settings given when
    // the dialog loaded. False, with the port closed, when it cannot be
    // opened; the link then reports PortOpenFailed() and ends.
    virtual bool EnsurePortOpen() = 0;

    // The reply time-out question (Retry or Cancel, critical icon); the
    // answer comes back as TuningLink::OnRetry() or OnCancel(). Nothing
    // moves until it does.
    virtual void AskReplyTimeout() = 0;

    // The PTT lamp: LampOn while transmitting, LampOff otherwise.
    virtual void ShowPttLamp(bool on) = 0;

    // Shows `value` in the controls of `point` (slider, value box, bar, or
    // the measured dialog's value label and bar) without taking it as a
    // user's change: nothing may be sent back for it.
    virtual void ShowPointValue(int point, std::uint8_t value) = 0;

    // The measuring loop started (the StartMarker shows) or stopped.
    virtual void ShowMeasuring(bool on) = 0;

    // The port could not be opened for a send: tell the user. CloseDone()
    // follows at once; no closing exchange runs.
    virtual void PortOpenFailed() = 0;

    // The device vanished; `portName` is "COM<n> (<device>)". CloseDone()
    // follows at once; no closing exchange runs.
    virtual void ShowPortLost(const QString& portName) = 0;

    // The dialog's closing exchange has ended (its last reply came), or was
    // abandoned (Cancel in the time-out box, a port that cannot be opened,
    // a device that vanished): the dialog may close now. May be called
    // from inside any input.
    virtual void CloseDone() = 0;
};

}  // namespace zx
