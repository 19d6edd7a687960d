#include <gtest/gtest.h>

#include "ChannelTestSupport.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelGridLayout.h"
#include "channels/FrequencyEntry.h"
#include "channels/GridCommit.h"
#include "channels/ToneEntry.h"
#include "core/AppCore.h"

using namespace zx;
using zx::test::Hex;

namespace {

TEST(GridBandTable, LimitsByBandCode)
{
    struct Case {
        std::uint8_t code;
        int lower, upper;
    };
    const Case cases[] = {{0x01, 136, 174}, {0x02, 136, 150}, {0x03, 150, 174}, {0x04, 245, 265},
                          {0x21, 400, 480}, {0x33, 440, 480}, {0x43, 400, 440}, {0x63, 370, 390},
                          {0x53, 350, 370}, {0x73, 350, 390}, {0x83, 460, 512}, {0x00, 400, 480},
                          {0x20, 400, 480}, {0x41, 400, 480}, {0x70, 400, 480}, {0xF0, 400, 480}};
    for (const Case& c : cases) {
        const GridBand band = GridBandTable(c.code);
        EXPECT_EQ(band.lower, c.lower * 100000LL) << int(c.code);
        EXPECT_EQ(band.upper, c.upper * 100000LL) << int(c.code);
    }
}

TEST(GridBandTable, GetBandLimitsSetsTheCoreLimits)
{
    AppCore core;
    core.image.setModelBandCode(0x00);
    GetBandLimits(core);
    EXPECT_EQ(core.BandLowerMHz, 400);
    EXPECT_EQ(core.BandUpperMHz, 480);
    core.image.setModelBandCode(0x83);
    GetBandLimits(core);
    EXPECT_EQ(core.BandLowerMHz, 460);
    EXPECT_EQ(core.BandUpperMHz, 512);
}

struct SnapCase {
    const char* typed;
    int lower, upper;
    const char* committed;
    bool outOfRange;
};

class Snap : public ::testing::TestWithParam<SnapCase> {};

TEST_P(Snap, ClampsAndMovesOntoTheRaster)
{
    const SnapCase c = GetParam();
    const SnappedFrequency result = SnapFrequency(QString::fromLatin1(c.typed), c.lower, c.upper);
    EXPECT_EQ(result.text, QString::fromLatin1(c.committed)) << c.typed;
    EXPECT_EQ(result.outOfRange, c.outOfRange) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Band01And21, Snap,
    ::testing::Values(SnapCase{"146.1025", 136, 174, "146.10000", false},  // equal distance: 6.25 kHz wins
                      SnapCase{"146.0025", 136, 174, "146.00000", false},
                      SnapCase{"146.003", 136, 174, "146.00500", false},
                      SnapCase{"146.128", 136, 174, "146.13000", false},
                      SnapCase{"146.12", 136, 174, "146.12000", false},
                      SnapCase{"146", 136, 174, "146.00000", false},
                      SnapCase{"146.00625", 136, 174, "146.00625", false},
                      SnapCase{"174", 136, 174, "174.00000", false},
                      SnapCase{"136", 136, 174, "136.00000", false},
                      SnapCase{"174.00001", 136, 174, "174.00000", true},
                      SnapCase{"135.99999", 136, 174, "136.00000", true},
                      SnapCase{".", 136, 174, "136.00000", true},
                      SnapCase{"1.2.3", 136, 174, "136.00000", true},
                      SnapCase{"146.1.5", 136, 174, "146.10000", false},  // a second point ends the number
                      SnapCase{"999999999", 136, 174, "174.00000", true},
                      SnapCase{"450.0125", 400, 480, "450.01250", false},
                      SnapCase{"450.0030", 400, 480, "450.00500", false}));

TEST(RangeMessage, TextsInBothLanguages)
{
    EXPECT_EQ(RangeMessageText(false), QStringLiteral("Frequency is out of range."));
    EXPECT_EQ(RangeMessageTitle(false), QStringLiteral("Caution"));
    EXPECT_EQ(RangeMessageText(true), QStringLiteral("频率超出范围。"));
    EXPECT_EQ(RangeMessageTitle(true), QStringLiteral("注意"));
}

struct ToneEntryCase {
    const char* typed;
    const char* committed;
};

class ToneNormalise : public ::testing::TestWithParam<ToneEntryCase> {};

TEST_P(ToneNormalise, GivesACodeOfTheToneForm)
{
    const ToneEntryCase c = GetParam();
    EXPECT_EQ(NormaliseToneText(QString::fromUtf8(c.typed), false), QString::fromUtf8(c.committed)) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Typed, ToneNormalise,
    ::testing::Values(ToneEntryCase{"", "None"}, ToneEntryCase{"None", "None"}, ToneEntryCase{"D", "D000N"},
                      ToneEntryCase{"D023", "D023N"}, ToneEntryCase{"D023I", "D023I"},
                      ToneEntryCase{"D023N", "D023N"}, ToneEntryCase{"D8.5N", "D705N"},
                      ToneEntryCase{"D9999", "D777N"}, ToneEntryCase{"D0239", "D023N"},
                      ToneEntryCase{"D23", "D023N"}, ToneEntryCase{"D23N", "D023N"},
                      ToneEntryCase{"D23I", "D023I"}, ToneEntryCase{"D2", "D002N"}, ToneEntryCase{"DI", "D000I"},
                      ToneEntryCase{"N", "67.0"}, ToneEntryCase{"I", "67.0"}, ToneEntryCase{"88.57", "88.5"},
                      ToneEntryCase{"66.99", "67.0"}, ToneEntryCase{"67", "67.0"}, ToneEntryCase{"300", "254.1"},
                      ToneEntryCase{"254.1", "254.1"}, ToneEntryCase{"254.19", "254.1"},
                      ToneEntryCase{"100", "100.0"}, ToneEntryCase{"88.6", "88.6"}, ToneEntryCase{".", "67.0"},
                      // The other language's None word is no None word here.
                      ToneEntryCase{"无", "67.0"}));

TEST(ToneNormalise, NoneWordOfTheLanguage)
{
    EXPECT_EQ(NormaliseToneText(QString(), true), QStringLiteral("无"));
    EXPECT_EQ(NormaliseToneText(QStringLiteral("无"), true), QStringLiteral("无"));
    EXPECT_EQ(NormaliseToneText(QStringLiteral("None"), true), QStringLiteral("67.0"));
}

class GridCommitTest : public zx::test::VhfCoreTest {};

TEST_F(GridCommitTest, FirstRxOfAChannelCreatesItWithDefaults)
{
    core.channelRegisters = ChannelRegisters{};  // an empty row, as loaded for the edit
    const FrequencyCommit commit = CommitGridFrequency(core, 4, 1, QStringLiteral("146.1025"), QString());
    EXPECT_FALSE(commit.outOfRange);
    EXPECT_TRUE(commit.inBand);
    EXPECT_EQ(commit.committed, QStringLiteral("146.10000"));
    EXPECT_EQ(core.BandLowerMHz, 136);
    EXPECT_EQ(core.BandUpperMHz, 174);
    EXPECT_EQ(core.channelRegisters.Columns(),
              (ChannelColumns{"146.10000", "", "None", "None", "High", "Wide", "Yes", "None", "Off"}));
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 4)), "00 00 61 14 FF FF FF FF FF FF FF FF 80 BF B0 F8");
    EXPECT_EQ(core.ChData[3], ReadChannelRecord(core.image, 4));
}

