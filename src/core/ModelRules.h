#pragma once
// The model-dependent rules of the image: the model code, the channel count,
// the default band limits and test frequencies, and the default image.
#include <cstdint>
#include <optional>

#include "core/RadioImage.h"

namespace zx {

struct BandLimits {
    int lowerMHz;  // BandLowerMHz
    int upperMHz;  // BandUpperMHz
    int testLowerMHz;  // L, the lower edge of the default test frequencies
    int testUpperMHz;  // U
};

// The limits InitAllFrameData gives a band code (first match wins; any code in
// no row gets 440-480).
BandLimits DefaultBandTable(std::uint8_t bandCode);

// The five model-code characters for a band code and variant. The fifth is
// 0xFF for a variant other than F8, F9 or FC.
std::array<std::uint8_t, 5> ModelCodeRule(std::uint8_t bandCode, std::uint8_t variant);

// True when the model has channels 1-8 only.
bool EightChannelRule(std::uint8_t bandCode, std::uint8_t variant);

struct TestFrequencyPair {
    qint64 rx;  // 10 Hz units
    qint64 tx;
};
// The six default test frequencies for the edges L and U of a band.
std::array<TestFrequencyPair, 6> DefaultTestFrequencies(const BandLimits& limits);

// Builds the default image for the model named by the image's own band code
// and variant and returns the band limits to take over.
BandLimits InitAllFrameData(RadioImage& image);

// The band of a code as the title and the radio information show it,
// e.g. "UHF: 400-480 MHz"; nothing for a code without one.
std::optional<QString> BandText(std::uint8_t bandCode);
// The band text of the main window's title, e.g. " UHF: 400-480 MHz] [ ";
// nothing for a code without one.
std::optional<QString> BandCaptionText(std::uint8_t bandCode);

}  // namespace zx
