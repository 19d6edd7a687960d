// The read and write exchanges against a scripted radio, with no real time.
#include <gtest/gtest.h>

#include "link/LinkMessages.h"
#include "link/TransferPackets.h"
#include "link/TransferRig.h"

namespace zx::test {
namespace {

using Direction = RadioTransfer::Direction;
using Outcome = RadioTransfer::Outcome;

const QByteArray kAckByte(1, '\x06');
const QByteArray kEnd(1, 'E');

// A table's case shows as its name, in the test's name and in failures.
template <class Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}
constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

QByteArray RadioBytes(const RadioModel& radio, int from, int size)
{
    return QByteArray(reinterpret_cast<const char*>(radio.memory.data()) + from, size);
}

class ReadTransfer : public ::testing::Test {
protected:
    void SetUp() override { rig.radio.FillPattern(); }
    TransferRig rig;
};

TEST_F(ReadTransfer, FillsTheImageWithTheRadiosMemory)
{
    ASSERT_TRUE(rig.Run(Direction::Read));
    EXPECT_EQ(rig.outcome, Outcome::Completed);
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), RadioBytes(rig.radio, 0, 1024));
    EXPECT_EQ(rig.core.link.TransferMode, TransferMode::Completed);
    EXPECT_EQ(rig.readCompletedCalls(), 1);
}

TEST_F(ReadTransfer, SendsTheProtocolCommandsInOrder)
{
    ASSERT_TRUE(rig.Run(Direction::Read));
    std::vector<QByteArray> expected = {QByteArrayLiteral("PROGRAM"), Bytes({0x02}), kAckByte};
    for (int k = 1; k <= 17; ++k) {
        const int address = std::min(k - 1, 15) * 0x40;
        expected.push_back(Bytes({0x52, address >> 8, address & 0xFF, 0x40}));
        expected.push_back(kAckByte);
    }
    expected.push_back(kEnd);
    EXPECT_EQ(rig.Outputs(), expected);
    ASSERT_EQ(rig.radio.count(RadioModel::Command::Read), 17);
    const auto& log = rig.radio.log;
    std::vector<QByteArray> reads;
    for (const auto& c : log)
        if (c.kind == RadioModel::Command::Read)
            reads.push_back(c.raw);
    EXPECT_EQ(reads[15], Bytes({0x52, 0x03, 0xC0, 0x40}));
    EXPECT_EQ(reads[16], Bytes({0x52, 0x03, 0xC0, 0x40}));
}

TEST_F(ReadTransfer, DropsTheSeventeenthBlock)
{
    // The 17th reply carries other bytes; the image keeps the 16th block.
    int reads = 0;
    rig.radio.replyFilter = [&](const RadioModel::Command& c, const QByteArray& normal) {
        if (c.kind == RadioModel::Command::Read && ++reads == 17)
            return QByteArray(1, '\x57') + QByteArray(67, '\x11');
        return normal;
    };
    ASSERT_TRUE(rig.Run(Direction::Read));
    EXPECT_EQ(rig.core.image.toByteArray(0x3C0, 64), RadioBytes(rig.radio, 0x3C0, 64));
}

TEST_F(ReadTransfer, ProgressCountsSixteenBlocks)
{
    ASSERT_TRUE(rig.Run(Direction::Read));
    std::vector<int> expected;
    for (int i = 1; i <= 16; ++i)
        expected.push_back(i);
    EXPECT_EQ(rig.link.progress, expected);
}

TEST_F(ReadTransfer, ReportsCompletionAndResetsTheDocument)
{
    rig.core.document.DataFilePath = "/home/user/radio.dat";
    rig.core.document.hasFile = true;
    rig.core.checks.PriorityChannelError = true;
    rig.core.checks.PttCodeCheck = true;
    ASSERT_TRUE(rig.Run(Direction::Read));
    ASSERT_EQ(rig.prompts.messages().size(), 1u);
    const MessageRequest& box = rig.prompts.messages()[0];
    EXPECT_EQ(box.text, "Reading Completed");
    EXPECT_EQ(box.title, "");
    EXPECT_EQ(box.icon, MsgIcon::Information);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(rig.core.document.DataFilePath, "ZX-4100.dat");
    EXPECT_FALSE(rig.core.document.hasFile);
    EXPECT_FALSE(rig.core.checks.PriorityChannelError);
    EXPECT_TRUE(rig.core.checks.PttCodeCheck);  // a read clears only the priority flag
}

TEST_F(ReadTransfer, TakesExactlyItsOwnWaits)
{
    // 10 start, 2 + 1 + 10 opening, 16 x (40 + 15), 40 + 250 for the 17th,
    // 50 + 20 + 2 closing.
    ASSERT_TRUE(rig.Run(Direction::Read));
    EXPECT_EQ(rig.link.now(), 1265);
}

TEST_F(ReadTransfer, ReplyInPiecesIsTakenOnceComplete)
{
    rig.link.splitChunk = 3;
    ASSERT_TRUE(rig.Run(Direction::Read));
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), RadioBytes(rig.radio, 0, 1024));
    EXPECT_EQ(rig.radio.count(RadioModel::Command::Read), 17);
    EXPECT_EQ(rig.prompts.messages().size(), 1u);
}

