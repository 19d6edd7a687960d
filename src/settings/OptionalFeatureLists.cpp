#include "settings/OptionalFeatureLists.h"

#include "core/StringTable.h"

namespace zx {

QStringList OptionalListItems(OptionalList list)
{
    switch (list) {
    case OptionalList::MicSensitivity: return {LoadLangString(1120), LoadLangString(1090)};
    // English before Chinese, while the codes run 1 Chinese, 2 English.
    case OptionalList::VoiceAnnunciation: return {LoadLangString(1085), LoadLangString(1121), LoadLangString(1122)};
    case OptionalList::VoxDelayTime:
        return {QStringLiteral("0.3"), QStringLiteral("0.5"), QStringLiteral("1"),
                QStringLiteral("1.5"), QStringLiteral("2"),   QStringLiteral("3")};
    }
    return {};
}

int OptionalListPosition(OptionalList list, std::uint8_t stored)
{
    switch (list) {
    case OptionalList::MicSensitivity: return stored <= 1 ? stored : -1;
    case OptionalList::VoiceAnnunciation:
        switch (stored) {
        case 0: return 0;
        case 1: return 2;
        case 2: return 1;
        default: return -1;
        }
    case OptionalList::VoxDelayTime:
        if (stored == 0xFF)
            return -1;
        return stored <= 5 ? stored : 0;  // a byte past the table shows the first entry
    }
    return -1;
}

std::optional<std::uint8_t> OptionalListCode(OptionalList list, int position)
{
    switch (list) {
    case OptionalList::MicSensitivity:
    case OptionalList::VoxDelayTime:
        return position < 0 ? std::uint8_t{0xFF} : static_cast<std::uint8_t>(position);
    case OptionalList::VoiceAnnunciation:
        if (position < 0)
            return std::nullopt;
        return static_cast<std::uint8_t>(position == 1 ? 2 : position == 2 ? 1 : 0);
    }
    return std::nullopt;
}

}  // namespace zx
