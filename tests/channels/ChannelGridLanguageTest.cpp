// The channel list's setting words re-translated by the language switch.
#include <gtest/gtest.h>

#include <map>

#include <QStringList>

#include "channels/ChannelGridLanguage.h"
#include "core/ImageLayout.h"
#include "core/RadioImage.h"
#include "core/StringTable.h"

using namespace zx;

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

TEST(ChannelGridLanguage, FleetSyncPttIdIsRebuiltFromTheCode)
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

TEST(ChannelGridLanguage, GridRowsWithAFrequencyAreTranslatedColumnsThreeToNine)
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

TEST(ChannelGridLanguage, EightChannelModelTreatsRowsOneToEightOnly)
{
    RadioImage image;
    FakeGrid grid;
    grid.setRow(8, {"145.00000", "", "None", "None", "High", "Wide", "Yes", "None", "On"});
    grid.setRow(9, {"145.00000", "", "None", "None", "High", "Wide", "Yes", "None", "On"});
    RetranslateChannelGrid(image, 8, true, grid.reader(), grid.writer());
    EXPECT_EQ(grid.row(8)[4], "高");
    EXPECT_EQ(grid.row(9)[4], "High");
}

TEST(ChannelGridLanguage, FleetSyncPttIdColumnComesFromEachChannelsCode)
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
