// The test-mode entry's data steps in the main window's own exchange,
// against the radio simulator on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QTest>

#include "app/MDIForm1.h"
#include "common/ImageFixtures.h"
#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "common/TuningFixtures.h"
#include "core/AppCore.h"
#include "link/ExchangeLock.h"
#include "link/MainWindowOnSimulator.h"
#include "link/ui/MainLinkController.h"
#include "platform/SettingsStore.h"
#include "sim/PtyRadio.h"
#include "testmode/TestModeRadio.h"
#include "testmode/TestEntrySteps.h"

namespace zx::test {
namespace {

constexpr int kComPort = 7;

class TestEntryOnTheSimulator : public MainWindowOnSimulator {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ShowMainWindow(kComPort));
        PrepareTestModeRadio(sim_.radio, core_.image);
    }
    void TearDown() override
    {
        main_.reset();
        EXPECT_FALSE(ExchangeRunning());
    }

    MainLinkController& Link() { return main_->mainLink(); }

    int testFormShown_ = 0;
    TestEntrySteps steps_{core_.image, core_.testMode, [this] { ++testFormShown_; }};
};

TEST_F(TestEntryOnTheSimulator, AMismatchAtEntryFiveKeepsTheBlockAndTheLaterTexts)
{
    ASSERT_FALSE(main_->documents().DocumentChanged());
    // Entry 5 of the radio differs from the image; entries 6 to 16 were
    // listed by an earlier entry.
    sim_.radio.testTable[4] = QByteArray::fromHex("0025611400506114");
    for (int n = 6; n <= 16; ++n) {
        core_.testMode.TestFreqList[0][static_cast<std::size_t>(n - 1)] = "earlier RX";
        core_.testMode.TestFreqList[1][static_cast<std::size_t>(n - 1)] = "earlier TX";
    }

    Link().StartTestEntry(steps_);
    ASSERT_TRUE(WaitUntil([] { return !ExchangeRunning(); }));

    QByteArray expected = QByteArray("TUNING \x02\x06\x05\x06");
    for (int n = 1; n <= 5; ++n)
        expected += QByteArray("\x10") + char(n) + QByteArray("\x06");
    EXPECT_EQ(sim_.radio.received, expected);
    EXPECT_FALSE(sim_.radio.received.contains('\x45'));
    EXPECT_TRUE(sim_.radio.inTestMode());
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, "Test Frequency mismatch.\r\nExecute read data from radio\r\nor write to radio.");
    EXPECT_EQ(testFormShown_, 0);
    EXPECT_TRUE(main_->isEnabled());

    // Entries 1 to 5 listed as the radio has them, the rest untouched.
    const QString first = core_.testMode.TestFreqList[0][0];
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(core_.testMode.TestFreqList[0][4], "146.12500");
    EXPECT_EQ(core_.testMode.TestFreqList[1][4], "146.15000");
    for (int n = 6; n <= 16; ++n) {
        EXPECT_EQ(core_.testMode.TestFreqList[0][static_cast<std::size_t>(n - 1)], "earlier RX") << n;
        EXPECT_EQ(core_.testMode.TestFreqList[1][static_cast<std::size_t>(n - 1)], "earlier TX") << n;
    }

    // The block was stored before the comparison failed, and counts as a
    // change of the document.
    EXPECT_EQ(core_.image.toByteArray(0x181, 5), QByteArray::fromHex("100F0E0D0C"));
    EXPECT_EQ(core_.image.toByteArray(0x1AC, 4), QByteArray::fromHex("3738393A"));
    EXPECT_EQ(core_.testMode.TestValueSensitivity, IdentityTestValues::Sensitivity);
    EXPECT_TRUE(main_->documents().DocumentChanged());
}

TEST_F(TestEntryOnTheSimulator, SixteenMatchesListEveryChannelAndShowTheTestWindow)
{
    sim_.radio.testTable[1] = QByteArray(8, '\xFF');
    core_.image.write(0x288, QByteArray::fromHex("FF00000000000000"));  // entry 2 empty on both sides
    Link().StartTestEntry(steps_);
    ASSERT_TRUE(WaitUntil([this] { return testFormShown_ == 1; }));
    EXPECT_FALSE(main_->isEnabled());
    EXPECT_TRUE(prompts_.messages().empty());
    EXPECT_EQ(core_.testMode.TestFreqList[0][1], "0");
    EXPECT_EQ(core_.testMode.TestFreqList[1][1], "0");
    for (int n = 1; n <= 16; ++n)
        EXPECT_FALSE(core_.testMode.TestFreqList[0][static_cast<std::size_t>(n - 1)].isEmpty()) << n;
    EXPECT_EQ(sim_.radio.count(RadioModel::Command::TestChannel), 16);
    // The test window holds the lock from here; this test plays its part.
    EndExchange();
    main_->setEnabled(true);
}

}  // namespace
}  // namespace zx::test
