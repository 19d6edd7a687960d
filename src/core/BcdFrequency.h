#pragma once
// BcdFrequency: a frequency in 10 Hz units as eight packed BCD digits in four
// bytes, least significant digit pair first (146.12500 MHz = 00 25 61 14).
// Frequencies are carried as integers of 10 Hz units, never as floating point.
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include <QString>

namespace zx::BcdFrequency {

inline constexpr qint64 kUnitsPerMHz = 100000;

// The four bytes of `tensOfHz` (0..99,999,999).
std::array<std::uint8_t, 4> Encode(qint64 tensOfHz);

// The value of four BCD bytes. Nibbles above 9 are read as their value (the
// radio never writes them, but a garbled image must still read as something).
qint64 Decode(std::span<const std::uint8_t> bytes);

bool IsEmpty(std::span<const std::uint8_t> bytes);

// "000.00000": three digits of MHz with leading zeros, a point, five decimals.
QString ToText(qint64 tensOfHz);

// Parses a decimal MHz text ("146.125", "146.12500", ".5"): the value rounded
// half-to-even to whole 10 Hz units, or nothing when it is not a number.
std::optional<qint64> FromText(const QString& text);

}  // namespace zx::BcdFrequency
