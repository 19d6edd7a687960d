#pragma once
// The DTMF decode settings as rules over the image: the ID code and the stun
// code with their checks, the three lists, the clear box, the stun type and
// the auto reset timer. Loading only reads; each commit says what it writes.
#include <cstdint>
#include <optional>

#include <QString>

#include "core/RadioImage.h"
#include "signalling/SpinState.h"

namespace zx {

inline constexpr int kDtmfCodeMaxLength = 10;
inline constexpr int kDtmfCodeMinLength = 3;

// ID code (0x120-0x129): the digits from 0x120 on, up to the first byte that
// is no digit.
QString LoadIdCode(const RadioImage& image);
// Stun code (0x1F0-0x1F9): every byte up to the first FF.
QString LoadStunCode(const RadioImage& image);

// A typed ID code is refused below three digits, the empty text included.
bool IdCodeRefused(const QString& text);
// A typed stun code is refused with one or two characters; empty is allowed.
bool StunCodeRefused(const QString& text);
// Writes a code as ten bytes: its characters, then FF (an empty code is ten
// FF); never more than ten bytes.
void WriteIdCode(RadioImage& image, const QString& text);
void WriteStunCode(RadioImage& image, const QString& text);

// The lists: a byte to its list position (-1: no selection) and a position
// to the byte a commit writes (nothing: the commit writes nothing).
int GroupCodePosition(std::uint8_t byte);
std::optional<std::uint8_t> GroupCodeByte(int position);
int CallAlertPosition(std::uint8_t byte);
std::optional<std::uint8_t> CallAlertByte(int position);
int TranspondPosition(std::uint8_t byte);
std::uint8_t TranspondByte(int position);  // no selection: FF
int StunTypePosition(std::uint8_t byte);    // FF: "TX Inhibit"
std::optional<std::uint8_t> StunTypeByte(int position);

// Clear to transpond: ticked unless 0 or FF.
bool ClearToTranspondTicked(std::uint8_t byte);
// DTMF side tone: ticked unless 0.
bool DtmfSideToneTicked(std::uint8_t byte);

// Auto reset timer (0x117): 0 "Off", 1-15 seconds; up-down 0..15.
inline constexpr int kAutoResetMaximum = 15;
QString AutoResetDisplay(int value);
SpinState AutoResetLoad(std::uint8_t byte);
// The commit: 15 or more stores 15 shown "15"; 0 shows "Off"; 1-14 keep
// the typed text. The value is what 0x117 gets.
SpinState AutoResetCommit(const QString& text);

}  // namespace zx
