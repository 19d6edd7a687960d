#include "settings/KeyFunctionCode.h"

#include "core/StringTable.h"

namespace zx {

namespace {

constexpr int kNoneText = 1077;
constexpr int kAutodialText = 1130;  // followed by Key Lock (1131) ... Temporary Delete (1140)

}  // namespace

QStringList KeyFunctionItems()
{
    QStringList items{LoadLangString(kNoneText)};
    for (int position = 1; position < kKeyFunctionCount; ++position)
        items << LoadLangString(kAutodialText + position - 1);
    return items;
}

std::uint8_t KeyFunctionCode(int position)
{
    if (position == 0)
        return 0xFF;
    if (position == 1)
        return 0x00;
    return static_cast<std::uint8_t>(position);
}

std::optional<int> KeyFunctionPosition(std::uint8_t code)
{
    if (code == 0xFF)
        return 0;
    if (code == 0x00)
        return 1;
    if (code < kKeyFunctionCount)
        return code;
    return std::nullopt;
}

}  // namespace zx
