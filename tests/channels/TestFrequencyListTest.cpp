// The test-frequency list's rules without a window: its band table, the
// cell texts of an entry and back, the commit with pairing, emptying and the
// defaults, Enter's next cell and the change check behind Close.
#include <gtest/gtest.h>

#include "channels/TestFreqBandTable.h"
#include "channels/TestFrequencyList.h"
#include "common/ImageFixtures.h"
#include "common/QtPrinters.h"
#include "core/ImageLayout.h"

using namespace zx;

namespace {

QByteArray EntryHex(const RadioImage& image, int n)
{
    return image.toByteArray(layout::TestFrequencyEntry(n), 8).toHex(' ').toUpper();
}

void SetEntry(RadioImage& image, int n, const char* hex)
{
    image.write(layout::TestFrequencyEntry(n), QByteArray::fromHex(hex));
}

void EmptyTable(RadioImage& image)
{
    for (int n = 1; n <= 16; ++n)
        SetEntry(image, n, "FFFFFFFFFFFFFFFF");
}

const char* const kEmptyEntry = "FF FF FF FF FF FF FF FF";

TEST(TestFreqBandTable, LimitsByBandCode)
{
    struct Case {
        std::uint8_t code;
        TestFreqBand band;
    };
    const Case cases[] = {
        {0x00, {136, 174}}, {0x01, {136, 174}}, {0x02, {136, 150}}, {0x03, {150, 174}}, {0x04, {245, 265}},
        {0x20, {400, 480}}, {0x21, {400, 480}}, {0x33, {440, 480}}, {0x41, {400, 440}}, {0x43, {400, 440}},
        {0x53, {350, 370}}, {0x63, {370, 390}}, {0x70, {470, 512}}, {0x71, {470, 512}}, {0x73, {350, 390}},
        {0x83, {460, 520}}, {0x99, {400, 480}}, {0xF0, {400, 480}},
    };
    for (const Case& c : cases) {
        const TestFreqBand band = TestFreqBandTable(c.code);
        EXPECT_EQ(band.lowerMHz, c.band.lowerMHz) << std::hex << int(c.code);
        EXPECT_EQ(band.upperMHz, c.band.upperMHz) << std::hex << int(c.code);
    }
}

TEST(TestFrequencyCells, EntryBytesToCellText)
{
    struct Case {
        const char* hex;
        const char* text;
    };
    const Case cases[] = {
        {"00256114", "146.12500"},
        {"00505015", "155.05000"},
        {"FFFFFFFF", "000.00000"},
        // A nibble above 9 ends the number: the digits before it are the value.
        {"00256A14", "000.00146"},
        {"0025611F", "000.00001"},
        {"99999999", "999.99999"},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = QByteArray::fromHex(c.hex);
        const std::array<std::uint8_t, 4> raw{static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1]),
                                              static_cast<std::uint8_t>(bytes[2]), static_cast<std::uint8_t>(bytes[3])};
        EXPECT_EQ(TestFrequencyCellText(raw), QString::fromLatin1(c.text)) << c.hex;
    }
}

TEST(TestFrequencyCells, CellTextToEntryBytes)
{
    struct Case {
        const char* text;
        const char* hex;
    };
    const Case cases[] = {
        {"146.12500", "00256114"},
        {"174.00000", "00004017"},
        {"000.00000", "00000000"},
        {"999.99999", "99999999"},
        // A text not in the cell form is stored by its leading number.
        {"146.1", "00006114"},
        {"146.1.5", "00006114"},
    };
    for (const Case& c : cases) {
        const auto bytes = TestFrequencyCellBytes(QString::fromLatin1(c.text));
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), 4).toHex().toUpper(), QByteArray(c.hex))
            << c.text;
    }
}

TEST(TestFrequencyCells, HeaderAlignsChannelCentredAndFrequenciesRight)
{
    const auto english = ParseTestFreqGridFormat(TestFreqGridFormat(false));
    EXPECT_EQ(TestFreqGridFormat(false), QStringLiteral("^Channel|> RX [MHz]|> TX [MHz]"));
    EXPECT_EQ(english[0].text, QStringLiteral("Channel"));
    EXPECT_EQ(english[0].align, TestFreqAlign::Centre);
    EXPECT_EQ(english[1].text, QStringLiteral(" RX [MHz]"));
    EXPECT_EQ(english[1].align, TestFreqAlign::Right);
    EXPECT_EQ(english[2].text, QStringLiteral(" TX [MHz]"));
    EXPECT_EQ(english[2].align, TestFreqAlign::Right);

    EXPECT_EQ(TestFreqGridFormat(true), QString::fromUtf8("^信道|> 接收 [MHz]|> 发射 [MHz]"));
    const auto chinese = ParseTestFreqGridFormat(TestFreqGridFormat(true));
    EXPECT_EQ(chinese[0].text, QString::fromUtf8("信道"));
    EXPECT_EQ(chinese[1].text, QString::fromUtf8(" 接收 [MHz]"));
    EXPECT_EQ(chinese[2].text, QString::fromUtf8(" 发射 [MHz]"));
}

