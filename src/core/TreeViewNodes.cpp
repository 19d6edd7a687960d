#include "core/TreeViewNodes.h"

#include "core/StringTable.h"

namespace zx {

namespace {
constexpr TreeNodeEntry kNodes[] = {
    {"C1", 1195, 0}, {"C2", 1041, 1}, {"C3", 1042, 2}, {"C4", 1043, 3},
    {"C5", 1044, 4}, {"C6", 1045, 5}, {"C7", 1046, 6}, {"C8", 1047, 7},
};
}  // namespace

std::span<const TreeNodeEntry> TreeNodeTable() { return kNodes; }

QString TreeRootText(std::uint8_t bandCode, std::uint8_t variant)
{
    if (variant != 0xF8 && variant != 0xF9 && variant != 0xFC)
        return {};
    return bandCode < 10 ? QStringLiteral("ZX-4100 (VHF)") : QStringLiteral("ZX-4100 (UHF)");
}

std::optional<int> TreeNodeSlotOfText(const QString& text, bool chinese)
{
    for (const TreeNodeEntry& node : kNodes)
        if (text == LoadLangString(node.resourceId, chinese))
            return node.slot;
    return std::nullopt;
}

bool TreeDoubleClickOpens(bool nodeClicked, qint64 elapsedMs)
{
    return nodeClicked && elapsedMs >= 0 && elapsedMs < kTreeDoubleClickMs;
}

}  // namespace zx
