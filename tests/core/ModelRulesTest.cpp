#include <gtest/gtest.h>

#include "core/AppCore.h"
#include "core/BcdFrequency.h"
#include "core/ModelRules.h"
#include "common/ImageFixtures.h"

using namespace zx;
using zx::test::DefaultFor;

namespace {

QByteArray Hex(const RadioImage& image, int address, int size)
{
    return image.toByteArray(address, size).toHex(' ').toUpper();
}

}  // namespace

TEST(DefaultImage, UhfDefaultModelHasTheFieldMapDefaults)
{
    const RadioImage image = DefaultFor(0x21, 0xF8);
    EXPECT_EQ(Hex(image, 0x1B8, 8), "4B 33 31 36 37 21 F8 FF");
    EXPECT_EQ(Hex(image, 0x280, 8), "00 50 00 47 00 00 01 47");
    for (int a = 0x2B0; a < 0x300; ++a)
        EXPECT_EQ(image.at(a), 0xFF) << a;
    EXPECT_EQ(Hex(image, 0x110, 16), "00 00 0A 00 00 01 00 0A 00 00 00 FF FF FF 0A FF");
    EXPECT_EQ(Hex(image, 0x120, 12), "30 30 30 FF FF FF FF FF FF FF FF FF");
    EXPECT_EQ(Hex(image, 0x12C, 20), "00 00 01 00 04 00 00 00 05 00 01 00 00 00 05 01 00 00 00 00");
    EXPECT_EQ(Hex(image, 0x140, 16), "31 32 33 34 35 FF FF FF FF FF FF FF FF FF FF FF");
    EXPECT_EQ(Hex(image, 0x150, 16), "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
    EXPECT_EQ(Hex(image, 0x160, 16), "00 FF 1F 33 01 03 00 03 00 FF FF FF FF FF FF FF");
    EXPECT_EQ(Hex(image, 0x170, 16), "FF 00 00 90 01 00 0A 00 01 00 FF FF 00 00 00 00");
    EXPECT_EQ(Hex(image, 0x1F8, 4), "FF FF 00 FF");
    for (int a = 0x010; a < 0x110; ++a)
        ASSERT_EQ(image.at(a), 0xFF) << a;
    EXPECT_EQ(DefaultBandTable(0x21).lowerMHz, 450);
    EXPECT_EQ(DefaultBandTable(0x21).upperMHz, 490);
}

struct ModelCase {
    std::uint8_t band;
    std::uint8_t variant;
    const char* modelCode;  // five characters, '?' for 0xFF
    int lower, upper;
    int entry;              // test entry checked
    const char* rx;
    const char* tx;
    bool eight;
};

void PrintTo(const ModelCase& c, std::ostream* os)
{
    *os << "band " << int(c.band) << " variant " << int(c.variant);
}

class ModelRuleTable : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelRuleTable, BuildsTheModelsDefaults)
{
    const ModelCase c = GetParam();
    const RadioImage image = DefaultFor(c.band, c.variant);
    QString code;
    for (int i = 0; i < 5; ++i)
        code.append(image.at(0x1B8 + i) == 0xFF ? QChar('?') : QChar(image.at(0x1B8 + i)));
    EXPECT_EQ(code, QString::fromLatin1(c.modelCode));
    EXPECT_EQ(image.modelBandCode(), c.band);
    EXPECT_EQ(image.modelVariant(), c.variant);
    EXPECT_EQ(image.at(0x1BF), 0xFF);
    const BandLimits limits = DefaultBandTable(c.band);
    EXPECT_EQ(limits.lowerMHz, c.lower);
    EXPECT_EQ(limits.upperMHz, c.upper);
    const int entry = layout::TestFrequencyEntry(c.entry);
    EXPECT_EQ(BcdFrequency::ToText(image.bcdFrequency(entry)), QString::fromLatin1(c.rx));
    EXPECT_EQ(BcdFrequency::ToText(image.bcdFrequency(entry + 4)), QString::fromLatin1(c.tx));
    EXPECT_EQ(EightChannelRule(c.band, c.variant), c.eight);
}