TEST_F(GridCommitTest, OutOfBandRxTakesTheLimitAndAsksForTheMessage)
{
    core.channelRegisters = ChannelRegisters{};
    const FrequencyCommit commit = CommitGridFrequency(core, 1, 1, QStringLiteral("174.00001"), QString());
    EXPECT_TRUE(commit.outOfRange);
    EXPECT_FALSE(commit.inBand);
    EXPECT_EQ(commit.committed, QStringLiteral("174.00000"));
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 1)).left(11), "00 00 40 17");
}

TEST_F(GridCommitTest, EmptiedCellsClearTheChannelOrItsTx)
{
    core.channelRegisters = ChannelRegisters{};
    CommitGridFrequency(core, 2, 1, QStringLiteral("146.125"), QString());
    CommitGridFrequency(core, 2, 2, QStringLiteral("146.7"), QString());
    CommitGridTone(core, 2, 4, QStringLiteral("88.57"), QStringLiteral("None"));
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 2)).left(35), "00 25 61 14 00 00 67 14 FF FF 75 03");

    const FrequencyCommit tx = CommitGridFrequency(core, 2, 2, QString(), QStringLiteral("146.70000"));
    EXPECT_FALSE(tx.cleared);
    EXPECT_EQ(core.channelRegisters.ChEncode, QStringLiteral("None"));
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 2)).left(35), "00 25 61 14 FF FF FF FF FF FF FF FF");

    const FrequencyCommit rx = CommitGridFrequency(core, 2, 1, QString(), QStringLiteral("146.12500"));
    EXPECT_TRUE(rx.cleared);
    EXPECT_EQ(ReadChannelRecord(core.image, 2), EmptyChannelRecord());
    EXPECT_EQ(core.channelRegisters.Columns(), ChannelColumns{});
}