TEST(TestFrequencyCells, EnterMovesRxToTxToTheNextRowAndStopsAtRow16)
{
    EXPECT_EQ(NextTestFreqCell({1, 1}), (TestFreqCell{1, 2}));
    EXPECT_EQ(NextTestFreqCell({1, 2}), (TestFreqCell{2, 1}));
    EXPECT_EQ(NextTestFreqCell({15, 2}), (TestFreqCell{16, 1}));
    EXPECT_EQ(NextTestFreqCell({16, 1}), (TestFreqCell{16, 2}));
    EXPECT_EQ(NextTestFreqCell({16, 2}), (TestFreqCell{16, 2}));
}

TEST(TestFrequencyCells, BoxTexts)
{
    EXPECT_EQ(TestFreqRangeTitle(false), QStringLiteral("Warning"));
    EXPECT_EQ(TestFreqRangeTitle(true), QString::fromUtf8("警告"));
    EXPECT_EQ(TestFreqChangedText(false),
              QStringLiteral("Test Frequency data have changed.\nplease execute write to radio before entering into "
                             "Test Mode."));
    EXPECT_EQ(TestFreqChangedText(true),
              QString::fromUtf8("测试频率数据已更改。\n在进入测试模式之前执行\"向对讲机写入数据\"。"));
    EXPECT_EQ(TestFreqChangedTitle(false), QStringLiteral("Warning"));
    EXPECT_EQ(TestFreqChangedTitle(true), QString::fromUtf8("警告"));
}

// --- The list on an image ------------------------------------------------------

class TestFrequencyListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        image = test::DefaultFor(0x01, 0xF8);
        // Rows 1 and 7 empty, the defaults in rows 2-6.
        SetEntry(image, 1, "FFFFFFFFFFFFFFFF");
    }
    TestFrequencyList Load() const { return TestFrequencyList(image); }

    RadioImage image;
};

TEST_F(TestFrequencyListTest, LoadShowsEveryNonEmptyEntry)
{
    SetEntry(image, 9, "00256114FFFFFFFF");  // RX set, TX none
    SetEntry(image, 10, "FF256114FFFFFFFF");  // byte 0 FF: empty
    const TestFrequencyList list = Load();
    EXPECT_EQ(list.Cell(1, 1), QString());
    EXPECT_EQ(list.Cell(1, 2), QString());
    EXPECT_EQ(list.Cell(2, 1), QStringLiteral("136.05000"));
    EXPECT_EQ(list.Cell(2, 2), QStringLiteral("136.10000"));
    EXPECT_EQ(list.Cell(9, 1), QStringLiteral("146.12500"));
    EXPECT_EQ(list.Cell(9, 2), QStringLiteral("000.00000"));
    EXPECT_EQ(list.Cell(10, 1), QString());
    EXPECT_EQ(list.Cell(10, 2), QString());
    EXPECT_EQ(list.TestFreqBackup(), image.toByteArray(0x280, 128));
    EXPECT_FALSE(list.TestDefaultsShown());
}

TEST_F(TestFrequencyListTest, DefaultImageOfBand21LoadsItsOwnDefaults)
{
    const TestFrequencyList list(test::DefaultFor(0x21, 0xF8));
    EXPECT_EQ(list.Cell(1, 1), QStringLiteral("470.05000"));
    EXPECT_EQ(list.Cell(1, 2), QStringLiteral("470.10000"));
    EXPECT_EQ(list.Cell(7, 1), QString());
}

TEST_F(TestFrequencyListTest, RxOfAnEmptyRowPairsTx)
{
    TestFrequencyList list = Load();
    const TestFrequencyCommit c = list.Commit(image, 1, 1, QStringLiteral("150"));
    EXPECT_FALSE(c.outOfRange);
    EXPECT_EQ(c.text, QStringLiteral("150.00000"));
    EXPECT_EQ(list.Cell(1, 1), QStringLiteral("150.00000"));
    EXPECT_EQ(list.Cell(1, 2), QStringLiteral("150.00000"));
    EXPECT_EQ(EntryHex(image, 1), QByteArray("00 00 00 15 00 00 00 15"));
}

