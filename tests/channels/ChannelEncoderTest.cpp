#include <gtest/gtest.h>

#include <random>

#include "ChannelTestSupport.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelList.h"
#include "channels/ChannelWords.h"
#include "channels/ToneList.h"
#include "core/AppCore.h"

using namespace zx;
using zx::test::Hex;
using zx::test::Record;

namespace {

const char* const kFirstRecord = "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8";

ChannelRegisters EnglishChannel()
{
    ChannelRegisters r;
    r.SetColumns({"146.12500", "", "None", "None", "High", "Wide", "Yes", "None", "Off"});
    r.ChAutoDial = QStringLiteral("1");
    return r;
}

QByteArray Encode(const ChannelRegisters& regs, const char* stored, std::uint8_t type = 0, bool chinese = false)
{
    return Hex(EncodeChannelRecord(regs, Record(stored), type, chinese).record);
}

TEST(ChannelEncode, BuildsTheRecordFromTheTexts)
{
    EXPECT_EQ(Encode(EnglishChannel(), kFirstRecord), "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8");
    ChannelRegisters r = EnglishChannel();
    r.ChTxFreq = QStringLiteral("146.12500");
    r.ChDecode = QStringLiteral("67.0");
    r.ChEncode = QStringLiteral("D023I");
    EXPECT_EQ(Encode(r, kFirstRecord), "00 25 61 14 00 25 61 14 9E 02 13 A8 00 BF B0 F8");
    r.ChRxFreq = QStringLiteral("099.50000");
    r.ChTxFreq = QStringLiteral("440.00625");
    EXPECT_EQ(Encode(r, kFirstRecord).left(23), "00 00 95 09 25 06 00 44");
}

TEST(ChannelEncode, FlagsBAlwaysHasItsFixedBitsSet)
{
    struct Case {
        const char* power;
        const char* width;
        bool beatShift;
        std::uint8_t stored;
        std::uint8_t expected;
    };
    const Case cases[] = {
        {"High", "Wide", false, 0x00, 0xBF}, {"Low", "Narrow", false, 0xFF, 0x8F},
        {"High", "Wide", true, 0x00, 0xFF},  {"Low", "Wide", false, 0x00, 0x9F},
        {"High", "Narrow", false, 0x00, 0xAF},
        // A word that matches neither choice keeps the stored bit.
        {"", "", false, 0x30, 0xBF},         {"", "", false, 0x40, 0x8F},
    };
    for (const Case& c : cases) {
        ChannelRegisters r = EnglishChannel();
        r.ChTxPower = QString::fromLatin1(c.power);
        r.ChWideNarrow = QString::fromLatin1(c.width);
        r.ChBeatShift = c.beatShift;
        ChannelRecordBytes stored = Record(kFirstRecord);
        stored[13] = c.stored;
        EXPECT_EQ(EncodeChannelRecord(r, stored, 0, false).record[13], c.expected) << c.power << c.width;
    }
}

TEST(ChannelEncode, FlagsAKeepsTheStoredBitsTheEditorSets)
{
    struct Case {
        std::uint8_t stored;
        const char* signalling;
        bool compander;
        std::uint8_t expected;
    };
    const Case cases[] = {
        {0x00, "FleetSync", true, 0x05},
        {0x78, "FleetSync", true, 0x7D},   // busy 3, SP unmute 3 kept
        {0x30, "None", false, 0x30},       // busy 2, SP unmute 1 kept
        {0x30, "DTMF", false, 0x32},
        {0x80, "None", false, 0x80},       // bit 7 is the channel's own
        {0x66, "", false, 0x66},           // blank signalling keeps code 3
        {0x67, "None", false, 0x60},       // SP unmute 3 kept
        {0xFF, "", true, 0xFF},
    };
    for (const Case& c : cases) {
        ChannelRegisters r = EnglishChannel();
        r.ChOptSignal = QString::fromLatin1(c.signalling);
        r.ChCompander = c.compander;
        ChannelRecordBytes stored = Record(kFirstRecord);
        stored[12] = c.stored;
        EXPECT_EQ(EncodeChannelRecord(r, stored, 0, false).record[12], c.expected) << int(c.stored);
    }
}

TEST(ChannelEncode, NewChannelTakesBusyLockoutOffAndSpUnmuteCarrier)
{
    ChannelRegisters r;
    ApplyChannelDefaults(r, QStringLiteral("146.125"), 0, false);
    const EncodedChannel out = EncodeChannelRecord(r, EmptyChannelRecord(), 0, false);
    EXPECT_EQ(Hex(out.record), "00 25 61 14 FF FF FF FF FF FF FF FF 80 BF B0 F8");
    const ChannelRegisters back = DecodeChannel(out.record, true, 0, false);
    EXPECT_EQ(back.ChBusyLock, QStringLiteral("Off"));
    EXPECT_EQ(back.ChSpMute, QStringLiteral("Carrier"));
    // A record whose RX byte 3 is 00 is empty too: its other bytes do not count.
    EXPECT_EQ(Hex(EncodeChannelRecord(r, Record("00 00 00 00 00 00 00 00 9E 00 13 FF 7E 00 00 00"), 0, false).record),
              "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8");
}

TEST(ChannelEncode, PttIdByType)
{
    struct Case {
        std::uint8_t type;
        const char* text;
        bool chinese;
        std::uint8_t stored;
        std::uint8_t expected;
        bool on;
    };
    const Case cases[] = {
        {0, "On", false, 0xB0, 0xB1, true},   {0, "Off", false, 0xB1, 0xB0, false},
        {0, "开", true, 0xB0, 0xB1, true},     {0, "关", true, 0xB1, 0xB0, false},
        {2, "On", false, 0xB0, 0xB1, true},   {1, "Own", false, 0xB0, 0xB1, false},
        {1, "Fleet List 1", false, 0xB0, 0xB2, false}, {1, "Fleet List 3", false, 0xB0, 0xB4, false},
        {1, "Fleet List 8", false, 0xB0, 0xB9, false}, {1, "队列表 8", true, 0xB0, 0xB9, false},
        {1, "Off", false, 0xB5, 0xB0, false},
        {1, "On", false, 0xB5, 0xB5, false},  // no FleetSync choice: the stored byte stays
        {2, "", false, 0xB7, 0xB7, false},    {0, "Own", false, 0xFF, 0xFF, false},
        // A text that still reads as the stored byte keeps it: writing the
        // channel again never changes its PTT ID.
        {0, "On", false, 0xB4, 0xB4, true},   {0, "Off", false, 0xFF, 0xFF, false},
        {1, "Off", false, 0xBC, 0xBC, false}, {0, "Off", false, 0xB4, 0xB0, false},
    };
    for (const Case& c : cases) {
        ChannelRegisters r = c.chinese ? DecodeChannel(Record(kFirstRecord), true, c.type, true) : EnglishChannel();
        r.ChPttId = QString::fromUtf8(c.text);
        ChannelRecordBytes stored = Record(kFirstRecord);
        stored[14] = c.stored;
        const EncodedChannel out = EncodeChannelRecord(r, stored, c.type, c.chinese);
        EXPECT_EQ(out.record[14], c.expected) << c.text;
        EXPECT_EQ(out.pttIdOn, c.on) << c.text;
    }
}

TEST(ChannelEncode, AutodialMemory)
{
    for (auto [text, code] : {std::pair{"1", 0xF8}, {"8", 0xFF}, {"3", 0xFA}, {"", 0xF8}}) {
        ChannelRegisters r = EnglishChannel();
        r.ChAutoDial = QString::fromLatin1(text);
        EXPECT_EQ(EncodeChannelRecord(r, Record(kFirstRecord), 0, false).record[15], code) << text;
    }
}

TEST(ChannelEncode, UneditedOddBytesAreWrittenBackUnchanged)
{
    const char* const records[] = {
        "0A 00 00 14 FF 0F 00 44 FF FF FF FF 00 BF B0 F8",  // BCD nibbles above 9
        "00 25 61 14 FF FF FF FF 9E 00 00 00 00 BF B0 F8",  // QT values read as none
        "00 25 61 14 FF FF FF FF 00 80 01 C0 00 BF B0 F8",  // bit 7 without bit 5
        "00 25 61 14 FF FF FF FF 13 3A 13 EE 00 BF B0 F8",  // DQT with spare bits set
        "00 25 61 14 FF FF FF FF 00 40 76 03 00 BF B0 F8",  // a five-digit QT value
    };
    for (const char* hex : records) {
        const ChannelRegisters regs = DecodeChannel(Record(hex), false, 0, false);
        EXPECT_EQ(Encode(regs, hex), QByteArray(hex)) << hex;
    }
    // Editing one field rewrites that field only.
    ChannelRegisters regs = DecodeChannel(Record(records[1]), false, 0, false);
    regs.ChDecode = QStringLiteral("67.0");
    EXPECT_EQ(Encode(regs, records[1]), "00 25 61 14 FF FF FF FF 9E 02 00 00 00 BF B0 F8");
    regs.ChRxFreq = QStringLiteral("146.13000");
    EXPECT_EQ(Encode(regs, records[1]).left(11), "00 30 61 14");
}

TEST(ChannelEncode, EveryListCombinationDecodesBackToItsTexts)
{
    const QStringList tones = BuildToneList(false);
    const char* const signalling[] = {"None", "DTMF", "FleetSync"};
    for (std::uint8_t type : {0, 1}) {
        for (const QString& ptt : words::CellChoices(9, type, false)) {
            for (int i = 0; i < tones.size(); i += 7) {
                for (int s = 0; s < 3; ++s) {
                    ChannelRegisters r = EnglishChannel();
                    r.ChTxFreq = QStringLiteral("450.01250");
                    r.ChDecode = tones[i];
                    r.ChEncode = tones[(i * 3 + s) % tones.size()];
                    r.ChTxPower = (i % 2) ? QStringLiteral("Low") : QStringLiteral("High");
                    r.ChWideNarrow = (s % 2) ? QStringLiteral("Narrow") : QStringLiteral("Wide");
                    r.ChScanAdd = (i % 3) ? QStringLiteral("No") : QStringLiteral("Yes");
                    r.ChOptSignal = QString::fromLatin1(signalling[s]);
                    r.ChPttId = ptt;
                    r.ChAutoDial = QString::number(1 + (i + s) % 8);
                    r.ChCompander = s == 1;
                    r.ChBeatShift = i % 2 == 0;
                    const EncodedChannel out = EncodeChannelRecord(r, Record(kFirstRecord), type, false);
                    ChannelRegisters back =
                        DecodeChannel(out.record, r.ChScanAdd == QStringLiteral("Yes"), type, false);
                    back.ChSpMute = r.ChSpMute;
                    back.ChBusyLock = r.ChBusyLock;
                    ASSERT_EQ(back, r) << ptt.toStdString() << " " << i << " " << s;
                }
            }
        }
    }
}

// Every record decodes; an unedited programmed channel encodes back to its
// stored bytes except where the encoder always rewrites: byte 13 gets its
// fixed bits, byte 15 its upper bits, a PTT ID byte outside the choices the
// Off text's code.
TEST(ChannelEncode, FuzzedRecordsDecodeAndReencodeUnchanged)
{
    std::mt19937 random(4100);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 20000; ++round) {
        ChannelRecordBytes stored;
        for (auto& b : stored)
            b = static_cast<std::uint8_t>(byte(random));
        if (round % 5 == 0)
            stored[14] = static_cast<std::uint8_t>(0xB0 + byte(random) % 10);
        const std::uint8_t type = static_cast<std::uint8_t>(round % 3);
        const bool chinese = round % 2 == 1;
        const ChannelRegisters regs = DecodeChannel(stored, round % 4 == 0, type, chinese);
        const EncodedChannel out = EncodeChannelRecord(regs, stored, type, chinese);
        if (!IsProgrammedRecord(stored))
            continue;
        for (int i = 0; i <= 12; ++i)
            ASSERT_EQ(out.record[i], stored[i]) << Hex(stored).constData() << " byte " << i;
        ASSERT_EQ(out.record[13], stored[13] | 0x8F) << Hex(stored).constData();
        ASSERT_EQ(out.record[15], 0xF8 | (stored[15] & 7)) << Hex(stored).constData();
        const bool chosen = type == 1   ? stored[14] >= 0xB0 && stored[14] <= 0xB9
                            : type == 0 ? stored[14] == 0xB0 || stored[14] == 0xB1
                                        : stored[14] == 0xB0;
        if (chosen)
            ASSERT_EQ(out.record[14], stored[14]) << Hex(stored).constData();
        else
            ASSERT_EQ(DecodeChannel(out.record, false, type, chinese).ChPttId, regs.ChPttId);
    }
}

