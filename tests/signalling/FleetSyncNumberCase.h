#pragma once
// A FleetSync number typed and committed, for the tables of the rules and of
// the window: the text the field shows after the commit and the bytes it
// writes from `address` on.
#include "signalling/FleetSyncRules.h"

namespace zx::test {

struct FleetSyncNumberCase {
    FleetSyncNumber field;
    const char* typed;
    const char* shown;
    int address;
    const char* bytes;  // hex
};

}  // namespace zx::test
