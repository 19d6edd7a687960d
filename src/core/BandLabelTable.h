#pragma once
// The bands the model dialog offers, by class (0 VHF, 1 UHF) and list
// position, with the band code its OK writes into the image.
#include <cstdint>
#include <span>

#include <QStringList>

namespace zx {

struct BandLabel {
    int modelIndex;     // position in cboModelType
    int bandIndex;      // position in cboFreq
    const char* label;  // "136-174MHz"
    std::uint8_t bandCode;
};

// In list order: the VHF bands, then the UHF bands.
std::span<const BandLabel> BandLabelTable();

// "VHF", "UHF".
QStringList ModelClassNames();
// The labels of one class, in list order.
QStringList BandLabelsOfClass(int modelIndex);

struct BandPosition {
    int modelIndex;
    int bandIndex;
};
// The row of a band code; a code outside the table gives UHF, position 3
// ("400-480MHz").
BandPosition BandPositionOfCode(std::uint8_t bandCode);
// The code of a position; 0xFF when no row has it.
std::uint8_t BandCodeAt(int modelIndex, int bandIndex);

}  // namespace zx