TEST_F(ReadTransfer, AcknowledgementAfterTheEndIsDrainedBeforeClosing)
{
    ASSERT_TRUE(rig.Run(Direction::Read));
    EXPECT_EQ(rig.link.closes, 1);
    EXPECT_GE(rig.link.discards, 1);
    EXPECT_TRUE(rig.link.inputBuffer().isEmpty());
}

TEST_F(ReadTransfer, IdentificationWaitsForTheReadToComplete)
{
    rig.core.image.fill(0xA5);
    rig.radio.identBand = 0x43;
    rig.radio.identVariant = 0xF9;
    // Stop before block 7 re-stores the radio's own bytes.
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Read ? QByteArray() : normal;
    };
    rig.prompts.answer(MsgResult::Cancel);
    ASSERT_TRUE(rig.Run(Direction::Read));
    EXPECT_EQ(rig.transfer->received().modelBandCode(), 0x43);
    EXPECT_EQ(rig.transfer->received().modelVariant(), 0xF9);
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), QByteArray(1024, '\xA5'));
}

// --- time-outs, bad replies, Retry and Cancel -------------------------------

TEST_F(ReadTransfer, SilenceAfterWakeUpShowsTheBoxAndRetryWakesAgain)
{
    rig.radio.muteWakeUps = 1;
    rig.prompts.answer(MsgResult::Retry);
    ASSERT_TRUE(rig.Run(Direction::Read));
    ASSERT_GE(rig.prompts.messages().size(), 1u);
    const MessageRequest& box = rig.prompts.messages()[0];
    EXPECT_EQ(box.text, "please check all connections and communication port settings.");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(box.defaultButton, MsgResult::Retry);
    const auto out = rig.Outputs();
    ASSERT_GE(out.size(), 3u);
    EXPECT_EQ(out[0], "PROGRAM");
    EXPECT_EQ(out[1], "PROGRAM");
    EXPECT_EQ(out[2], Bytes({0x02}));
    // The second wake-up leaves 10 + 300 + 100 + 30 ms after the start.
    EXPECT_EQ(rig.link.sent[1].at, 440);
    EXPECT_EQ(rig.outcome, Outcome::Completed);
    EXPECT_EQ(rig.link.clears, 1);
}

TEST_F(ReadTransfer, RetryAfterAcknowledgedWakeUpRestartsAtIdentification)
{
    int idents = 0;
    rig.radio.replyFilter = [&](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Ident && ++idents == 1 ? QByteArray() : normal;
    };
    rig.prompts.answer(MsgResult::Retry);
    ASSERT_TRUE(rig.Run(Direction::Read));
    const auto out = rig.Outputs();
    EXPECT_EQ(out[0], "PROGRAM");
    EXPECT_EQ(out[1], Bytes({0x02}));
    EXPECT_EQ(out[2], Bytes({0x02}));
    EXPECT_EQ(rig.radio.count(RadioModel::Command::WakeUp), 1);
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), RadioBytes(rig.radio, 0, 1024));
}

TEST_F(ReadTransfer, RetryInTheMiddleReadsEveryBlockAgain)
{
    int reads = 0;
    rig.radio.replyFilter = [&](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Read && ++reads == 6 ? QByteArray() : normal;
    };
    rig.prompts.answer(MsgResult::Retry);
    ASSERT_TRUE(rig.Run(Direction::Read));
    EXPECT_EQ(rig.radio.count(RadioModel::Command::Read), 6 + 17);
    EXPECT_EQ(rig.link.progress[5], 0);  // the progress bar went back to 0
    EXPECT_EQ(rig.link.progress.back(), 16);
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), RadioBytes(rig.radio, 0, 1024));
}

TEST_F(ReadTransfer, BadBlockMarkerLeavesTheBlockAndBoxComesAtOnce)
{
    rig.core.image.fill(0xA5);
    rig.radio.badMarkerOnRead = 5;
    rig.prompts.answer(MsgResult::Cancel);
    ASSERT_TRUE(rig.Run(Direction::Read));
    EXPECT_EQ(rig.transfer->received().toByteArray(0x100, 64), QByteArray(64, '\xA5'));
    EXPECT_EQ(rig.transfer->received().toByteArray(0, 0x100), RadioBytes(rig.radio, 0, 0x100));
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), QByteArray(1024, '\xA5'));
    // The fifth request went out at this time; the box 3 + 100 ms later and
    // the end command right after it.
    qint64 fifthAt = -1;
    int reads = 0;
    for (const auto& s : rig.link.sent)
        if (s.bytes.startsWith('R') && ++reads == 5)
            fifthAt = s.at;
    ASSERT_GE(fifthAt, 0);
    EXPECT_EQ(rig.link.sent.back().at, fifthAt + 103);
    EXPECT_EQ(rig.link.sent.back().bytes, kEnd);
    EXPECT_EQ(rig.outcome, Outcome::Cancelled);
}

TEST_F(ReadTransfer, CancelAtBlockNineLeavesTheImageAsItWas)
{
    rig.core.image.fill(0xA5);
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Read && c.occurrence == 9 ? QByteArray() : normal;
    };
    rig.prompts.answer(MsgResult::Cancel);
    ASSERT_TRUE(rig.Run(Direction::Read));
    // Eight blocks came, but only a completed read replaces the image.
    EXPECT_EQ(rig.transfer->received().toByteArray(0, 8 * 64), RadioBytes(rig.radio, 0, 8 * 64));
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), QByteArray(1024, '\xA5'));
    EXPECT_EQ(rig.AllSent().count('E'), 1);
    EXPECT_EQ(rig.link.sent.back().bytes, kEnd);
    EXPECT_EQ(rig.readCompletedCalls(), 0);  // the channel list keeps its texts
    EXPECT_NE(rig.core.link.TransferMode, TransferMode::Completed);
    EXPECT_EQ(rig.outcome, Outcome::Cancelled);
    EXPECT_EQ(rig.prompts.messages().size(), 1u);  // no completion box
}