TEST_F(TestFrequencyListTest, OutOfRangeClampsToTheTestBand)
{
    TestFrequencyList list = Load();
    const TestFrequencyCommit high = list.Commit(image, 7, 1, QStringLiteral("180"));
    EXPECT_TRUE(high.outOfRange);
    EXPECT_EQ(list.Cell(7, 1), QStringLiteral("174.00000"));
    EXPECT_EQ(list.Cell(7, 2), QStringLiteral("174.00000"));
    EXPECT_EQ(EntryHex(image, 7), QByteArray("00 00 40 17 00 00 40 17"));

    const TestFrequencyCommit low = list.Commit(image, 8, 2, QStringLiteral("."));
    EXPECT_TRUE(low.outOfRange);
    EXPECT_EQ(EntryHex(image, 8), QByteArray("00 00 60 13 00 00 60 13"));

    // The limit itself is inside; other values go onto the raster.
    EXPECT_FALSE(list.Commit(image, 9, 1, QStringLiteral("174")).outOfRange);
    EXPECT_EQ(list.Commit(image, 9, 2, QStringLiteral("146.0025")).text, QStringLiteral("146.00000"));
    EXPECT_EQ(list.Commit(image, 9, 2, QStringLiteral("146.0075")).text, QStringLiteral("146.00625"));
    EXPECT_EQ(EntryHex(image, 9), QByteArray("00 00 40 17 25 06 60 14"));
}

TEST_F(TestFrequencyListTest, LimitsFollowTheBandCodeAtTheCommit)
{
    TestFrequencyList list = Load();
    // The table says 400-480 for 0x21 whatever the default image's limits.
    image.setModelBandCode(0x21);
    EXPECT_FALSE(list.Commit(image, 7, 1, QStringLiteral("405")).outOfRange);
    image.setModelBandCode(0x83);
    const TestFrequencyCommit c = list.Commit(image, 8, 1, QStringLiteral("515"));
    EXPECT_FALSE(c.outOfRange);
    EXPECT_EQ(c.text, QStringLiteral("515.00000"));
    image.setModelBandCode(0x70);
    EXPECT_EQ(list.Commit(image, 8, 1, QStringLiteral("515")).text, QStringLiteral("512.00000"));
}

TEST_F(TestFrequencyListTest, TxOfASetRowKeepsRxAndRewritesTheWholeEntry)
{
    SetEntry(image, 3, "00505015AAAAAAAA");
    // RX bytes the list reads as 155.05000 but that are no longer stored so.
    TestFrequencyList list = Load();
    image.write(layout::TestFrequencyEntry(3), QByteArray::fromHex("0050501F"));
    const TestFrequencyCommit c = list.Commit(image, 3, 2, QStringLiteral("146.125"));
    EXPECT_EQ(c.text, QStringLiteral("146.12500"));
    EXPECT_EQ(list.Cell(3, 1), QStringLiteral("155.05000"));
    EXPECT_EQ(EntryHex(image, 3), QByteArray("00 50 50 15 00 25 61 14"));
}

TEST_F(TestFrequencyListTest, TxOfAnEmptyRowFillsRx)
{
    TestFrequencyList list = Load();
    list.Commit(image, 12, 2, QStringLiteral("160"));
    EXPECT_EQ(list.Cell(12, 1), QStringLiteral("160.00000"));
    EXPECT_EQ(EntryHex(image, 12), QByteArray("00 00 00 16 00 00 00 16"));
}

TEST_F(TestFrequencyListTest, RxWithTxNoneStoresTxAsZero)
{
    SetEntry(image, 9, "00256114FFFFFFFF");
    TestFrequencyList list = Load();
    list.Commit(image, 9, 1, QStringLiteral("150"));
    EXPECT_EQ(EntryHex(image, 9), QByteArray("00 00 00 15 00 00 00 00"));
}

TEST_F(TestFrequencyListTest, EmptyingEitherCellEmptiesTheRow)
{
    for (int column : {1, 2}) {
        TestFrequencyList list = Load();
        const TestFrequencyCommit c = list.Commit(image, 2, column, QString());
        EXPECT_EQ(c.text, QString());
        EXPECT_FALSE(c.defaultsWritten);
        EXPECT_EQ(list.Cell(2, 1), QString()) << column;
        EXPECT_EQ(list.Cell(2, 2), QString()) << column;
        EXPECT_EQ(EntryHex(image, 2), QByteArray(kEmptyEntry)) << column;
        SetEntry(image, 2, "0050501300000114");
    }
}

