#pragma once
// What each programmable side key does, as one byte per key: the twelve
// functions of the key lists, by list position. The stored code equals the
// position but for the first two: None is 0xFF and Autodial 0x00. A stored
// 0x01 also reads as Autodial; 0x01 itself is never written.
#include <cstdint>
#include <optional>

#include <QStringList>

namespace zx {

inline constexpr int kKeyFunctionCount = 12;

// The list entries in the language in force, by list position.
QStringList KeyFunctionItems();
// The byte a list position stores (0..11).
std::uint8_t KeyFunctionCode(int position);
// The list position a stored byte selects; nothing for 0x0C..0xFE, which
// name no function.
std::optional<int> KeyFunctionPosition(std::uint8_t code);

}  // namespace zx