struct BadReplyCase {
    const char* name;
    Direction direction;
    RadioModel::Command::Kind kind;
    int occurrence;
    bool shortReply;  // the reply loses its last byte; otherwise every byte is 0x15
    qint64 boxDelay;  // from the send to the box (the following 'E')
};

class BadReplyTiming : public ::testing::TestWithParam<BadReplyCase> {};

TEST_P(BadReplyTiming, WrongOrShortReplyBringsTheBoxAtTheRightTime)
{
    const BadReplyCase c = GetParam();
    TransferRig rig;
    rig.radio.FillPattern();
    if (c.direction == Direction::Write) {
        rig.core.InitAllFrameData();
        rig.RadioIsTheImagesModel();
    }
    rig.radio.replyFilter = [&](const RadioModel::Command& cmd, const QByteArray& normal) {
        if (cmd.kind == c.kind && cmd.occurrence == c.occurrence)
            return c.shortReply ? normal.left(normal.size() - 1) : QByteArray(normal.size(), '\x15');
        return normal;
    };
    rig.prompts.answer(MsgResult::Cancel);
    const RadioImage before = rig.core.image;
    ASSERT_TRUE(rig.Run(c.direction));
    // The bad reply's command is the one before the last (the end command).
    ASSERT_GE(rig.link.sent.size(), 2u);
    const auto& bad = rig.link.sent[rig.link.sent.size() - 2];
    EXPECT_EQ(rig.link.sent.back().bytes, kEnd);
    EXPECT_EQ(rig.link.sent.back().at - bad.at, c.boxDelay);
    ASSERT_EQ(rig.prompts.messages().size(), 1u);
    EXPECT_EQ(rig.prompts.messages()[0].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(rig.outcome, Outcome::Cancelled);
    if (c.direction == Direction::Write) {
        EXPECT_EQ(rig.core.image, before);
    }
}

// Steps 1 to 3 wait for the reply time-out (300 ms read, 200 ms write), the
// block steps bring the box at once (3 ms); the box follows 100 ms later.
INSTANTIATE_TEST_SUITE_P(
    Steps, BadReplyTiming,
    ::testing::Values(BadReplyCase{"ReadWakeUp", Direction::Read, RadioModel::Command::WakeUp, 1, false, 400},
                      BadReplyCase{"ReadIdentShort", Direction::Read, RadioModel::Command::Ident, 1, true, 400},
                      BadReplyCase{"ReadConfirm", Direction::Read, RadioModel::Command::Ack, 1, false, 400},
                      BadReplyCase{"ReadBlock", Direction::Read, RadioModel::Command::Read, 3, false, 103},
                      BadReplyCase{"ReadBlockShort", Direction::Read, RadioModel::Command::Read, 3, true, 400},
                      BadReplyCase{"ReadBlockAck", Direction::Read, RadioModel::Command::Ack, 4, false, 103},
                      BadReplyCase{"WriteWakeUp", Direction::Write, RadioModel::Command::WakeUp, 1, false, 300},
                      BadReplyCase{"WriteIdentShort", Direction::Write, RadioModel::Command::Ident, 1, true, 300},
                      BadReplyCase{"WriteConfirm", Direction::Write, RadioModel::Command::Ack, 1, false, 300},
                      BadReplyCase{"WritePacket", Direction::Write, RadioModel::Command::Write, 7, false, 103}),
    kCaseName);

TEST_F(ReadTransfer, WhileTheBoxIsUpNothingAdvances)
{
    rig.radio.muteWakeUps = 1;
    int boxes = 0;
    const MessageHandler previous = SetMessageHandler([&](const MessageRequest& r) {
        ++boxes;
        if (r.buttons != MsgButtons::RetryCancel)
            return MsgResult::Ok;
        if (boxes == 1) {
            // A late acknowledgement and stray timer ticks while the box is up.
            const int state = rig.transfer->TransferState();
            const size_t sent = rig.link.sent.size();
            rig.transfer->OnBytes(kAckByte);
            rig.transfer->OnSendTimer();
            rig.transfer->OnReplyTimeout();
            EXPECT_EQ(rig.transfer->TransferState(), state);
            EXPECT_EQ(rig.link.sent.size(), sent);
            EXPECT_EQ(boxes, 1);
        }
        return MsgResult::Retry;
    });
    ASSERT_TRUE(rig.Run(Direction::Read));
    SetMessageHandler(previous);
    EXPECT_EQ(boxes, 2);  // the time-out box once, then "Reading Completed"
    EXPECT_EQ(rig.outcome, Outcome::Completed);
}

// --- the device vanishes ----------------------------------------------------

// What the port link does when the device goes: stop both timers, close the
// port, then tell the machine.
void LoseThePort(TransferRig& rig)
{
    rig.link.StopSendTimer();
    rig.link.StopReplyTimer();
    rig.link.ClosePort();
    rig.transfer->OnPortLost("COM1 (/dev/ttyUSB0)");
}

TEST_F(ReadTransfer, DeviceGoneAtBlockNineEndsAtOnceAndLeavesTheImage)
{
    rig.core.image.fill(0xA5);
    rig.Make(Direction::Read);
    rig.transfer->Start();
    ASSERT_TRUE(rig.link.RunUntil([&] { return rig.radio.count(RadioModel::Command::Read) == 9; }));
    const size_t sent = rig.link.sent.size();
    LoseThePort(rig);
    EXPECT_EQ(rig.finishedCalls, 1);
    EXPECT_EQ(rig.outcome, Outcome::PortLost);
    EXPECT_FALSE(rig.link.sendTimerArmed());
    EXPECT_FALSE(rig.link.replyTimerArmed());
    EXPECT_EQ(rig.link.sent.size(), sent);  // not even the end command
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), QByteArray(1024, '\xA5'));
    EXPECT_EQ(rig.readCompletedCalls(), 0);
    EXPECT_NE(rig.core.link.TransferMode, TransferMode::Completed);
    ASSERT_EQ(rig.prompts.messages().size(), 1u);
    const MessageRequest& box = rig.prompts.messages()[0];
    EXPECT_EQ(box.text, "COM1 (/dev/ttyUSB0) was disconnected: the read was stopped. Nothing more was sent to the "
                        "radio and nothing was stored; the data in the program is unchanged.");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    // Late ticks and bytes change nothing.
    rig.transfer->OnSendTimer();
    rig.transfer->OnReplyTimeout();
    rig.transfer->OnBytes(kAckByte);
    EXPECT_EQ(rig.link.sent.size(), sent);
    EXPECT_EQ(rig.finishedCalls, 1);
}

