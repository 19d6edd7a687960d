#pragma once
// FleetCode: a FleetSync fleet number in one byte. Fleets 100-349 are stored
// as fleet - 99 (1-250); 0 means All (fleet list only); FF means empty.
#include <cstdint>

namespace zx::FleetCode {

inline constexpr std::uint8_t kAll = 0x00;
inline constexpr std::uint8_t kEmpty = 0xFF;
inline constexpr int kLowestFleet = 100;
inline constexpr int kHighestFleet = 349;
inline constexpr int kOffset = 99;

// The number a stored byte shows (0 shows 99, 251-254 show 350-353).
inline int Fleet(std::uint8_t code) { return code + kOffset; }
// A typed fleet number clamped to 100-349, as its code 1-250.
inline std::uint8_t Encode(int fleet)
{
    if (fleet <= kLowestFleet)
        return 1;
    if (fleet >= kHighestFleet)
        return static_cast<std::uint8_t>(kHighestFleet - kOffset);
    return static_cast<std::uint8_t>(fleet - kOffset);
}

}  // namespace zx::FleetCode
