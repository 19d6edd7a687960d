#include <gtest/gtest.h>

#include "ChannelTestSupport.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelList.h"
#include "core/AppCore.h"

using namespace zx;
using zx::test::Record;

namespace {

QStringList Texts(const ChannelColumns& columns)
{
    return QStringList(columns.begin(), columns.end());
}

const char* const kFirstRecord = "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8";

TEST(ChannelDecode, ProgrammedRecordInEitherLanguage)
{
    const ChannelRegisters en = DecodeChannel(Record(kFirstRecord), true, 0, false);
    EXPECT_EQ(Texts(en.Columns()), (QStringList{"146.12500", "", "None", "None", "High", "Wide", "Yes", "None", "Off"}));
    EXPECT_EQ(en.ChSpMute, QStringLiteral("Carrier"));
    EXPECT_EQ(en.ChBusyLock, QStringLiteral("Off"));
    EXPECT_EQ(en.ChAutoDial, QStringLiteral("1"));
    EXPECT_FALSE(en.ChCompander);
    EXPECT_FALSE(en.ChBeatShift);

    const ChannelRegisters zh = DecodeChannel(Record(kFirstRecord), true, 0, true);
    EXPECT_EQ(Texts(zh.Columns()),
              (QStringList{"146.12500", "", "无", "无", "高", "宽带", "有", "无", "关"}));
    EXPECT_EQ(zh.ChSpMute, QStringLiteral("载波"));
}

TEST(ChannelDecode, FrequenciesAndTones)
{
    struct Case {
        const char* record;
        const char* rx;
        const char* tx;
        const char* decode;
        const char* encode;
    };
    const Case cases[] = {
        {"00 25 61 14 00 25 61 14 9E 02 13 A8 00 BF B0 F8", "146.12500", "146.12500", "67.0", "D023I"},
        {"00 25 61 14 FF FF FF FF 13 28 13 A8 00 BF B0 F8", "146.12500", "", "D023N", "D023I"},
        {"00 25 61 14 FF FF FF FF 13 A8 13 28 00 BF B0 F8", "146.12500", "", "D023I", "D023N"},
        {"25 06 00 44 00 00 95 09 ED 09 EC 29 00 BF B0 F8", "440.00625", "099.50000", "254.1", "D754N"},
        // TX with byte 7 of 00 is no TX; all-zero digits too.
        {"00 25 61 14 12 34 56 00 FF FF FF FF 00 BF B0 F8", "146.12500", "", "None", "None"},
        // An empty channel reads RX zero.
        {"12 34 56 FF 00 25 61 14 9E 02 FF FF 00 BF B0 F8", "000.00000", "146.12500", "67.0", "None"},
        {"FF FF FF 00 FF FF FF FF FF FF FF FF FF FF FF FF", "000.00000", "", "None", "None"},
        // BCD nibbles above 9 read as their value instead of failing.
        {"0A 00 00 14 FF FF FF FF FF FF FF FF 00 BF B0 F8", "140.00010", "", "None", "None"},
        {"FF FF FF FE FF FF FF FF FF FF FF FF 00 BF B0 F8", "1656.66665", "", "None", "None"},
    };
    for (const Case& c : cases) {
        const ChannelRegisters r = DecodeChannel(Record(c.record), false, 0, false);
        EXPECT_EQ(r.ChRxFreq, QString::fromLatin1(c.rx)) << c.record;
        EXPECT_EQ(r.ChTxFreq, QString::fromLatin1(c.tx)) << c.record;
        EXPECT_EQ(r.ChDecode, QString::fromLatin1(c.decode)) << c.record;
        EXPECT_EQ(r.ChEncode, QString::fromLatin1(c.encode)) << c.record;
    }
}

TEST(ChannelDecode, FlagBytes)
{
    struct Case {
        std::uint8_t flagsA, flagsB;
        bool compander;
        const char* signalling;
        const char* busy;
        const char* spMute;
        const char* power;
        const char* width;
        bool beatShift;
    };
    const Case cases[] = {
        {0xFF, 0xFF, true, "", "Option Signalling", "", "High", "Wide", true},
        {0x00, 0x00, false, "None", "Off", "Carrier", "Low", "Narrow", false},
        {0x02 | 0x08 | 0x20, 0x8F, false, "DTMF", "Carrier", "Carrier + Opt.Sig.", "Low", "Narrow", false},
        {0x05 | 0x10 | 0x40, 0xCF, true, "FleetSync", "QT/DQT", "Carrier or Opt.Sig.", "Low", "Narrow", true},
        {0x18, 0x9F, false, "None", "Option Signalling", "Carrier", "Low", "Wide", false},
        {0x60, 0xAF, false, "None", "Off", "", "High", "Narrow", false},
    };
    for (const Case& c : cases) {
        ChannelRecordBytes record = Record(kFirstRecord);
        record[12] = c.flagsA;
        record[13] = c.flagsB;
        const ChannelRegisters r = DecodeChannel(record, false, 0, false);
        EXPECT_EQ(r.ChCompander, c.compander) << int(c.flagsA);
        EXPECT_EQ(r.ChOptSignal, QString::fromLatin1(c.signalling)) << int(c.flagsA);
        EXPECT_EQ(r.ChBusyLock, QString::fromLatin1(c.busy)) << int(c.flagsA);
        EXPECT_EQ(r.ChSpMute, QString::fromLatin1(c.spMute)) << int(c.flagsA);
        EXPECT_EQ(r.ChTxPower, QString::fromLatin1(c.power)) << int(c.flagsB);
        EXPECT_EQ(r.ChWideNarrow, QString::fromLatin1(c.width)) << int(c.flagsB);
        EXPECT_EQ(r.ChBeatShift, c.beatShift) << int(c.flagsB);
    }
}

TEST(ChannelDecode, PttIdByTypeAndAutodial)
{
    struct Case {
        std::uint8_t type, code;
        const char* english;
        const char* chinese;
    };
    const Case cases[] = {
        {1, 0xB0, "Off", "关"},           {1, 0xB1, "Own", "自身"},
        {1, 0xB2, "Fleet List 1", "队列表 1"}, {1, 0xB9, "Fleet List 8", "队列表 8"},
        {1, 0xBA, "Off", "关"},           {1, 0xFF, "Off", "关"},
        {1, 0x03, "Fleet List 2", "队列表 2"}, {0, 0xB0, "Off", "关"},
        {0, 0xB1, "On", "开"},            {0, 0xFF, "Off", "关"},
        // Under DTMF a byte that counts as a set PTT ID (low nibble 1..10, a
        // fleet list left from FleetSync use) reads On.
        {0, 0xB5, "On", "开"},            {0, 0xBA, "On", "开"},
        {0, 0xBB, "Off", "关"},           {2, 0xB1, "Off", "关"},
    };
    for (const Case& c : cases) {
        ChannelRecordBytes record = Record(kFirstRecord);
        record[14] = c.code;
        EXPECT_EQ(DecodeChannel(record, false, c.type, false).ChPttId, QString::fromLatin1(c.english))
            << int(c.type) << " " << int(c.code);
        EXPECT_EQ(DecodeChannel(record, false, c.type, true).ChPttId, QString::fromUtf8(c.chinese));
    }
    ChannelRecordBytes record = Record(kFirstRecord);
    for (auto [code, text] : {std::pair{0xF8, "1"}, {0xFF, "8"}, {0xFA, "3"}, {0x00, "1"}}) {
        record[15] = static_cast<std::uint8_t>(code);
        EXPECT_EQ(DecodeChannel(record, false, 0, false).ChAutoDial, QString::fromLatin1(text));
    }
    EXPECT_EQ(DecodeChannel(record, false, 0, false).ChScanAdd, QStringLiteral("No"));
    EXPECT_EQ(DecodeChannel(record, false, 0, true).ChScanAdd, QStringLiteral("无"));
}

class DecodeAll : public ::testing::Test {
protected:
    void SetUp() override
    {
        core.image.setModelBandCode(0x01);
        core.image.setModelVariant(0xF8);
        core.InitAllFrameData();
        core.ApplyEightChannelRule();
    }
    void Program(int channel, const char* hex) { WriteChannelRecord(core.image, channel, Record(hex)); }

