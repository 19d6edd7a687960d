#include "testmode/TuningDataBlock.h"

#include <cstdint>

namespace zx {

namespace {

// Where block position p (from 1) goes: an image address, one of the nine
// test values, or nowhere.
enum class Into { Image, Value, Dropped };

struct Destination {
    Into into;
    int address = 0;                              // Into::Image
    std::uint8_t TestModeState::* value = nullptr;  // Into::Value
};

constexpr Destination Byte(int address) { return {Into::Image, address, nullptr}; }
constexpr Destination Value(std::uint8_t TestModeState::* value) { return {Into::Value, 0, value}; }
constexpr Destination Dropped() { return {Into::Dropped, 0, nullptr}; }

constexpr Destination kBlock[kTuningDataBlockLength] = {
    // Squelch(Open): test value, Low, Center, High, Narrow.
    Value(&TestModeState::TestValueSquelchOpen),
    Byte(0x1A7), Byte(0x1A6), Byte(0x1A5), Byte(0x1A4),
    // Squelch(Tight).
    Value(&TestModeState::TestValueSquelchTight),
    Byte(0x1A3), Byte(0x1A2), Byte(0x1A1), Byte(0x1A0),
    // RF High Power: test value, Low, Low', Center, High', High.
    Value(&TestModeState::TestValueRfHighPower),
    Byte(0x185), Byte(0x184), Byte(0x183), Byte(0x182), Byte(0x181),
    // RF Low Power.
    Value(&TestModeState::TestValueRfLowPower),
    Byte(0x18A), Byte(0x189), Byte(0x188), Byte(0x187), Byte(0x186),
    Dropped(),  // 23
    // Max Deviation: test value, Low, Center, High, Narrow.
    Value(&TestModeState::TestValueMaxDeviation),
    Byte(0x192), Byte(0x191), Byte(0x190), Byte(0x18F),
    // DQT Balance.
    Value(&TestModeState::TestValueDqtBalance),
    Byte(0x18E), Byte(0x18D), Byte(0x18C), Byte(0x18B),
    // QT Fine Deviation.
    Value(&TestModeState::TestValueQtFineDeviation),
    Byte(0x196), Byte(0x195), Byte(0x194), Byte(0x193),
    // DQT Fine Deviation.
    Value(&TestModeState::TestValueDqtFineDeviation),
    Byte(0x19A), Byte(0x199), Byte(0x198), Byte(0x197),
    // DTMF Fine Deviation: Wide, Narrow.
    Byte(0x19C), Byte(0x19B),
    // Sensitivity: test value, Low, Center, High.
    Value(&TestModeState::TestValueSensitivity),
    Byte(0x19F), Byte(0x19E), Byte(0x19D),
    Dropped(),  // 50
    // MSK Fine Deviation Wide and Narrow, each after a byte no dialog reads.
    Byte(0x1AB), Byte(0x1AA), Byte(0x1A9), Byte(0x1A8),
    // Battery Warning Level, a byte no dialog reads, VOX1, VOX10.
    Byte(0x1AC), Byte(0x1AD), Byte(0x1AE), Byte(0x1AF),
    Dropped(), Dropped(), Dropped(), Dropped(),  // 59-62
};

}  // namespace

bool StoreTuningData(RadioImage& image, TestModeState& state, const QByteArray& reply)
{
    if (reply.size() != kTuningDataBlockLength)
        return false;
    for (int i = 0; i < kTuningDataBlockLength; ++i) {
        const auto b = static_cast<std::uint8_t>(reply[i]);
        const Destination& d = kBlock[i];
        switch (d.into) {
        case Into::Image: image.set(d.address, b); break;
        case Into::Value: state.*d.value = b; break;
        case Into::Dropped: break;
        }
    }
    return true;
}

}  // namespace zx