TEST_F(ReadTransfer, DeviceGoneWhileTheBoxIsUpEndsOnTheAnswer)
{
    rig.core.image.fill(0xA5);
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Read && c.occurrence == 9 ? QByteArray() : normal;
    };
    size_t sentAtBox = 0;
    const MessageHandler previous = SetMessageHandler([&](const MessageRequest& r) {
        if (r.buttons == MsgButtons::RetryCancel) {
            sentAtBox = rig.link.sent.size();
            LoseThePort(rig);
            return MsgResult::Retry;  // a retry on a dead device is not tried
        }
        return r.defaultButton;
    });
    ASSERT_TRUE(rig.Run(Direction::Read));
    SetMessageHandler(previous);
    EXPECT_EQ(rig.outcome, Outcome::PortLost);
    EXPECT_EQ(rig.link.sent.size(), sentAtBox);
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), QByteArray(1024, '\xA5'));
}

// --- write -----------------------------------------------------------------

class WriteTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.core.InitAllFrameData();
        rig.radio.FillPattern();
        rig.RadioIsTheImagesModel();
        before = rig.radio.memory;
    }
    TransferRig rig;
    std::array<std::uint8_t, 1024> before{};
};

TEST_F(WriteTransfer, SendsTheFortyNinePacketsThenTheEnd)
{
    const RadioImage image = rig.core.image;
    rig.core.checks.PriorityChannelError = true;
    rig.core.checks.OwnFleetIdError = true;
    rig.core.checks.PttCodeCheck = true;
    ASSERT_TRUE(rig.Run(Direction::Write));
    QByteArray expected = QByteArrayLiteral("PROGRAM") + Bytes({0x02, 0x06});
    for (int k = 1; k <= 49; ++k)
        expected += MakeWritePacket(k, image);
    expected += kEnd;
    EXPECT_EQ(rig.radio.received, expected);
    EXPECT_EQ(rig.core.image, image);
    EXPECT_FALSE(rig.core.checks.PriorityChannelError);
    EXPECT_FALSE(rig.core.checks.OwnFleetIdError);
    EXPECT_FALSE(rig.core.checks.PttCodeCheck);
    EXPECT_EQ(rig.core.link.TransferMode, TransferMode::Completed);
    ASSERT_EQ(rig.prompts.messages().size(), 1u);
    EXPECT_EQ(rig.prompts.messages()[0].text, "Writing Completed");
    EXPECT_EQ(rig.link.progress.size(), 49u);
    EXPECT_EQ(rig.link.progress.back(), 49);
}

TEST_F(WriteTransfer, NeverTouchesTuningDataOrTheTail)
{
    ASSERT_TRUE(rig.Run(Direction::Write));
    for (int a = 0x180; a <= 0x1B7; ++a)
        ASSERT_EQ(rig.radio.memory[a], before[a]) << a;
    for (int a = 0x340; a <= 0x3FF; ++a)
        ASSERT_EQ(rig.radio.memory[a], before[a]) << a;
    for (int a = 0x010; a < 0x180; ++a)
        ASSERT_EQ(rig.radio.memory[a], rig.core.image.at(a)) << a;
    for (int a = 0x1B8; a < 0x340; ++a)
        ASSERT_EQ(rig.radio.memory[a], rig.core.image.at(a)) << a;
}

