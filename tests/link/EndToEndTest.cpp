// The real serial layer against the radio simulator on a pseudo-terminal,
// selected through ZX4100_COM<n>.
#include <gtest/gtest.h>

#include <QTest>

#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "link/PortLink.h"
#include "link/RadioTransfer.h"
#include "link/TransferPackets.h"
#include "sim/PtyRadio.h"

namespace zx::test {
namespace {

constexpr int kComPort = 7;

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.ok());
        sim.MapComPort(kComPort);
        core.link.ComPortNumber = kComPort;
        sim.radio.FillPattern();
    }
    void TearDown() override { qunsetenv("ZX4100_COM7"); }

    // Runs one transfer to its end on the real port and timers.
    RadioTransfer::Outcome Run(RadioTransfer::Direction direction)
    {
        PortLink link;
        RadioTransfer transfer(link, direction);
        RadioTransfer::Outcome outcome = RadioTransfer::Outcome::None;
        bool done = false;
        transfer.onFinished = [&](RadioTransfer::Outcome o) {
            outcome = o;
            done = true;
        };
        link.onBytes = [&](const QByteArray& b) { transfer.OnBytes(b); };
        link.onSendTimer = [&] { transfer.OnSendTimer(); };
        link.onReplyTimeout = [&] { transfer.OnReplyTimeout(); };
        if (!link.PortSetup()) {
            ADD_FAILURE() << link.openErrorText().toStdString();
            return outcome;
        }
        transfer.Start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 15000));
        portOpenAfter = link.port().isOpen();
        link.Shutdown();
        return outcome;
    }

    AppCore core;
    ScriptedPrompts prompts;
    PtyRadio sim;
    bool portOpenAfter = true;
};

TEST_F(EndToEnd, ReadCopiesTheRadiosMemory)
{
    EXPECT_EQ(Run(RadioTransfer::Direction::Read), RadioTransfer::Outcome::Completed);
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core.image.at(a), sim.radio.memory[a]) << a;
    EXPECT_EQ(sim.radio.count(RadioModel::Command::Read), 17);
    EXPECT_EQ(sim.radio.log.back().kind, RadioModel::Command::End);
    EXPECT_FALSE(portOpenAfter);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, "Reading Completed");
}

TEST_F(EndToEnd, ReadWithRepliesInPieces)
{
    sim.splitChunk = 5;
    EXPECT_EQ(Run(RadioTransfer::Direction::Read), RadioTransfer::Outcome::Completed);
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core.image.at(a), sim.radio.memory[a]) << a;
    EXPECT_EQ(prompts.messages().size(), 1u);
}

TEST_F(EndToEnd, WriteSendsThePacketListByteForByte)
{
    core.InitAllFrameData();
    sim.radio.identBand = core.image.modelBandCode();
    sim.radio.identVariant = core.image.modelVariant();
    const RadioImage image = core.image;
    const auto before = sim.radio.memory;
    EXPECT_EQ(Run(RadioTransfer::Direction::Write), RadioTransfer::Outcome::Completed);
    QByteArray expected = QByteArrayLiteral("PROGRAM") + QByteArray("\x02\x06", 2);
    for (int k = 1; k <= 49; ++k)
        expected += MakeWritePacket(k, image);
    expected += 'E';
    EXPECT_EQ(sim.radio.received, expected);
    for (int a = 0x180; a <= 0x1B7; ++a)
        ASSERT_EQ(sim.radio.memory[a], before[a]);
    for (int a = 0x340; a <= 0x3FF; ++a)
        ASSERT_EQ(sim.radio.memory[a], before[a]);
    EXPECT_EQ(core.image, image);
}

TEST_F(EndToEnd, SilentRadioRetryWakesItAgain)
{
    sim.radio.muteWakeUps = 1;
    prompts.answer(MsgResult::Retry);
    EXPECT_EQ(Run(RadioTransfer::Direction::Read), RadioTransfer::Outcome::Completed);
    EXPECT_EQ(sim.radio.count(RadioModel::Command::WakeUp), 2);
    EXPECT_TRUE(sim.radio.received.startsWith("PROGRAMPROGRAM\x02"));
    ASSERT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(prompts.messages()[0].text, "please check all connections and communication port settings.");
}

TEST_F(EndToEnd, LateAcknowledgementIsNotLeftForTheNextExchange)
{
    EXPECT_EQ(Run(RadioTransfer::Direction::Read), RadioTransfer::Outcome::Completed);
    // The radio acknowledged the end command; a second read starts clean
    // and gets the same image.
    core.image.fill(0);
    prompts.clear();
    EXPECT_EQ(Run(RadioTransfer::Direction::Read), RadioTransfer::Outcome::Completed);
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core.image.at(a), sim.radio.memory[a]) << a;
    EXPECT_EQ(prompts.messages().size(), 1u);
}

}  // namespace
}  // namespace zx::test
