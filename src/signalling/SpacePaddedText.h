#pragma once
// SpacePaddedText: the 16-byte text of an autodial memory. Empty is sixteen
// FF bytes; a text is its characters' codes followed by spaces up to the
// 16th byte. A reader drops every space wherever it stands and reads on past
// FF bytes; only a first byte FF means empty.
#include <array>
#include <cstdint>
#include <span>

#include <QString>

namespace zx {

inline constexpr int kSpacePaddedTextSize = 16;

using SpacePaddedBytes = std::array<std::uint8_t, kSpacePaddedTextSize>;

QString SpacePaddedTextFromBytes(std::span<const std::uint8_t> bytes);
// The first 16 characters of the text; a character without a one-byte code
// ends the text there.
SpacePaddedBytes SpacePaddedTextBytes(const QString& text);

}  // namespace zx
