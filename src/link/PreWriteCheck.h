#pragma once
// The checks a write must pass before anything is sent, in their order:
// the priority channel, the own fleet and ID, and the PTT ID codes.
#include <QString>

#include "core/RadioImage.h"

namespace zx {

// True when one of channels 1..channelCount has PTT ID on: its PTT ID code
// has bit 0 set and is not an unset channel (low four bits all 1).
bool SomeChannelHasPttId(const RadioImage& image, int channelCount);

// The message of the first check that fails, empty when the write may go
// on. The PTT ID check first recounts: with no channel of the model using
// PTT ID, PttCodeCheck is cleared and the codes are not tested.
QString PreWriteCheckMessage();

// Runs the checks and shows the message of the first that fails; true when
// the write may go on.
bool RunPreWriteChecks();

}  // namespace zx
