#pragma once
// UnitIdCode: a FleetSync unit ID as a LeWord. IDs 1000-4999 are stored as
// ID - 999 (1-4000, ID 1000 is 01 00); 00 00 means All in the fleet list and
// empty in the own ID; FF FF means empty in the fleet list.
#include <cstdint>

namespace zx::UnitIdCode {

inline constexpr int kLowestId = 1000;
inline constexpr int kHighestId = 4999;
inline constexpr int kOffset = 999;

// The number a stored value shows, without any 16-bit overflow.
inline int Id(int value) { return value + kOffset; }
// A typed ID clamped to 1000-4999, as its value 1-4000.
inline std::uint16_t Encode(int id)
{
    if (id <= kLowestId)
        return 1;
    if (id >= kHighestId)
        return static_cast<std::uint16_t>(kHighestId - kOffset);
    return static_cast<std::uint16_t>(id - kOffset);
}

}  // namespace zx::UnitIdCode
