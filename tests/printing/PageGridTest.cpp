// The page grid: margins, column unit and line height from the page size,
// rounded half to even; centred and right-aligned texts; rules.
#include <gtest/gtest.h>

#include "printing/PageGrid.h"
#include "printing/PrintFailure.h"
#include "printing/RecordingPage.h"

namespace zx::test {
namespace {

struct GridCase {
    double width, height;
    int left, column, top, line;
};

class PageGridSizes : public ::testing::TestWithParam<GridCase> {};

TEST_P(PageGridSizes, ComputesMarginsColumnUnitAndLineHeight)
{
    const GridCase c = GetParam();
    RecordingPage page(c.width, c.height);
    const PageGrid grid = PageGrid::Compute(page);
    EXPECT_EQ(grid.LeftMargin, c.left);
    EXPECT_EQ(grid.ColumnUnit, c.column);
    EXPECT_EQ(grid.TopMargin, c.top);
    EXPECT_EQ(grid.LineHeight, c.line);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageGridSizes,
                         ::testing::Values(GridCase{12240, 15840, 1224, 85, 792, 238},   // Letter
                                           GridCase{11906, 16838, 1191, 82, 842, 253}));  // A4

TEST(PageGrid, RoundsExactHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(RoundTwips(842.5), 842);
    EXPECT_EQ(RoundTwips(843.5), 844);
    EXPECT_EQ(RoundTwips(842.4), 842);
    EXPECT_EQ(RoundTwips(842.6), 843);
    EXPECT_EQ(RoundTwips(-0.5), 0);
}

TEST(PageGrid, PlacesTextAtColumnAndLineInWholeTwips)
{
    RecordingPage page(12240, 15840);
    const PageGrid grid = PageGrid::Compute(page);
    grid.PrintAtGrid(page, 4, 12, QStringLiteral("x"));
    grid.PrintAtGrid(page, 0, 10, QStringLiteral("title"));
    ASSERT_EQ(page.texts().size(), 2u);
    EXPECT_EQ(page.texts()[0].x, 1564);
    EXPECT_EQ(page.texts()[0].y, 3648);
    EXPECT_EQ(page.texts()[1].x, 1224);
    EXPECT_EQ(page.texts()[1].y, 792 + 10 * 238);
}

TEST(PageGrid, RulesRunFromTheLeftMarginToNineTimesItAtHalfLines)
{
    RecordingPage page(12240, 15840);
    const PageGrid grid = PageGrid::Compute(page);
    grid.RuleAt(page, 3.5);
    ASSERT_EQ(page.rules().size(), 1u);
    EXPECT_EQ(page.rules()[0].x1, 1224);
    EXPECT_EQ(page.rules()[0].x2, 11016);
    EXPECT_DOUBLE_EQ(page.rules()[0].y, 792 + 3.5 * 238);  // not rounded
}

TEST(PageGrid, RightAlignedTextsEndAtNinetyPercentOfThePageWidthWhateverTheirWidth)
{
    RecordingPage page(12240, 15840);
    const PageGrid grid = PageGrid::Compute(page);
    page.SetFont(10, false);  // 100 twips a character
    for (const QString& t : {QString(), QStringLiteral("a"), QStringLiteral("03/04/26  1:05:09 PM"),
                             QString(120, QLatin1Char('w'))}) {
        grid.PrintRight(page, 2, t);
        const PrintedText& printed = page.texts().back();
        EXPECT_EQ(printed.x + page.TextWidth(t), 11016) << t.toStdString();
        EXPECT_EQ(printed.y, 792 + 2 * 238);
    }
    EXPECT_LT(page.texts().back().x, 0);  // wider than the space to its left
}

TEST(PageGrid, CentredTextsAreCentredOnThePage)
{
    RecordingPage page(12240, 15840);
    page.SetFont(10, false);
    PageGrid::PrintCentred(page, 15048, QStringLiteral("- 1 -"));  // 500 twips wide
    EXPECT_EQ(page.texts().back().x, 6120 - 250);
    EXPECT_EQ(page.texts().back().y, 15048);
}

TEST(PageGrid, FontsAreSixteenBoldElevenBoldAndTenRegular)
{
    RecordingPage page(12240, 15840);
    for (PrintFont font : {PrintFont::Title, PrintFont::Header, PrintFont::Body}) {
        SetPrintFont(page, font);
        page.PrintAt(0, 0, QStringLiteral("t"));
    }
    const auto& t = page.texts();
    EXPECT_EQ(std::make_pair(t[0].pointSize, t[0].bold), std::make_pair(16, true));
    EXPECT_EQ(std::make_pair(t[1].pointSize, t[1].bold), std::make_pair(11, true));
    EXPECT_EQ(std::make_pair(t[2].pointSize, t[2].bold), std::make_pair(10, false));
}

TEST(PageGrid, APositionOutsideIntegerTwipsFailsInsteadOfWrappingAround)
{
    RecordingPage page(12240, 15840);
    PageGrid grid = PageGrid::Compute(page);
    grid.LineHeight = 1 << 30;
    try {
        grid.PrintAtGrid(page, 0, 12, QStringLiteral("x"));
        FAIL() << "no failure";
    } catch (const PrintFailure& failure) {
        EXPECT_EQ(failure.kind, PrintFailure::Kind::Arithmetic);
    }
    EXPECT_TRUE(page.texts().empty());
}

}  // namespace
}  // namespace zx::test
