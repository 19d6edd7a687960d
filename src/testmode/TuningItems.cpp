#include "testmode/TuningItems.h"

#include <array>

#include "testmode/TuneBandEdges.h"

namespace zx {

namespace {

constexpr std::array<std::uint8_t, 16> kItemCodes = {
    0x00,  // no item 0
    0x12, 0x14, 0x18, 0x17, 0x19, 0x1A, 0x1D, 0x1F, 0x0D, 0x0C, 0x1B, 0x1C, 0x21, 0x23, 0x22,
};

// The Test point's start value: one of the values the radio reported at
// the last Tune step.
using TestValue = std::uint8_t TestModeState::*;

struct BandPointRow {
    int item;
    int captionId;
    TestValue testValue;
    int low, center, high;                   // TuningData addresses
    std::uint8_t lowCode, centerCode, highCode;
    bool ptt;
};

constexpr BandPointRow kBandPointRows[] = {
    {kItemDqtBalance, 1221, &TestModeState::TestValueDqtBalance, 0x18E, 0x18D, 0x18C, 0x65, 0x66, 0x67, true},
    {kItemMaxDeviation, 1223, &TestModeState::TestValueMaxDeviation, 0x192, 0x191, 0x190, 0x24, 0x25, 0x26, true},
    {kItemQtFineDeviation, 1225, &TestModeState::TestValueQtFineDeviation, 0x196, 0x195, 0x194, 0x6A, 0x6B, 0x6C,
     true},
    {kItemDqtFineDeviation, 1227, &TestModeState::TestValueDqtFineDeviation, 0x19A, 0x199, 0x198, 0x6F, 0x70, 0x71,
     true},
    {kItemSensitivity, 1215, &TestModeState::TestValueSensitivity, 0x19F, 0x19E, 0x19D, 0x35, 0x36, 0x37, false},
    {kItemSquelchTight, 1231, &TestModeState::TestValueSquelchTight, 0x1A3, 0x1A2, 0x1A1, 0x75, 0x76, 0x77, false},
    {kItemSquelchOpen, 1233, &TestModeState::TestValueSquelchOpen, 0x1A7, 0x1A6, 0x1A5, 0x72, 0x73, 0x74, false},
};

struct PowerRow {
    int item;
    int captionId;
    TestValue testValue;
    std::array<int, 5> addresses;            // Low, Low', Center, High', High
    std::array<std::uint8_t, 5> codes;
};

constexpr PowerRow kPowerRows[] = {
    {kItemRfHighPower, 1208, &TestModeState::TestValueRfHighPower, {0x185, 0x184, 0x183, 0x182, 0x181},
     {0x30, 0x33, 0x31, 0x34, 0x32}},
    {kItemRfLowPower, 1209, &TestModeState::TestValueRfLowPower, {0x18A, 0x189, 0x188, 0x187, 0x186},
     {0x60, 0x63, 0x61, 0x64, 0x62}},
};

struct SingleValueRow {
    int item;
    bool narrow;
    int captionId;
    int address;
    bool ptt;
};

constexpr SingleValueRow kSingleValueRows[] = {
    {kItemDqtBalance, true, 1222, 0x18B, true},
    {kItemMaxDeviation, true, 1224, 0x18F, true},
    {kItemQtFineDeviation, true, 1226, 0x193, true},
    {kItemDqtFineDeviation, true, 1228, 0x197, true},
    {kItemDtmfFineDeviation, true, 1230, 0x19B, true},
    {kItemDtmfFineDeviation, false, 1229, 0x19C, true},
    {kItemSquelchTight, true, 1232, 0x1A0, false},
    {kItemSquelchOpen, true, 1234, 0x1A4, false},
    {kItemMskFineDeviation, true, 1236, 0x1A8, true},
    {kItemMskFineDeviation, false, 1235, 0x1AA, true},
};

struct MeasuredRow {
    int item;
    int captionId;
    int address;
};

constexpr MeasuredRow kMeasuredRows[] = {
    {kItemBatteryWarningLevel, 1219, 0x1AC},
    {kItemVox1, 1903, 0x1AE},
    {kItemVox10, 1904, 0x1AF},
    {kItemRssi, 1905, 0x1B2},
};

TuningPointSetup TestPoint(const TestModeState& testMode, std::uint8_t code, std::uint8_t value)
{
    TuningPointSetup p;
    p.tabCaptionId = kTabTest;
    p.code = code;
    p.startValue = value;
    const int n = testMode.TestChannelNo;
    if (n >= 1 && n <= kTestChannels) {
        const auto index = static_cast<std::size_t>(n - 1);
        p.rxText = TestPointFrequencyText(testMode.TestFreqList[0][index]);
        p.txText = TestPointFrequencyText(testMode.TestFreqList[1][index]);
    } else {
        p.rxText = TestPointFrequencyText(QString());
        p.txText = p.rxText;
    }
    return p;
}

TuningPointSetup BandPoint(int tabCaptionId, std::uint8_t code, std::uint8_t value, const TunePointFrequency& f)
{
    return {tabCaptionId, code, value, TuneFrequencyText(f.rx), TuneFrequencyText(f.tx)};
}

// Fills the link's configuration from the points.
void LinkFromPoints(TuningSetup& setup)
{
    setup.link.pointCodes.clear();
    setup.link.pointValues.clear();
    for (const TuningPointSetup& p : setup.points) {
        setup.link.pointCodes.push_back(p.code);
        setup.link.pointValues.push_back(p.startValue);
    }
}

// The table's row for tuning item `item` that `fits` also accepts, or null;
// should two fit, the later one.
template <class Row, std::size_t N, class Fits>
const Row* FindRow(const Row (&rows)[N], int item, Fits fits)
{
    const Row* found = nullptr;
    for (const Row& r : rows)
        if (r.item == item && fits(r))
            found = &r;
    return found;
}

template <class Row, std::size_t N>
const Row* FindRow(const Row (&rows)[N], int item)
{
    return FindRow(rows, item, [](const Row&) { return true; });
}

QByteArray TwoBytes(std::uint8_t a, std::uint8_t b)
{
    QByteArray bytes;
    bytes.append(static_cast<char>(a));
    bytes.append(static_cast<char>(b));
    return bytes;
}

}  // namespace

std::uint8_t TuningItemCode(int tuneItem)
{
    if (tuneItem < 1 || tuneItem >= static_cast<int>(kItemCodes.size()))
        return 0;
    return kItemCodes[static_cast<std::size_t>(tuneItem)];
}

TuningDialog TuningDialogFor(int item, bool narrow)
{
    switch (item) {
    case kItemRfHighPower:
    case kItemRfLowPower:
        return TuningDialog::TunningForm1;
    case kItemDtmfFineDeviation:
    case kItemMskFineDeviation:
        return TuningDialog::TunningForm4;
    case kItemSensitivity:
        return TuningDialog::TunningForm3;
    case kItemBatteryWarningLevel:
    case kItemVox1:
    case kItemVox10:
    case kItemRssi:
        return TuningDialog::TunningForm2;
    default:  // DQT Balance .. DQT Fine Deviation, both squelch levels
        return narrow ? TuningDialog::TunningForm4 : TuningDialog::TunningForm3;
    }
}

TuningSetup BandPointSetup(const TestModeState& testMode, const RadioImage& image)
{
    TuningSetup setup;
    const BandPointRow* row = FindRow(kBandPointRows, testMode.TuneItem);
    const auto f = BandPointFrequencies(TuneBandEdges::For(image.modelBandCode()));
    if (row) {
        setup.captionId = row->captionId;
        setup.pttEnabled = row->ptt;
        setup.points = {
            TestPoint(testMode, TuningItemCode(row->item), testMode.*(row->testValue)),
            BandPoint(kTabLow, row->lowCode, image.at(row->low), f[0]),
            BandPoint(kTabCenter, row->centerCode, image.at(row->center), f[1]),
            BandPoint(kTabHigh, row->highCode, image.at(row->high), f[2]),
        };
    } else {
        setup.points = {TestPoint(testMode, 0, 0), BandPoint(kTabLow, 0, 0, f[0]), BandPoint(kTabCenter, 0, 0, f[1]),
                        BandPoint(kTabHigh, 0, 0, f[2])};
    }
    LinkFromPoints(setup);
    setup.link.readValueLength = 4;
    setup.link.replyTimeoutMs = 100;
    const std::uint8_t highCode = setup.points.back().code;
    setup.link.lastCancelCommand = TwoBytes(
        highCode, testMode.TuneItem == kItemSquelchOpen ? TuningLink::kSquelchOpenEnd : TuningLink::kStore);
    return setup;
}

TuningSetup PowerSetup(const TestModeState& testMode, const RadioImage& image)
{
    TuningSetup setup;
    const PowerRow* row = FindRow(kPowerRows, testMode.TuneItem);
    const auto f = PowerPointFrequencies(TuneBandEdges::For(image.modelBandCode()));
    constexpr std::array<int, 5> kTabs = {kTabLow, kTabLowQuarter, kTabCenter, kTabHighQuarter, kTabHigh};
    setup.pttEnabled = true;
    setup.points.push_back(
        TestPoint(testMode, row ? TuningItemCode(row->item) : 0, row ? testMode.*(row->testValue) : 0));
    for (std::size_t i = 0; i < kTabs.size(); ++i) {
        const std::uint8_t code = row ? row->codes[i] : 0;
        const std::uint8_t value = row ? image.at(row->addresses[i]) : 0;
        setup.points.push_back(BandPoint(kTabs[i], code, value, f[i]));
    }
    if (row)
        setup.captionId = row->captionId;
    LinkFromPoints(setup);
    setup.link.readValueLength = 6;
    setup.link.showReadValue = true;
    setup.link.replyTimeoutMs = 100;
    setup.link.lastCancelCommand = TwoBytes(setup.points.back().code, TuningLink::kStore);
    return setup;
}

TuningSetup SingleValueSetup(const TestModeState& testMode, const RadioImage& image)
{
    TuningSetup setup;
    const int item = testMode.TuneItem;
    // Only DTMF and MSK fine deviation have a wide row; the others are
    // opened here in narrow mode only and take their narrow row regardless.
    const bool byWidth = item == kItemDtmfFineDeviation || item == kItemMskFineDeviation;
    const SingleValueRow* row = FindRow(kSingleValueRows, item, [&](const SingleValueRow& r) {
        return !byWidth || r.narrow == testMode.NarrowBandTest;
    });
    if (row) {
        setup.captionId = row->captionId;
        setup.pttEnabled = row->ptt;
    }
    setup.points = {TestPoint(testMode, row ? TuningItemCode(item) : 0, row ? image.at(row->address) : 0)};
    LinkFromPoints(setup);
    setup.link.readValueLength = 0;
    setup.link.replyTimeoutMs = 100;
    return setup;
}

TuningSetup MeasuredValueSetup(const TestModeState& testMode, const RadioImage& image)
{
    TuningSetup setup;
    const MeasuredRow* row = FindRow(kMeasuredRows, testMode.TuneItem);
    if (row)
        setup.captionId = row->captionId;
    setup.pttEnabled = false;  // no PTT button: its place is the Start button
    setup.points = {TestPoint(testMode, row ? TuningItemCode(row->item) : 0, row ? image.at(row->address) : 0)};
    LinkFromPoints(setup);
    setup.link.readValueLength = 0;
    setup.link.replyTimeoutMs = 200;
    setup.link.measured = true;
    // The radio never reports its RSSI value in test mode: the start value
    // is whatever the image held, and sending it back would overwrite the
    // radio's alignment with it.
    setup.link.storeOnlyMeasured = testMode.TuneItem == kItemRssi;
    return setup;
}

}  // namespace zx
