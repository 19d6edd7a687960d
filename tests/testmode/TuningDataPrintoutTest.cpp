// The tuning-data page on the recording page: the header, the table of
// tuning values with its columns, the footer, and Chinese.
#include <gtest/gtest.h>

#include "common/ImageFixtures.h"
#include "common/QtPrinters.h"
#include "common/TuningFixtures.h"
#include "printing/PrintFailure.h"
#include "printing/RecordingPage.h"
#include "testmode/TuningDataBlock.h"
#include "testmode/TuningDataPrintout.h"

namespace zx::test {
namespace {

// US Letter in twips: the grid is 1224 + 85 c across and 792 + 238 l down.
constexpr double kWidth = 12240;
constexpr double kHeight = 15840;
constexpr int X(int column) { return 1224 + 85 * column; }
constexpr int Y(int line) { return 792 + 238 * line; }

TuningPrintInput IdentityInput(std::uint8_t band = 0x21, bool chinese = false)
{
    TuningPrintInput input;
    input.image = DefaultFor(band, 0xF8);
    StoreTuningData(input.image, input.values, IdentityTuningBlock());
    input.chinese = chinese;
    input.dataFilePath = QStringLiteral("/home/site/radios/ZX-4100 north.dat");
    input.printedAt = QDateTime(QDate(2026, 3, 4), QTime(13, 5, 9));
    input.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return input;
}

struct Printed {
    RecordingPage page{kWidth, kHeight};
    std::optional<PrintFailure> failure;

