// What each tuning dialog opens with: captions, points, codes, start values,
// frequencies and the PTT button, from the test-mode state and the image
// after a Tune step that stored the identity block (byte p = p).
#include <gtest/gtest.h>

#include "core/StringTable.h"
#include "testmode/TuneBandEdges.h"
#include "testmode/TuningLinkRig.h"

namespace zx::test {
namespace {

// One field of every point, in the points' order.
template <class T, class Field>
std::vector<T> Column(const TuningSetup& s, Field field)
{
    std::vector<T> out;
    for (const auto& p : s.points)
        out.push_back(field(p));
    return out;
}
std::vector<int> Codes(const TuningSetup& s)
{
    return Column<int>(s, [](const TuningPointSetup& p) { return p.code; });
}
std::vector<int> StartValues(const TuningSetup& s)
{
    return Column<int>(s, [](const TuningPointSetup& p) { return p.startValue; });
}
std::vector<QString> Tabs(const TuningSetup& s, bool chinese)
{
    return Column<QString>(s, [&](const TuningPointSetup& p) { return LoadLangString(p.tabCaptionId, chinese); });
}
std::vector<QString> RxTexts(const TuningSetup& s)
{
    return Column<QString>(s, [](const TuningPointSetup& p) { return p.rxText; });
}
std::vector<QString> TxTexts(const TuningSetup& s)
{
    return Column<QString>(s, [](const TuningPointSetup& p) { return p.txText; });
}

class TuningItemsTest : public ::testing::Test {
protected:
    TuningSetup Make(TuningSetup (*setupOf)(const TestModeState&, const RadioImage&), int item, bool narrow = false)
    {
        rig.testMode.TuneItem = item;
        rig.testMode.NarrowBandTest = narrow;
        return setupOf(rig.testMode, rig.image);
    }
    TuningRig rig;
};

// ---- band edges and point frequencies --------------------------------------

TEST(TuneBandEdgesTest, EachBandCodeHasItsOwnEdgesAndAnyOtherTunesAsFourHundredToFourEighty)
{
    struct Case {
        int code;
        int low, high;
    };
    for (const Case& c : {Case{0x01, 136, 174}, Case{0x02, 136, 150}, Case{0x03, 150, 174}, Case{0x04, 245, 265},
                          Case{0x21, 400, 480}, Case{0x33, 440, 480}, Case{0x43, 400, 440}, Case{0x63, 370, 390},
                          Case{0x53, 350, 370}, Case{0x73, 350, 390}, Case{0x83, 460, 520}, Case{0x00, 400, 480},
                          Case{0xFF, 400, 480}, Case{0x22, 400, 480}}) {
        const auto e = TuneBandEdges::For(static_cast<std::uint8_t>(c.code));
        EXPECT_EQ(e.L, c.low * 100000LL) << c.code;
        EXPECT_EQ(e.U, c.high * 100000LL) << c.code;
    }
}

TEST_F(TuningItemsTest, BandPointFrequenciesOfTheLowCenterAndHighPoints)
{
    struct Case {
        int band;
        std::vector<QString> rx, tx;  // Low, Center, High
    };
    const Case cases[] = {
        {0x21,
         {"400.05000MHz", "440.05000MHz", "479.95000MHz"},
         {"400.10000MHz", "440.10000MHz", "479.90000MHz"}},
        {0x00,
         {"400.05000MHz", "440.05000MHz", "479.95000MHz"},
         {"400.10000MHz", "440.10000MHz", "479.90000MHz"}},
        {0x01,
         {"136.05000MHz", "155.05000MHz", "173.95000MHz"},
         {"136.10000MHz", "155.10000MHz", "173.90000MHz"}},
    };
    for (const Case& c : cases) {
        rig.image.setModelBandCode(static_cast<std::uint8_t>(c.band));
        const auto s = Make(BandPointSetup, kItemDqtBalance);
        const auto rx = RxTexts(s);
        const auto tx = TxTexts(s);
        EXPECT_EQ(std::vector<QString>(rx.begin() + 1, rx.end()), c.rx) << c.band;
        EXPECT_EQ(std::vector<QString>(tx.begin() + 1, tx.end()), c.tx) << c.band;
    }
}

TEST_F(TuningItemsTest, PowerFrequenciesAddTheQuarterPoints)
{
    rig.image.setModelBandCode(0x21);
    auto s = Make(PowerSetup, kItemRfHighPower);
    EXPECT_EQ(RxTexts(s), (std::vector<QString>{"146.12500MHz", "400.05000MHz", "420.05000MHz", "440.05000MHz",
                                                "460.05000MHz", "479.95000MHz"}));
    EXPECT_EQ(TxTexts(s), (std::vector<QString>{"146.15000MHz", "400.10000MHz", "420.10000MHz", "440.10000MHz",
                                                "460.10000MHz", "479.90000MHz"}));

    rig.image.setModelBandCode(0x01);
    s = Make(PowerSetup, kItemRfLowPower);
    EXPECT_EQ(s.points[2].rxText, "145.55000MHz");
    EXPECT_EQ(s.points[2].txText, "145.60000MHz");
    EXPECT_EQ(s.points[4].rxText, "164.55000MHz");
    EXPECT_EQ(s.points[4].txText, "164.60000MHz");
}

TEST_F(TuningItemsTest, TestPointShowsTheTestChannelsOwnTextsAsMegahertz)
{
    struct Case {
        QString listed;
        QString shown;
    };
    for (const Case& c : {Case{"146.12500", "146.12500MHz"}, Case{"0", "000.00000MHz"},
                          Case{"99.5", "099.50000MHz"}, Case{"FFF.FFFFF", "FFF.FFFFFMHz"}}) {
        EXPECT_EQ(TestPointFrequencyText(c.listed), c.shown) << c.listed.toStdString();
    }
    // Channel 3 is chosen; its RX and TX texts differ.
    for (auto setupOf : {BandPointSetup, PowerSetup, SingleValueSetup, MeasuredValueSetup}) {
        const auto s = Make(setupOf, kItemDqtBalance, true);
        EXPECT_EQ(s.points.front().rxText, "146.12500MHz");
        EXPECT_EQ(s.points.front().txText, "146.15000MHz");
    }
    rig.testMode.TestChannelNo = 4;
    rig.testMode.TestFreqList[0][3] = "0";
    rig.testMode.TestFreqList[1][3] = "0";
    EXPECT_EQ(Make(SingleValueSetup, kItemDqtBalance, true).points[0].txText, "000.00000MHz");
}

// ---- the band-point dialog ------------------------------------------------

TEST_F(TuningItemsTest, BandPointItemsTakeTheirTestValueTheirBandBytesAndTheirCodes)
{
    struct Case {
        int item;
        int caption;
        const char* english;
        std::vector<int> codes;
        std::vector<int> values;  // Test, Low, Center, High
        bool ptt;
    };
    const Case cases[] = {
        {3, 1221, "DQT Balance(Wide)", {0x18, 0x65, 0x66, 0x67}, {29, 30, 31, 32}, true},
        {4, 1223, "Max Deviation(Wide)", {0x17, 0x24, 0x25, 0x26}, {24, 25, 26, 27}, true},
        {5, 1225, "QT Fine Deviation(Wide)", {0x19, 0x6A, 0x6B, 0x6C}, {34, 35, 36, 37}, true},
        {6, 1227, "DQT Fine Deviation(Wide)", {0x1A, 0x6F, 0x70, 0x71}, {39, 40, 41, 42}, true},
        {8, 1215, "Sensitivity", {0x1F, 0x35, 0x36, 0x37}, {46, 47, 48, 49}, false},
        {9, 1231, "Squelch(Tight)(Wide)", {0x0D, 0x75, 0x76, 0x77}, {6, 7, 8, 9}, false},
        {10, 1233, "Squelch(Open)(Wide)", {0x0C, 0x72, 0x73, 0x74}, {1, 2, 3, 4}, false},
    };
    for (const Case& c : cases) {
        const auto s = Make(BandPointSetup, c.item);
        EXPECT_EQ(s.captionId, c.caption) << c.item;
        EXPECT_EQ(LoadLangString(s.captionId, false), QString::fromUtf8(c.english)) << c.item;
        EXPECT_EQ(Codes(s), c.codes) << c.item;
        EXPECT_EQ(StartValues(s), c.values) << c.item;
        EXPECT_EQ(s.pttEnabled, c.ptt) << c.item;
        EXPECT_EQ(s.link.readValueLength, 4);
        EXPECT_EQ(s.link.replyTimeoutMs, 100);
        EXPECT_EQ(s.link.lastCancelCommand, c.item == 10 ? Hex("74 0F") : Hex("") + char(c.codes[3]) + char(0x0E))
            << c.item;
    }
}

TEST_F(TuningItemsTest, BandPointTabsInBothLanguages)
{
    const auto s = Make(BandPointSetup, kItemMaxDeviation);
    EXPECT_EQ(Tabs(s, false), (std::vector<QString>{"Test", "Low", "Center", "High"}));
    EXPECT_EQ(Tabs(s, true), (std::vector<QString>{"测试", "低", "中心", "高"}));
}

TEST_F(TuningItemsTest, DialogOpenedForAnItemNotItsOwnHasNoCaptionAndZeroValues)
{
    for (int item : {1, 7, 12}) {
        const auto s = Make(BandPointSetup, item);
        EXPECT_EQ(s.captionId, 0) << item;
        EXPECT_EQ(StartValues(s), (std::vector<int>{0, 0, 0, 0})) << item;
        EXPECT_EQ(Codes(s), (std::vector<int>{0, 0, 0, 0})) << item;
    }
    EXPECT_EQ(Make(PowerSetup, 3).captionId, 0);
    EXPECT_EQ(Make(SingleValueSetup, 8).captionId, 0);
    EXPECT_EQ(Make(MeasuredValueSetup, 11).captionId, 0);
}

// ---- the power dialog ------------------------------------------------------

TEST_F(TuningItemsTest, PowerItemsOpenWithSixPointsAndThePttEnabled)
{
    auto s = Make(PowerSetup, kItemRfHighPower);
    EXPECT_EQ(LoadLangString(s.captionId, false), "RF High Power");
    EXPECT_EQ(Codes(s), (std::vector<int>{0x12, 0x30, 0x33, 0x31, 0x34, 0x32}));
    EXPECT_EQ(StartValues(s), (std::vector<int>{11, 12, 13, 14, 15, 16}));
    EXPECT_TRUE(s.pttEnabled);
    EXPECT_EQ(s.link.readValueLength, 6);
    EXPECT_TRUE(s.link.showReadValue);
    EXPECT_EQ(s.link.lastCancelCommand, Hex("32 0E"));
    EXPECT_EQ(Tabs(s, false), (std::vector<QString>{"Test", "Low", "Low'", "Center", "High'", "High"}));
    EXPECT_EQ(Tabs(s, true), (std::vector<QString>{"测试", "低", "低'", "中心", "高'", "高"}));

    s = Make(PowerSetup, kItemRfLowPower);
    EXPECT_EQ(LoadLangString(s.captionId, false), "RF Low Power");
    EXPECT_EQ(Codes(s), (std::vector<int>{0x14, 0x60, 0x63, 0x61, 0x64, 0x62}));
    EXPECT_EQ(StartValues(s), (std::vector<int>{17, 18, 19, 20, 21, 22}));
    EXPECT_TRUE(s.pttEnabled);
    EXPECT_EQ(s.link.lastCancelCommand, Hex("62 0E"));
}

// ---- the single-value dialog -----------------------------------------------

TEST_F(TuningItemsTest, SingleValueItemsTakeTheirStartValueFromTheImageNeverFromTheTestValues)
{
    struct Case {
        int item;
        bool narrow;
        int caption;
        const char* english;
        int address;
        int code;
        bool ptt;
    };
    const Case cases[] = {
        {3, true, 1222, "DQT Balance(Narrow)", 0x18B, 0x18, true},
        {3, false, 1222, "DQT Balance(Narrow)", 0x18B, 0x18, true},
        {4, true, 1224, "Max Deviation(Narrow)", 0x18F, 0x17, true},
        {5, true, 1226, "QT Fine Deviation(Narrow)", 0x193, 0x19, true},
        {6, true, 1228, "DQT Fine Deviation(Narrow)", 0x197, 0x1A, true},
        {7, true, 1230, "DTMF Fine Deviation(Narrow)", 0x19B, 0x1D, true},
        {7, false, 1229, "DTMF Fine Deviation(Wide)", 0x19C, 0x1D, true},
        {9, true, 1232, "Squelch(Tight)(Narrow)", 0x1A0, 0x0D, false},
        {10, true, 1234, "Squelch(Open)(Narrow)", 0x1A4, 0x0C, false},
        {11, true, 1236, "MSK Fine Deviation(Narrow)", 0x1A8, 0x1B, true},
        {11, false, 1235, "MSK Fine Deviation(Wide)", 0x1AA, 0x1B, true},
    };
    for (const Case& c : cases) {
        const auto s = Make(SingleValueSetup, c.item, c.narrow);
        const std::string name = c.english;
        EXPECT_EQ(s.captionId, c.caption) << name;
        EXPECT_EQ(LoadLangString(s.captionId, false), QString::fromUtf8(c.english)) << name;
        EXPECT_EQ(Codes(s), (std::vector<int>{c.code})) << name;
        EXPECT_EQ(StartValues(s), (std::vector<int>{rig.image.at(c.address)})) << name;
        EXPECT_EQ(s.pttEnabled, c.ptt) << name;
        EXPECT_EQ(Tabs(s, false), (std::vector<QString>{"Test"})) << name;
        EXPECT_EQ(s.link.readValueLength, 0);
        EXPECT_TRUE(s.link.lastCancelCommand.isEmpty());
        EXPECT_EQ(s.link.replyTimeoutMs, 100);
    }
    // With the identity block: the narrow DQT Balance byte is 33, its test
    // value 29; DTMF wide 44, narrow 45; MSK wide 52, narrow 54.
    EXPECT_EQ(StartValues(Make(SingleValueSetup, 3, true)), (std::vector<int>{33}));
    EXPECT_EQ(StartValues(Make(SingleValueSetup, 7, false)), (std::vector<int>{44}));
    EXPECT_EQ(StartValues(Make(SingleValueSetup, 7, true)), (std::vector<int>{45}));
    EXPECT_EQ(StartValues(Make(SingleValueSetup, 11, false)), (std::vector<int>{52}));
    EXPECT_EQ(StartValues(Make(SingleValueSetup, 11, true)), (std::vector<int>{54}));
}

// ---- the measured-value dialog ----------------------------------------------

TEST_F(TuningItemsTest, MeasuredItemsTakeTheirStartByteAndCode)
{
    rig.image.set(0x1B2, 0xFF);
    struct Case {
        int item;
        int caption;
        const char* english;
        int start;
        int code;
    };
    for (const Case& c : {Case{12, 1219, "Battery Warning Level", 55, 0x1C}, Case{13, 1903, "VOX1", 57, 0x21},
                          Case{14, 1904, "VOX10", 58, 0x23}, Case{15, 1905, "RSSI", 0xFF, 0x22}}) {
        const auto s = Make(MeasuredValueSetup, c.item);
        EXPECT_EQ(s.captionId, c.caption) << c.english;
        EXPECT_EQ(LoadLangString(s.captionId, false), c.english);
        EXPECT_EQ(LoadLangString(s.captionId, true), c.item == 12 ? "电池告警电平" : c.english);
        EXPECT_EQ(StartValues(s), (std::vector<int>{c.start})) << c.english;
        EXPECT_EQ(Codes(s), (std::vector<int>{c.code})) << c.english;
        EXPECT_TRUE(s.link.measured);
        EXPECT_EQ(s.link.replyTimeoutMs, 200);
        EXPECT_EQ(s.link.storeOnlyMeasured, c.item == 15) << c.english;
    }
}

}  // namespace
}  // namespace zx::test