INSTANTIATE_TEST_SUITE_P(Models, ModelRuleTable, ::testing::Values(
    ModelCase{0x83, 0xF8, "K3167", 440, 480, 1, "460.05000", "460.10000", false},
    ModelCase{0x02, 0xF8, "K3167", 136, 150, 3, "149.95000", "149.90000", false},
    ModelCase{0x63, 0xF8, "K3167", 300, 390, 2, "370.05000", "370.10000", false},
    ModelCase{0x63, 0xF8, "K3167", 300, 390, 4, "380.00000", "380.00000", false},
    ModelCase{0x00, 0xFC, "K2166", 136, 174, 1, "155.05000", "155.10000", false},
    ModelCase{0x21, 0xF9, "K3162", 450, 490, 6, "470.40000", "470.40000", true},
    ModelCase{0x33, 0xF9, "K3162", 440, 480, 5, "460.20000", "460.20000", false},
    ModelCase{0x21, 0x12, "K316?", 450, 490, 1, "470.05000", "470.10000", false},
    ModelCase{0x05, 0xF8, "K3167", 440, 480, 2, "440.05000", "440.10000", false},
    ModelCase{0xFF, 0xF8, "K3167", 440, 480, 3, "479.95000", "479.90000", false}));

TEST(DefaultImage, IsTheSameWhateverTheImageHeldBefore)
{
    RadioImage garbage;
    for (int a = 0; a < 1024; ++a)
        garbage.set(a, static_cast<std::uint8_t>(a * 7));
    garbage.setModelBandCode(0x21);
    garbage.setModelVariant(0xF8);
    InitAllFrameData(garbage);
    EXPECT_EQ(garbage, DefaultFor(0x21, 0xF8));
}

TEST(EightChannelRuleTable, OnlyVariantF9OnTheListedBands)
{
    for (int band = 0; band < 256; ++band) {
        const bool listed = band == 0x00 || band == 0x01 || band == 0x20 || band == 0x21 || band == 0x70 || band == 0x71;
        EXPECT_EQ(EightChannelRule(static_cast<std::uint8_t>(band), 0xF9), listed) << band;
        EXPECT_FALSE(EightChannelRule(static_cast<std::uint8_t>(band), 0xF8)) << band;
    }
}

TEST(BcdFrequencyCodec, EncodesLeastSignificantPairFirst)
{
    const auto bytes = BcdFrequency::Encode(14612500);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(bytes.data()), 4).toHex(' '), "00 25 61 14");
    const auto b2 = BcdFrequency::Encode(44000625);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(b2.data()), 4).toHex(' '), "25 06 00 44");
    EXPECT_EQ(BcdFrequency::Decode(b2), 44000625);
    EXPECT_EQ(BcdFrequency::ToText(9950000), "099.50000");
}

TEST(BcdFrequencyCodec, ParsesDecimalTextWithoutFloatingPoint)
{
    EXPECT_EQ(BcdFrequency::FromText("146.125"), 14612500);
    EXPECT_EQ(BcdFrequency::FromText("146.12500"), 14612500);
    EXPECT_EQ(BcdFrequency::FromText("174"), 17400000);
    EXPECT_EQ(BcdFrequency::FromText(".5"), 50000);
    EXPECT_EQ(BcdFrequency::FromText("146.000005"), 14600000);   // half to even
    EXPECT_EQ(BcdFrequency::FromText("146.000015"), 14600002);
    EXPECT_EQ(BcdFrequency::FromText("146.0000051"), 14600001);
    EXPECT_FALSE(BcdFrequency::FromText("abc"));
    EXPECT_FALSE(BcdFrequency::FromText("."));
    EXPECT_FALSE(BcdFrequency::FromText(""));
    EXPECT_FALSE(BcdFrequency::FromText("1.2.3"));
}
