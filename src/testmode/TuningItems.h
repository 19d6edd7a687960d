#pragma once
// The fifteen tuning items of test mode: the radio's code for each (the
// first byte of every command that concerns the item) and the tuning dialog
// that adjusts it. Items are numbered 1..15 in the order of the test
// window's tuning list.
#include <cstdint>

#include "testmode/ui/TuningDialogFactories.h"

namespace zx {

inline constexpr int kTuningItemCount = 15;

// The item's code (RF High Power 0x12 ... RSSI 0x22); 0 for a number
// outside 1..15.
std::uint8_t TuningItemCode(int item);

// The dialog that tunes `item`; `narrow` (test mode in narrow bandwidth)
// sends DQT Balance, Max Deviation, QT and DQT Fine Deviation and both
// squelch levels to the single-value dialog instead of the band points.
TuningDialog TuningDialogFor(int item, bool narrow);

}  // namespace zx
