// Rules behind the model dialog, the tree view, the memory map and the
// language switch that need no window.
#include <gtest/gtest.h>

#include <map>

#include "core/AppCore.h"
#include "core/BandLabelTable.h"
#include "core/LanguageSwitchRules.h"
#include "core/MemoryMapRules.h"
#include "core/StringTable.h"
#include "core/TreeViewNodes.h"

using namespace zx;

// --- model dialog lists ------------------------------------------------------

TEST(BandLabelTable, ListsFollowTheTableOrderNotTheCodes)
{
    EXPECT_EQ(ModelClassNames(), QStringList({"VHF", "UHF"}));
    EXPECT_EQ(BandLabelsOfClass(0), QStringList({"136-174MHz", "136-150MHz", "150-174MHz", "245-265MHz"}));
    EXPECT_EQ(BandLabelsOfClass(1), QStringList({"350-390MHz", "350-370MHz", "370-390MHz", "400-480MHz", "400-440MHz",
                                                 "440-480MHz", "460-520MHz"}));
}

TEST(BandLabelTable, EveryCodeSelectsItsRowAndOkWritesItBack)
{
    const std::map<int, std::pair<int, int>> expected = {
        {0x01, {0, 0}}, {0x02, {0, 1}}, {0x03, {0, 2}}, {0x04, {0, 3}}, {0x73, {1, 0}}, {0x53, {1, 1}},
        {0x63, {1, 2}}, {0x21, {1, 3}}, {0x43, {1, 4}}, {0x33, {1, 5}}, {0x83, {1, 6}},
    };
    for (const auto& [code, pos] : expected) {
        const BandPosition p = BandPositionOfCode(static_cast<std::uint8_t>(code));
        EXPECT_EQ(p.modelIndex, pos.first) << code;
        EXPECT_EQ(p.bandIndex, pos.second) << code;
        EXPECT_EQ(BandCodeAt(pos.first, pos.second), code);
    }
}

TEST(BandLabelTable, CodesOutsideTheTableOpenOnUhf400To480)
{
    for (int code : {0x00, 0x20, 0x41, 0x70, 0x71, 0xF0, 0xFF}) {
        const BandPosition p = BandPositionOfCode(static_cast<std::uint8_t>(code));
        EXPECT_EQ(p.modelIndex, 1) << code;
        EXPECT_EQ(p.bandIndex, 3) << code;
    }
}

// --- tree view -------------------------------------------------------------

