// The report's frame: which pages it prints, the page header and footer, the
// channel pages, and that a failure aborts the document.
#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "core/ImageLayout.h"
#include "core/ModelRules.h"

namespace zx::test {
namespace {

void Program(RadioImage& image, std::initializer_list<int> channels)
{
    for (int n : channels)
        image.write(n * 16, QByteArray::fromHex("0025611400256114ffffffff0000b0f8"));
}

QStringList Footers(const ReportRun& run)
{
    QStringList footers;
    for (const PrintedText& t : run.page.texts())
        if (t.y == 15048)
            footers << t.text;
    return footers;
}

TEST(ReportFrame, SectionsZeroAndTwoTakeOnePageEachWithNoEmptyPageAfter)
{
    const auto run = RunReport(InputFor(DefaultUhf(), {0, 2}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(run->page.pageCount(), 2);
    EXPECT_TRUE(run->page.ended());
    EXPECT_EQ(Footers(*run), QStringList({"- 1 -", "- 2 -"}));
    EXPECT_EQ(run->At(1, 0, 10), " Optional Features");
    EXPECT_EQ(run->At(2, 0, 10), "Scan Information");
}

TEST(ReportFrame, OnlyTheChannelSectionWithNoChannelIsOnePageOfHeaderTitleAndFooter)
{
    const auto run = RunReport(InputFor(DefaultUhf(), {7}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(run->page.pageCount(), 1);
    EXPECT_EQ(run->At(0, 10), " Channel Information");
    EXPECT_EQ(Footers(*run), QStringList({"- 1 -"}));
    EXPECT_EQ(run->TextsOf(1).size(), 9 + 1 + 1);  // header: title, date, 3 labels, 4 values
}

TEST(ReportFrame, AllSectionsWithSixteenChannelsPrintElevenNumberedPages)
{
    RadioImage image = DefaultUhf();
    Program(image, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    const auto run = RunReport(InputFor(image, {0, 1, 2, 3, 4, 5, 6, 7}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(run->page.pageCount(), 11);
    QStringList expected;
    for (int n = 1; n <= 11; ++n)
        expected << QStringLiteral("- %1 -").arg(n);
    EXPECT_EQ(Footers(*run), expected);
}

TEST(ReportFrame, ChannelsAreTakenFourToAPageInAscendingOrder)
{
    RadioImage image = DefaultUhf();
    Program(image, {16, 2, 9, 5, 12});
    const auto run = RunReport(InputFor(image, {7}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(run->page.pageCount(), 2);
    EXPECT_EQ(run->At(1, 0, 13), "Channel2");
    EXPECT_EQ(run->At(1, 0, 24), "Channel5");
    EXPECT_EQ(run->At(1, 0, 35), "Channel9");
    EXPECT_EQ(run->At(1, 0, 46), "Channel12");
    EXPECT_EQ(run->At(2, 0, 13), "Channel16");
    EXPECT_EQ(run->At(2, 0, 10), " Channel Information");
    EXPECT_EQ(run->At(2, 0, 24), "<nothing>");
    EXPECT_EQ(Footers(*run), QStringList({"- 1 -", "- 2 -"}));
}

TEST(ReportFrame, AnEightChannelModelPrintsFilledRecordsNineToSixteenAndBandZeroReadsUhf)
{
    RadioImage image = DefaultFor(0x00, 0xF9);
    ASSERT_TRUE(EightChannelRule(0x00, 0xF9));
    Program(image, {9, 16});
    const auto run = RunReport(InputFor(image, {7}));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(run->At(0, 13), "Channel9");
    EXPECT_EQ(run->At(0, 24), "Channel16");
    EXPECT_EQ(run->At(30, 4), "UHF");
    EXPECT_EQ(run->At(30, 6), "400-480MHz");
}

TEST(ReportFrame, PageHeaderHasTitleDateRulesModelFrequencyAndTheWholeFilePath)
{
    RadioImage image = DefaultFor(0x01, 0xF8);
    ReportInput input = InputFor(image, {1});
    input.dataFilePath = QStringLiteral("/home/user/radios/site a/base.dat");
    const auto run = RunReport(input);
    ASSERT_FALSE(run->failure);
    const auto& texts = run->page.texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "ZOLT ZX-4100 Radio Programming Information");
    EXPECT_EQ(texts[0].y, 792);
    EXPECT_EQ(std::make_pair(texts[0].pointSize, texts[0].bold), std::make_pair(16, true));
    EXPECT_EQ(texts[0].x, 6120 - texts[0].text.size() * 160 / 2);
    EXPECT_EQ(texts[1].text, "3/4/26  1:05:09 PM");
    EXPECT_EQ(texts[1].y, GridY(2));
    EXPECT_EQ(texts[1].x + texts[1].text.size() * 110, 11016);
    EXPECT_EQ(std::make_pair(texts[1].pointSize, texts[1].bold), std::make_pair(11, true));

    EXPECT_EQ(run->At(4, 4), "Model Type");
    EXPECT_EQ(run->At(30, 4), "VHF");
    EXPECT_EQ(run->At(4, 5), "Radio Type");
    EXPECT_EQ(run->At(30, 5), "<nothing>");
    EXPECT_EQ(run->At(4, 6), "Frequency");
    EXPECT_EQ(run->At(30, 6), "136-174MHz");
    EXPECT_EQ(run->At(4, 7), "File Name");
    EXPECT_EQ(run->At(30, 7), "/home/user/radios/site a/base.dat");

    ASSERT_EQ(run->page.rules().size(), 2u);
    EXPECT_DOUBLE_EQ(run->page.rules()[0].y, 792 + 3.5 * 238);
    EXPECT_DOUBLE_EQ(run->page.rules()[1].y, 792 + 8 * 238);
    EXPECT_EQ(run->page.rules()[0].x1, 1224);
    EXPECT_EQ(run->page.rules()[0].x2, 11016);

    // Title, body and footer in the body font.
    for (const PrintedText& t : texts) {
        if (t.y >= GridY(10)) {
            EXPECT_EQ(std::make_pair(t.pointSize, t.bold), std::make_pair(10, false)) << t.text.toStdString();
        }
    }
}

TEST(ReportFrame, ChineseHeaderTitle)
{
    const auto run = RunReport(InputFor(DefaultUhf(), {1}, true));
    ASSERT_FALSE(run->failure);
    EXPECT_EQ(run->page.texts()[0].text, "ZOLT ZX-4100 对讲机编程信息");
    EXPECT_EQ(run->At(4, 4), "机型类型");
}

struct BandCase {
    std::uint8_t code;
    const char* family;
    const char* range;
};

class HeaderBands : public ::testing::TestWithParam<BandCase> {};

TEST_P(HeaderBands, NameTheFamilyAndRangeOfTheBandCode)
{
    const HeaderBand band = HeaderBandOf(GetParam().code);
    EXPECT_EQ(band.family, GetParam().family);
    EXPECT_EQ(band.range, GetParam().range);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, HeaderBands,
    ::testing::Values(BandCase{0x01, "VHF", "136-174MHz"}, BandCase{0x02, "VHF", "136-150MHz"},
                      BandCase{0x03, "VHF", "150-174MHz"}, BandCase{0x04, "VHF", "245-265MHz"},
                      BandCase{0x21, "UHF", "400-480MHz"}, BandCase{0x33, "UHF", "440-480MHz"},
                      BandCase{0x43, "UHF", "400-440MHz"}, BandCase{0x53, "UHF", "350-370MHz"},
                      BandCase{0x63, "UHF", "370-390MHz"}, BandCase{0x73, "UHF", "350-390MHz"},
                      BandCase{0x83, "UHF", "460-520MHz"}, BandCase{0x00, "UHF", "400-480MHz"},
                      BandCase{0x20, "UHF", "400-480MHz"}, BandCase{0xF0, "UHF", "400-480MHz"}));

TEST(ReportFrame, TheDateIsTheLocalesShortFormAndTheTimeHasSeconds)
{
    const QDateTime at(QDate(2026, 12, 10), QTime(16, 7, 5));
    EXPECT_EQ(ReportDateTimeText(at, QLocale(QLocale::German, QLocale::Germany)), "10.12.26  16:07:05");
    EXPECT_EQ(ReportDateTimeText(at, QLocale(QLocale::English, QLocale::UnitedStates)), "12/10/26  4:07:05 PM");
}

TEST(ReportFrame, AFailureAbortsTheDocumentAndEndsNothing)
{
    RadioImage image = DefaultUhf();
    image.set(layout::VoiceAnnunciation, 0x03);
    const auto run = RunReport(InputFor(image, {0, 1}));
    ASSERT_TRUE(run->failure);
    EXPECT_TRUE(run->page.aborted());
    EXPECT_FALSE(run->page.ended());
    EXPECT_EQ(run->page.pageCount(), 1);  // the later section never began
}

}  // namespace
}  // namespace zx::test
