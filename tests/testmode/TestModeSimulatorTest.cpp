// The radio simulator in test mode: the commands of the test window and the
// tuning dialogs with their replies, the values it keeps per code, the times
// of its command log and its faults.
#include <gtest/gtest.h>

#include <QTest>

#include "common/Patience.h"
#include "platform/CommPort.h"
#include "sim/PtyRadio.h"
#include "sim/RadioModel.h"
#include "sim/VirtualLink.h"

namespace zx::test {
namespace {

using Kind = RadioModel::Command::Kind;

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }
const QByteArray kAck = Hex("06");

// Feeds one command and gives its replies joined.
QByteArray Ask(RadioModel& radio, const QByteArray& command)
{
    QByteArray out;
    for (const QByteArray& reply : radio.Feed(command))
        out += reply;
    return out;
}

class TestModeRadio : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Ask(radio, "TUNING "), kAck); }
    RadioModel radio;
};

TEST_F(TestModeRadio, AcknowledgesTheTestWindowsCommands)
{
    struct Case {
        const char* command;
        Kind kind;
    } cases[] = {
        {"1103", Kind::TestSignal}, {"080D", Kind::Ptt}, {"080E", Kind::Ptt}, {"46", Kind::Wide},
        {"47", Kind::Narrow},       {"06", Kind::Ack},   {"120D", Kind::Item},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Ask(radio, Hex(c.command)), kAck) << c.command;
        EXPECT_EQ(radio.log.back().kind, c.kind) << c.command;
        EXPECT_EQ(radio.log.back().raw, Hex(c.command)) << c.command;
    }
    EXPECT_EQ(radio.commands(Kind::TestSignal).at(0).address, 3);
    EXPECT_EQ(radio.testSignal, 3);
    EXPECT_EQ(radio.commands(Kind::Ptt).at(0).action, 0x0D);
    EXPECT_FALSE(radio.pttOn);
    EXPECT_TRUE(radio.narrow);
    EXPECT_EQ(radio.enteredCode, 0x12);
    EXPECT_EQ(Ask(radio, Hex("1005")), QByteArray(8, '\xFF'));
    EXPECT_EQ(radio.testChannel, 5);
    EXPECT_EQ(Ask(radio, Hex("05")).size(), 62);
}

TEST_F(TestModeRadio, KeepsALiveAndAStoredValuePerCode)
{
    EXPECT_EQ(Ask(radio, Hex("1C0A")), Hex("80"));    // measure: the live value
    EXPECT_EQ(Ask(radio, Hex("1C2042")), kAck);       // set value
    EXPECT_EQ(radio.liveValue[0x1C], 0x42);
    EXPECT_EQ(radio.storedValue[0x1C], 0x80);
    EXPECT_EQ(Ask(radio, Hex("1C0A")), Hex("42"));
    EXPECT_EQ(Ask(radio, Hex("1C0E")), kAck);         // store
    EXPECT_EQ(radio.storedValue[0x1C], 0x42);
    EXPECT_EQ(Ask(radio, Hex("740F")), kAck);         // Squelch(Open)'s last command
    EXPECT_EQ(radio.storedValue[0x74], 0x80);
    const RadioModel::Command set = radio.commands(Kind::Item).at(1);
    EXPECT_EQ(set.address, 0x1C);
    EXPECT_EQ(set.action, 0x20);
    EXPECT_EQ(set.value, 0x42);
    // Another code keeps its own values.
    EXPECT_EQ(radio.liveValue[0x22], 0x80);
}

