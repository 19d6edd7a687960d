#include "core/BandLabelTable.h"

namespace zx {

namespace {
constexpr BandLabel kBands[] = {
    {0, 0, "136-174MHz", 0x01}, {0, 1, "136-150MHz", 0x02}, {0, 2, "150-174MHz", 0x03},
    {0, 3, "245-265MHz", 0x04}, {1, 0, "350-390MHz", 0x73}, {1, 1, "350-370MHz", 0x53},
    {1, 2, "370-390MHz", 0x63}, {1, 3, "400-480MHz", 0x21}, {1, 4, "400-440MHz", 0x43},
    {1, 5, "440-480MHz", 0x33}, {1, 6, "460-520MHz", 0x83},
};
constexpr BandPosition kFallback{1, 3};
}  // namespace

std::span<const BandLabel> BandLabelTable() { return kBands; }

QStringList ModelClassNames() { return {QStringLiteral("VHF"), QStringLiteral("UHF")}; }

QStringList BandLabelsOfClass(int modelIndex)
{
    QStringList labels;
    for (const BandLabel& b : kBands)
        if (b.modelIndex == modelIndex)
            labels << QString::fromLatin1(b.label);
    return labels;
}

BandPosition BandPositionOfCode(std::uint8_t bandCode)
{
    for (const BandLabel& b : kBands)
        if (b.bandCode == bandCode)
            return {b.modelIndex, b.bandIndex};
    return kFallback;
}

std::uint8_t BandCodeAt(int modelIndex, int bandIndex)
{
    for (const BandLabel& b : kBands)
        if (b.modelIndex == modelIndex && b.bandIndex == bandIndex)
            return b.bandCode;
    return 0xFF;
}

}  // namespace zx
