#pragma once
// The four numeric fields of the optional features window, as spin fields:
// the time-out timer (byte 0x130, in units of 15 seconds), the TOT pre-alert
// (0x131), the squelch level (0x134) and the VOX gain level (0x13A).
#include "settings/SpinRules.h"

namespace zx {

SpinFieldParams TimeOutTimerField();
SpinFieldParams TotPreAlertField();
SpinFieldParams SquelchLevelField();
SpinFieldParams VoxGainLevelField();

}  // namespace zx
