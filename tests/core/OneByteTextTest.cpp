#include <gtest/gtest.h>

#include "core/OneByteText.h"

namespace zx {
namespace {

TEST(OneByteText, LatinOneCharactersHaveTheirOwnCode)
{
    EXPECT_EQ(OneByteCode(QLatin1Char('A')), std::optional<quint8>(0x41));
    EXPECT_EQ(OneByteCode(QChar(0x00FF)), std::optional<quint8>(0xFF));
    EXPECT_EQ(OneByteCode(QChar(0x00E9)), std::optional<quint8>(0xE9));
}

TEST(OneByteText, CharactersAboveLatinOneHaveNoCodeAndAreNeverCutToTheirLowByte)
{
    EXPECT_FALSE(OneByteCode(QChar(0x4E2D)).has_value());  // would be 0x2D '-' if masked
    EXPECT_FALSE(OneByteCode(QChar(0x0100)).has_value());
    EXPECT_EQ(OneByteCodesPrefix(QStringLiteral("AB") + QChar(0x4E2D) + QStringLiteral("CD")), QByteArray("AB"));
}

TEST(OneByteText, BytesReadBackAsTheSameCharacters)
{
    const QByteArray bytes("\x41\x80\x9F\xFF", 4);
    const QString text = OneByteCharacters(bytes);
    ASSERT_EQ(text.size(), 4);
    EXPECT_EQ(text.at(1).unicode(), 0x80);
    EXPECT_EQ(OneByteCodesPrefix(text), bytes);
}

}  // namespace
}  // namespace zx