TEST(ScanAdd, SetsOrClearsTheChannelBit)
{
    struct Case {
        std::uint8_t low, high;
        int channel;
        const char* text;
        bool eight;
        std::uint8_t expectedLow, expectedHigh;
    };
    const Case cases[] = {
        {0xFF, 0xFF, 9, "No", false, 0xFF, 0xFE},   {0x00, 0x00, 9, "Yes", false, 0x00, 0x01},
        {0x00, 0x00, 16, "Yes", false, 0x00, 0x80}, {0xFF, 0x00, 1, "No", false, 0xFE, 0x00},
        {0x00, 0x12, 3, "Yes", true, 0x04, 0xFF},   {0xFF, 0x12, 3, "No", true, 0xFB, 0xFF},
        {0x0F, 0x12, 3, "", true, 0x0F, 0xFF},      {0x0F, 0x12, 3, "", false, 0x0F, 0x12},
    };
    for (const Case& c : cases) {
        const ScanAddBytes out =
            ApplyScanAdd({c.low, c.high}, c.channel, QString::fromLatin1(c.text), c.eight, false);
        EXPECT_EQ(out.low, c.expectedLow) << c.channel << c.text;
        EXPECT_EQ(out.high, c.expectedHigh) << c.channel << c.text;
    }
    EXPECT_EQ(ApplyScanAdd({0x00, 0x00}, 2, QStringLiteral("有"), false, true).low, 0x02);
}

