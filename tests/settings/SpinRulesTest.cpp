// The commit, step and filter rules of the spin fields, on the four fields of
// the optional features window.
#include <gtest/gtest.h>

#include "common/ImageFixtures.h"
#include "common/QtPrinters.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "settings/OptionalSpinFields.h"

namespace zx::test {
namespace {

struct CommitCase {
    const char* typed;
    const char* shown;
    int stored;
};

class SpinRules : public ::testing::Test {
protected:
    // Commits the text the way leaving the field does and stores it.
    SpinCommit Commit(const SpinFieldParams& p, const QString& text)
    {
        const SpinCommit c = p.commit(text);
        p.store(core.image, c);
        return c;
    }
    AppCore core;
};

TEST_F(SpinRules, TimeOutTimerTakesSecondsAndStoresUnitsOf15)
{
    const SpinFieldParams p = TimeOutTimerField();
    const CommitCase cases[] = {
        {"16", "30", 2}, {"", "15", 1},    {"0", "15", 1},   {"999", "600", 40}, {"45", "45", 3},
        {"15", "15", 1}, {"31", "45", 3},  {"586", "600", 40}, {"599", "600", 40}, {"600", "600", 40},
    };
    for (const CommitCase& c : cases) {
        const SpinCommit result = Commit(p, c.typed);
        EXPECT_EQ(result.text, c.shown) << c.typed;
        EXPECT_EQ(result.value, c.stored) << c.typed;
        EXPECT_EQ(core.image.at(layout::TimeOutTimer), c.stored) << c.typed;
    }
}

TEST_F(SpinRules, OffFieldsClampToTenAndShowOffForZero)
{
    for (const SpinFieldParams& p : {TotPreAlertField(), VoxGainLevelField()}) {
        const CommitCase cases[] = {{"0", "Off", 0},  {"", "Off", 0},  {"00", "Off", 0}, {"Off", "Off", 0},
                                    {"12", "10", 10}, {"10", "10", 10}, {"05", "05", 5},  {"9", "9", 9}};
        for (const CommitCase& c : cases) {
            const SpinCommit result = p.commit(c.typed);
            EXPECT_EQ(result.text, c.shown) << p.textBoxName.toStdString() << " " << c.typed;
            EXPECT_EQ(result.value, c.stored) << c.typed;
        }
    }
    Commit(TotPreAlertField(), "05");
    EXPECT_EQ(core.image.at(layout::TotPreAlert), 5);
    Commit(VoxGainLevelField(), "12");
    EXPECT_EQ(core.image.at(layout::VoxGainLevel), 10);
}

TEST_F(SpinRules, SquelchEmptyBecomesZeroAndNeverStoresAboveNine)
{
    const SpinFieldParams p = SquelchLevelField();
    const CommitCase cases[] = {{"", "0", 0}, {"5", "5", 5}, {"0", "0", 0}, {"12", "9", 9}, {"255", "9", 9}};
    for (const CommitCase& c : cases) {
        const SpinCommit result = Commit(p, c.typed);
        EXPECT_EQ(result.text, c.shown) << c.typed;
        EXPECT_EQ(core.image.at(layout::SquelchLevel), c.stored) << c.typed;
    }
}

TEST_F(SpinRules, PastedNumbersSaturateInsteadOfWrappingAByte)
{
    // 256 + 5 would wrap a byte to 5; 2^32 + 3 wraps a 32-bit number.
    EXPECT_EQ(TotPreAlertField().commit("261").value, 10);
    EXPECT_EQ(TimeOutTimerField().commit("4294967299").value, 40);
    EXPECT_EQ(VoxGainLevelField().commit("99999999999999999999").text, "10");
    EXPECT_EQ(SquelchLevelField().commit("4294967296").value, 9);
    EXPECT_EQ(ReadSpinInteger("12ab"), 12);
    EXPECT_EQ(ReadSpinInteger("a12"), 0);
    EXPECT_DOUBLE_EQ(ReadSpinNumber("1.5s", true), 1.5);
    EXPECT_DOUBLE_EQ(ReadSpinNumber("1.5", false), 1);
    // A pasted text with letters shows the number it was read as.
    EXPECT_EQ(TotPreAlertField().commit("7x").text, "7");
}

TEST_F(SpinRules, EveryCommitIsStableOnASecondRun)
{
    for (const SpinFieldParams& p : {TimeOutTimerField(), TotPreAlertField(), SquelchLevelField(), VoxGainLevelField()}) {
        for (const char* typed : {"", "0", "05", "12", "16", "999", "3825", "x"}) {
            const SpinCommit first = p.commit(typed);
            const SpinCommit second = p.commit(first.text);
            EXPECT_EQ(second.text, first.text) << p.textBoxName.toStdString() << " " << typed;
            EXPECT_EQ(second.value, first.value) << p.textBoxName.toStdString() << " " << typed;
        }
    }
}

struct StepCase {
    const char* field;
    const char* text;
    int value;
    bool up;
    const char* shown;
    int next;
};

SpinFieldParams FieldNamed(const std::string& name)
{
    if (name == "TOT")
        return TimeOutTimerField();
    if (name == "PreAlert")
        return TotPreAlertField();
    if (name == "SQ")
        return SquelchLevelField();
    return VoxGainLevelField();
}

TEST_F(SpinRules, ArrowKeysWrapByTheTextAndStepByTheValue)
{
    const StepCase cases[] = {
        {"TOT", "600", 40, true, "15", 1},
        {"TOT", "15", 1, false, "600", 40},
        {"TOT", "45", 40, true, "600", 40},  // typed over after reaching the top
        {"TOT", "45", 3, true, "60", 4},
        {"TOT", "3825", 0, true, "15", 1},   // loaded from an unset byte
        {"PreAlert", "Off", 0, false, "10", 10},
        {"PreAlert", "", 0, false, "10", 10},
        {"PreAlert", "0", 0, false, "10", 10},
        {"PreAlert", "10", 10, true, "Off", 0},
        {"PreAlert", "5", 5, false, "4", 4},
        {"SQ", "5", 5, true, "6", 6},
        {"SQ", "9", 9, true, "0", 0},
        {"SQ", "0", 0, false, "9", 9},
        {"SQ", "12", 12, false, "9", 9},     // a loaded value above the range comes back into it
        {"VOX", "Off", 0, true, "1", 1},
    };
    for (const StepCase& c : cases) {
        const SpinStep s = SpinKeyStep(FieldNamed(c.field), c.text, c.value, c.up);
        EXPECT_EQ(s.text, c.shown) << c.field << " " << c.text << (c.up ? " up" : " down");
        EXPECT_EQ(s.value, c.next) << c.field << " " << c.text;
    }
}

TEST_F(SpinRules, ButtonsWrapAtTheTextsAndOtherwiseShowTheMovedValue)
{
    // The value given is the up-down's value after its own move.
    const StepCase cases[] = {
        {"TOT", "600", 40, true, "15", 1},
        {"TOT", "15", 1, false, "600", 40},
        {"TOT", "30", 3, true, "45", 3},
        {"PreAlert", "1", 0, false, "Off", 0},
        {"PreAlert", "Off", 0, false, "10", 10},
        {"PreAlert", "10", 10, true, "Off", 0},
    };
    for (const StepCase& c : cases) {
        const SpinStep s = SpinButtonStep(FieldNamed(c.field), c.text, c.value, c.up);
        EXPECT_EQ(s.text, c.shown) << c.field << " " << c.text;
        EXPECT_EQ(s.value, c.next) << c.field << " " << c.text;
    }
}

TEST_F(SpinRules, DigitFilterKeepsTypedTextShort)
{
    const SpinFieldParams tot = TimeOutTimerField();
    EXPECT_EQ(SpinDigitFilter(tot, "60", 0, '5'), TypedKey::Accept);
    EXPECT_EQ(SpinDigitFilter(tot, "600", 0, '5'), TypedKey::Drop);
    EXPECT_EQ(SpinDigitFilter(tot, "600", 1, '5'), TypedKey::Accept);
    EXPECT_EQ(SpinDigitFilter(tot, "600", 0, QChar(8)), TypedKey::Backspace);
    EXPECT_EQ(SpinDigitFilter(tot, "600", 0, QChar(13)), TypedKey::EnterAsTab);
    EXPECT_EQ(SpinDigitFilter(tot, "", 0, 'a'), TypedKey::Drop);
    EXPECT_EQ(SpinDigitFilter(tot, "", 0, '.'), TypedKey::Drop);
    EXPECT_EQ(SpinDigitFilter(TotPreAlertField(), "10", 0, '1'), TypedKey::Drop);
    EXPECT_EQ(SpinDigitFilter(TotPreAlertField(), "1", 0, '1'), TypedKey::Accept);
    EXPECT_EQ(SpinDigitFilter(SquelchLevelField(), "5", 0, '1'), TypedKey::Drop);
    // An instance may accept more than digits.
    SpinFieldParams seconds = tot;
    seconds.typedCharacters = QStringLiteral("0123456789.");
    EXPECT_EQ(SpinDigitFilter(seconds, "1", 0, '.'), TypedKey::Accept);
}

TEST_F(SpinRules, LoadShowsStoredBytesWithoutBringingThemIntoRange)
{
    struct LoadCase {
        const char* field;
        int byte;
        const char* text;
        int value;
    };
    const LoadCase cases[] = {
        {"TOT", 4, "60", 4},      {"TOT", 0, "0", 0},        {"TOT", 0xFF, "3825", 0}, {"TOT", 41, "615", 0},
        {"PreAlert", 0xFF, "", 0}, {"PreAlert", 0, "Off", 0}, {"PreAlert", 12, "12", 12},
        {"SQ", 0xFF, "0", 0},     {"SQ", 5, "5", 5},         {"SQ", 12, "12", 12},
        {"VOX", 5, "5", 5},
    };
    const std::map<std::string, int> address = {
        {"TOT", layout::TimeOutTimer}, {"PreAlert", layout::TotPreAlert}, {"SQ", layout::SquelchLevel},
        {"VOX", layout::VoxGainLevel}};
    for (const LoadCase& c : cases) {
        core.image.set(address.at(c.field), static_cast<std::uint8_t>(c.byte));
        const SpinLoad shown = FieldNamed(c.field).load(core.image);
        EXPECT_EQ(shown.text, c.text) << c.field << " " << c.byte;
        EXPECT_EQ(shown.value, c.value) << c.field << " " << c.byte;
    }
}

TEST_F(SpinRules, OffTextFollowsTheLanguage)
{
    EXPECT_EQ(OffText(), "Off");
    core.LanguageChinese = true;
    EXPECT_EQ(OffText(), QString::fromUtf8("关"));
    EXPECT_EQ(TotPreAlertField().commit("0").text, QString::fromUtf8("关"));
    EXPECT_EQ(TotPreAlertField().TopText(), "10");
    EXPECT_EQ(TotPreAlertField().BottomText(), QString::fromUtf8("关"));
}

}  // namespace
}  // namespace zx::test
