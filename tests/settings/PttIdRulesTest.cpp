// The PTT ID rules: required codes, channel PTT ID texts, code characters
// and the code's bytes.
#include <gtest/gtest.h>

#include "common/QtPrinters.h"
#include "core/AppCore.h"
#include "settings/PttIdRules.h"

namespace zx::test {
namespace {

TEST(PttIdRules, MissingCodesAreTheRequiredOnesThatAreEmpty)
{
    struct Case {
        int timing;
        bool botEmpty, eotEmpty;
        int missing;
    };
    const Case cases[] = {{0, true, true, 1},   {0, false, true, 0}, {1, true, false, 0}, {1, true, true, 2},
                          {2, true, true, 3},   {2, false, true, 2}, {2, false, false, 0}, {0xFF, true, true, 0},
                          {3, true, true, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(PttCodeMissingFor(c.timing, c.botEmpty, c.eotEmpty), c.missing) << c.timing;
}

TEST(PttIdRules, ChannelTextsByType)
{
    AppCore core;
    EXPECT_EQ(PttIdListItems(1).join('|'),
              "Off|Own|Fleet List 1|Fleet List 2|Fleet List 3|Fleet List 4|Fleet List 5|Fleet List 6|Fleet List 7|"
              "Fleet List 8");
    EXPECT_EQ(PttIdListItems(0).join('|'), "Off|On");
    core.LanguageChinese = true;
    EXPECT_EQ(FleetListText(2), QString::fromUtf8("队列表 2"));
    EXPECT_EQ(PttIdOwnText(), QString::fromUtf8("自身"));
}

TEST(PttIdRules, CodeCharactersAndBytes)
{
    EXPECT_EQ(PttCodeCharacter('a'), QChar('A'));
    EXPECT_EQ(PttCodeCharacter('d'), QChar('D'));
    EXPECT_EQ(PttCodeCharacter('#'), QChar('#'));
    EXPECT_EQ(PttCodeCharacter('e'), std::nullopt);
    EXPECT_EQ(PttCodeCharacter('E'), std::nullopt);
    EXPECT_EQ(PttCodeCharacter(QChar(0x4E00)), std::nullopt);
    EXPECT_TRUE(IsPttCodeText("0123456789ABCD*#"));
    EXPECT_FALSE(IsPttCodeText("0123456789ABCD*#1"));
    EXPECT_FALSE(IsPttCodeText("12 3"));
    EXPECT_EQ(PttCodeBytes("123").toHex(' ').toUpper(),
              "31 32 33 FF FF FF FF FF FF FF FF FF FF FF FF FF");
    EXPECT_EQ(PttCodeBytes(""), QByteArray(16, char(0xFF)));
    EXPECT_EQ(PttCodeFromBytes(QByteArray::fromHex("31FF32FFFFFFFFFFFFFFFFFFFFFFFFFF")), "12");
}

}  // namespace
}  // namespace zx::test