    // The texts at (x, y) in twips, in printing order.
    QStringList At(int x, int y) const
    {
        QStringList texts;
        for (const PrintedText& t : page.texts())
            if (t.x == x && t.y == y)
                texts << t.text;
        return texts;
    }
    QString AtGrid(int column, int line) const { return At(X(column), Y(line)).join('|'); }
    // The texts of line l, left to right as printed.
    QStringList Line(int line) const
    {
        QStringList texts;
        for (const PrintedText& t : page.texts())
            if (t.y == Y(line))
                texts << t.text;
        return texts;
    }
    const PrintedText* Find(const QString& text) const
    {
        for (const PrintedText& t : page.texts())
            if (t.text == text)
                return &t;
        return nullptr;
    }
};

std::unique_ptr<Printed> Print(const TuningPrintInput& input)
{
    auto run = std::make_unique<Printed>();
    run->failure = PrintTuningDataPage(run->page, input);
    return run;
}

TEST(TuningDataPage, TheRfHighPowerLineAtItsGridPositions)
{
    const auto run = Print(IdentityInput());
    ASSERT_FALSE(run->failure);
    const std::pair<int, const char*> cells[] = {{3349, "11"}, {4199, "12"}, {5049, "13"}, {5899, "14"},
                                                 {6749, "15"}, {7599, "16"}, {9299, "---"}};
    for (const auto& [x, text] : cells)
        EXPECT_EQ(run->At(x, 3886), QStringList{text}) << x;
    EXPECT_EQ(run->At(1224, 3886), QStringList{"RF High Power"});
    EXPECT_TRUE(run->At(X(85), Y(13)).isEmpty()) << "no column at 85";
    EXPECT_TRUE(run->page.ended());
    EXPECT_FALSE(run->page.aborted());
    EXPECT_EQ(run->page.pageCount(), 1);
}

TEST(TuningDataPage, OneLinePerItemInTableOrder)
{
    TuningPrintInput input = IdentityInput();
    input.image.set(0x1B2, 0x07);  // RSSI, which the block never fills
    const auto run = Print(input);
    const char* const lines[15][8] = {
        {"RF High Power", "11", "12", "13", "14", "15", "16", "---"},
        {"RF Low Power", "17", "18", "19", "20", "21", "22", "---"},
        {"DQT Balance", "29", "30", "---", "31", "---", "32", "33"},
        {"Max Deviation", "24", "25", "---", "26", "---", "27", "28"},
        {"QT Fine Deviation", "34", "35", "---", "36", "---", "37", "38"},
        {"DQT Fine Deviation", "39", "40", "---", "41", "---", "42", "43"},
        {"DTMF Fine Deviation", "44", "---", "---", "---", "---", "---", "45"},
        {"Sensitivity", "46", "47", "---", "48", "---", "49", "---"},
        {"Squelch(Tight)", "6", "7", "---", "8", "---", "9", "10"},
        {"Squelch(Open)", "1", "2", "---", "3", "---", "4", "5"},
        {"MSK Fine Deviation", "52", "---", "---", "---", "---", "---", "54"},
        {"Battery Warning Level", "55", "---", "---", "---", "---", "---", "---"},
        {"VOX1", "57", "---", "---", "---", "---", "---", "---"},
        {"VOX10", "58", "---", "---", "---", "---", "---", "---"},
        {"RSSI", "7", "---", "---", "---", "---", "---", "---"},
    };
    const int columns[8] = {0, 25, 35, 45, 55, 65, 75, 95};
    for (int i = 0; i < 15; ++i) {
        QStringList expected;
        for (int c = 0; c < 8; ++c) {
            expected << lines[i][c];
            EXPECT_EQ(run->AtGrid(columns[c], 13 + i), lines[i][c]) << "line " << 13 + i << " column " << columns[c];
        }
        // Label first, then the cells left to right.
        EXPECT_EQ(run->Line(13 + i), expected) << "line " << 13 + i;
    }
    for (const PrintedText& t : run->page.texts()) {
        if (t.y >= Y(10) && t.y <= Y(27)) {
            EXPECT_EQ(t.pointSize, 10) << t.text.toStdString();
            EXPECT_FALSE(t.bold) << t.text.toStdString();
        }
    }
}

TEST(TuningDataPage, AByteNeverFilledPrints255)
{
    const auto run = Print(IdentityInput());
    EXPECT_EQ(run->AtGrid(25, 27), "255");  // RSSI on the default image
}

TEST(TuningDataPage, TheTitlesOfTheTableAndItsColumns)
{
    const auto run = Print(IdentityInput());
    EXPECT_EQ(run->At(1224, Y(10)), QStringList{"All Tuning Data"});
    EXPECT_EQ(run->Line(12), (QStringList{"Test", "Low", "Low'", "Center", "High'", "High", "Narrow"}));
    EXPECT_EQ(run->AtGrid(95, 12), "Narrow");
    EXPECT_EQ(run->AtGrid(25, 12), "Test");
}

TEST(TuningDataPage, TheHeaderForABandAndTheFooter)
{
    const auto run = Print(IdentityInput(0x21));
    // Title centred at line 0, 16 point bold: 10 twips x 16 a character here.
    const PrintedText* title = run->Find("ZOLT ZX-4100 Radio Programming Information");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->y, 792);
    EXPECT_EQ(title->x, 6120 - 42 * 160 / 2);
    EXPECT_EQ(title->pointSize, 16);
    EXPECT_TRUE(title->bold);
    // Date and time ending at 90 % of the width, 11 point bold.
    ASSERT_EQ(run->Line(2).size(), 1);
    const PrintedText* date = run->Find(run->Line(2)[0]);
    EXPECT_TRUE(date->text.startsWith("3/4/26  1:05:09")) << date->text.toStdString();
    EXPECT_EQ(date->x + date->text.size() * 110, 11016);
    EXPECT_EQ(date->pointSize, 11);
    EXPECT_TRUE(date->bold);

    EXPECT_EQ(run->Line(4), (QStringList{"Model Type", "ZX-4100"}));
    EXPECT_EQ(run->Line(5), (QStringList{"Radio Type", "UHF: 400-480 MHz"}));
    EXPECT_EQ(run->Line(6), QStringList{"Frequency"});
    EXPECT_EQ(run->Line(7), (QStringList{"File Name", "/home/site/radios/ZX-4100 north.dat"}));
    EXPECT_EQ(run->At(3774, Y(4)), QStringList{"ZX-4100"});
    EXPECT_EQ(run->At(3774, Y(5)), QStringList{"UHF: 400-480 MHz"});
    EXPECT_EQ(run->At(X(4), Y(6)), QStringList{"Frequency"});
    for (const PrintedText& t : run->page.texts()) {
        if (t.y >= Y(4) && t.y <= Y(7)) {
            EXPECT_EQ(t.pointSize, 11);
            EXPECT_TRUE(t.bold);
        }
    }