    AppCore core;
};

TEST_F(DecodeAll, DefaultImageGivesEmptyRowsAndTheWholeFreeArea)
{
    core.CurrentChannel = 5;
    const ChannelListContents contents = DecodeAllChannels(core);
    ASSERT_EQ(contents.rows.size(), 16u);
    for (const ChannelColumns& row : contents.rows)
        EXPECT_EQ(Texts(row).join(QString()), QString());
    EXPECT_EQ(contents.FreeAreaText(), QStringLiteral("256"));
    EXPECT_FALSE(contents.relayout);
    EXPECT_EQ(core.CurrentChannel, 1);
    // The registers keep the last channel decoded, even an empty one.
    EXPECT_EQ(core.channelRegisters.ChRxFreq, QStringLiteral("000.00000"));
}

TEST_F(DecodeAll, CountsProgrammedChannelsAndKeepsTheLastInTheRegisters)
{
    Program(1, kFirstRecord);
    Program(2, "00 00 95 09 FF FF FF FF 9E 02 FF FF 00 8F B0 F8");
    Program(9, kFirstRecord);
    Program(16, "00 25 61 00 FF FF FF FF 9E 02 FF FF 00 8F B0 FA");
    core.image.setBit(layout::ScanAddBits, 0, true);
    core.image.setBit(layout::ScanAddBitsHigh, 0, false);
    core.image.set(layout::PttIdType, 0);
    const ChannelRecordBytes before = ReadChannelRecord(core.image, 2);

    const ChannelListContents contents = DecodeAllChannels(core);
    ASSERT_EQ(contents.rows.size(), 16u);
    EXPECT_EQ(contents.FreeAreaText(), QStringLiteral("208"));
    EXPECT_EQ(Texts(contents.rows[0]),
              (QStringList{"146.12500", "", "None", "None", "High", "Wide", "Yes", "None", "Off"}));
    EXPECT_EQ(contents.rows[1][0], QStringLiteral("099.50000"));
    EXPECT_EQ(contents.rows[1][2], QStringLiteral("67.0"));
    EXPECT_EQ(contents.rows[8][6], QStringLiteral("No"));
    EXPECT_EQ(Texts(contents.rows[15]).join(QString()), QString());
    EXPECT_EQ(core.channelRegisters.ChRxFreq, QStringLiteral("000.00000"));
    EXPECT_EQ(core.channelRegisters.ChAutoDial, QStringLiteral("3"));
    EXPECT_EQ(core.ChData[1], before);
    EXPECT_EQ(ReadChannelRecord(core.image, 2), before);
}

TEST_F(DecodeAll, EightChannelModelDecodesRowsOneToEight)
{
    core.EightChannelModel = true;
    Program(3, kFirstRecord);
    Program(9, kFirstRecord);
    const ChannelListContents contents = DecodeAllChannels(core);
    ASSERT_EQ(contents.rows.size(), 8u);
    EXPECT_EQ(contents.FreeAreaText(), QStringLiteral("112"));
    EXPECT_EQ(contents.rows[2][0], QStringLiteral("146.12500"));
    // ChData is the full copy all the same.
    EXPECT_EQ(core.ChData[8], Record(kFirstRecord));
}

TEST_F(DecodeAll, CompletedTransferDecidesTheChannelCountAgain)
{
    core.image.setModelVariant(0xF9);  // band 0x01 with F9: eight channels
    core.EightChannelModel = false;
    core.link.TransferMode = TransferMode::Read;
    EXPECT_EQ(DecodeAllChannels(core).rows.size(), 16u);
    EXPECT_FALSE(core.EightChannelModel);

    core.link.TransferMode = TransferMode::Completed;
    const ChannelListContents contents = DecodeAllChannels(core);
    EXPECT_TRUE(contents.relayout);
    EXPECT_TRUE(core.EightChannelModel);
    EXPECT_EQ(contents.rows.size(), 8u);
    EXPECT_EQ(contents.FreeAreaText(), QStringLiteral("128"));
}

TEST_F(DecodeAll, CompletedReadTakesTheBandLimitsOfTheImagesModel)
{
    // Limits left by a VHF image; the radio then delivered a UHF image.
    core.BandLowerMHz = 136;
    core.BandUpperMHz = 174;
    core.image.setModelBandCode(0x21);

    core.link.TransferMode = TransferMode::Read;
    DecodeAllChannels(core);
    EXPECT_EQ(core.BandLowerMHz, 136);  // only a completed transfer replaces them
    EXPECT_EQ(core.BandUpperMHz, 174);

    core.link.TransferMode = TransferMode::Completed;
    DecodeAllChannels(core);
    EXPECT_EQ(core.BandLowerMHz, 450);
    EXPECT_EQ(core.BandUpperMHz, 490);
}

TEST(FreeArea, CountsRowsWithANumberOtherThanZero)
{
    const QString rx[] = {"146.12500", "", "000.00000", "abc", "0.00001", "440.00000", "", "", "150.00000"};
    EXPECT_EQ(FreeAreaBytes(rx, false), 256 - 4 * 16);
    EXPECT_EQ(FreeAreaBytes(rx, true), 128 - 3 * 16);  // only the first eight rows count
}

}  // namespace