TEST(ChannelDefaults, FillEmptyTextsOnly)
{
    ChannelRegisters r;
    ApplyChannelDefaults(r, QStringLiteral("146.125"), 0, false);
    EXPECT_EQ(r.Columns(), (ChannelColumns{"146.12500", "", "None", "None", "High", "Wide", "Yes", "None", "Off"}));
    EXPECT_EQ(r.ChSpMute, QStringLiteral("Carrier"));
    EXPECT_EQ(r.ChAutoDial, QStringLiteral("1"));
    EXPECT_EQ(r.ChBusyLock, QStringLiteral("Off"));

    ChannelRegisters noTx;
    noTx.ChEncode = QStringLiteral("67.0");
    noTx.ChTxPower = QStringLiteral("Low");
    ApplyChannelDefaults(noTx, QStringLiteral("146.125"), 0, false);
    EXPECT_EQ(noTx.ChEncode, QStringLiteral("None"));
    EXPECT_EQ(noTx.ChTxPower, QStringLiteral("Low"));

    ChannelRegisters otherType;
    otherType.ChPttId = QStringLiteral("On");
    ApplyChannelDefaults(otherType, QStringLiteral("146.125"), 2, false);
    EXPECT_EQ(otherType.ChPttId, QString());

    ChannelRegisters chinese;
    ApplyChannelDefaults(chinese, QStringLiteral("440"), 1, true);
    EXPECT_EQ(chinese.Columns(), (ChannelColumns{"440.00000", "", "无", "无", "高", "宽带", "有", "无", "关"}));
}

