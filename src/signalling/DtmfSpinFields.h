#pragma once
// The DTMF window's six spin fields described to the spin field: the five
// encode fields (0x110-0x114) and the auto reset timer (0x117).
#include <functional>

#include "settings/SpinRules.h"
#include "signalling/DtmfEncodeRules.h"

namespace zx {

// `currentValue` reads the field's up-down: a list field's commit of a
// number outside its map leaves text, up-down and byte exactly as they are.
SpinFieldParams DtmfEncodeSpinField(DtmfEncodeField field, std::function<int()> currentValue);
SpinFieldParams AutoResetTimerSpinField();

}  // namespace zx
