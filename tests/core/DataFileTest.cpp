#include <gtest/gtest.h>

#include "common/QtPrinters.h"
#include "core/DataFile.h"

using namespace zx;

namespace {

RadioImage PatternImage()
{
    RadioImage image;
    for (int a = 0; a < layout::kImageSize; ++a)
        image.set(a, static_cast<std::uint8_t>((a * 7 + 3) & 0xFF));
    return image;
}

}  // namespace

TEST(DataFileBuild, HeaderThenImageInAddressOrder)
{
    const RadioImage image = PatternImage();
    const QByteArray bytes = BuildDataFile(image);
    ASSERT_EQ(bytes.size(), 1040);
    EXPECT_EQ(bytes.left(16).toHex(' ').toUpper(), "51 5A 35 31 32 30 FF FF FF FF FF FF FF FF FF FF");
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(static_cast<std::uint8_t>(bytes[16 + a]), image.at(a)) << "address " << a;
}

TEST(DataFileParse, RoundTripGivesTheSameImage)
{
    const RadioImage image = PatternImage();
    const DataFileContents contents = ParseDataFile(BuildDataFile(image));
    ASSERT_TRUE(contents.ok());
    EXPECT_EQ(contents.image, image);
}

TEST(DataFileParse, FillBytesAreIgnored)
{
    QByteArray bytes = BuildDataFile(PatternImage());
    for (int i = 6; i < 16; ++i)
        bytes[i] = static_cast<char>(i * 13);
    const DataFileContents contents = ParseDataFile(bytes);
    ASSERT_TRUE(contents.ok());
    EXPECT_EQ(contents.image, PatternImage());
}

struct BadFileCase {
    const char* name;
    QByteArray bytes;
    DataFileError error;
};

void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }

class DataFileRefusal : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(DataFileRefusal, IsRefusedWithItsReason)
{
    EXPECT_EQ(ParseDataFile(GetParam().bytes).error, GetParam().error);
}

namespace {
QByteArray Good() { return BuildDataFile(PatternImage()); }
QByteArray WithMarker(const char* marker)
{
    QByteArray b = Good();
    b.replace(0, 6, marker);
    return b;
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, DataFileRefusal,
    ::testing::Values(BadFileCase{"Short1039", Good().left(1039), DataFileError::WrongLength},
                      BadFileCase{"Long1041", Good() + QByteArray(1, '\xFF'), DataFileError::WrongLength},
                      BadFileCase{"Empty", QByteArray(), DataFileError::WrongLength},
                      BadFileCase{"LowerCaseMarker", WithMarker("qz5120"), DataFileError::WrongMarker},
                      BadFileCase{"OneCharOff", WithMarker("QZ5121"), DataFileError::WrongMarker},
                      BadFileCase{"MarkerShortByOne", WithMarker("QZ512\xFF"), DataFileError::WrongMarker}),
    [](const auto& info) { return std::string(info.param.name); });