TEST(LoadRow, TakesTheHiddenSettingsFromTheRecordOfAProgrammedRow)
{
    ChannelRegisters r;
    r.ChSpMute = QStringLiteral("kept");
    const ChannelColumns row{"146.12500", "", "None", "None", "High", "Wide", "Yes", "None", "Off"};
    LoadRowIntoRegisters(r, row, Record("00 25 61 14 FF FF FF FF FF FF FF FF 01 FF B0 FC"));
    EXPECT_EQ(r.Columns(), row);
    EXPECT_EQ(r.ChAutoDial, QStringLiteral("5"));
    EXPECT_TRUE(r.ChCompander);
    EXPECT_TRUE(r.ChBeatShift);
    EXPECT_EQ(r.ChSpMute, QStringLiteral("kept"));

    LoadRowIntoRegisters(r, ChannelColumns{}, Record("00 25 61 14 FF FF FF FF FF FF FF FF 01 FF B0 FC"));
    EXPECT_EQ(r.ChAutoDial, QString());
    EXPECT_FALSE(r.ChCompander);
    EXPECT_FALSE(r.ChBeatShift);
}

class EncodeOnCore : public zx::test::VhfCoreTest {};

TEST_F(EncodeOnCore, WritesRecordScanBitAndPttCodeCheck)
{
    core.image.set(layout::ScanAddBits, 0x00);
    core.image.set(layout::ScanAddBitsHigh, 0x00);
    core.channelRegisters = EnglishChannel();
    core.channelRegisters.ChPttId = QStringLiteral("On");
    EncodeChannel(core, 10);
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 10)), "00 25 61 14 FF FF FF FF FF FF FF FF 80 BF B1 F8");
    EXPECT_EQ(core.image.at(layout::ScanAddBitsHigh), 0x02);
    EXPECT_EQ(core.image.at(layout::ScanAddBits), 0x00);
    EXPECT_TRUE(core.checks.PttCodeCheck);
    // Off never clears the flag.
    core.channelRegisters.ChPttId = QStringLiteral("Off");
    EncodeChannel(core, 10);
    EXPECT_TRUE(core.checks.PttCodeCheck);
    EXPECT_EQ(ReadChannelRecord(core.image, 10)[14], 0xB0);
}