TEST_F(WriteTransfer, PacketAddressesAndLengthsFollowTheTable)
{
    rig.core.image.write(0, QByteArray(16, '\x12'));  // never sent
    ASSERT_TRUE(rig.Run(Direction::Write));
    std::vector<std::pair<int, int>> got;
    for (const auto& c : rig.radio.log)
        if (c.kind == RadioModel::Command::Write)
            got.emplace_back(c.address, static_cast<int>(c.raw.size()));
    std::vector<std::pair<int, int>> expected;
    for (int a = 0x000; a <= 0x170; a += 0x10)
        expected.emplace_back(a, 20);
    for (int a : {0x1B8, 0x1C8, 0x1D8, 0x1E8})
        expected.emplace_back(a, 20);
    expected.emplace_back(0x1F8, 12);
    for (int a = 0x200; a <= 0x330; a += 0x10)
        expected.emplace_back(a, 20);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(rig.radio.log[3].raw.mid(4), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                  0xFF, 0x00, 0xFF, 0xFF, 0x03, 0xFF}));
}

TEST_F(WriteTransfer, TakesExactlyItsOwnWaits)
{
    // 10 start, 2 + 1 + 10 opening, 48 x 5 between packets, 10 before the
    // end, 50 + 20 + 2 closing.
    ASSERT_TRUE(rig.Run(Direction::Write));
    EXPECT_EQ(rig.link.now(), 345);
}

TEST_F(WriteTransfer, MissingAcknowledgementShowsTheBoxAtOnce)
{
    rig.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Write && c.occurrence == 10 ? QByteArray(1, '\x15') : normal;
    };
    rig.prompts.answer(MsgResult::Cancel);
    const RadioImage image = rig.core.image;
    rig.core.checks.PttCodeCheck = true;
    ASSERT_TRUE(rig.Run(Direction::Write));
    EXPECT_EQ(rig.link.sent.back().bytes, kEnd);
    EXPECT_EQ(rig.link.sent.back().at - rig.link.sent[rig.link.sent.size() - 2].at, 103);
    EXPECT_EQ(rig.core.image, image);
    EXPECT_TRUE(rig.core.checks.PttCodeCheck);
    EXPECT_EQ(rig.outcome, Outcome::Cancelled);
}

struct ModelCase {
    const char* name;
    int bandDelta;  // added to the image's band code
    int variant;    // -1: the image's own
    bool asks;
};

class ModelCheck : public ::testing::TestWithParam<ModelCase> {};

TEST_P(ModelCheck, AsksOnlyForAnotherModel)
{
    const ModelCase c = GetParam();
    TransferRig rig;
    rig.core.InitAllFrameData();
    rig.radio.FillPattern();
    const auto before = rig.radio.memory;
    rig.radio.identBand = static_cast<std::uint8_t>(rig.core.image.modelBandCode() + c.bandDelta);
    rig.radio.identVariant = static_cast<std::uint8_t>(c.variant < 0 ? rig.core.image.modelVariant() : c.variant);
    rig.prompts.answer(MsgResult::Cancel);
    ASSERT_TRUE(rig.Run(Direction::Write));
    const QByteArray opening = QByteArrayLiteral("PROGRAM") + Bytes({0x02, 0x06});
    if (!c.asks) {
        EXPECT_EQ(rig.radio.count(RadioModel::Command::Write), 49);
        ASSERT_EQ(rig.prompts.messages().size(), 1u);
        EXPECT_EQ(rig.prompts.messages()[0].text, "Writing Completed");
        return;
    }
    ASSERT_EQ(rig.prompts.messages().size(), 1u);
    const MessageRequest& box = rig.prompts.messages()[0];
    EXPECT_EQ(box.text, "Model type is wrong.Overwrite?");
    EXPECT_EQ(box.title, "Warning");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(box.defaultButton, MsgResult::Cancel);
    EXPECT_EQ(rig.radio.received, opening + kEnd);
    EXPECT_EQ(rig.radio.memory, before);
    EXPECT_EQ(rig.outcome, Outcome::Refused);
    EXPECT_EQ(rig.core.link.TransferMode, TransferMode::Read);
}

INSTANTIATE_TEST_SUITE_P(Idents, ModelCheck,
                         ::testing::Values(ModelCase{"SameModel", 0, -1, false},
                                           ModelCase{"Variant33SameBand", 0, 0x33, false},
                                           ModelCase{"OtherVariant", 0, 0x12, true},
                                           ModelCase{"OtherBand", 1, -1, true},
                                           ModelCase{"OtherBandVariant33", 1, 0x33, true}),
                         kCaseName);

TEST_F(WriteTransfer, OverwriteAnswerOkWritesAnyway)
{
    rig.radio.identBand = static_cast<std::uint8_t>(rig.core.image.modelBandCode() + 1);
    rig.prompts.answer(MsgResult::Ok);
    ASSERT_TRUE(rig.Run(Direction::Write));
    EXPECT_EQ(rig.radio.count(RadioModel::Command::Write), 49);
    EXPECT_EQ(rig.outcome, Outcome::Completed);
}

// --- packets -----------------------------------------------------------------

TEST(TransferPackets, FirstPacketCarriesTheFixedHeaderWhateverTheImageHolds)
{
    RadioImage image;
    image.write(0, QByteArray(16, '\x00'));
    EXPECT_EQ(MakeWritePacket(1, image),
              Bytes({0x57, 0x00, 0x00, 0x10, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                     0xFF, 0xFF, 0x03, 0xFF}));
}

TEST(TransferPackets, PacketTwentyNineIsEightBytesFrom0x1F8)
{
    RadioImage image;
    for (int a = 0; a < 1024; ++a)
        image.set(a, static_cast<std::uint8_t>(a));
    EXPECT_EQ(MakeWritePacket(29, image), Bytes({0x57, 0x01, 0xF8, 0x08, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF}));
    EXPECT_EQ(MakeWritePacket(25, image).mid(0, 6), Bytes({0x57, 0x01, 0xB8, 0x10, 0xB8, 0xB9}));
    EXPECT_EQ(MakeWritePacket(49, image).mid(0, 5), Bytes({0x57, 0x03, 0x30, 0x10, 0x30}));
}

