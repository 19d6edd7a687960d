#include "testmode/TuningItems.h"

#include <array>

namespace zx {

namespace {

struct ItemEntry {
    std::uint8_t code;
    TuningDialog wide;
    TuningDialog narrow;
};

constexpr TuningDialog kPower = TuningDialog::TunningForm1;
constexpr TuningDialog kMeasured = TuningDialog::TunningForm2;
constexpr TuningDialog kBandPoints = TuningDialog::TunningForm3;
constexpr TuningDialog kSingle = TuningDialog::TunningForm4;

constexpr std::array<ItemEntry, kTuningItemCount> kItems{{
    {0x12, kPower, kPower},            // RF High Power
    {0x14, kPower, kPower},            // RF Low Power
    {0x18, kBandPoints, kSingle},      // DQT Balance
    {0x17, kBandPoints, kSingle},      // Max Deviation
    {0x19, kBandPoints, kSingle},      // QT Fine Deviation
    {0x1A, kBandPoints, kSingle},      // DQT Fine Deviation
    {0x1D, kSingle, kSingle},          // DTMF Fine Deviation
    {0x1F, kBandPoints, kBandPoints},  // Sensitivity
    {0x0D, kBandPoints, kSingle},      // Squelch(Tight)
    {0x0C, kBandPoints, kSingle},      // Squelch(Open)
    {0x1B, kSingle, kSingle},          // MSK Fine Deviation
    {0x1C, kMeasured, kMeasured},      // Battery Warning Level
    {0x21, kMeasured, kMeasured},      // VOX1
    {0x23, kMeasured, kMeasured},      // VOX10
    {0x22, kMeasured, kMeasured},      // RSSI
}};

bool Valid(int item)
{
    return item >= 1 && item <= kTuningItemCount;
}

}  // namespace

std::uint8_t TuningItemCode(int item)
{
    return Valid(item) ? kItems[static_cast<std::size_t>(item - 1)].code : 0;
}

TuningDialog TuningDialogFor(int item, bool narrow)
{
    if (!Valid(item))
        return kBandPoints;
    const ItemEntry& e = kItems[static_cast<std::size_t>(item - 1)];
    return narrow ? e.narrow : e.wide;
}

}  // namespace zx
