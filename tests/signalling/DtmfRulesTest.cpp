// The DTMF rules without a window: what bytes show, how fields step and what
// a commit stores, by tables of cases.
#include <gtest/gtest.h>

#include "common/ImageFixtures.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "signalling/DtmfCharacters.h"
#include "signalling/DtmfDecodeRules.h"
#include "signalling/DtmfEncodeRules.h"
#include "signalling/DtmfSpinFields.h"
#include "signalling/SpacePaddedText.h"

namespace zx {
namespace {

using F = DtmfEncodeField;

QByteArray Bytes(const RadioImage& image, int address, int size) { return image.toByteArray(address, size); }

struct CommitCase {
    F field;
    const char* typed;
    const char* shown;  // nullptr: the commit changes nothing
    int code;
};

TEST(DtmfEncodeRules, CommitMapsTypedTextToCodeAndShownText)
{
    AppCore core;
    const CommitCase cases[] = {
        {F::Speed, "9", "8", 1},         {F::Speed, "12", "10", 2},       {F::Speed, "99", "15", 3},
        {F::Speed, "", "6", 0},          {F::Speed, "5", "6", 0},         {F::Speed, "0", "6", 0},
        {F::Speed, "100", nullptr, 0},   {F::FirstDigitTime, "250", "100", 1},
        {F::FirstDigitTime, "999", "500", 2}, {F::FirstDigitTime, "4000", "1000", 3},
        {F::FirstDigitTime, "99", "0", 0},    {F::FirstDigitTime, "10000", nullptr, 0},
        {F::StarHashTone, "250", "100", 1},   {F::StarHashTone, "99999999999999", nullptr, 0},
        {F::FirstDigitDelay, "157", "150", 15}, {F::FirstDigitDelay, "120", "100", 10},
        {F::FirstDigitDelay, "995", "990", 99}, {F::FirstDigitDelay, "5000", "1000", 100},
        {F::FirstDigitDelay, "", "100", 10},    {F::FirstDigitDelay, "99999999999", "1000", 100},
        {F::DCodeAssign, "D", "D Code", 0},     {F::DCodeAssign, "17", "D Code", 0},
        {F::DCodeAssign, "7", "7s", 7},         {F::DCodeAssign, "0", "D Code", 0},
        {F::DCodeAssign, "5s", "5s", 5},        {F::DCodeAssign, "D Code", "D Code", 0},
    };
    for (const CommitCase& c : cases) {
        const auto code = EncodeCommitCode(c.field, QString::fromLatin1(c.typed));
        if (!c.shown) {
            EXPECT_FALSE(code.has_value()) << c.typed;
            continue;
        }
        ASSERT_TRUE(code.has_value()) << c.typed;
        EXPECT_EQ(*code, c.code) << c.typed;
        EXPECT_EQ(EncodeDisplay(c.field, *code), QString::fromLatin1(c.shown)) << c.typed;
    }
}

// The steps as the spin field takes them from the fields' descriptions.
SpinState Key(F field, const char* text, int value, bool up)
{
    const SpinStep s = SpinKeyStep(DtmfEncodeSpinField(field, {}), QString::fromLatin1(text), value, up);
    return {s.text, s.value};
}

SpinState Button(F field, const char* text, int movedValue, bool up)
{
    const SpinStep s = SpinButtonStep(DtmfEncodeSpinField(field, {}), QString::fromLatin1(text), movedValue, up);
    return {s.text, s.value};
}

TEST(DtmfEncodeRules, KeyStepsWrapByTheTextAndStepFromTheValue)
{
    AppCore core;
    SpinState s{"6", 0};
    QStringList walk;
    for (int i = 0; i < 4; ++i) {
        s = Key(F::Speed, s.text.toLatin1().constData(), s.value, true);
        walk << s.text;
    }
    EXPECT_EQ(walk, QStringList({"8", "10", "15", "6"}));
    EXPECT_EQ(Key(F::Speed, "6", 0, false), (SpinState{"15", 3}));
    EXPECT_EQ(Key(F::FirstDigitTime, "1000", 3, true), (SpinState{"0", 0}));
    EXPECT_EQ(Key(F::StarHashTone, "0", 0, false), (SpinState{"1000", 3}));

    EXPECT_EQ(Key(F::FirstDigitDelay, "1000", 100, true), (SpinState{"100", 10}));
    EXPECT_EQ(Key(F::FirstDigitDelay, "100", 10, false), (SpinState{"1000", 100}));
    EXPECT_EQ(Key(F::FirstDigitDelay, "150", 15, true), (SpinState{"200", 20}));
    EXPECT_EQ(Key(F::FirstDigitDelay, "200", 20, false), (SpinState{"150", 15}));
    // Typed over at the bound: the step stays inside the up-down's range.
    EXPECT_EQ(Key(F::FirstDigitDelay, "500", 100, true), (SpinState{"1000", 100}));
    EXPECT_EQ(Key(F::FirstDigitDelay, "500", 10, false), (SpinState{"100", 10}));

    EXPECT_EQ(Key(F::DCodeAssign, "16s", 16, true), (SpinState{"D Code", 0}));
    EXPECT_EQ(Key(F::DCodeAssign, "D Code", 0, false), (SpinState{"16s", 16}));
    EXPECT_EQ(Key(F::DCodeAssign, "D Code", 0, true), (SpinState{"1s", 1}));
    EXPECT_EQ(Key(F::DCodeAssign, "7", 0, false), (SpinState{"D Code", 0}));
    EXPECT_EQ(Key(F::DCodeAssign, "3", 16, true), (SpinState{"16s", 16}));
}

TEST(DtmfEncodeRules, ButtonStepsGiveTheKeyStepsTexts)
{
    AppCore core;
    // The up-down has moved (or stopped at its bound) before the field runs.
    EXPECT_EQ(Button(F::Speed, "15", 3, true), (SpinState{"6", 0}));
    EXPECT_EQ(Button(F::Speed, "6", 0, false), (SpinState{"15", 3}));
    EXPECT_EQ(Button(F::Speed, "8", 2, true), (SpinState{"10", 2}));
    EXPECT_EQ(Button(F::FirstDigitDelay, "1000", 100, true), (SpinState{"100", 10}));
    EXPECT_EQ(Button(F::FirstDigitDelay, "100", 10, false), (SpinState{"1000", 100}));
    EXPECT_EQ(Button(F::FirstDigitDelay, "150", 20, true), (SpinState{"200", 20}));
    EXPECT_EQ(Button(F::DCodeAssign, "16s", 16, true), (SpinState{"D Code", 0}));
    EXPECT_EQ(Button(F::DCodeAssign, "D Code", 0, false), (SpinState{"16s", 16}));
}

TEST(DtmfEncodeRules, ACommitOutsideAListMapStoresNothing)
{
    AppCore core;
    RadioImage image = test::DefaultFor(0x01, 0xF8);
    image.set(layout::DtmfSpeed, 0xFF);
    const SpinFieldParams p = DtmfEncodeSpinField(F::Speed, [] { return 2; });
    const SpinCommit none = p.commit("100");
    EXPECT_EQ(none.text, "100");
    EXPECT_EQ(none.value, 2);
    p.store(image, none);
    EXPECT_EQ(image.at(layout::DtmfSpeed), 0xFF);
    const SpinCommit eight = p.commit("9");
    p.store(image, eight);
    EXPECT_EQ(eight.text, "8");
    EXPECT_EQ(image.at(layout::DtmfSpeed), 0x01);
}

TEST(DtmfEncodeRules, LoadShowsDefaultsForFfAndEmptyTextOutsideTheValues)
{
    AppCore core;
    EXPECT_EQ(EncodeLoad(F::Speed, 0xFF), (SpinState{"6", 0}));
    EXPECT_EQ(EncodeLoad(F::Speed, 2), (SpinState{"10", 2}));
    EXPECT_EQ(EncodeLoad(F::Speed, 7).text, QString());
    EXPECT_EQ(EncodeLoad(F::FirstDigitDelay, 0xFF), (SpinState{"100", 10}));
    EXPECT_EQ(EncodeLoad(F::FirstDigitDelay, 150), (SpinState{"1500", 100}));
    EXPECT_EQ(EncodeLoad(F::DCodeAssign, 0xFF), (SpinState{"D Code", 0}));
    EXPECT_EQ(EncodeLoad(F::DCodeAssign, 16), (SpinState{"16s", 16}));
    EXPECT_EQ(EncodeLoad(F::DCodeAssign, 40), (SpinState{"", 16}));
}

TEST(DtmfEncodeRules, DCodeTextFollowsTheLanguage)
{
    AppCore core;
    core.LanguageChinese = true;
    EXPECT_EQ(EncodeDisplay(F::DCodeAssign, 0), QString::fromUtf8("D 码"));
    EXPECT_EQ(EncodeCommitCode(F::DCodeAssign, QString::fromUtf8("D 码")), 0);
}

TEST(DtmfDecodeRules, CodesLoadCheckAndWriteTenBytes)
{
    RadioImage image = test::DefaultFor(0x01, 0xF8);
    EXPECT_EQ(LoadIdCode(image), "000");
    image.write(layout::DtmfIdCode, QByteArray::fromHex("31 32 41 33 FF FF FF FF FF FF"));
    EXPECT_EQ(LoadIdCode(image), "12");
    EXPECT_EQ(LoadStunCode(image), "");
    image.write(layout::StunCode, QByteArray::fromHex("31 20 41 FF 32"));
    EXPECT_EQ(LoadStunCode(image), "1 A");

    for (const char* refused : {"", "1", "12"})
        EXPECT_TRUE(IdCodeRefused(QString::fromLatin1(refused))) << refused;
    EXPECT_FALSE(IdCodeRefused("123"));
    EXPECT_FALSE(StunCodeRefused(""));
    EXPECT_TRUE(StunCodeRefused("1"));
    EXPECT_TRUE(StunCodeRefused("AB"));
    EXPECT_FALSE(StunCodeRefused("AB1"));

    const std::uint8_t stunType = image.at(layout::StunType);
    WriteIdCode(image, "0123");
    EXPECT_EQ(Bytes(image, 0x120, 11), QByteArray::fromHex("30 31 32 33 FF FF FF FF FF FF") + char(image.at(0x12A)));
    WriteStunCode(image, "0123456789ABCD");  // pasted too long: ten bytes only
    EXPECT_EQ(Bytes(image, 0x1F0, 10), QByteArray("0123456789"));
    EXPECT_EQ(image.at(layout::StunType), stunType);
    WriteStunCode(image, "");
    EXPECT_EQ(Bytes(image, 0x1F0, 10), QByteArray(10, char(0xFF)));
}

TEST(DtmfDecodeRules, ListsMapBytesAndPositions)
{
    EXPECT_EQ(GroupCodePosition(0), 0);
    EXPECT_EQ(GroupCodePosition('#'), 5);
    EXPECT_EQ(GroupCodePosition('*'), 6);
    EXPECT_EQ(GroupCodePosition(0x45), -1);
    EXPECT_EQ(GroupCodeByte(5), std::optional<std::uint8_t>(0x23));
    EXPECT_EQ(GroupCodeByte(6), std::optional<std::uint8_t>(0x2A));
    EXPECT_FALSE(GroupCodeByte(-1).has_value());

    EXPECT_EQ(CallAlertPosition(2), 0);  // Off
    EXPECT_EQ(CallAlertPosition(0), 1);  // Normal
    EXPECT_EQ(CallAlertPosition(1), 2);  // Continuous
    EXPECT_EQ(CallAlertByte(0), std::optional<std::uint8_t>(2));
    EXPECT_EQ(CallAlertByte(1), std::optional<std::uint8_t>(0));
    EXPECT_EQ(CallAlertByte(2), std::optional<std::uint8_t>(1));
    EXPECT_FALSE(CallAlertByte(-1).has_value());

    EXPECT_EQ(TranspondPosition(0xFF), -1);
    EXPECT_EQ(TranspondPosition(2), 2);
    EXPECT_EQ(TranspondByte(-1), 0xFF);
    EXPECT_EQ(StunTypePosition(0xFF), 0);
    EXPECT_EQ(StunTypePosition(1), 1);
    EXPECT_EQ(StunTypePosition(7), -1);
    EXPECT_TRUE(ClearToTranspondTicked(3));
    EXPECT_FALSE(ClearToTranspondTicked(0xFF));
    EXPECT_TRUE(DtmfSideToneTicked(0xFF));
    EXPECT_FALSE(DtmfSideToneTicked(0));
}

TEST(DtmfDecodeRules, AutoResetTimerLoadsStepsAndCommits)
{
    AppCore core;
    EXPECT_EQ(AutoResetLoad(0xFF), (SpinState{"10", 10}));
    EXPECT_EQ(AutoResetLoad(0), (SpinState{"Off", 0}));
    EXPECT_EQ(AutoResetLoad(40), (SpinState{"40", 15}));
    const SpinFieldParams p = AutoResetTimerSpinField();
    EXPECT_EQ(SpinKeyStep(p, "15", 15, true).text, "Off");
    EXPECT_EQ(SpinKeyStep(p, "Off", 0, false).text, "15");
    EXPECT_EQ(SpinKeyStep(p, "4", 4, true).text, "5");
    EXPECT_EQ(SpinButtonStep(p, "15", 15, true).value, 0);
    EXPECT_EQ(AutoResetCommit("20"), (SpinState{"15", 15}));
    EXPECT_EQ(AutoResetCommit("00"), (SpinState{"Off", 0}));
    EXPECT_EQ(AutoResetCommit(""), (SpinState{"Off", 0}));
    EXPECT_EQ(AutoResetCommit("Off"), (SpinState{"Off", 0}));
    EXPECT_EQ(AutoResetCommit("05"), (SpinState{"05", 5}));
}

TEST(DtmfCharacters, FiltersKeepTheCodeCharacters)
{
    EXPECT_EQ(DtmfCodeChar(QLatin1Char('b')), QChar(QLatin1Char('B')));
    EXPECT_EQ(DtmfCodeChar(QLatin1Char('#')), QChar(QLatin1Char('#')));
    EXPECT_FALSE(DtmfCodeChar(QLatin1Char('e')).has_value());
    EXPECT_FALSE(DtmfCodeChar(QLatin1Char(' ')).has_value());
    EXPECT_EQ(FilterDtmfText("1 2-ab*#e" + QString(QChar(0x4E2D)) + "cd99999999999", 10), "12AB*#CD99");
    EXPECT_EQ(FilterDigits("12a34 5678901", 10), "1234567890");
}

TEST(SpacePaddedText, BytesAndTextBothWays)
{
    const SpacePaddedBytes empty = SpacePaddedTextBytes("");
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(empty.data()), 16), QByteArray(16, char(0xFF)));
    const SpacePaddedBytes four = SpacePaddedTextBytes("12*#");
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(four.data()), 16),
              QByteArray::fromHex("31 32 2A 23") + QByteArray(12, ' '));
    const SpacePaddedBytes full = SpacePaddedTextBytes("0123456789ABCD*#99");
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(full.data()), 16), QByteArray("0123456789ABCD*#"));

    const QByteArray spaced = QByteArray("1 2 34") + QByteArray(10, ' ');
    EXPECT_EQ(SpacePaddedTextFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(spaced.data()), 16)), "1234");
    // The reader does not stop at FF.
    const QByteArray withFf = QByteArray::fromHex("31 FF 32") + QByteArray(13, ' ');
    EXPECT_EQ(SpacePaddedTextFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(withFf.data()), 16)),
              QString("1") + QChar(0xFF) + "2");
    const QByteArray emptyBytes(16, char(0xFF));
    EXPECT_EQ(SpacePaddedTextFromBytes(std::span(reinterpret_cast<const std::uint8_t*>(emptyBytes.data()), 16)), "");
}

}  // namespace
}  // namespace zx
