#include <gtest/gtest.h>

#include <set>

#include "channels/ToneCode.h"
#include "channels/ToneList.h"
#include "core/AppCore.h"

using namespace zx;

namespace {

struct ToneCase {
    std::uint8_t low;
    std::uint8_t high;
    const char* text;  // nullptr: the None word
};

class ToneDecode : public ::testing::TestWithParam<ToneCase> {};

TEST_P(ToneDecode, ReadsTheDisplayText)
{
    const ToneCase c = GetParam();
    const ToneCode code{c.low, c.high};
    EXPECT_EQ(ToneText(code, false), c.text ? QString::fromLatin1(c.text) : QStringLiteral("None"));
    EXPECT_EQ(ToneText(code, true), c.text ? QString::fromLatin1(c.text) : QStringLiteral("无"));
}

INSTANTIATE_TEST_SUITE_P(Codes, ToneDecode,
                         ::testing::Values(ToneCase{0xFF, 0xFF, nullptr}, ToneCase{0x00, 0x00, nullptr},
                                           ToneCase{0x9E, 0x00, nullptr}, ToneCase{0x13, 0xFF, nullptr},
                                           ToneCase{0x12, 0x00, nullptr}, ToneCase{0x9E, 0x02, "67.0"},
                                           ToneCase{0x75, 0x03, "88.5"}, ToneCase{0xE8, 0x03, "100.0"},
                                           ToneCase{0xED, 0x09, "254.1"}, ToneCase{0x13, 0x28, "D023N"},
                                           ToneCase{0x13, 0xA8, "D023I"}, ToneCase{0xEC, 0x29, "D754N"},
                                           ToneCase{0xEC, 0xA9, "D754I"}, ToneCase{0x0F, 0x28, "D017N"},
                                           // Bits 1-4 and 6 of a DQT high byte are not looked at.
                                           ToneCase{0x13, 0x3A, "D023N"},
                                           // Codes this program never writes still read as text.
                                           ToneCase{0x00, 0x40, "1638.4"}, ToneCase{0x00, 0x80, "3276.8"},
                                           ToneCase{0x01, 0xC0, "4915.3"}));

struct ToneEncodeCase {
    const char* text;
    bool chinese;
    std::uint8_t low;
    std::uint8_t high;
};

class ToneEncode : public ::testing::TestWithParam<ToneEncodeCase> {};

TEST_P(ToneEncode, WritesTheCode)
{
    const ToneEncodeCase c = GetParam();
    const ToneCode code = ToneCodeFromText(QString::fromUtf8(c.text), c.chinese);
    EXPECT_EQ(code.low, c.low) << c.text;
    EXPECT_EQ(code.high, c.high) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ToneEncode,
                         ::testing::Values(ToneEncodeCase{"None", false, 0xFF, 0xFF},
                                           ToneEncodeCase{"无", true, 0xFF, 0xFF},
                                           // The other language's None word reads 0: 00 00, read as none.
                                           ToneEncodeCase{"None", true, 0x00, 0x00},
                                           ToneEncodeCase{"无", false, 0x00, 0x00},
                                           ToneEncodeCase{"67.0", false, 0x9E, 0x02},
                                           ToneEncodeCase{"100.0", false, 0xE8, 0x03},
                                           ToneEncodeCase{"254.1", false, 0xED, 0x09},
                                           ToneEncodeCase{"88.6", false, 0x76, 0x03},
                                           // Tenths round half to even.
                                           ToneEncodeCase{"88.55", false, 0x76, 0x03},
                                           ToneEncodeCase{"88.45", false, 0x74, 0x03},
                                           ToneEncodeCase{"D023N", false, 0x13, 0x28},
                                           ToneEncodeCase{"D023I", false, 0x13, 0xA8},
                                           ToneEncodeCase{"D754I", false, 0xEC, 0xA9},
                                           ToneEncodeCase{"D017N", true, 0x0F, 0x28}));

TEST(ToneEncode, DqtWithoutPolarityTakesTheGivenFallback)
{
    EXPECT_EQ(ToneCodeFromText(QStringLiteral("D023"), false, false), (ToneCode{0x13, 0x28}));
    EXPECT_EQ(ToneCodeFromText(QStringLiteral("D023"), false, true), (ToneCode{0x13, 0xA8}));
}

TEST(ToneDecode, EveryCodeReadsAsATextThatEncodesBackToTheSameText)
{
    for (int high = 0; high < 256; ++high) {
        for (int low = 0; low < 256; ++low) {
            const ToneCode code{static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high)};
            const QString text = ToneText(code, false);
            ASSERT_FALSE(text.isEmpty());
            if (code.isNone())
                continue;
            ASSERT_EQ(ToneText(ToneCodeFromText(text, false), false), text) << high << " " << low;
        }
    }
}

TEST(ToneList, HasTheTablesInListOrderAndEveryTextRoundTrips)
{
    const QStringList english = BuildToneList(false);
    const QStringList chinese = BuildToneList(true);
    ASSERT_EQ(english.size(), 265);
    ASSERT_EQ(chinese.size(), 265);
    EXPECT_EQ(english[0], QStringLiteral("None"));
    EXPECT_EQ(chinese[0], QStringLiteral("无"));
    EXPECT_EQ(english[1], QStringLiteral("67.0"));
    EXPECT_EQ(english[50], QStringLiteral("254.1"));
    EXPECT_EQ(english[51], QStringLiteral("D017N"));
    EXPECT_EQ(english[157], QStringLiteral("D754N"));
    EXPECT_EQ(english[158], QStringLiteral("D017I"));
    EXPECT_EQ(english[264], QStringLiteral("D754I"));
    std::set<QString> distinct;
    for (int i = 1; i < 265; ++i) {
        EXPECT_EQ(english[i], chinese[i]) << i;
        distinct.insert(english[i]);
        for (bool language : {false, true}) {
            const ToneCode code = ToneCodeFromText(english[i], language);
            EXPECT_FALSE(code.isNone()) << english[i].toStdString();
            EXPECT_EQ(ToneText(code, language), english[i]) << i;
        }
    }
    EXPECT_EQ(distinct.size(), 264u);
}

TEST(ToneList, BuildsInTheLanguageInForce)
{
    AppCore core;
    QStringList list{QStringLiteral("stale")};
    core.LanguageChinese = true;
    BuildToneList(list);
    ASSERT_EQ(list.size(), kToneListSize);
    EXPECT_EQ(list[0], QStringLiteral("无"));
    core.LanguageChinese = false;
    BuildToneList(list);
    EXPECT_EQ(list[0], QStringLiteral("None"));
}

}  // namespace
