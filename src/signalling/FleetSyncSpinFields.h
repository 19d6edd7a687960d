#pragma once
// The FleetSync window's four spin fields described to the spin field: own
// fleet (0x170), own ID (0x171-0x172), data TX delay (0x173-0x174) and the
// message mode timer (0x176-0x177).
#include <functional>

#include "settings/SpinRules.h"
#include "signalling/FleetSyncRules.h"

namespace zx {

// `pairEmptied` runs after a commit of an empty own fleet or own ID emptied
// both halves in the image (the window empties the other box). A non-empty
// own commit clears `*ownFleetIdError`.
SpinFieldParams FleetSyncSpinField(FleetSyncNumber field, std::function<void()> pairEmptied = {},
                                   bool* ownFleetIdError = nullptr);

}  // namespace zx