TEST(TransferPackets, ReadBlockIsStoredOnlyWithItsMarker)
{
    RadioImage image;
    QByteArray reply = Bytes({0x57, 1, 2, 3}) + QByteArray(64, '\x42');
    EXPECT_TRUE(StoreReadBlock(reply, 2, image));
    EXPECT_EQ(image.toByteArray(0x40, 64), QByteArray(64, '\x42'));
    EXPECT_EQ(image.at(0x3F), 0xFF);
    EXPECT_EQ(image.at(0x80), 0xFF);
    reply[0] = 0x58;
    reply.fill('\x43', 0);
    RadioImage untouched;
    EXPECT_FALSE(StoreReadBlock(Bytes({0x58}) + QByteArray(67, '\x43'), 3, untouched));
    EXPECT_EQ(untouched, RadioImage());
    EXPECT_TRUE(StoreReadBlock(Bytes({0x57, 0, 0, 0}) + QByteArray(64, '\x44'), 17, untouched));
    EXPECT_EQ(untouched, RadioImage());
}

TEST_F(WriteTransfer, DeviceGoneAtPacketNineEndsAtOnce)
{
    rig.Make(Direction::Write);
    rig.transfer->Start();
    ASSERT_TRUE(rig.link.RunUntil([&] { return rig.radio.count(RadioModel::Command::Write) == 9; }));
    const size_t sent = rig.link.sent.size();
    LoseThePort(rig);
    EXPECT_EQ(rig.outcome, Outcome::PortLost);
    EXPECT_EQ(rig.link.sent.size(), sent);
    ASSERT_EQ(rig.prompts.messages().size(), 1u);
    EXPECT_EQ(rig.prompts.messages()[0].text,
              "COM1 (/dev/ttyUSB0) was disconnected: the write was stopped. Nothing more was sent to the radio; "
              "it may hold part of the new data, so write again once it is connected.");
}

// The message after a vanished device tells what the radio holds: nothing
// of the write reaches its memory before the first data packet.
struct WriteLossCase {
    const char* name;
    RadioModel::Command::Kind lostAt;  // the device goes once this command is in
    int occurrence;
    bool chinese;
    const char* text;
};

class WriteLoss : public ::testing::TestWithParam<WriteLossCase> {};

TEST_P(WriteLoss, TellsWhatTheRadioHolds)
{
    const WriteLossCase c = GetParam();
    TransferRig rig;
    rig.core.InitAllFrameData();
    rig.core.LanguageChinese = c.chinese;
    rig.radio.FillPattern();
    rig.RadioIsTheImagesModel();
    rig.Make(Direction::Write);
    rig.transfer->Start();
    ASSERT_TRUE(rig.link.RunUntil([&] { return rig.radio.count(c.lostAt) == c.occurrence; }));
    LoseThePort(rig);
    EXPECT_EQ(rig.outcome, Outcome::PortLost);
    ASSERT_EQ(rig.prompts.messages().size(), 1u);
    EXPECT_EQ(rig.prompts.messages()[0].text, c.text);
}

constexpr const char* kNotStarted =
    "COM1 (/dev/ttyUSB0) was disconnected: the write did not start. No data was written to the radio; its memory "
    "is unchanged.";
constexpr const char* kStopped =
    "COM1 (/dev/ttyUSB0) was disconnected: the write was stopped. Nothing more was sent to the radio; it may hold "
    "part of the new data, so write again once it is connected.";

INSTANTIATE_TEST_SUITE_P(
    Stages, WriteLoss,
    ::testing::Values(
        WriteLossCase{"AtTheWakeUp", RadioModel::Command::WakeUp, 1, false, kNotStarted},
        WriteLossCase{"AtTheIdentification", RadioModel::Command::Ident, 1, false, kNotStarted},
        WriteLossCase{"AtTheConfirmation", RadioModel::Command::Ack, 1, false, kNotStarted},
        WriteLossCase{"AtTheFirstPacket", RadioModel::Command::Write, 1, false, kStopped},
        WriteLossCase{"AtTheLastPacket", RadioModel::Command::Write, 49, false, kStopped},
        WriteLossCase{"AtTheConfirmationInChinese", RadioModel::Command::Ack, 1, true,
                      "COM1 (/dev/ttyUSB0) 已断开连接，写入未开始。没有向电台写入任何数据：电台的存储内容未改变。"},
        WriteLossCase{"AtTheFirstPacketInChinese", RadioModel::Command::Write, 1, true,
                      "COM1 (/dev/ttyUSB0) 已断开连接，写入已停止。没有再向电台发送任何数据；电台可能只写入了部分数据，"
                      "请重新连接后再写入。"}),
    kCaseName);

// --- questions go out and their answers come in ----------------------------

using Question = PromptedTransferWindow::Question;

// Inputs that are no answer to the question that is out; none may move the
// transfer on.
void PokeWhileAsked(TransferRig& rig)
{
    rig.transfer->OnBytes(kAckByte);
    rig.transfer->OnSendTimer();
    rig.transfer->OnReplyTimeout();
    rig.transfer->OnCompletionReported();
}