TEST_F(TestFrequencyListTest, EmptyingTheLastEntryWritesTheDefaults)
{
    EmptyTable(image);
    SetEntry(image, 11, "0000001500000015");
    TestFrequencyList list = Load();
    const TestFrequencyCommit c = list.Commit(image, 11, 2, QString());
    EXPECT_TRUE(c.defaultsWritten);
    EXPECT_TRUE(list.TestDefaultsShown());
    const char* rows[6][2] = {{"155.05000", "155.10000"}, {"136.05000", "136.10000"}, {"173.95000", "173.90000"},
                              {"155.00000", "155.00000"}, {"155.20000", "155.20000"}, {"155.40000", "155.40000"}};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(list.Cell(r, 1), QString::fromLatin1(rows[r - 1][0])) << r;
        EXPECT_EQ(list.Cell(r, 2), QString::fromLatin1(rows[r - 1][1])) << r;
    }
    EXPECT_EQ(EntryHex(image, 1), QByteArray("00 50 50 15 00 00 51 15"));
    for (int n = 7; n <= 16; ++n) {
        EXPECT_EQ(EntryHex(image, n), QByteArray(kEmptyEntry)) << n;
        EXPECT_EQ(list.Cell(n, 1), QString()) << n;
    }
    EXPECT_TRUE(list.TakeTestDefaultsShown());
    EXPECT_FALSE(list.TestDefaultsShown());
    EXPECT_FALSE(list.TakeTestDefaultsShown());
}

TEST_F(TestFrequencyListTest, EmptyingARowThatIsAlsoADefaultRowShowsTheDefault)
{
    EmptyTable(image);
    SetEntry(image, 4, "0000001500000015");
    TestFrequencyList list = Load();
    const TestFrequencyCommit c = list.Commit(image, 4, 1, QString());
    EXPECT_TRUE(c.defaultsWritten);
    EXPECT_EQ(c.text, QStringLiteral("155.00000"));
    EXPECT_EQ(list.Cell(4, 2), QStringLiteral("155.00000"));
}

TEST_F(TestFrequencyListTest, EmptyCommitOnAnEmptyTableWritesTheDefaultsOfTheTestBand)
{
    image.setModelBandCode(0x83);  // 460-520: M = 490
    EmptyTable(image);
    TestFrequencyList list = Load();
    EXPECT_TRUE(list.Commit(image, 16, 1, QString()).defaultsWritten);
    EXPECT_EQ(list.Cell(1, 1), QStringLiteral("490.05000"));
    EXPECT_EQ(list.Cell(2, 1), QStringLiteral("460.05000"));
    EXPECT_EQ(list.Cell(3, 2), QStringLiteral("519.90000"));
    EXPECT_EQ(list.Cell(6, 1), QStringLiteral("490.40000"));
}

TEST_F(TestFrequencyListTest, OpeningRedirectsForClickAndEnter)
{
    SetEntry(image, 9, "00256114FFFFFFFF");
    TestFrequencyList list = Load();
    // A click: an empty TX cell gives way to RX.
    EXPECT_EQ(list.CellForClick({7, 2}), (TestFreqCell{7, 1}));
    EXPECT_EQ(list.CellForClick({2, 2}), (TestFreqCell{2, 2}));
    EXPECT_EQ(list.CellForClick({7, 1}), (TestFreqCell{7, 1}));
    // Enter: a TX cell whose RX is empty gives way.
    EXPECT_EQ(list.CellForEnter({7, 2}), (TestFreqCell{7, 1}));
    EXPECT_EQ(list.CellForEnter({9, 2}), (TestFreqCell{9, 2}));
    list.SetCell(10, 2, QStringLiteral("1"));  // typed TX, RX still empty
    EXPECT_EQ(list.CellForEnter({10, 2}), (TestFreqCell{10, 1}));
    EXPECT_EQ(list.CellForClick({10, 2}), (TestFreqCell{10, 2}));
}

TEST_F(TestFrequencyListTest, ChangeCheckComparesWithTheTableAtLoad)
{
    TestFrequencyList list = Load();
    EXPECT_FALSE(list.ChangedSinceLoad(image));
    list.Commit(image, 2, 1, QStringLiteral("150"));
    EXPECT_TRUE(list.ChangedSinceLoad(image));
    // Back to the old values: no net change.
    list.Commit(image, 2, 1, QStringLiteral("136.05"));
    list.Commit(image, 2, 2, QStringLiteral("136.1"));
    EXPECT_FALSE(list.ChangedSinceLoad(image));
    // Bytes outside the table do not count.
    image.set(0x27F, 0x12);
    image.set(0x300, 0x12);
    EXPECT_FALSE(list.ChangedSinceLoad(image));
    image.set(0x2FF, 0x00);
    EXPECT_TRUE(list.ChangedSinceLoad(image));
}

}  // namespace
