#pragma once
// The test-frequency list's own band limits by model band code. They differ
// from the limits the channel grid and the default image use, and the list
// never changes those.
#include <cstdint>

namespace zx {

struct TestFreqBand {
    int lowerMHz;
    int upperMHz;
    bool operator==(const TestFreqBand&) const = default;
};

// 0x00/0x01 136-174, 0x02 136-150, 0x03 150-174, 0x04 245-265,
// 0x20/0x21 400-480, 0x33 440-480, 0x41/0x43 400-440, 0x53 350-370,
// 0x63 370-390, 0x70/0x71 470-512, 0x73 350-390, 0x83 460-520, any other
// 400-480 MHz.
TestFreqBand TestFreqBandTable(std::uint8_t bandCode);

}  // namespace zx