TEST_F(GridCommitTest, ToneCommitNormalisesAndEncodes)
{
    core.channelRegisters = ChannelRegisters{};
    CommitGridFrequency(core, 5, 1, QStringLiteral("150"), QString());
    EXPECT_EQ(CommitGridTone(core, 5, 3, QStringLiteral("D9999"), QStringLiteral("None")), QStringLiteral("D777N"));
    EXPECT_EQ(core.channelRegisters.ChDecode, QStringLiteral("D777N"));
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 5)).mid(24, 5), "FF 29");
    EXPECT_EQ(CommitGridTone(core, 5, 5, QStringLiteral("D1"), QStringLiteral("High")), QStringLiteral("D1"));
    EXPECT_EQ(core.channelRegisters.ChTxPower, QStringLiteral("High"));
}

TEST_F(GridCommitTest, ListPickGoesIntoTheRegistersAndIsEncodedOnCommit)
{
    core.channelRegisters = ChannelRegisters{};
    CommitGridFrequency(core, 5, kRxFreqColumn, QStringLiteral("150"), QString());
    const ChannelRecordBytes before = ReadChannelRecord(core.image, 5);

    EXPECT_FALSE(PickGridListEntry(core, kTxFreqColumn, QStringLiteral("Low")));
    EXPECT_TRUE(PickGridListEntry(core, kTxPowerColumn, QStringLiteral("Low")));
    EXPECT_EQ(core.channelRegisters.ChTxPower, QStringLiteral("Low"));
    EXPECT_EQ(ReadChannelRecord(core.image, 5), before) << "nothing is written before the commit";
    // Without a TX frequency the encode tone stays None whatever was picked.
    EXPECT_TRUE(PickGridListEntry(core, kEncodeColumn, QStringLiteral("88.5")));
    EXPECT_EQ(core.channelRegisters.ChEncode, QStringLiteral("None"));

    CommitGridListPick(core, 5);
    const ChannelRecordBytes after = ReadChannelRecord(core.image, 5);
    EXPECT_NE(after[record::kFlagsB], before[record::kFlagsB]);
    EXPECT_EQ(after[record::kEncodeLow], 0xFF);
    EXPECT_EQ(core.ChData[4], after);
}

TEST_F(GridCommitTest, FieldsLeftAsTheyWereKeepBytesThisProgramNeverWrites)
{
    // RX and TX with a digit above 9, decode 25.6 Hz, encode a QT reading of bit 7 without bit 5.
    const char* const odd = "0A 00 00 14 0A 00 00 14 00 01 00 80 00 BF B0 F8";
    WriteChannelRecord(core.image, 6, zx::test::Record(odd));
    const auto reload = [&] {
        core.channelRegisters = DecodeChannel(ReadChannelRecord(core.image, 6), true, 0, false);
    };
    reload();
    ASSERT_EQ(core.channelRegisters.ChRxFreq, QStringLiteral("140.00010"));
    ASSERT_EQ(core.channelRegisters.ChDecode, QStringLiteral("25.6"));
    ASSERT_EQ(core.channelRegisters.ChEncode, QStringLiteral("3276.8"));
    const QString rx = core.channelRegisters.ChRxFreq;
    EXPECT_FALSE(CommitGridFrequency(core, 6, 1, rx, rx).outOfRange);
    CommitGridFrequency(core, 6, 2, rx, rx);
    EXPECT_EQ(CommitGridTone(core, 6, 3, QStringLiteral("25.6"), QStringLiteral("25.6")), QStringLiteral("25.6"));
    EXPECT_EQ(CommitGridTone(core, 6, 4, QStringLiteral("3276.8"), QStringLiteral("3276.8")),
              QStringLiteral("3276.8"));
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 6)), QByteArray(odd));

    // An edit of the field goes through the entry rules as usual.
    reload();
    CommitGridFrequency(core, 6, 1, QStringLiteral("140.0001"), rx);
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 6)).left(11), "00 00 00 14");
    EXPECT_EQ(CommitGridTone(core, 6, 3, QStringLiteral("25.6"), QStringLiteral("25.7")), QStringLiteral("67.0"));
    // Plain BCD left as it was is still snapped (the commit as the editor opens).
    WriteChannelRecord(core.image, 7, zx::test::Record("30 12 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8"));
    core.channelRegisters = DecodeChannel(ReadChannelRecord(core.image, 7), true, 0, false);
    const FrequencyCommit snapped = CommitGridFrequency(core, 7, 1, QStringLiteral("146.12300"),
                                                        QStringLiteral("146.12300"));
    EXPECT_EQ(snapped.committed, QStringLiteral("146.12500"));
}

}  // namespace
