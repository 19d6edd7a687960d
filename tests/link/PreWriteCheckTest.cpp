// The checks a write must pass, in their order, with their exact messages.
#include <gtest/gtest.h>

#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "link/PreWriteCheck.h"

namespace zx::test {
namespace {

const QString kHead = "The following setting is incorrect.";

struct CheckCase {
    const char* name;
    bool priority;
    bool ownFleet;
    bool pttCheck;
    int pttMissing;
    QString message;  // empty: the write goes on
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class PreWriteChecksOrder : public ::testing::TestWithParam<CheckCase> {
protected:
    AppCore core;
};

TEST_P(PreWriteChecksOrder, FirstFailingCheckGivesItsMessage)
{
    const CheckCase c = GetParam();
    core.image.set(layout::ChannelPttIdCode(3), 0xB1);  // a channel with PTT ID on
    core.checks.PriorityChannelError = c.priority;
    core.checks.OwnFleetIdError = c.ownFleet;
    core.checks.PttCodeCheck = c.pttCheck;
    core.checks.PttCodeMissing = c.pttMissing;
    EXPECT_EQ(PreWriteCheckMessage(), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PreWriteChecksOrder,
    ::testing::Values(
        CheckCase{"None", false, false, false, 3, ""},
        CheckCase{"Priority", true, false, false, 0, kHead + "\r\n\r\n\"Priority Channel\""},
        CheckCase{"PriorityBeforePtt", true, false, true, 3, kHead + "\r\n\r\n\"Priority Channel\""},
        CheckCase{"OwnFleet", false, true, true, 1, kHead + "\r\n\r\n\"Fleet(Own)\"\r\n\"ID(Own)\""},
        CheckCase{"BeginMissing", false, false, true, 1, kHead + "\r\n\"Begin of TX code\""},
        CheckCase{"EndMissing", false, false, true, 2, kHead + "\r\n\r\n\"End of TX code\""},
        CheckCase{"BothMissing", false, false, true, 3, kHead + "\r\n\"Begin of TX code\"\r\n\"End of TX code\""},
        CheckCase{"CodesPresent", false, false, true, 0, ""},
        CheckCase{"MissingWithoutCheck", false, false, false, 2, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PreWriteChecks, ChineseMessagesUseFullWidthParentheses)
{
    AppCore core;
    core.LanguageChinese = true;
    core.checks.OwnFleetIdError = true;
    EXPECT_EQ(PreWriteCheckMessage(),
              QString::fromUtf8("以下设置错误。\r\n\r\n\"队列（自身）\"\r\n\"ID（自身）\""));
}

struct PttCountCase {
    const char* name;
    bool eightChannels;
    int channel;
    int code;
    bool hasPttId;
};

void PrintTo(const PttCountCase& c, std::ostream* os)
{
    *os << c.name;
}

class PttIdRecount : public ::testing::TestWithParam<PttCountCase> {};

TEST_P(PttIdRecount, OnlyChannelsOfTheModelWithBitZeroCount)
{
    const PttCountCase c = GetParam();
    AppCore core;
    core.EightChannelModel = c.eightChannels;
    core.image.set(layout::ChannelPttIdCode(c.channel), static_cast<std::uint8_t>(c.code));
    core.checks.PttCodeCheck = true;
    core.checks.PttCodeMissing = 2;
    const QString message = PreWriteCheckMessage();
    EXPECT_EQ(!message.isEmpty(), c.hasPttId);
    // With no channel using PTT ID the flag is dropped for good.
    EXPECT_EQ(core.checks.PttCodeCheck, c.hasPttId);
}

INSTANTIATE_TEST_SUITE_P(Codes, PttIdRecount,
                         ::testing::Values(PttCountCase{"On", false, 5, 0xB1, true},
                                           PttCountCase{"FleetList2", false, 5, 0xB3, true},
                                           PttCountCase{"FleetList1", false, 5, 0xB2, false},
                                           PttCountCase{"Off", false, 5, 0xB0, false},
                                           PttCountCase{"Unset", false, 5, 0xFF, false},
                                           PttCountCase{"Channel16", false, 16, 0xB1, true},
                                           PttCountCase{"Channel9OnEightChannelModel", true, 9, 0xB1, false},
                                           PttCountCase{"Channel8OnEightChannelModel", true, 8, 0xB1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PreWriteChecks, RefusalShowsOneErrorBox)
{
    AppCore core;
    ScriptedPrompts prompts;
    core.checks.PriorityChannelError = true;
    core.checks.PttCodeCheck = true;
    core.checks.PttCodeMissing = 3;
    core.image.set(layout::ChannelPttIdCode(1), 0xB1);
    EXPECT_FALSE(RunPreWriteChecks());
    ASSERT_EQ(prompts.messages().size(), 1u);
    const MessageRequest& box = prompts.messages()[0];
    EXPECT_EQ(box.text, kHead + "\r\n\r\n\"Priority Channel\"");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
}

}  // namespace
}  // namespace zx::test