    ASSERT_EQ(run->page.rules().size(), 2u);
    EXPECT_EQ(run->page.rules()[0].x1, 1224);
    EXPECT_EQ(run->page.rules()[0].x2, 9 * 1224);
    EXPECT_DOUBLE_EQ(run->page.rules()[0].y, 792 + 3.5 * 238);
    EXPECT_DOUBLE_EQ(run->page.rules()[1].y, Y(8));

    const PrintedText* footer = run->Find("- 1 -");
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->y, 15048);
    EXPECT_EQ(footer->x, 6120 - 5 * 100 / 2);
    EXPECT_EQ(footer->pointSize, 10);
    EXPECT_FALSE(footer->bold);
}

TEST(TuningDataPage, EveryBandHasItsOwnLabel)
{
    const std::pair<std::uint8_t, const char*> bands[] = {
        {0x01, "VHF: 136-174 MHz"}, {0x02, "VHF: 136-150 MHz"}, {0x03, "VHF: 150-174 MHz"},
        {0x04, "VHF: 245-265 MHz"}, {0x21, "UHF: 400-480 MHz"}, {0x33, "UHF: 440-480 MHz"},
        {0x43, "UHF: 400-440 MHz"}, {0x53, "UHF: 350-370 MHz"}, {0x63, "UHF: 370-390 MHz"},
        {0x73, "UHF: 350-390 MHz"}, {0x83, "UHF: 460-520 MHz"},
    };
    for (const auto& [code, label] : bands) {
        TuningPrintInput input = IdentityInput();
        input.image.setModelBandCode(code);
        const auto run = Print(input);
        EXPECT_EQ(run->AtGrid(30, 5), label) << int(code);
        EXPECT_EQ(run->AtGrid(30, 4), "ZX-4100") << int(code);
    }
}

TEST(TuningDataPage, AnUnknownBandHasTheModelButNoRadioType)
{
    TuningPrintInput input = IdentityInput();
    input.image.setModelBandCode(0x00);
    const auto run = Print(input);
    EXPECT_EQ(run->AtGrid(30, 4), "ZX-4100");
    EXPECT_EQ(run->Line(5), QStringList{"Radio Type"});
    EXPECT_FALSE(run->failure);
}

TEST(TuningDataPage, ChineseChangesTheTitleAndLabelsOnly)
{
    const auto english = Print(IdentityInput(0x21, false));
    const auto chinese = Print(IdentityInput(0x21, true));
    EXPECT_NE(chinese->Find("ZOLT ZX-4100 对讲机编程信息"), nullptr);
    EXPECT_EQ(chinese->AtGrid(4, 4), "机型类型");
    EXPECT_NE(chinese->AtGrid(0, 10), english->AtGrid(0, 10));
    EXPECT_NE(chinese->AtGrid(0, 13), "RF High Power");
    EXPECT_NE(chinese->AtGrid(95, 12), "Narrow");
    // The same in both: the model, the band, the shared labels, the values
    // and the footer.
    EXPECT_EQ(chinese->AtGrid(30, 4), "ZX-4100");
    EXPECT_EQ(chinese->AtGrid(30, 5), "UHF: 400-480 MHz");
    for (int line = 25; line <= 27; ++line)
        EXPECT_EQ(chinese->Line(line), english->Line(line)) << line;
    for (int line = 13; line <= 24; ++line)
        EXPECT_EQ(chinese->Line(line).mid(1), english->Line(line).mid(1)) << line;
    ASSERT_NE(chinese->Find("- 1 -"), nullptr);
    EXPECT_EQ(chinese->page.texts().size(), english->page.texts().size());
}

TEST(TuningDataPage, AGridOutsideThePrintersCoordinatesAbortsTheDocument)
{
    RecordingPage page(4.0e11, kHeight);
    const std::optional<PrintFailure> failure = PrintTuningDataPage(page, IdentityInput());
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, PrintFailure::Kind::Arithmetic);
    EXPECT_TRUE(page.aborted());
    EXPECT_FALSE(page.ended());
}

}  // namespace
}  // namespace zx::test
