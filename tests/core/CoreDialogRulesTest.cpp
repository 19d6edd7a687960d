// Rules behind the model dialog, the tree view and the memory map
// that need no window.
#include <gtest/gtest.h>

#include <map>

#include "core/AppCore.h"
#include "core/BandLabelTable.h"
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
