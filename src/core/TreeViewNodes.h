#pragma once
// The tree view navigator's nodes and rules: the root text by model, the
// eight children naming the editor windows, and the double-click rule.
#include <cstdint>
#include <optional>
#include <span>

#include <QString>

namespace zx {

struct TreeNodeEntry {
    const char* key;  // "C1" .. "C8"
    int resourceId;   // caption pair id (also the Window-menu caption of the slot)
    int slot;         // Window-menu slot of the window it opens
};

// The eight children in display order.
std::span<const TreeNodeEntry> TreeNodeTable();

// "ZX-4100 (VHF)" for a band code below 0x0A, "ZX-4100 (UHF)" from 0x0A on,
// for variants F8, F9 and FC; empty for any other variant.
QString TreeRootText(std::uint8_t bandCode, std::uint8_t variant);

// The slot of the first child whose caption in the given language equals the
// text exactly; nothing for any other text (the root's included).
std::optional<int> TreeNodeSlotOfText(const QString& text, bool chinese);

// A double-click opens only after a node click and within 500 ms of the
// latest one.
inline constexpr qint64 kTreeDoubleClickMs = 500;
bool TreeDoubleClickOpens(bool nodeClicked, qint64 elapsedMs);

}  // namespace zx
