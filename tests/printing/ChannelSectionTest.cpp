// The channel section: the block of every programmed channel and how each
// record byte becomes text; the report decodes into registers of its own.
#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"

namespace zx::test {
namespace {

using namespace layout;

// A channel at 146.125 MHz RX and TX, no tones, flags 00 / 30, PTT ID B0,
// autodial 1, with record bytes replaced as hex after it.
constexpr const char* kPlainRecord = "0025611400256114ffffffff0030b0f8";

struct Block {
    QStringList left;   // values at column 35, lines b + 14 .. b + 21
    QStringList right;  // values at column 105, lines b + 14 .. b + 20
};

Block BlockOf(const ReportRun& run, int page, int slot)
{
    Block block;
    const int b = 11 * slot;
    for (int line = 14; line <= 21; ++line)
        block.left << run.At(page, 35, b + line);
    for (int line = 14; line <= 20; ++line)
        block.right << run.At(page, 105, b + line);
    return block;
}

Block PrintOne(const char* record, std::vector<std::pair<int, const char*>> writes = {}, bool chinese = false)
{
    RadioImage image = DefaultUhf();
    image.write(ChannelRecord(1), QByteArray::fromHex(record));
    for (const auto& [address, hex] : writes)
        image.write(address, QByteArray::fromHex(hex));
    const auto run = RunReport(InputFor(image, {7}, chinese));
    EXPECT_FALSE(run->failure) << (run->failure ? run->failure->description.toStdString() : "");
    return BlockOf(*run, 1, 0);
}

TEST(ChannelSection, BlockHasNineLinesOfLabelsAndValues)
{
    RadioImage image = DefaultUhf();
    image.write(ChannelRecord(3), QByteArray::fromHex("0025611400256114132875030930b2fc"));
    image.set(ScanAddBits, 0x04);
    image.set(PttIdType, 0x01);
    const auto run = RunReport(InputFor(image, {7}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(run->At(0, 13), "Channel3");
    QStringList leftLabels, rightLabels;
    for (int line = 14; line <= 21; ++line)
        leftLabels << run->At(4, line);
    for (int line = 14; line <= 20; ++line)
        rightLabels << run->At(70, line);
    EXPECT_EQ(leftLabels, QStringList({"RX Frequency[MHz]", "TX Frequency[MHz]", "QT/DQT Decode", "QT/DQT Encode",
                                       "Option Signalling", "SP Unmute", "TX Power", "Wide/Narrow"}));
    EXPECT_EQ(rightLabels, QStringList({"Busy Channel Lockout", "PTT ID Type", "Autodial Memory", "Beat Shift",
                                        "Scan Add", "Priority Channel", "Compander"}));
    const Block block = BlockOf(*run, 1, 0);
    // Flags A 09: compander, busy lockout Carrier, SP unmute 0 with a decode
    // tone; flags B 30: wide, high power, no beat shift.
    EXPECT_EQ(block.left, QStringList({"146.12500", "146.12500", "D023N", "88.5", "None", "QT/DQT", "High", "Wide"}));
    EXPECT_EQ(block.right,
              QStringList({"Carrier", "Fleet List 1", "5", "Disabled", "Enabled", "Disabled", "Enabled"}));
    EXPECT_EQ(run->At(70, 21), "<nothing>");
}

struct ChannelCase {
    const char* name;
    const char* record;
    std::vector<std::pair<int, const char*>> writes;
    bool left;  // value column
    int row;    // 0 = line b + 14
    const char* text;
    bool chinese = false;
};

void PrintTo(const ChannelCase& c, std::ostream* os) { *os << c.name; }

class ChannelValues : public ::testing::TestWithParam<ChannelCase> {};

TEST_P(ChannelValues, PrintTheirText)
{
    const ChannelCase& c = GetParam();
    const Block block = PrintOne(c.record, c.writes, c.chinese);
    EXPECT_EQ((c.left ? block.left : block.right).value(c.row), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Records, ChannelValues,
    ::testing::Values(
        ChannelCase{"RxOnlyHasEmptyTx", "00256114ffffffffffffffff0030b0f8", {}, true, 1, ""},
        ChannelCase{"RxLastByteFFReadsZero", "002561ff00256114ffffffff0030b0f8", {}, true, 0, "000.00000"},
        ChannelCase{"DecodeDqtNormal", "0025611400256114132875030030b0f8", {}, true, 2, "D023N"},
        ChannelCase{"EncodeQt885", "0025611400256114132875030030b0f8", {}, true, 3, "88.5"},
        ChannelCase{"DecodeQt670", "00256114002561149e0213a80030b0f8", {}, true, 2, "67.0"},
        ChannelCase{"EncodeDqtInverted", "00256114002561149e0213a80030b0f8", {}, true, 3, "D023I"},
        ChannelCase{"DecodeNone", "0025611400256114ffffec290030b0f8", {}, true, 2, "None"},
        ChannelCase{"EncodeD754N", "0025611400256114ffffec290030b0f8", {}, true, 3, "D754N"},
        ChannelCase{"QtHundred", "0025611400256114e803ffff0030b0f8", {}, true, 2, "100.0"},
        ChannelCase{"QtFiveDigits", "00256114002561140040ffff0030b0f8", {}, true, 2, "?0040"},
        ChannelCase{"Flags00SpMuteCarrier", kPlainRecord, {}, true, 5, "Carrier"},
        ChannelCase{"Flags00BusyOff", kPlainRecord, {}, false, 0, "Off"},
        ChannelCase{"Flags00SignallingNone", kPlainRecord, {}, true, 4, "None"},
        ChannelCase{"Flags00CompanderDisabled", kPlainRecord, {}, false, 6, "Disabled"},
        ChannelCase{"Flags00WithToneSpMuteQtDqt", "00256114002561149e02ffff0030b0f8", {}, true, 5, "QT/DQT"},
        ChannelCase{"FlagsFFSignallingNone", "0025611400256114ffffffffff30b0f8", {}, true, 4, "None"},
        ChannelCase{"FlagsFFBusyOptionSignalling", "0025611400256114ffffffffff30b0f8", {}, false, 0,
                    "Option Signalling"},
        ChannelCase{"FlagsFFSpMuteEmpty", "0025611400256114ffffffffff30b0f8", {}, true, 5, ""},
        ChannelCase{"FlagsFFCompanderEnabled", "0025611400256114ffffffffff30b0f8", {}, false, 6, "Enabled"},
        ChannelCase{"SignallingDtmf", "0025611400256114ffffffff0230b0f8", {}, true, 4, "DTMF"},
        ChannelCase{"SignallingFleetSync", "0025611400256114ffffffff0430b0f8", {}, true, 4, "FleetSync"},
        ChannelCase{"BusyQtDqt", "0025611400256114ffffffff1030b0f8", {}, false, 0, "QT/DQT"},
        ChannelCase{"SpMuteCarrierOrOptSig", "0025611400256114ffffffff4030b0f8", {}, true, 5, "Carrier or Opt.Sig."},
        ChannelCase{"SpMuteQtDqtAndOptSig", "00256114002561149e02ffff2030b0f8", {}, true, 5, "QT/DQT + Opt.Sig."},
        ChannelCase{"NarrowLow", "0025611400256114ffffffff0000b0f8", {}, true, 7, "Narrow"},
        ChannelCase{"PowerLow", "0025611400256114ffffffff0000b0f8", {}, true, 6, "Low"},
        ChannelCase{"BeatShift", "0025611400256114ffffffff0040b0f8", {}, false, 3, "Enabled"},
        ChannelCase{"FleetSyncB0Off", kPlainRecord, {{PttIdType, "01"}}, false, 1, "Off"},
        ChannelCase{"FleetSyncB1Own", "0025611400256114ffffffff0030b1f8", {{PttIdType, "01"}}, false, 1, "Own"},
        ChannelCase{"FleetSyncB2List1", "0025611400256114ffffffff0030b2f8", {{PttIdType, "01"}}, false, 1,
                    "Fleet List 1"},
        ChannelCase{"FleetSyncB9List8", "0025611400256114ffffffff0030b9f8", {{PttIdType, "01"}}, false, 1,
                    "Fleet List 8"},
        ChannelCase{"FleetSyncBAOff", "0025611400256114ffffffff0030baf8", {{PttIdType, "01"}}, false, 1, "Off"},
        ChannelCase{"DtmfB0Off", kPlainRecord, {}, false, 1, "Off"},
        ChannelCase{"DtmfB1On", "0025611400256114ffffffff0030b1f8", {}, false, 1, "On"},
        ChannelCase{"DtmfB4AsTheListReadsIt", "0025611400256114ffffffff0030b4f8", {}, false, 1, "On"},
        ChannelCase{"DtmfOtherByte", "0025611400256114ffffffff0030fff8", {}, false, 1, "?FF"},
        ChannelCase{"AutodialF8", kPlainRecord, {}, false, 2, "1"},
        ChannelCase{"AutodialFF", "0025611400256114ffffffff0030b0ff", {}, false, 2, "8"},
        ChannelCase{"ScanAddSet", kPlainRecord, {{ScanAddBits, "01"}}, false, 4, "Enabled"},
        ChannelCase{"ScanAddClear", kPlainRecord, {{ScanAddBits, "fe"}}, false, 4, "Disabled"},
        ChannelCase{"PriorityNone", kPlainRecord, {{PriorityChannel, "ff"}}, false, 5, "Disabled"},
        ChannelCase{"NoneChinese", kPlainRecord, {}, true, 2, "无", true}));

TEST(ChannelSection, PriorityChannelFiveIsEnabledInChannelFivesBlockOnly)
{
    RadioImage image = DefaultUhf();
    for (int n : {4, 5, 6})
        image.write(ChannelRecord(n), QByteArray::fromHex(kPlainRecord));
    image.set(PriorityChannel, 5);
    const auto run = RunReport(InputFor(image, {7}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(BlockOf(*run, 1, 0).right.value(5), "Disabled");
    EXPECT_EQ(BlockOf(*run, 1, 1).right.value(5), "Enabled");
    EXPECT_EQ(BlockOf(*run, 1, 2).right.value(5), "Disabled");
}

TEST(ChannelSection, ScanAddBitsOfChannelsEightAndNine)
{
    RadioImage image = DefaultUhf();
    for (int n : {8, 9})
        image.write(ChannelRecord(n), QByteArray::fromHex(kPlainRecord));
    image.set(ScanAddBits, 0x80);      // channel 8
    image.set(ScanAddBitsHigh, 0x00);  // channel 9 clear
    auto run = RunReport(InputFor(image, {7}));
    EXPECT_EQ(BlockOf(*run, 1, 0).right.value(4), "Enabled");
    EXPECT_EQ(BlockOf(*run, 1, 1).right.value(4), "Disabled");
    image.set(ScanAddBits, 0x7F);
    image.set(ScanAddBitsHigh, 0x01);
    run = RunReport(InputFor(image, {7}));
    EXPECT_EQ(BlockOf(*run, 1, 0).right.value(4), "Disabled");
    EXPECT_EQ(BlockOf(*run, 1, 1).right.value(4), "Enabled");
}

TEST(ChannelSection, AQtToneBeyondSixteenSignedBitsEndsTheReport)
{
    RadioImage image = DefaultUhf();
    image.write(ChannelRecord(2), QByteArray::fromHex("0025611400256114ffff10800030b0f8"));
    const auto run = RunReport(InputFor(image, {7}));
    ASSERT_TRUE(run->failure);
    EXPECT_EQ(run->failure->description, "Channel2 QT/DQT Encode: 10 80");
    EXPECT_TRUE(run->page.aborted());
}

TEST(ChannelSection, LeavesTheCoresChannelRegistersAndRecordCopyAlone)
{
    AppCore core;
    core.image = DefaultUhf();
    core.image.write(ChannelRecord(3), QByteArray::fromHex("0025611400256114132875030930b2fc"));
    core.image.write(ChannelRecord(7), QByteArray::fromHex("00256114002561149e0213a80030b0f8"));
    core.CopyChannelRecords();
    core.channelRegisters.ChRxFreq = QStringLiteral("146.12500");
    core.channelRegisters.ChDecode = QStringLiteral("D023N");
    core.channelRegisters.ChEncode = QStringLiteral("88.5");
    const ChannelRegisters registersBefore = core.channelRegisters;
    const auto chDataBefore = core.ChData;
    core.ChData[6][8] = 0x55;  // a copy that differs from the image stays as it is
    const auto chDataMarked = core.ChData;

    const auto run = RunReport(InputFor(core.image, {7}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(BlockOf(*run, 1, 1).left.value(2), "67.0");
    EXPECT_EQ(core.channelRegisters, registersBefore);
    EXPECT_EQ(core.ChData, chDataMarked);
    (void)chDataBefore;
}

}  // namespace
}  // namespace zx::test