struct TimeoutAnswerCase {
    const char* name;
    Direction direction;
    RadioModel::Command::Kind silentKind;  // this command gets no reply once
    int occurrence;
    bool retry;
    QByteArray firstAfterAnswer;  // what goes out next
    int delayAfterAnswer;         // and when, from the answer
};

class TimeoutQuestion : public ::testing::TestWithParam<TimeoutAnswerCase> {};

TEST_P(TimeoutQuestion, IsAnOutputAnsweredByRetryOrCancel)
{
    const TimeoutAnswerCase c = GetParam();
    TransferRig rig;
    rig.core.InitAllFrameData();
    rig.core.image.fill(0xA5);
    rig.radio.FillPattern();
    rig.RadioIsTheImagesModel();
    const RadioImage before = rig.core.image;
    const auto memoryBefore = rig.radio.memory;
    rig.radio.replyFilter = [&](const RadioModel::Command& cmd, const QByteArray& normal) {
        return cmd.kind == c.silentKind && cmd.occurrence == c.occurrence ? QByteArray() : normal;
    };
    rig.answerAtOnce = false;
    rig.Make(c.direction);
    rig.transfer->Start();
    ASSERT_TRUE(rig.RunUntilAsked());

    // The question is out, and no box: the window puts it.
    EXPECT_EQ(rig.questions, std::vector<Question>{Question::ReplyTimeout});
    EXPECT_TRUE(rig.prompts.messages().empty());
    EXPECT_TRUE(rig.transfer->waitingForAnswer());
    EXPECT_FALSE(rig.link.sendTimerArmed());
    EXPECT_FALSE(rig.link.replyTimerArmed());
    // The time-out plus the pause before the question have passed.
    const qint64 askedAt = rig.link.now();
    EXPECT_EQ(askedAt - rig.link.sent.back().at, rig.transfer->replyTimeoutMs() + RadioTransfer::kBeforeBoxMs);

    // Nothing moves until the answer: not other inputs, not the overwrite
    // answer, not time.
    const size_t sent = rig.link.sent.size();
    const int state = rig.transfer->TransferState();
    PokeWhileAsked(rig);
    rig.transfer->OnOverwriteAnswer(true);
    EXPECT_FALSE(rig.link.RunUntil([&] { return rig.link.sent.size() > sent; }));
    EXPECT_EQ(rig.link.sent.size(), sent);
    EXPECT_EQ(rig.transfer->TransferState(), state);
    EXPECT_EQ(rig.questions.size(), 1u);
    EXPECT_EQ(rig.finishedCalls, 0);

    const qint64 answeredAt = rig.link.now();
    if (c.retry)
        rig.transfer->OnRetry();
    else
        rig.transfer->OnCancel();
    ASSERT_TRUE(rig.link.RunUntil([&] { return rig.finishedCalls > 0; }));
    ASSERT_GT(rig.link.sent.size(), sent);
    EXPECT_EQ(rig.link.sent[sent].bytes, c.firstAfterAnswer);
    EXPECT_EQ(rig.link.sent[sent].at - answeredAt, c.delayAfterAnswer);
    EXPECT_EQ(rig.questions.size(), 1u);
    if (c.retry) {
        EXPECT_EQ(rig.outcome, Outcome::Completed);
        EXPECT_EQ(rig.completions, 1);
        EXPECT_EQ(rig.link.closes, 1);
        if (c.direction == Direction::Read) {
            EXPECT_EQ(rig.core.image.toByteArray(0, 1024), RadioBytes(rig.radio, 0, 1024));
        }
        return;
    }
    // Cancel: the end command alone, then the transfer ends with nothing
    // taken or written past what the radio had acknowledged.
    EXPECT_EQ(rig.link.sent.size(), sent + 1);
    EXPECT_EQ(rig.outcome, Outcome::Cancelled);
    EXPECT_EQ(rig.completions, 0);
    EXPECT_EQ(rig.core.image, before);
    EXPECT_TRUE(rig.prompts.messages().empty());
    if (c.direction == Direction::Read) {
        EXPECT_EQ(rig.radio.memory, memoryBefore);
    }
}

// Retry sends the step again after 30 ms: the wake-up while the radio never
// acknowledged it, the identification once it had. Cancel sends the end
// command at once.
INSTANTIATE_TEST_SUITE_P(
    Answers, TimeoutQuestion,
    ::testing::Values(
        TimeoutAnswerCase{"RetryWakeUp", Direction::Read, RadioModel::Command::WakeUp, 1, true, "PROGRAM", 30},
        TimeoutAnswerCase{"RetryReadBlock", Direction::Read, RadioModel::Command::Read, 9, true, Bytes({0x02}), 30},
        TimeoutAnswerCase{"CancelReadBlock", Direction::Read, RadioModel::Command::Read, 9, false, "E", 0},
        TimeoutAnswerCase{"RetryWriteIdent", Direction::Write, RadioModel::Command::Ident, 1, true, Bytes({0x02}), 30},
        TimeoutAnswerCase{"CancelWriteWakeUp", Direction::Write, RadioModel::Command::WakeUp, 1, false, "E", 0}),
    kCaseName);

class OverwriteQuestion : public WriteTransfer, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        WriteTransfer::SetUp();
        rig.radio.identBand = static_cast<std::uint8_t>(rig.core.image.modelBandCode() + 1);
        rig.answerAtOnce = false;
        rig.Make(Direction::Write);
        rig.transfer->Start();
    }
};

