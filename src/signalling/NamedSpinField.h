#pragma once
// What the spin fields of the DTMF and FleetSync windows describe alike: the
// control names, the range and the shown text, and the hand-over of a rule's
// SpinState to the spin field.
#include <functional>

#include <QString>

#include "settings/SpinRules.h"
#include "signalling/SpinState.h"

namespace zx {

// A field's text box and up-down names and the help context id of both.
struct SpinFieldNames {
    const char* box;
    const char* updown;
    int helpId;
};

// The params of a field named `names` whose up-down runs over min..max by
// `step`, showing `shownText` and taking at most `maxTypedLength` typed
// characters; its commit, store and load are left to the caller.
SpinFieldParams NamedSpinField(const SpinFieldNames& names, int min, int max, int step, int maxTypedLength,
                               std::function<QString(int value)> shownText);

inline SpinLoad ToSpinLoad(const SpinState& s) { return {s.text, s.value}; }
inline SpinCommit ToSpinCommit(const SpinState& s) { return {s.value, s.text}; }

}  // namespace zx
