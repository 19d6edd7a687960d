#include "channels/TestFreqBandTable.h"

namespace zx {

TestFreqBand TestFreqBandTable(std::uint8_t bandCode)
{
    switch (bandCode) {
    case 0x00:
    case 0x01: return {136, 174};
    case 0x02: return {136, 150};
    case 0x03: return {150, 174};
    case 0x04: return {245, 265};
    case 0x20:
    case 0x21: return {400, 480};
    case 0x33: return {440, 480};
    case 0x41:
    case 0x43: return {400, 440};
    case 0x53: return {350, 370};
    case 0x63: return {370, 390};
    case 0x70:
    case 0x71: return {470, 512};
    case 0x73: return {350, 390};
    case 0x83: return {460, 520};
    default: return {400, 480};
    }
}

}  // namespace zx
