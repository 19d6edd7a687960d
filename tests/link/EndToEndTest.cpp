// The real serial layer against the radio simulator on a pseudo-terminal,
// selected through ZX4100_COM<n>.
#include <gtest/gtest.h>

#include <QFile>
#include <QScopedValueRollback>
#include <QTest>

#include <unistd.h>

#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "link/PortLink.h"
#include "link/PromptedTransferWindow.h"
#include "link/RadioTransfer.h"
#include "link/TransferPackets.h"
#include "sim/PtyRadio.h"

namespace zx::test {
namespace {

constexpr int kComPort = 7;

// The real port link, counting what the exchange still sends once the
// device has gone.
class WatchedLink : public PortLink {
public:
    void Send(const QByteArray& bytes, int replyLength) override
    {
        if (lost)
            ++sendsAfterLoss;
        PortLink::Send(bytes, replyLength);
    }
    bool lost = false;
    int sendsAfterLoss = 0;
};

// CPU time of this process so far, in clock ticks (user + system).
long long CpuTicks()
{
    QFile stat("/proc/self/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command name in parentheses: state is field 3,
    // utime 14 and stime 15.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim.ok());
        sim.Attach(kComPort, core);
        sim.radio.FillPattern();
    }

    // Runs one transfer to its end on the real port and timers.
    RadioTransfer::Outcome Run(RadioTransfer::Direction direction)
    {
        WatchedLink link;
        PromptedTransferWindow window;
        RadioTransfer transfer(link, window, direction, core.image);
        window.transfer = &transfer;
        link.onBytes = [&](const QByteArray& b) { transfer.OnBytes(b); };
        link.onSendTimer = [&] { transfer.OnSendTimer(); };
        link.onReplyTimeout = [&] { transfer.OnReplyTimeout(); };
        link.onPortLost = [&](const QString& portName) {
            link.lost = true;
            portOpenWhenLost = link.port().isOpen();
            timersRunningWhenLost = link.sendTimerActive() || link.replyTimerActive();
            transfer.OnPortLost(portName);
        };
        if (!link.PortSetup()) {
            ADD_FAILURE() << link.openErrorText().toStdString();
            return window.outcome;
        }
        transfer.Start();
        EXPECT_TRUE(WaitUntil([&] { return window.finishedCalls > 0; }));
        portOpenAfter = link.port().isOpen();
        sendsAfterLoss = link.sendsAfterLoss;
        link.Shutdown();
        return window.outcome;
    }

    AppCore core;
    ScriptedPrompts prompts;
    PtyRadio sim;
    bool portOpenAfter = true;
    bool portOpenWhenLost = true;
    bool timersRunningWhenLost = true;
    int sendsAfterLoss = -1;
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

// A reply that comes only while the time-out box is up: the box is held open
// (a nested event loop, as a real modal box runs one) until the late block
// has reached the port. It must neither advance the exchange nor bring a
// second box, and the answer must act on a quiet link.
class LateReplyUnderTheBox : public EndToEnd {
protected:
    void SetUp() override
    {
        EndToEnd::SetUp();
        sim.radio.replyFilter = [this](const RadioModel::Command& c, const QByteArray& normal) {
            if (c.kind != RadioModel::Command::Read || c.occurrence != 5)
                return normal;
            // Past the 300 ms time-out and the 100 ms before the box.
            sim.Inject(normal, kLateMs);
            return QByteArray();
        };
    }
    // Installs a box that stays up until the late block has come, then
    // answers `answer`.
    void HoldTheBoxThenAnswer(MsgResult answer)
    {
        previous = SetMessageHandler([this, answer](const MessageRequest& r) {
            if (r.buttons != MsgButtons::RetryCancel)
                return r.defaultButton;
            EXPECT_FALSE(boxUp) << "a second box while the first is up";
            const QScopedValueRollback up(boxUp, true);
            ++timeoutBoxes;
            // The late block has been read by the program's port while the
            // box is up; then a moment for anything it would wrongly send to
            // arrive.
            EXPECT_TRUE(WaitUntil([this] { return sim.injectsWritten() == 1 && sim.unreadByProgram() == 0; }));
            QTest::qWait(100);
            sentWhileUp = sim.radio.received.size();
            return answer;
        });
    }
    void TearDown() override
    {
        SetMessageHandler(previous);
        EndToEnd::TearDown();
    }
    static constexpr int kLateMs = 450;
    MessageHandler previous;
    bool boxUp = false;
    int timeoutBoxes = 0;
    qsizetype sentWhileUp = -1;
};

TEST_F(LateReplyUnderTheBox, RetryStartsCleanAtTheIdentification)
{
    HoldTheBoxThenAnswer(MsgResult::Retry);
    EXPECT_EQ(Run(RadioTransfer::Direction::Read), RadioTransfer::Outcome::Completed);
    EXPECT_EQ(timeoutBoxes, 1);
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core.image.at(a), sim.radio.memory[a]) << a;
    EXPECT_EQ(sim.radio.count(RadioModel::Command::WakeUp), 1);
    EXPECT_EQ(sim.radio.count(RadioModel::Command::Read), 5 + 17);
    // Nothing went out while the box was up; the identification request
    // was the first command after it.
    ASSERT_GT(sentWhileUp, 0);
    EXPECT_EQ(sim.radio.received.at(sentWhileUp), '\x02');
}

TEST_F(LateReplyUnderTheBox, CancelSendsOnlyTheEndCommand)
{
    core.image.fill(0xA5);
    HoldTheBoxThenAnswer(MsgResult::Cancel);
    EXPECT_EQ(Run(RadioTransfer::Direction::Read), RadioTransfer::Outcome::Cancelled);
    EXPECT_EQ(timeoutBoxes, 1);
    ASSERT_GT(sentWhileUp, 0);
    EXPECT_EQ(sim.radio.received.mid(sentWhileUp), "E");
    // A read that did not complete leaves the image as it was.
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core.image.at(a), 0xA5) << a;
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

// The device vanishes in the middle of the exchange (the simulator hangs the
// line up when the 12th command arrives: the 5th read request, the 9th write
// packet). The exchange ends at once with one message, the port is closed,
// nothing more is sent, the process goes idle and the image is untouched; a
// later exchange on a device that is back opens the port afresh.
class VanishingDevice : public EndToEnd, public ::testing::WithParamInterface<RadioTransfer::Direction> {};

TEST_P(VanishingDevice, EndsAtOnceWithOneMessageAndTheImageUntouched)
{
    const bool read = GetParam() == RadioTransfer::Direction::Read;
    core.InitAllFrameData();
    core.image.fill(0xA5);
    sim.radio.identBand = core.image.modelBandCode();
    sim.radio.identVariant = core.image.modelVariant();
    const RadioImage before = core.image;
    sim.hangUpAtCommand = 12;

    EXPECT_EQ(Run(GetParam()), RadioTransfer::Outcome::PortLost);
    EXPECT_EQ(sim.radio.log.size(), 12u);
    EXPECT_FALSE(portOpenWhenLost);
    EXPECT_FALSE(timersRunningWhenLost);
    EXPECT_FALSE(portOpenAfter);
    EXPECT_EQ(sendsAfterLoss, 0);
    ASSERT_EQ(prompts.messages().size(), 1u);
    const QString expected =
        read ? "COM7 (" + sim.slavePath() +
                   ") was disconnected: the read was stopped. Nothing more was sent to the radio and nothing "
                   "was stored; the data in the program is unchanged."
             : "COM7 (" + sim.slavePath() +
                   ") was disconnected: the write was stopped. Nothing more was sent to the radio; it may hold "
                   "part of the new data, so write again once it is connected.";
    EXPECT_EQ(prompts.messages()[0].text, expected);
    EXPECT_EQ(prompts.messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(core.image, before);
    EXPECT_NE(core.link.TransferMode, TransferMode::Completed);

    // Idle from then on: no spinning on the dead descriptor.
    const long long ticksBefore = CpuTicks();
    QTest::qWait(1000);
    const long long ticksUsed = CpuTicks() - ticksBefore;
    const long long ticksPerSecond = sysconf(_SC_CLK_TCK);
    EXPECT_LT(ticksUsed * 100, ticksPerSecond * 5) << ticksUsed << " ticks in one second";
    EXPECT_EQ(prompts.messages().size(), 1u);

    // The device is back: a read opens the port afresh and completes.
    PtyRadio fresh;
    ASSERT_TRUE(fresh.ok());
    fresh.Attach(kComPort, core);
    fresh.radio.FillPattern();
    prompts.clear();
    EXPECT_EQ(Run(RadioTransfer::Direction::Read), RadioTransfer::Outcome::Completed);
    for (int a = 0; a < 1024; ++a)
        ASSERT_EQ(core.image.at(a), fresh.radio.memory[a]) << a;
}

INSTANTIATE_TEST_SUITE_P(ReadAndWrite, VanishingDevice,
                         ::testing::Values(RadioTransfer::Direction::Read, RadioTransfer::Direction::Write),
                         [](const auto& info) {
                             return info.param == RadioTransfer::Direction::Read ? "Read" : "Write";
                         });

}  // namespace
}  // namespace zx::test
