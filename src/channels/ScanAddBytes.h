#pragma once
// The scan-add flags of all channels, image bytes 0x17E and 0x17F.
#include <cstdint>

#include "core/RadioImage.h"

namespace zx {

// The two scan-add bytes: channel n in bit n-1 of `low` (0x17E) for 1..8,
// bit n-9 of `high` (0x17F) for 9..16.
struct ScanAddBytes {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;

    static ScanAddBytes Of(const RadioImage& image)
    {
        return {image.at(layout::ScanAddBits), image.at(layout::ScanAddBitsHigh)};
    }
    void StoreInto(RadioImage& image) const
    {
        image.set(layout::ScanAddBits, low);
        image.set(layout::ScanAddBitsHigh, high);
    }
    bool Bit(int channel) const
    {
        return channel <= 8 ? ((low >> (channel - 1)) & 1) != 0 : ((high >> (channel - 9)) & 1) != 0;
    }
    bool operator==(const ScanAddBytes&) const = default;
};

}  // namespace zx