TEST(TreeViewNodes, RootTextByVariantAndBandCode)
{
    struct Case { int band, variant; const char* text; };
    const Case cases[] = {
        {0x09, 0xF9, "ZX-4100 (VHF)"}, {0x00, 0xF8, "ZX-4100 (VHF)"}, {0x0A, 0xF9, "ZX-4100 (UHF)"},
        {0x21, 0xFC, "ZX-4100 (UHF)"}, {0x01, 0xFF, ""}, {0x21, 0x33, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TreeRootText(static_cast<std::uint8_t>(c.band), static_cast<std::uint8_t>(c.variant)),
                  QString::fromUtf8(c.text)) << c.band << " " << c.variant;
}

TEST(TreeViewNodes, ChildrenMatchTheirCaptionExactlyInTheLanguageInForce)
{
    ASSERT_EQ(TreeNodeTable().size(), 8u);
    EXPECT_EQ(TreeNodeSlotOfText(" Channel Information", false), 0);
    EXPECT_EQ(TreeNodeSlotOfText(" Scan Information", false), 3);
    EXPECT_EQ(TreeNodeSlotOfText(" Embedded Message", false), 7);
    EXPECT_EQ(TreeNodeSlotOfText(" 扫描信息", true), 3);
    // The other language's text, a changed case or a lost blank open nothing.
    EXPECT_EQ(TreeNodeSlotOfText(" 扫描信息", false), std::nullopt);
    EXPECT_EQ(TreeNodeSlotOfText(" scan Information", false), std::nullopt);
    EXPECT_EQ(TreeNodeSlotOfText("Scan Information", false), std::nullopt);
    EXPECT_EQ(TreeNodeSlotOfText("ZX-4100 (UHF)", false), std::nullopt);
    EXPECT_EQ(TreeNodeSlotOfText("", false), std::nullopt);
}

TEST(TreeViewNodes, DoubleClickOpensOnlyWithin500MsOfANodeClick)
{
    EXPECT_TRUE(TreeDoubleClickOpens(true, 0));
    EXPECT_TRUE(TreeDoubleClickOpens(true, 499));
    EXPECT_FALSE(TreeDoubleClickOpens(true, 500));
    EXPECT_FALSE(TreeDoubleClickOpens(false, 10));
}

// --- memory map --------------------------------------------------------------

TEST(MemoryMapRules, LabelsAndAddresses)
{
    EXPECT_EQ(MemoryMapRowLabel(1), "000_");
    EXPECT_EQ(MemoryMapRowLabel(16), "00F_");
    EXPECT_EQ(MemoryMapRowLabel(17), "010_");
    EXPECT_EQ(MemoryMapRowLabel(28), "01B_");
    EXPECT_EQ(MemoryMapRowLabel(64), "03F_");
    EXPECT_EQ(MemoryMapColumnHeader(1), "0");
    EXPECT_EQ(MemoryMapColumnHeader(11), "A");
    EXPECT_EQ(MemoryMapColumnHeader(16), "F");
    EXPECT_EQ(MemoryMapAddressText(1, 1), "0000");
    EXPECT_EQ(MemoryMapAddressText(28, 14), "01BD");
    EXPECT_EQ(MemoryMapAddressText(64, 16), "03FF");
    EXPECT_EQ(MemoryMapAddress(28, 14), 0x1BD);
    EXPECT_EQ(MemoryMapAddress(64, 16), 0x3FF);
}

TEST(MemoryMapRules, EveryByteSurvivesTheCellText)
{
    for (int v = 0; v < 256; ++v) {
        const QString text = MemoryCellText(static_cast<std::uint8_t>(v));
        ASSERT_EQ(text.size(), 2);
        EXPECT_EQ(text, text.toUpper());
        EXPECT_EQ(MemoryCellByte(text), v) << text.toStdString();
    }
    EXPECT_EQ(MemoryCellText(0x0A), "0A");
    EXPECT_EQ(MemoryCellByte("FF"), 0xFF);
}

TEST(MemoryMapRules, CommitFillsShortTexts)
{
    EXPECT_EQ(CommitMemoryCellText(""), "FF");
    EXPECT_EQ(CommitMemoryCellText("7"), "07");
    EXPECT_EQ(CommitMemoryCellText("a"), "0A");
    EXPECT_EQ(CommitMemoryCellText("3c"), "3C");
}

TEST(MemoryMapRules, OnlyHexTextOfAtMostTwoDigitsIsACellText)
{
    for (const char* good : {"", "0", "F", "a", "9f", "AB"})
        EXPECT_TRUE(IsHexCellText(QString::fromLatin1(good))) << good;
    for (const char* bad : {"ZZ", "G", "1G", "123", " 1", "1 ", "-1", "0x"})
        EXPECT_FALSE(IsHexCellText(QString::fromLatin1(bad))) << bad;
}

TEST(MemoryMapRules, ThirdDigitOnlyOverASelection)
{
    EXPECT_TRUE(MemoryEditorAcceptsDigit('7', 0, false));
    EXPECT_TRUE(MemoryEditorAcceptsDigit('f', 1, false));
    EXPECT_FALSE(MemoryEditorAcceptsDigit('1', 2, false));
    EXPECT_TRUE(MemoryEditorAcceptsDigit('1', 2, true));
    EXPECT_FALSE(MemoryEditorAcceptsDigit('g', 0, false));
    EXPECT_FALSE(MemoryEditorAcceptsDigit(' ', 0, true));
}

TEST(MemoryMapRules, EnterMovesRightThenToTheNextRowAndStopsAtTheEnd)
{
    EXPECT_EQ(NextMemoryCell({1, 1}), (MemoryCell{1, 2}));
    EXPECT_EQ(NextMemoryCell({1, 16}), (MemoryCell{2, 1}));
    EXPECT_EQ(NextMemoryCell({64, 15}), (MemoryCell{64, 16}));
    EXPECT_EQ(NextMemoryCell({64, 16}), (MemoryCell{64, 16}));
}

// --- language switch ---------------------------------------------------------

TEST(LanguageSwitchRules, HeaderTitlesAndWidths)
{
    const ChannelGridTitles en = ChannelGridHeaderTitles(false);
    EXPECT_EQ(en[0], "Channel No.");
    EXPECT_EQ(QStringList(en.begin() + 1, en.end()).join('|'),
              "RX Frequency|TX Frequency|QT/DQT Dec|QT/DQT Enc|TX Power|W/N|Scan Add|Opt Signal|PTT ID");
    const ChannelGridTitles zh = ChannelGridHeaderTitles(true);
    EXPECT_EQ(zh[0], "信道编号");
    EXPECT_EQ(QStringList(zh.begin() + 1, zh.end()).join('|'),
              "接收频率|发射频率|QT/DQT解码|QT/DQT编码|发射功率|宽/窄|扫描添加|可选信令|PTT ID");
    EXPECT_EQ(ChannelGridColumnWidths(10650), (ChannelGridWidths{1065, 1172, 1172, 1172, 1172, 852, 746, 852, 1065, 1268}));
}

TEST(LanguageSwitchRules, ControlCaptions)
{
    const ChannelWindowControlTexts en = ChannelWindowControlCaptions(false);
    EXPECT_EQ(en.cmdClose, LoadLangString(1075, false));
    EXPECT_EQ(en.cmdChannelEdit, LoadLangString(1059, false));
    EXPECT_EQ(en.LabFreeArea, LoadLangString(1078, false));
    EXPECT_EQ(ChannelWindowControlCaptions(true).LabFreeArea, "空位(Bytes):");
}

struct CellCase {
    int column;
    const char* before;
    bool toChinese;
    const char* after;  // nullptr: the cell stays
};

class RetranslatedCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(RetranslatedCell, WordOfEitherLanguageBecomesTheNewLanguagesWord)
{
    const CellCase& c = GetParam();
    const auto result = RetranslatedChannelCell(c.column, QString::fromUtf8(c.before), c.toChinese);
    if (!c.after)
        EXPECT_EQ(result, std::nullopt);
    else
        EXPECT_EQ(result, QString::fromUtf8(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Columns, RetranslatedCell,
    ::testing::Values(CellCase{3, "None", true, "无"}, CellCase{3, "无", false, "None"}, CellCase{3, "无", true, "无"},
                      CellCase{3, "88.5", true, nullptr}, CellCase{4, "D023N", true, nullptr},
                      CellCase{4, "None", true, "无"}, CellCase{5, "High", true, "高"}, CellCase{5, "高", false, "High"},
                      CellCase{5, "Low", true, "低"}, CellCase{5, "high", true, "低"}, CellCase{5, "", true, "低"},
                      CellCase{6, "Wide", true, "宽带"}, CellCase{6, "窄带", false, "Narrow"},
                      CellCase{6, "W", false, "Narrow"}, CellCase{7, "Yes", true, "有"}, CellCase{7, "有", false, "Yes"},
                      CellCase{7, "No", true, "无"}, CellCase{7, "无", false, "No"}, CellCase{8, "None", true, "无"},
                      CellCase{8, "DTMF", true, nullptr}, CellCase{8, "FleetSync", false, nullptr},
                      CellCase{8, "", true, nullptr}, CellCase{9, "On", true, "开"}, CellCase{9, "关", false, "Off"},
                      CellCase{9, "Own", true, "关"}, CellCase{1, "145.00000", true, nullptr}));

TEST(LanguageSwitchRules, FleetSyncPttIdIsRebuiltFromTheCode)
{
    EXPECT_EQ(FleetPttIdCellText(0xB3, false), "Fleet List 2");
    EXPECT_EQ(FleetPttIdCellText(0xB3, true), "队列表 2");
    EXPECT_EQ(FleetPttIdCellText(0x04, false), "Fleet List 3");
    EXPECT_EQ(FleetPttIdCellText(0x09, false), "Fleet List 8");
    EXPECT_EQ(FleetPttIdCellText(0xB1, false), "Own");
    EXPECT_EQ(FleetPttIdCellText(0xB1, true), "自身");
    EXPECT_EQ(FleetPttIdCellText(0xF0, true), "关");
    EXPECT_EQ(FleetPttIdCellText(0xFF, false), "");
    for (int n = 10; n <= 14; ++n)
        EXPECT_EQ(FleetPttIdCellText(static_cast<std::uint8_t>(0xF0 | n), false), std::nullopt) << n;
}

namespace {

// Channel rows 1..16 x columns 1..9 held as texts.
struct FakeGrid {
    std::map<std::pair<int, int>, QString> cells;
    std::vector<std::pair<int, int>> writes;
    ChannelCellReader reader()
    {
        return [this](int r, int c) { return cells[{r, c}]; };
    }
    ChannelCellWriter writer()
    {
        return [this](int r, int c, const QString& t) {
            writes.emplace_back(r, c);
            cells[{r, c}] = t;
        };
    }
    void setRow(int r, const QStringList& texts)
    {
        for (int c = 1; c <= 9; ++c)
            cells[{r, c}] = texts.value(c - 1);
    }
    QStringList row(int r)
    {
        QStringList texts;
        for (int c = 1; c <= 9; ++c)
            texts << cells[{r, c}];
        return texts;
    }
};

}  // namespace

TEST(LanguageSwitchRules, GridRowsWithAFrequencyAreTranslatedColumnsThreeToNine)
{
    RadioImage image;
    image.set(0x133, 0x00);
    FakeGrid grid;
    grid.setRow(1, {"145.00000", "145.00000", "None", "88.5", "High", "Wide", "Yes", "None", "On"});
    grid.setRow(2, {"", "", "", "", "", "", "", "", ""});
    grid.setRow(9, {"440.00000", "", "None", "None", "Low", "Narrow", "No", "DTMF", "Off"});
    RetranslateChannelGrid(image, 16, true, grid.reader(), grid.writer());
    EXPECT_EQ(grid.row(1).join('|'), "145.00000|145.00000|无|88.5|高|宽带|有|无|开");
    EXPECT_EQ(grid.row(2).join('|'), "||||||||");
    EXPECT_EQ(grid.row(9).join('|'), "440.00000||无|无|低|窄带|无|DTMF|关");
    for (const auto& [r, c] : grid.writes) {
        EXPECT_NE(r, 2);
        EXPECT_GE(c, 3);
    }

    RetranslateChannelGrid(image, 16, false, grid.reader(), grid.writer());
    EXPECT_EQ(grid.row(1).join('|'), "145.00000|145.00000|None|88.5|High|Wide|Yes|None|On");
    EXPECT_EQ(grid.row(9).join('|'), "440.00000||None|None|Low|Narrow|No|DTMF|Off");
}

TEST(LanguageSwitchRules, EightChannelModelTreatsRowsOneToEightOnly)
{
    RadioImage image;
    FakeGrid grid;
    grid.setRow(8, {"145.00000", "", "None", "None", "High", "Wide", "Yes", "None", "On"});
    grid.setRow(9, {"145.00000", "", "None", "None", "High", "Wide", "Yes", "None", "On"});
    RetranslateChannelGrid(image, 8, true, grid.reader(), grid.writer());
    EXPECT_EQ(grid.row(8)[4], "高");
    EXPECT_EQ(grid.row(9)[4], "High");
}

TEST(LanguageSwitchRules, FleetSyncPttIdColumnComesFromEachChannelsCode)
{
    RadioImage image;
    image.set(0x133, 0x01);
    image.set(1 * 16 + 14, 0xB3);
    image.set(2 * 16 + 14, 0xFF);
    image.set(3 * 16 + 14, 0xB1);
    image.set(4 * 16 + 14, 0xFB);
    FakeGrid grid;
    for (int r = 1; r <= 4; ++r)
        grid.setRow(r, {"145.00000", "", "None", "None", "High", "Wide", "Yes", "None", "Off"});
    RetranslateChannelGrid(image, 16, true, grid.reader(), grid.writer());
    EXPECT_EQ(grid.row(1)[8], "队列表 2");
    EXPECT_EQ(grid.row(2)[8], "");
    EXPECT_EQ(grid.row(3)[8], "自身");
    EXPECT_EQ(grid.row(4)[8], "Off");  // low nibble 11: left in the language of its decoding
}
