#pragma once
// ToneCode: a QT or DQT squelch tone in two record bytes, low byte first.
// QT: the tone in tenths of a Hz (67.0 Hz = 9E 02). DQT: the 9-bit value of
// the three octal digits, 0x28 OR-ed into the high byte, 0x80 more for an
// inverted code (D023N = 13 28, D023I = 13 A8). A high byte of 00 or FF means
// no tone. ToneText is its display form: "67.0", "D023N", or the None word.
#include <cstdint>

#include <QString>

namespace zx {

struct ToneCode {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;

    static constexpr ToneCode None() { return {0xFF, 0xFF}; }
    static ToneCode FromQt(int tenthsOfHz);
    static ToneCode FromDqt(int octalValue, bool inverted);

    bool isNone() const { return high == 0x00 || high == 0xFF; }
    bool isDqt() const { return (high & 0x20) != 0; }
    bool isInverted() const { return (high & 0x80) != 0; }
    int dqtValue() const { return low + 256 * (high & 1); }
    int qtTenths() const { return high * 256 + low; }

    bool operator==(const ToneCode&) const = default;
};

// "67.0": tenths of a Hz with one decimal, no leading zeros.
QString QtToneText(int tenthsOfHz);
// "D023N" / "D023I": the three octal digits of `octalValue` (0..511).
QString DqtToneText(int octalValue, bool inverted);

// The display text of a code: the None word of the language for a high byte
// of 00 or FF, else the DQT or QT text. Codes the radio never gets from this
// program (a five-digit QT value, bit 7 without bit 5) read as the QT text of
// their value, so they stay readable.
QString ToneText(ToneCode code, bool chinese);

// The code of a tone text: the None word of the language gives FF FF; a text
// holding "D" is DQT with characters 2-4 as its digits, normal when it holds
// "N", else inverted when it holds "I", else `invertedWithoutSuffix`; any
// other text is QT, its leading number times ten rounded half to even (a
// text without a number, the other language's None word among them, gives
// 00 00, which reads back as none).
ToneCode ToneCodeFromText(const QString& text, bool chinese, bool invertedWithoutSuffix = false);

}  // namespace zx
