// The data steps of the test-mode entry: the tuning block into the image and
// the test values, the radio's test channels listed and compared with the
// image's table.
#include <gtest/gtest.h>

#include "common/ImageFixtures.h"
#include "common/TuningFixtures.h"
#include "core/TestModeState.h"
#include "testmode/TestEntrySteps.h"
#include "testmode/TestFrequencyCheck.h"
#include "testmode/TuningDataBlock.h"

namespace zx::test {
namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

// --- the tuning block ----------------------------------------------------------

class TuningBlock : public ::testing::Test {
protected:
    void SetUp() override
    {
        image = DefaultFor(0x21, 0xF8);
        FillTuningArea(image, 0xEE);
        before = image;
    }
    RadioImage image;
    RadioImage before;
    TestModeState state;
};

TEST_F(TuningBlock, TheIdentityBlockGoesToItsAddressesAndTestValues)
{
    ASSERT_TRUE(StoreTuningData(image, state, IdentityTuningBlock()));

    EXPECT_EQ(image.toByteArray(0x181, 5), Hex("100F0E0D0C"));
    EXPECT_EQ(image.toByteArray(0x1A4, 4), Hex("05040302"));
    EXPECT_EQ(image.toByteArray(0x19B, 2), Hex("2D2C"));
    EXPECT_EQ(image.toByteArray(0x1AC, 4), Hex("3738393A"));
    // The whole stored area, each byte exactly once.
    EXPECT_EQ(image.toByteArray(0x181, 47),
              Hex("100F0E0D0C" "1615141312" "21201F1E" "1C1B1A19" "26252423" "2B2A2928" "2D2C" "31302F"
                  "0A090807" "05040302" "36353433" "3738393A"));
    EXPECT_EQ(image.at(0x180), 0xEE);
    EXPECT_EQ(image.toByteArray(0x1B0, 8), QByteArray(8, '\xEE'));

    EXPECT_EQ(state.TestValueSquelchOpen, 1);
    EXPECT_EQ(state.TestValueSquelchTight, 6);
    EXPECT_EQ(state.TestValueRfHighPower, 11);
    EXPECT_EQ(state.TestValueRfLowPower, 17);
    EXPECT_EQ(state.TestValueMaxDeviation, 24);
    EXPECT_EQ(state.TestValueDqtBalance, 29);
    EXPECT_EQ(state.TestValueQtFineDeviation, 34);
    EXPECT_EQ(state.TestValueDqtFineDeviation, 39);
    EXPECT_EQ(state.TestValueSensitivity, 46);

    // Nothing outside 0x181-0x1AF moves.
    for (int a = 0; a < 1024; ++a) {
        if (a < 0x181 || a > 0x1AF) {
            ASSERT_EQ(image.at(a), before.at(a)) << std::hex << a;
        }
    }
}

TEST_F(TuningBlock, TheDroppedPositionsChangeNothing)
{
    QByteArray block = IdentityTuningBlock();
    StoreTuningData(image, state, block);
    const RadioImage first = image;
    const TestModeState firstState = state;
    for (int p : {23, 50, 59, 60, 61, 62})
        block[p - 1] = '\x99';
    StoreTuningData(image, state, block);
    EXPECT_EQ(image, first);
    EXPECT_EQ(state.TestValueSensitivity, firstState.TestValueSensitivity);
    EXPECT_EQ(state.TestValueMaxDeviation, firstState.TestValueMaxDeviation);
}

TEST_F(TuningBlock, OnlyABlockOfSixtyTwoBytesIsStored)
{
    for (int length : {0, 1, 61, 63}) {
        QByteArray block = IdentityTuningBlock();
        block.resize(length, '\x01');
        EXPECT_FALSE(StoreTuningData(image, state, block)) << length;
        EXPECT_EQ(image, before) << length;
        EXPECT_EQ(state.TestValueSquelchOpen, 0) << length;
        EXPECT_EQ(state.TestValueRfHighPower, 0) << length;
    }
}

// --- the test channels ------------------------------------------------------------

struct ChannelCase {
    const char* radio;  // the 8-byte answer
    const char* image;  // entry n of the image's table
    bool matches;
    const char* rx;     // the listed texts
    const char* tx;
};

class TestChannel : public ::testing::TestWithParam<ChannelCase> {};

TEST_P(TestChannel, IsListedAndComparedWithTheImage)
{
    const ChannelCase& c = GetParam();
    RadioImage image = DefaultFor(0x21, 0xF8);
    const int n = 7;
    image.write(0x280 + 8 * (n - 1), Hex(c.image));
    TestModeState state;
    state.TestFreqList[0][n - 2] = "kept";
    state.TestFreqList[0][n] = "kept";

    StoreTestFrequency(state, n, Hex(c.radio));
    EXPECT_EQ(TestFrequencyMatches(image, n, Hex(c.radio)), c.matches);
    EXPECT_EQ(state.TestFreqList[0][n - 1], c.rx);
    EXPECT_EQ(state.TestFreqList[1][n - 1], c.tx);
    EXPECT_EQ(state.TestFreqList[0][n - 2], "kept");
    EXPECT_EQ(state.TestFreqList[0][n], "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TestChannel,
    ::testing::Values(
        // Both empty: byte 0 FF decides, whatever follows.
        ChannelCase{"FF00000000000000", "FF12345678901234", true, "0", "0"},
        ChannelCase{"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", true, "0", "0"},
        // One side empty: never equal.
        ChannelCase{"FF00000000000000", "0025611400506114", false, "0", "0"},
        ChannelCase{"0025611400506114", "FFFFFFFFFFFFFFFF", false, "146.12500", "146.15000"},
        // Both set: all eight bytes must agree.
        ChannelCase{"0025611400506114", "0025611400506114", true, "146.12500", "146.15000"},
        ChannelCase{"0025611400506114", "0025611400506115", false, "146.12500", "146.15000"},
        ChannelCase{"0025611400506114", "0125611400506114", false, "146.12500", "146.15000"},
        // Nibbles above 9 compare like digits and list the digits before them.
        ChannelCase{"00256114FFFFFFFF", "00256114FFFFFFFF", true, "146.12500", "000.00000"},
        ChannelCase{"002561140050611A", "00256114FFFFFFFF", false, "146.12500", "000.00001"},
        ChannelCase{"00256A1400000044", "00256A1400000044", true, "000.00146", "440.00000"}));

TEST(TestChannelAnswer, ShorterThanEightBytesNeverMatches)
{
    const RadioImage image = DefaultFor(0x21, 0xF8);
    const QByteArray entry = image.toByteArray(0x280, 8);
    ASSERT_NE(static_cast<std::uint8_t>(entry[0]), 0xFF);
    EXPECT_TRUE(TestFrequencyMatches(image, 1, entry));
    EXPECT_FALSE(TestFrequencyMatches(image, 1, entry.left(7)));
    EXPECT_FALSE(TestFrequencyMatches(image, 1, QByteArray()));
}

TEST(TestChannelAnswer, EachChannelHasItsOwnEntry)
{
    RadioImage image = DefaultFor(0x21, 0xF8);
    TestModeState state;
    const QByteArray a = Hex("0025611400506114");
    const QByteArray b = Hex("0000004400000044");
    image.write(0x280, a);      // entry 1
    image.write(0x2F8, b);      // entry 16
    EXPECT_TRUE(TestFrequencyMatches(image, 1, a));
    EXPECT_FALSE(TestFrequencyMatches(image, 1, b));
    EXPECT_TRUE(TestFrequencyMatches(image, 16, b));
    StoreTestFrequency(state, 16, b);
    EXPECT_EQ(state.TestFreqList[0][15], "440.00000");
    EXPECT_EQ(state.TestFreqList[0][0], "");
}

// --- the steps as the entry calls them ------------------------------------------------

TEST(TestEntryStepsOnTheImage, StoreListCompareAndShow)
{
    RadioImage image = DefaultFor(0x21, 0xF8);
    FillTuningArea(image);
    TestModeState state;
    int shown = 0;
    TestEntrySteps steps(image, state, [&] { ++shown; });
    TestEntryHooks& hooks = steps;

    hooks.StoreTuningData(IdentityTuningBlock());
    EXPECT_EQ(image.toByteArray(0x181, 5), Hex("100F0E0D0C"));
    EXPECT_EQ(state.TestValueRfHighPower, 11);

    const QByteArray entry3 = image.toByteArray(0x290, 8);
    hooks.StoreTestFrequency(3, entry3);
    EXPECT_TRUE(hooks.TestFrequencyMatches(3, entry3));
    EXPECT_EQ(state.TestFreqList[0][2], TestFrequencyText(entry3.left(4)));
    // The steps work on the image itself, not a copy.
    image.write(0x290, Hex("0025611400506114"));
    EXPECT_FALSE(hooks.TestFrequencyMatches(3, entry3));

    EXPECT_EQ(shown, 0);
    hooks.ShowTestForm();
    EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace zx::test