TEST_P(OverwriteQuestion, IsAnOutputAnsweredByTheUsersWord)
{
    const bool overwrite = GetParam();
    const RadioImage image = rig.core.image;
    ASSERT_TRUE(rig.RunUntilAsked());
    const QByteArray opening = QByteArrayLiteral("PROGRAM") + Bytes({0x02, 0x06});
    EXPECT_EQ(rig.questions, std::vector<Question>{Question::OverwriteOtherModel});
    EXPECT_TRUE(rig.prompts.messages().empty());
    EXPECT_TRUE(rig.transfer->waitingForAnswer());
    EXPECT_EQ(rig.radio.received, opening);
    EXPECT_FALSE(rig.link.sendTimerArmed());
    EXPECT_FALSE(rig.link.replyTimerArmed());

    // Neither time nor the time-out answers move the write on.
    PokeWhileAsked(rig);
    rig.transfer->OnRetry();
    rig.transfer->OnCancel();
    EXPECT_FALSE(rig.link.RunUntil([&] { return rig.radio.received.size() > opening.size(); }));
    EXPECT_EQ(rig.radio.received, opening);
    EXPECT_EQ(rig.finishedCalls, 0);

    const qint64 answeredAt = rig.link.now();
    const size_t sent = rig.link.sent.size();
    rig.transfer->OnOverwriteAnswer(overwrite);
    rig.transfer->OnOverwriteAnswer(!overwrite);  // a second answer changes nothing
    ASSERT_TRUE(rig.link.RunUntil([&] { return rig.finishedCalls > 0; }));
    ASSERT_GT(rig.link.sent.size(), sent);
    EXPECT_EQ(rig.link.sent[sent].at - answeredAt, 10);
    EXPECT_EQ(rig.questions.size(), 1u);
    EXPECT_EQ(rig.core.image, image);
    if (overwrite) {
        EXPECT_EQ(rig.link.sent[sent].bytes, MakeWritePacket(1, image));
        EXPECT_EQ(rig.radio.count(RadioModel::Command::Write), 49);
        EXPECT_EQ(rig.outcome, Outcome::Completed);
        EXPECT_EQ(rig.core.link.TransferMode, TransferMode::Completed);
        ASSERT_EQ(rig.prompts.messages().size(), 1u);
        EXPECT_EQ(rig.prompts.messages()[0].text, "Writing Completed");
    } else {
        EXPECT_EQ(rig.radio.received, opening + kEnd);
        EXPECT_EQ(rig.radio.memory, before);
        EXPECT_EQ(rig.outcome, Outcome::Refused);
        EXPECT_EQ(rig.completions, 0);
        EXPECT_NE(rig.core.link.TransferMode, TransferMode::Completed);
        EXPECT_TRUE(rig.prompts.messages().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, OverwriteQuestion, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Overwrite" : "Refuse"; });

TEST_P(OverwriteQuestion, DeviceGoneWhileAskedEndsOnTheAnswer)
{
    ASSERT_TRUE(rig.RunUntilAsked());
    const size_t sent = rig.link.sent.size();
    rig.link.ClosePort();
    rig.transfer->OnPortLost("COM1 (/dev/ttyUSB0)");
    EXPECT_EQ(rig.finishedCalls, 0);  // the question is still out
    EXPECT_TRUE(rig.prompts.messages().empty());
    rig.transfer->OnOverwriteAnswer(GetParam());
    EXPECT_EQ(rig.outcome, Outcome::PortLost);
    EXPECT_EQ(rig.finishedCalls, 1);
    EXPECT_EQ(rig.link.sent.size(), sent);
    ASSERT_EQ(rig.prompts.messages().size(), 1u);
    // Whether the user said Overwrite or not, no data packet went out.
    EXPECT_EQ(rig.prompts.messages()[0].text, kNotStarted);
    EXPECT_EQ(rig.radio.memory, before);
}

TEST_F(ReadTransfer, ReceivedImageGoesOutOnlyWhenTheLastBlockIsIn)
{
    rig.core.image.fill(0xA5);
    rig.Make(Direction::Read);
    rig.transfer->Start();
    // Every block is in, but the end command is not out yet.
    ASSERT_TRUE(rig.link.RunUntil([&] { return rig.radio.count(RadioModel::Command::Read) == 17; }));
    EXPECT_EQ(rig.completions, 0);
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), QByteArray(1024, '\xA5'));
    ASSERT_TRUE(rig.link.RunUntil([&] { return rig.completions == 1; }));
    EXPECT_EQ(rig.link.sent.back().bytes, kEnd);
    EXPECT_EQ(rig.core.image.toByteArray(0, 1024), RadioBytes(rig.radio, 0, 1024));
    EXPECT_EQ(rig.core.link.TransferMode, TransferMode::Completed);
    // The user is told, and the document reset, only once the port is closed.
    EXPECT_TRUE(rig.prompts.messages().empty());
    EXPECT_TRUE(rig.workspace.calls.isEmpty());
    ASSERT_TRUE(rig.link.RunUntil([&] { return rig.finishedCalls > 0; }));
    EXPECT_EQ(rig.workspace.calls, QStringList({"DecodeAllChannels", "RemakeTitle"}));
    EXPECT_EQ(rig.outcome, Outcome::Completed);
}

}  // namespace
}  // namespace zx::test
