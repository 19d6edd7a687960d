// The scan window's rules without a window: look back and time fields, the
// mode and revert lists, and the priority channel commit.
#include <gtest/gtest.h>

#include "common/QtPrinters.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "settings/ScanRules.h"
#include "settings/ScanSpinFields.h"

namespace zx::test {
namespace {

class ScanRules : public ::testing::Test {
protected:
    void Program(int channel) { core.image.set(layout::ChannelRecord(channel), 0x00); }
    AppCore core;
};

struct LookBackCase {
    const char* typed;
    const char* shown;
    int code;
};

TEST_F(ScanRules, LookBackCommitsToTheStepAtOrBelowInExactDecimals)
{
    const SpinFieldParams p = LookBackTimeAField();
    const LookBackCase cases[] = {
        {"2.37", "2.35", 38}, {"0.3", "0.50", 1},  {"", "0.50", 1},     {"7", "5.00", 91},
        {".5", "0.50", 1},    {".9", "0.90", 9},   {"2", "2.00", 31},   {"2.", "2.00", 31},
        {"0.55", "0.55", 2},  {"4.99", "4.95", 90}, {"5", "5.00", 91},  {"0", "0.50", 1},
        {"1.2.3", "1.20", 15}, {"abc", "0.50", 1}, {"3x", "3.00", 51},
        // Pasted texts: a half rounds to the even hundredth; 1.195 is 119.5
        // hundredths exactly (as a binary double it is just below).
        {"1.195", "1.20", 15}, {"2.385", "2.35", 38}, {"2.3851", "2.35", 38}, {"2.395", "2.40", 39},
        {"0.545", "0.50", 1}, {"0.5451", "0.55", 2}, {"0.549", "0.55", 2}, {"0.5449999999999999999", "0.50", 1},
        {"99999999999999999999", "5.00", 91},
    };
    for (const LookBackCase& c : cases) {
        const SpinCommit result = p.commit(c.typed);
        EXPECT_EQ(result.text, c.shown) << c.typed;
        EXPECT_EQ(result.value, c.code) << c.typed;
    }
    p.store(core.image, p.commit("2.37"));
    EXPECT_EQ(core.image.at(layout::LookBackTimeA), 0x26);
    const SpinFieldParams b = LookBackTimeBField();
    b.store(core.image, b.commit("7"));
    EXPECT_EQ(core.image.at(layout::LookBackTimeB), 0x5B);
}

TEST_F(ScanRules, LookBackLoadsCodesAndLeavesUnsetOnesEmpty)
{
    const SpinFieldParams p = LookBackTimeBField();
    const struct {
        int stored;
        const char* shown;
        int value;
    } cases[] = {{0x00, "", 1}, {0xFF, "", 1}, {1, "0.50", 1}, {31, "2.00", 31}, {51, "3.00", 51},
                 {91, "5.00", 91}, {200, "10.45", 200}};
    for (const auto& c : cases) {
        core.image.set(layout::LookBackTimeB, static_cast<std::uint8_t>(c.stored));
        const SpinLoad loaded = p.load(core.image);
        EXPECT_EQ(loaded.text, c.shown) << c.stored;
        EXPECT_EQ(loaded.value, c.value) << c.stored;
    }
}

TEST_F(ScanRules, LookBackStepsWrapAtTheirTexts)
{
    const SpinFieldParams p = LookBackTimeAField();
    EXPECT_EQ(SpinKeyStep(p, "5.00", 91, true).text, "0.50");
    EXPECT_EQ(SpinKeyStep(p, "0.50", 1, false).text, "5.00");
    // A step starts from the committed value, not from typed text.
    EXPECT_EQ(SpinKeyStep(p, "3", 31, true).text, "2.05");
    EXPECT_EQ(SpinKeyStep(p, "3", 31, true).value, 32);
    // Down at the bottom value with other text stops at the bound.
    EXPECT_EQ(SpinKeyStep(p, "0.7", 1, false).text, "0.50");
    EXPECT_EQ(SpinDigitFilter(p, "2.3", 0, QChar('.')), TypedKey::Accept);
    EXPECT_EQ(SpinDigitFilter(p, "2.35", 0, QChar('5')), TypedKey::Drop);
    EXPECT_EQ(SpinDigitFilter(p, "2.35", 4, QChar('5')), TypedKey::Accept);
    EXPECT_EQ(SpinDigitFilter(p, "", 0, QChar(',')), TypedKey::Drop);
}

struct TimeCase {
    const char* typed;
    const char* shown;
    int low;
    int high;
};

TEST_F(ScanRules, TimesStopAtThreeHundredSecondsStoredLowByteFirst)
{
    for (const auto& [field, address] :
         {std::pair{DropoutDelayTimeField(), layout::DropoutDelayTime}, std::pair{TxDwellTimeField(), layout::TxDwellTime}}) {
        const TimeCase cases[] = {{"301", "300", 0x2C, 0x01}, {"300", "300", 0x2C, 0x01}, {"299", "299", 0x2B, 0x01},
                                  {"0", "0", 0x00, 0x00},     {"", "0", 0x00, 0x00},      {"007", "7", 0x07, 0x00},
                                  {"256", "256", 0x00, 0x01}, {"99999999999999", "300", 0x2C, 0x01},
                                  {"12s", "12", 0x0C, 0x00}};
        for (const TimeCase& c : cases) {
            const SpinCommit result = field.commit(c.typed);
            field.store(core.image, result);
            EXPECT_EQ(result.text, c.shown) << c.typed;
            EXPECT_EQ(core.image.at(address), c.low) << c.typed;
            EXPECT_EQ(core.image.at(address + 1), c.high) << c.typed;
        }
    }
}

TEST_F(ScanRules, TimesLoadTheWordAndAnUnsetHighByteAsEmpty)
{
    const SpinFieldParams p = DropoutDelayTimeField();
    const struct {
        int low;
        int high;
        const char* shown;
        int value;
    } cases[] = {{0x03, 0x00, "3", 3}, {0x2C, 0x01, "300", 300}, {0x03, 0xFF, "", 0}, {0xFF, 0xFF, "", 0},
                 {0x34, 0x12, "4660", 4660}};
    for (const auto& c : cases) {
        core.image.set(layout::DropoutDelayTime, static_cast<std::uint8_t>(c.low));
        core.image.set(layout::DropoutDelayTime + 1, static_cast<std::uint8_t>(c.high));
        const SpinLoad loaded = p.load(core.image);
        EXPECT_EQ(loaded.text, c.shown);
        EXPECT_EQ(loaded.value, c.value);
    }
    // Down wraps from an empty text or 0; the button stops at the bound.
    EXPECT_EQ(SpinKeyStep(p, "", 0, false).text, "300");
    EXPECT_EQ(SpinKeyStep(p, "0", 0, false).text, "300");
    EXPECT_EQ(SpinButtonStep(p, "", 0, false).text, "0");
    EXPECT_EQ(SpinKeyStep(p, "300", 300, true).text, "0");
}

TEST_F(ScanRules, ModeByteSelectsItsPositionAndAnyOtherReadsNone)
{
    const std::pair<int, int> cases[] = {{0x00, 0}, {0x01, 1}, {0x02, 2}, {0x03, 0}, {0x80, 0}, {0xFE, 0}, {0xFF, 0}};
    for (const auto& [stored, position] : cases)
        EXPECT_EQ(PriorityModePosition(static_cast<std::uint8_t>(stored)), position) << stored;
    EXPECT_EQ(PriorityModeItems(), QStringList({"None", "Fixed", "Selected"}));
}

TEST_F(ScanRules, RevertCodeComesFromTheExactTextOfTheLanguageInForce)
{
    EXPECT_EQ(RevertChannelItems(PriorityMode::None), QStringList({"Selected", "Selected + Talk Back"}));
    EXPECT_EQ(RevertChannelItems(PriorityMode::Fixed),
              QStringList({"Selected", "Selected + Talk Back", "Priority", "Priority + Talk Back "}));
    EXPECT_EQ(RevertChannelItems(PriorityMode::Selected), QStringList({"Priority", "Priority + Talk Back "}));

    const std::pair<const char*, int> cases[] = {
        {"Selected", 0},  {"Selected + Talk Back", 1}, {"Priority", 2}, {"Priority + Talk Back ", 3},
        {"Priority + Talk Back", -1}, {"selected", -1}, {"", -1}, {"优先", -1}};
    for (const auto& [text, code] : cases) {
        const std::optional<std::uint8_t> got = RevertChannelCode(QString::fromUtf8(text));
        EXPECT_EQ(got ? *got : -1, code) << text;
    }
    core.LanguageChinese = true;
    EXPECT_EQ(RevertChannelCode(QStringLiteral("优先+回话")), std::optional<std::uint8_t>(3));
    EXPECT_EQ(RevertChannelCode(QStringLiteral("选定")), std::optional<std::uint8_t>(0));
    EXPECT_EQ(RevertChannelCode(QStringLiteral("Selected")), std::nullopt);
}

TEST_F(ScanRules, StoredRevertCodeSelectsByTheListsLength)
{
    const struct {
        int stored;
        int inTwo;
        int inFour;
    } cases[] = {{0, 0, 0}, {1, 1, 1}, {2, 0, 2}, {3, 1, 3}, {4, -1, -1}, {7, -1, -1}, {0xFF, -1, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(RevertChannelPosition(static_cast<std::uint8_t>(c.stored), 2), c.inTwo) << c.stored;
        EXPECT_EQ(RevertChannelPosition(static_cast<std::uint8_t>(c.stored), 4), c.inFour) << c.stored;
    }
}

struct PriorityCase {
    const char* typed;
    const char* last;
    bool refused;
    const char* shown;
    int byte;
    bool error;
};

TEST_F(ScanRules, PriorityChannelMustBeProgrammed)
{
    Program(1);
    Program(3);
    Program(16);
    const PriorityCase cases[] = {
        {"", "3", false, "", 0xFF, true},      {"0", "", false, "1", 1, false},   {"00", "", false, "1", 1, false},
        {"3", "", false, "3", 3, false},       {"03", "", false, "3", 3, false},  {"5", "3", true, "3", 3, false},
        {"5", "", true, "", 0xFF, true},       {"20", "", false, "16", 16, false}, {"99", "3", false, "16", 16, false},
        {"x", "", false, "1", 1, false},       {"9999999999999", "", false, "16", 16, false},
        {"16", "", false, "16", 16, false},    {"2", "0", true, "", 0xFF, true},
    };
    for (const PriorityCase& c : cases) {
        const PriorityChannelCommit r = CommitPriorityChannelText(c.typed, c.last, true, core.image);
        EXPECT_EQ(r.refused, c.refused) << c.typed;
        EXPECT_EQ(r.text, c.shown) << c.typed;
        EXPECT_EQ(r.byte, c.byte) << c.typed;
        EXPECT_EQ(r.error, c.error) << c.typed;
    }
    // Outside Fixed an empty field is no error.
    EXPECT_FALSE(CommitPriorityChannelText("", "", false, core.image).error);
}

TEST_F(ScanRules, PriorityChannelWithChannelsOneAndSixteenEmpty)
{
    Program(3);
    const PriorityCase cases[] = {
        {"0", "", true, "", 0xFF, true},   {"0", "3", true, "", 0xFF, true},  {"20", "3", true, "3", 3, false},
        {"20", "", true, "", 0xFF, true},  {"99999999999", "3", true, "3", 3, false}, {"1", "3", true, "3", 3, false},
    };
    for (const PriorityCase& c : cases) {
        const PriorityChannelCommit r = CommitPriorityChannelText(c.typed, c.last, true, core.image);
        EXPECT_EQ(r.refused, c.refused) << c.typed << " after " << c.last;
        EXPECT_EQ(r.text, c.shown) << c.typed << " after " << c.last;
        EXPECT_EQ(r.byte, c.byte) << c.typed << " after " << c.last;
        EXPECT_EQ(r.error, c.error) << c.typed << " after " << c.last;
    }
    EXPECT_EQ(PriorityChannelMessage(), "Channel must be selected\r\nfrom the programmed Channel's");
    EXPECT_EQ(PriorityChannelMessageTitle(), "Error");
    core.LanguageChinese = true;
    EXPECT_EQ(PriorityChannelMessage(), QStringLiteral("必须从已编程的信道中\r\n选择信道。"));
    EXPECT_EQ(PriorityChannelMessageTitle(), QStringLiteral("错误"));
}

}  // namespace
}  // namespace zx::test
