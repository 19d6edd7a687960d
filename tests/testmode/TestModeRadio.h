#pragma once
// The simulated radio the test-mode tests start from: its memory is the
// default image of the default model, it agrees with the program's image on
// every test channel (so the entry finds no mismatch), and its tuning block
// tells each position by its value.
#include <algorithm>
#include <cstddef>

#include "common/ImageFixtures.h"
#include "common/TuningFixtures.h"
#include "core/RadioImage.h"
#include "sim/RadioModel.h"

namespace zx::test {

inline void PrepareTestModeRadio(RadioModel& radio, const RadioImage& programImage)
{
    const RadioImage memory = DefaultFor(0x21, 0xF8);
    std::copy(memory.bytes().begin(), memory.bytes().end(), radio.memory.begin());
    for (int n = 1; n <= 16; ++n)
        radio.testTable[static_cast<std::size_t>(n - 1)] = programImage.toByteArray(0x280 + 8 * (n - 1), 8);
    radio.tuningBlock = IdentityTuningBlock();
}

}  // namespace zx::test