TEST_F(TestModeRadio, TheValueRequestAnswersThePointsOfTheEnteredItem)
{
    for (int code : {0x12, 0x30, 0x33, 0x31, 0x34, 0x32})
        radio.liveValue[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(code + 1);
    for (int code : {0x18, 0x65, 0x66, 0x67})
        radio.liveValue[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(code + 1);
    // Power items: six values, Test, Low, Low', Center, High', High.
    Ask(radio, Hex("340D"));
    EXPECT_EQ(Ask(radio, Hex("07")), Hex("133134323533"));
    Ask(radio, Hex("140D"));
    EXPECT_EQ(Ask(radio, Hex("07")).size(), 6);
    // Band-point items: four, Test, Low, Center, High.
    Ask(radio, Hex("180D"));
    EXPECT_EQ(Ask(radio, Hex("07")), Hex("19666768"));
    Ask(radio, Hex("0D0D"));
    EXPECT_EQ(Ask(radio, Hex("07")).size(), 4);
}

TEST_F(TestModeRadio, CommandsInPiecesAndNoise)
{
    EXPECT_TRUE(Ask(radio, Hex("12")).isEmpty());
    EXPECT_TRUE(Ask(radio, Hex("20")).isEmpty());
    EXPECT_EQ(Ask(radio, Hex("07")), kAck);  // the value of [12, 20, 07]
    EXPECT_EQ(radio.liveValue[0x12], 0x07);
    // An unknown action is noise: the next command is still understood.
    EXPECT_EQ(Ask(radio, Hex("1299") + Hex("46")), kAck);
    EXPECT_EQ(radio.log.back().kind, Kind::Wide);
}

TEST_F(TestModeRadio, FaultsThroughTheReplyFilter)
{
    radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        if (c.kind == Kind::Ptt && c.occurrence == 1)
            return QByteArray();          // silence
        if (c.kind == Kind::ReadValue)
            return normal.left(5);        // short
        if (c.kind == Kind::Item && c.action == RadioModel::kStore)
            return Hex("15");             // a wrong byte
        return normal;
    };
    EXPECT_TRUE(Ask(radio, Hex("080D")).isEmpty());
    EXPECT_EQ(Ask(radio, Hex("080D")), kAck);
    Ask(radio, Hex("120D"));
    EXPECT_EQ(Ask(radio, Hex("07")).size(), 5);
    EXPECT_EQ(Ask(radio, Hex("120E")), Hex("15"));
}

TEST_F(TestModeRadio, TheEndCommandLeavesTestMode)
{
    Ask(radio, Hex("080D"));
    EXPECT_TRUE(radio.pttOn);
    Ask(radio, Hex("45"));
    EXPECT_FALSE(radio.inTestMode());
    EXPECT_FALSE(radio.pttOn);
    // Outside test mode the test-mode commands are noise.
    EXPECT_TRUE(Ask(radio, Hex("1103")).isEmpty());
    EXPECT_TRUE(Ask(radio, Hex("120D")).isEmpty());
    EXPECT_EQ(radio.log.back().kind, Kind::End);
}

TEST(ProgrammingModeRadio, IgnoresTestModeCommands)
{
    RadioModel radio;
    Ask(radio, "PROGRAM");
    const std::size_t logged = radio.log.size();
    EXPECT_TRUE(Ask(radio, Hex("080D46070C0A")).isEmpty());
    EXPECT_EQ(radio.log.size(), logged);
}

TEST(VirtualLinkClock, TimesTheRadiosLog)
{
    RadioModel radio;
    VirtualLink link(radio);
    link.onSendTimer = [&] { link.Send(Hex("080E"), 1); };
    link.Send("TUNING ", 1);
    link.ArmSendTimer(5);
    ASSERT_TRUE(link.RunUntil([&] { return radio.count(Kind::Ptt) == 1; }));
    EXPECT_EQ(radio.log.front().at, 0);
    EXPECT_EQ(radio.commands(Kind::Ptt).at(0).at, 5);
}

TEST(PtyRadioClock, TimesTheRadiosLog)
{
    PtyRadio sim;
    ASSERT_TRUE(sim.ok());
    sim.MapComPort(9);
    CommPort port;
    port.setCommPort(9);
    ASSERT_TRUE(port.open()) << port.openErrorText().toStdString();
    const qint64 start = sim.now();
    port.output("TUNING ");
    ASSERT_TRUE(WaitUntil([&] { return !sim.radio.log.empty(); }));
    QTest::qWait(40);
    port.output(Hex("080E"));
    ASSERT_TRUE(WaitUntil([&] { return sim.radio.log.size() == 2; }));
    const qint64 gap = sim.radio.log[1].at - sim.radio.log[0].at;
    EXPECT_GE(sim.radio.log[0].at, start);
    // In milliseconds: at least the 40 ms waited in between, and not the
    // thousands a finer unit would give.
    ExpectWaitedAbout(gap, 40, 5);
}

}  // namespace
}  // namespace zx::test
