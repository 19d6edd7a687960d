#pragma once
// The radio's tuning block: its 62-byte answer to the tuning-data request
// (0x05). Fifty-six of its positions are kept: 47 go into the image's tuning
// area 0x181-0x1AF (each byte once), nine are the radio's values at the
// selected test channel. The block runs from the low band point upwards and
// ends with the narrow value; the image runs the other way.
#include <QByteArray>

#include "core/RadioImage.h"
#include "core/TestModeState.h"

namespace zx {

inline constexpr int kTuningDataBlockLength = 62;

// Stores a block of exactly 62 bytes into `image` and the test values of
// `state`; any other length stores nothing and gives false (a short answer
// must not leave half a block behind).
bool StoreTuningData(RadioImage& image, TestModeState& state, const QByteArray& reply);

}  // namespace zx