TEST_F(EncodeOnCore, NothingOfOneChannelLeaksIntoTheNext)
{
    WriteChannelRecord(core.image, 1, Record("00 25 61 14 FF FF FF FF 13 A8 FF FF FF FF B5 F8"));
    WriteChannelRecord(core.image, 2, Record("00 50 61 14 FF FF FF FF 13 28 FF FF 00 8F B0 F8"));
    for (int channel : {1, 2}) {
        core.channelRegisters = DecodeChannel(ReadChannelRecord(core.image, channel), true, 0, false);
        core.channelRegisters.ChOptSignal.clear();
        core.channelRegisters.ChPttId.clear();
        core.channelRegisters.ChTxPower.clear();
        core.channelRegisters.ChWideNarrow.clear();
        core.channelRegisters.ChDecode = QStringLiteral("D023");
        EncodeChannel(core, channel);
    }
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 1)), "00 25 61 14 FF FF FF FF 13 A8 FF FF FF FF B5 F8");
    EXPECT_EQ(Hex(ReadChannelRecord(core.image, 2)), "00 50 61 14 FF FF FF FF 13 28 FF FF 00 8F B0 F8");
}

TEST_F(EncodeOnCore, ChannelsOutsideTheModelAreLeftAlone)
{
    const RadioImage before = core.image;
    core.channelRegisters = EnglishChannel();
    core.EightChannelModel = true;
    EncodeChannel(core, 9);
    EncodeChannel(core, 0);
    EXPECT_EQ(core.image, before);
}

TEST_F(EncodeOnCore, ClearingEmptiesTheRowTextsAndTheRecordOnly)
{
    core.channelRegisters = EnglishChannel();
    EncodeChannel(core, 3);
    const std::uint8_t scan = core.image.at(layout::ScanAddBits);
    core.channelRegisters.ChSpMute = QStringLiteral("Carrier");
    ClearChannelData(core, 3);
    EXPECT_EQ(ReadChannelRecord(core.image, 3), EmptyChannelRecord());
    EXPECT_EQ(core.channelRegisters.Columns(), ChannelColumns{});
    EXPECT_EQ(core.channelRegisters.ChSpMute, QStringLiteral("Carrier"));
    EXPECT_EQ(core.image.at(layout::ScanAddBits), scan);
    const RadioImage before = core.image;
    ClearChannelData(core, 17);
    EXPECT_EQ(core.image, before);
}

}  // namespace
