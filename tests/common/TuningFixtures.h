#pragma once
// The tuning block tests store: byte p (counting from 1) holds the value p,
// so every stored byte tells which position it came from. Stored into an
// image whose tuning area 0x180-0x1B7 is EE, it leaves 0x180 and 0x1B0-0x1B7
// at EE and gives:
//   0x181-0x185 = 10 0F 0E 0D 0C   (RF High Power High .. Low)
//   0x186-0x18A = 16 15 14 13 12   (RF Low Power)
//   0x18B-0x18E = 21 20 1F 1E      (DQT Balance Narrow, High, Center, Low)
//   0x18F-0x192 = 1C 1B 1A 19      (Max Deviation)
//   0x193-0x196 = 26 25 24 23      (QT Fine Deviation)
//   0x197-0x19A = 2B 2A 29 28      (DQT Fine Deviation)
//   0x19B-0x19C = 2D 2C            (DTMF Fine Deviation Narrow, Wide)
//   0x19D-0x19F = 31 30 2F         (Sensitivity High, Center, Low)
//   0x1A0-0x1A3 = 0A 09 08 07      (Squelch(Tight))
//   0x1A4-0x1A7 = 05 04 03 02      (Squelch(Open))
//   0x1A8-0x1AB = 36 35 34 33      (MSK Fine Deviation Narrow, -, Wide, -)
//   0x1AC-0x1AF = 37 38 39 3A      (Battery Warning Level, -, VOX1, VOX10)
// and the test values below.
#include <cstdint>

#include <QByteArray>

#include "core/RadioImage.h"

namespace zx::test {

inline QByteArray IdentityTuningBlock()
{
    QByteArray block(62, '\0');
    for (int p = 1; p <= 62; ++p)
        block[p - 1] = static_cast<char>(p);
    return block;
}

// The image's tuning area 0x180-0x1B7 filled with `value`.
inline void FillTuningArea(RadioImage& image, std::uint8_t value = 0xEE)
{
    for (int a = 0x180; a <= 0x1B7; ++a)
        image.set(a, value);
}

// The test values the identity block gives.
struct IdentityTestValues {
    static constexpr std::uint8_t SquelchOpen = 1;
    static constexpr std::uint8_t SquelchTight = 6;
    static constexpr std::uint8_t RfHighPower = 11;
    static constexpr std::uint8_t RfLowPower = 17;
    static constexpr std::uint8_t MaxDeviation = 24;
    static constexpr std::uint8_t DqtBalance = 29;
    static constexpr std::uint8_t QtFineDeviation = 34;
    static constexpr std::uint8_t DqtFineDeviation = 39;
    static constexpr std::uint8_t Sensitivity = 46;
};

}  // namespace zx::test
