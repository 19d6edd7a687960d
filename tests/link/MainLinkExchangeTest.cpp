// The main window's exchange (radio information and the test-mode entry) as
// a state machine, against the scripted radio on a virtual clock; its
// questions and its end are recorded, the test-mode steps are fakes.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "link/CallLog.h"
#include "link/MainLinkExchange.h"
#include "link/RadioInformation.h"
#include "link/TransferRig.h"
#include "sim/RadioModel.h"
#include "sim/VirtualLink.h"

namespace zx::test {
namespace {

using Step = MainLinkExchange::Step;

// Records what the exchange asks of its window, with the virtual time.
class RecordingWindow : public MainLinkWindow, public CallLog {
public:
    explicit RecordingWindow(const VirtualLink& link) : link_(link) {}

    void AskReplyTimeout() override { Record("Ask"); }
    void SetMainWindowEnabled(bool enabled) override { Record(enabled ? "Enable" : "Disable"); }
    void ShowRadioInformation() override { Record("ShowRadioInformation"); }
    void ShowTestFrequencyMismatch() override { Record("Mismatch"); }
    void ShowPortLost(const QString& portName) override { Record("PortLost:" + portName.toStdString()); }
    void ExchangeEnded(MainLinkOutcome outcome) override
    {
        Record("Ended");
        ended = outcome;
    }

    // The port was closed when each call came.
    std::vector<bool> portOpen;
    std::optional<MainLinkOutcome> ended;

private:
    void Record(const std::string& call)
    {
        Log(call, link_.now());
        portOpen.push_back(link_.portOpen);
    }
    const VirtualLink& link_;
};

// The test-mode steps: record each call; a test frequency matches when it
// equals the image's entry given here.
class FakeTestEntry : public TestEntryHooks {
public:
    FakeTestEntry() { image.fill(QByteArray(8, '\xFF')); }

    void StoreTuningData(const QByteArray& reply) override
    {
        calls.push_back("StoreTuningData:" + std::to_string(reply.size()));
    }
    void StoreTestFrequency(int n, const QByteArray& reply) override
    {
        calls.push_back("StoreTestFrequency:" + std::to_string(n));
        listed[static_cast<std::size_t>(n - 1)] = reply;
    }
    bool TestFrequencyMatches(int n, const QByteArray& reply) override
    {
        calls.push_back("Matches:" + std::to_string(n));
        return reply == image[static_cast<std::size_t>(n - 1)];
    }
    void ShowTestForm() override { calls.push_back("ShowTestForm"); }

    int count(const std::string& prefix) const
    {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                              [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
    }

    std::array<QByteArray, 16> image;
    std::array<QByteArray, 16> listed;
    std::vector<std::string> calls;
};

QByteArray Frequency(int n)
{
    // RX 146.12500 + n, TX the same: BCD, low digit pair first.
    QByteArray e = Bytes({0x00, 0x25, 0x61, 0x14, 0x00, 0x25, 0x61, 0x14});
    e[0] = static_cast<char>(n);
    e[4] = static_cast<char>(n);
    return e;
}

class MainLink : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A radio that identifies as "K...": the first byte of its ident.
        radio.memory[0x1B8] = 'K';
        link.onBytes = [this](const QByteArray& b) { exchange.OnBytes(b); };
        link.onSendTimer = [this] { exchange.OnSendTimer(); };
        link.onReplyTimeout = [this] { exchange.OnReplyTimeout(); };
    }

    // Runs until the exchange has ended or asks its question.
    bool RunToRest()
    {
        return link.RunUntil([this] { return window.ended.has_value() || exchange.waitingForAnswer(); });
    }
    std::vector<QByteArray> Outputs() const
    {
        std::vector<QByteArray> out;
        for (const auto& s : link.sent)
            out.push_back(s.bytes);
        return out;
    }
    // Test channels 1..16 agree between the radio and the image.
    void SameTestFrequencies()
    {
        for (int n = 1; n <= 16; ++n) {
            radio.testTable[static_cast<std::size_t>(n - 1)] = Frequency(n);
            steps.image[static_cast<std::size_t>(n - 1)] = Frequency(n);
        }
    }

    RadioModel radio;
    VirtualLink link{radio};
    RecordingWindow window{link};
    RadioInfoBytes info{};
    MainLinkExchange exchange{link, window, info};
    FakeTestEntry steps;
};

const std::vector<QByteArray> kInfoExchange = {"PROGRAM", Bytes({0x02}), Bytes({0x06}), "NRK",
                                               Bytes({0x06}),  Bytes({0x50}), Bytes({0x06}), Bytes({0x45})};

TEST_F(MainLink, RadioInformationBytesDelaysAndEnd)
{
    exchange.StartRadioInformation();
    EXPECT_TRUE(exchange.LinkPurpose());
    ASSERT_TRUE(RunToRest());

    EXPECT_EQ(Outputs(), kInfoExchange);
    // The first send after 100 ms, then each step's own delay after the
    // reply before it (the scripted radio answers at once).
    ASSERT_EQ(link.sent.size(), 8u);
    EXPECT_EQ(link.sent[0].at, 100);
    const std::vector<qint64> delays = {60, 1, 10, 3, 5, 3, 5};
    for (std::size_t i = 1; i < link.sent.size(); ++i)
        EXPECT_EQ(link.sent[i].at - link.sent[i - 1].at, delays[i - 1]) << i;

    // The reply to "NRK" is kept byte for byte.
    for (int k = 0; k < 34; ++k)
        EXPECT_EQ(info[static_cast<std::size_t>(k)], static_cast<std::uint8_t>(radio.radioInfo[k])) << k;
    EXPECT_EQ(RadioSerialNumber(info), "ABC1234 X 56789012");

    // After the last 06: the main window disabled and the port closed at
    // once, the dialog 30 ms later.
    const std::vector<std::string> calls = {"Disable", "ShowRadioInformation", "Ended"};
    EXPECT_EQ(window.calls, calls);
    EXPECT_EQ(window.timeOf("Disable"), link.sent.back().at);
    EXPECT_EQ(window.timeOf("ShowRadioInformation"), link.sent.back().at + 30);
    EXPECT_FALSE(window.portOpen[1]);  // closed before the dialog
    EXPECT_EQ(window.ended, MainLinkOutcome::InformationShown);
    EXPECT_FALSE(link.sendTimerArmed());
    EXPECT_FALSE(link.replyTimerArmed());
    EXPECT_FALSE(exchange.running());
}

TEST_F(MainLink, RadioInformationRepliesInPieces)
{
    link.splitChunk = 3;
    exchange.StartRadioInformation();
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(window.ended, MainLinkOutcome::InformationShown);
    EXPECT_EQ(RadioSerialNumber(info), "ABC1234 X 56789012");
}

TEST_F(MainLink, AnyRadioWhoseIdentificationStartsWithKIsTaken)
{
    radio.identBand = 0x83;
    radio.identVariant = 0x33;
    radio.memory[0x1B9] = 'Z';  // the rest of the model code differs too
    exchange.StartRadioInformation();
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(window.ended, MainLinkOutcome::InformationShown);
    EXPECT_EQ(window.count("Ask"), 0);
}

// Where each bad reply brings the time-out question: at once (1 ms after
// the reply), or, in the first step only, at the normal 200 ms.
struct BadReplyCase {
    const char* name;
    RadioModel::Command::Kind command;
    int occurrence;
    QByteArray reply;
    int askAfterMs;
    std::size_t sends;  // commands out before the question
};

class MainLinkBadReply : public MainLink, public ::testing::WithParamInterface<BadReplyCase> {};

TEST_P(MainLinkBadReply, AsksAtTheRightTime)
{
    const BadReplyCase& c = GetParam();
    radio.replyFilter = [&c](const RadioModel::Command& command, const QByteArray& normal) {
        return command.kind == c.command && command.occurrence == c.occurrence ? c.reply : normal;
    };
    exchange.StartRadioInformation();
    ASSERT_TRUE(RunToRest());
    ASSERT_TRUE(exchange.waitingForAnswer());
    ASSERT_EQ(link.sent.size(), c.sends);
    EXPECT_EQ(window.timeOf("Ask") - link.sent.back().at, c.askAfterMs);
    EXPECT_EQ(window.count("Ask"), 1);
    EXPECT_FALSE(window.ended.has_value());
}

using Cmd = RadioModel::Command;

INSTANTIATE_TEST_SUITE_P(
    Steps, MainLinkBadReply,
    ::testing::Values(BadReplyCase{"WakeUpWrongByte", Cmd::WakeUp, 1, Bytes({0x15}), 200, 1},
                      BadReplyCase{"WakeUpSilent", Cmd::WakeUp, 1, QByteArray(), 200, 1},
                      BadReplyCase{"IdentNotK", Cmd::Ident, 1, Bytes({'L', '1', '2', '3', '4', 0x21, 0xF8, 0xFF}), 1, 2},
                      BadReplyCase{"ConfirmWrongByte", Cmd::Ack, 1, Bytes({0x15}), 1, 3},
                      BadReplyCase{"InfoShort", Cmd::InfoRequest, 1, QByteArray(33, 'x'), 200, 4},
                      BadReplyCase{"QueryAckWrong", Cmd::Ack, 2, Bytes({0x15}), 1, 5},
                      BadReplyCase{"SecondInfoNine", Cmd::SecondInfo, 1, QByteArray(9, 'x'), 200, 6},
                      BadReplyCase{"DetailAckWrong", Cmd::Ack, 3, Bytes({0x15}), 1, 7},
                      BadReplyCase{"EndNotAcknowledged", Cmd::End, 1, Bytes({0x15}), 1, 8}),
    [](const ::testing::TestParamInfo<BadReplyCase>& info) { return std::string(info.param.name); });

TEST_F(MainLink, WrongModelLetterFromTheSimulatorBringsTheQuestionAtOnce)
{
    radio.identModelLetter = 'L';
    exchange.StartRadioInformation();
    ASSERT_TRUE(RunToRest());
    ASSERT_TRUE(exchange.waitingForAnswer());
    EXPECT_EQ(link.sent.size(), 2u);
    EXPECT_EQ(window.timeOf("Ask"), link.sent.back().at + 1);
}

TEST_F(MainLink, RetryWakesTheRadioAgainWithEmptyBuffers)
{
    radio.muteWakeUps = 1;
    exchange.StartRadioInformation();
    ASSERT_TRUE(RunToRest());
    ASSERT_TRUE(exchange.waitingForAnswer());
    EXPECT_EQ(window.timeOf("Ask"), 100 + 200);

    const int clearsBefore = link.clears;
    const qint64 answeredAt = link.now();
    exchange.OnRetry();
    EXPECT_EQ(link.clears, clearsBefore + 1);
    EXPECT_EQ(exchange.TransferState(), Step::WakeUp);
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(window.ended, MainLinkOutcome::InformationShown);
    ASSERT_EQ(link.sent.size(), 9u);
    EXPECT_EQ(link.sent[1].bytes, "PROGRAM");
    EXPECT_EQ(link.sent[1].at, answeredAt + 50);
}

TEST_F(MainLink, RetryFromALaterStepStartsAgainAtTheWakeUp)
{
    radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::SecondInfo && c.occurrence == 1 ? QByteArray(9, 'x') : normal;
    };
    exchange.StartRadioInformation();
    ASSERT_TRUE(RunToRest());
    exchange.OnRetry();
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(window.ended, MainLinkOutcome::InformationShown);
    std::vector<QByteArray> expected(kInfoExchange.begin(), kInfoExchange.begin() + 6);
    expected.insert(expected.end(), kInfoExchange.begin(), kInfoExchange.end());
    EXPECT_EQ(Outputs(), expected);
}

TEST_F(MainLink, CancelSendsNothingMoreAndClosesThePort)
{
    radio.muteWakeUps = 1;
    exchange.StartRadioInformation();
    ASSERT_TRUE(RunToRest());
    const int closes = link.closes;
    exchange.OnCancel();
    EXPECT_EQ(window.ended, MainLinkOutcome::Cancelled);
    EXPECT_EQ(link.closes, closes + 1);
    EXPECT_FALSE(link.portOpen);
    EXPECT_FALSE(link.sendTimerArmed());
    EXPECT_FALSE(link.replyTimerArmed());
    link.RunUntil([] { return false; }, 5000);
    EXPECT_EQ(Outputs(), std::vector<QByteArray>{"PROGRAM"});
    // The main window was never disabled.
    EXPECT_EQ(window.count("Disable"), 0);
    EXPECT_EQ(window.count("Enable"), 0);
}

TEST_F(MainLink, NothingMovesWhileTheQuestionIsUp)
{
    radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::InfoRequest ? QByteArray() : normal;
    };
    exchange.StartRadioInformation();
    ASSERT_TRUE(RunToRest());
    ASSERT_TRUE(exchange.waitingForAnswer());
    const std::size_t sent = link.sent.size();

    // A late reply and the timers' ticks change nothing: no second question,
    // nothing sent, nothing stored.
    link.Arrive(radio.radioInfo);
    exchange.OnSendTimer();
    exchange.OnReplyTimeout();
    link.RunUntil([] { return false; }, link.now() + 2000);
    EXPECT_EQ(window.count("Ask"), 1);
    EXPECT_EQ(link.sent.size(), sent);
    EXPECT_EQ(info, RadioInfoBytes{});

    // Retry empties the buffers and wakes the radio again.
    radio.replyFilter = nullptr;
    exchange.OnRetry();
    EXPECT_TRUE(link.inputBuffer().isEmpty());
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(window.ended, MainLinkOutcome::InformationShown);
}

TEST_F(MainLink, AnswersOutsideTheQuestionAreIgnored)
{
    exchange.OnRetry();
    exchange.OnCancel();
    EXPECT_TRUE(link.sent.empty());
    EXPECT_FALSE(window.ended.has_value());
    exchange.StartRadioInformation();
    exchange.OnCancel();
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(window.ended, MainLinkOutcome::InformationShown);
}

TEST_F(MainLink, TheDeviceVanishingEndsTheExchange)
{
    exchange.StartRadioInformation();
    ASSERT_TRUE(link.RunUntil([this] { return link.sent.size() == 4; }));
    exchange.OnPortLost("COM7 (/dev/pts/9)");
    link.RunUntil([] { return false; }, 5000);
    EXPECT_EQ(window.ended, MainLinkOutcome::PortLost);
    EXPECT_EQ(window.count("PortLost:COM7 (/dev/pts/9)"), 1);
    EXPECT_EQ(link.sent.size(), 4u);
    EXPECT_FALSE(link.portOpen);
}

TEST_F(MainLink, TheDeviceVanishingUnderTheQuestionEndsItOnTheAnswer)
{
    radio.muteWakeUps = 1;
    exchange.StartRadioInformation();
    ASSERT_TRUE(RunToRest());
    exchange.OnPortLost("COM7 (/dev/pts/9)");
    EXPECT_FALSE(window.ended.has_value());
    exchange.OnRetry();
    EXPECT_EQ(window.ended, MainLinkOutcome::PortLost);
    link.RunUntil([] { return false; }, 5000);
    EXPECT_EQ(link.sent.size(), 1u);
}

// --- the test-mode entry ---------------------------------------------------

std::vector<QByteArray> EntryOpening()
{
    return {"TUNING ", Bytes({0x02}), Bytes({0x06}), Bytes({0x05}), Bytes({0x06})};
}

TEST_F(MainLink, TestEntryStartsInStateOneWithCounterOne)
{
    exchange.StartTestEntry(steps);
    EXPECT_FALSE(exchange.LinkPurpose());
    EXPECT_EQ(exchange.TransferState(), Step::WakeUp);
    EXPECT_EQ(exchange.LinkBlockCounter(), 1);
    EXPECT_FALSE(exchange.TestEntryDone());
    EXPECT_TRUE(link.sendTimerArmed());
    link.RunUntil([this] { return !link.sent.empty(); });
    EXPECT_EQ(link.sent[0].at, 100);
}

TEST_F(MainLink, SixteenMatchesHandOverToTheTestWindow)
{
    SameTestFrequencies();
    exchange.StartTestEntry(steps);
    ASSERT_TRUE(RunToRest());

    std::vector<QByteArray> expected = EntryOpening();
    for (int n = 1; n <= 16; ++n) {
        expected.push_back(Bytes({0x10, n}));
        expected.push_back(Bytes({0x06}));
    }
    EXPECT_EQ(Outputs(), expected);  // no 45: the radio stays in test mode
    EXPECT_TRUE(radio.inTestMode());

    EXPECT_EQ(steps.calls.front(), "StoreTuningData:62");
    EXPECT_EQ(steps.count("StoreTuningData"), 1);
    EXPECT_EQ(steps.count("StoreTestFrequency"), 16);
    EXPECT_EQ(steps.count("Matches"), 16);
    EXPECT_EQ(steps.count("ShowTestForm"), 1);
    EXPECT_EQ(steps.calls.back(), "ShowTestForm");
    EXPECT_EQ(steps.listed[15], Frequency(16));

    EXPECT_TRUE(exchange.TestEntryDone());
    EXPECT_EQ(exchange.LinkBlockCounter(), MainLinkExchange::kAllAccepted);
    const std::vector<std::string> calls = {"Disable", "Ended"};
    EXPECT_EQ(window.calls, calls);
    EXPECT_FALSE(window.portOpen[1]);  // closed before the test window
    EXPECT_EQ(link.closes, 1);
    EXPECT_EQ(window.ended, MainLinkOutcome::TestFormShown);
    EXPECT_EQ(window.timeOf("Ended"), link.sent.back().at + 30);
    // Delays: 5 ms between the test-channel steps.
    EXPECT_EQ(link.sent[6].at - link.sent[5].at, 5);
    EXPECT_EQ(link.sent[5].at - link.sent[4].at, 5);
}

TEST_F(MainLink, AMismatchAtEntryFiveStopsAfterItsAcknowledgement)
{
    SameTestFrequencies();
    radio.testTable[4] = Frequency(99);
    exchange.StartTestEntry(steps);
    ASSERT_TRUE(RunToRest());

    std::vector<QByteArray> expected = EntryOpening();
    for (int n = 1; n <= 5; ++n) {
        expected.push_back(Bytes({0x10, n}));
        expected.push_back(Bytes({0x06}));
    }
    EXPECT_EQ(Outputs(), expected);  // no 10 06, no 45
    EXPECT_EQ(exchange.LinkBlockCounter(), MainLinkExchange::kMismatchFound);
    EXPECT_EQ(steps.count("StoreTuningData"), 1);
    EXPECT_EQ(steps.calls.front(), "StoreTuningData:62");
    EXPECT_EQ(steps.count("StoreTestFrequency"), 5);
    EXPECT_EQ(steps.listed[4], Frequency(99));
    EXPECT_TRUE(steps.listed[5].isEmpty());
    EXPECT_EQ(steps.count("ShowTestForm"), 0);

    const std::vector<std::string> calls = {"Mismatch", "Ended"};
    EXPECT_EQ(window.calls, calls);  // the main window stays enabled
    EXPECT_FALSE(window.portOpen[0]);
    EXPECT_EQ(window.timeOf("Mismatch"), link.sent.back().at + 10);
    EXPECT_EQ(window.ended, MainLinkOutcome::Mismatch);
    EXPECT_FALSE(exchange.TestEntryDone());
}

TEST_F(MainLink, AMismatchAtTheLastEntryIsStillAMismatch)
{
    SameTestFrequencies();
    steps.image[15] = QByteArray(8, '\xFF');
    exchange.StartTestEntry(steps);
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(window.ended, MainLinkOutcome::Mismatch);
    EXPECT_EQ(steps.count("StoreTestFrequency"), 16);
    EXPECT_EQ(link.sent.back().bytes, Bytes({0x06}));
}

TEST_F(MainLink, RetryInTheEntryReadsEverythingAgainFromChannelOne)
{
    SameTestFrequencies();
    radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::TestChannel && c.occurrence == 3 ? QByteArray() : normal;
    };
    exchange.StartTestEntry(steps);
    ASSERT_TRUE(RunToRest());
    ASSERT_TRUE(exchange.waitingForAnswer());
    const std::size_t before = link.sent.size();
    exchange.OnRetry();
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(window.ended, MainLinkOutcome::TestFormShown);

    const std::vector<QByteArray> out = Outputs();
    std::vector<QByteArray> again(out.begin() + static_cast<long>(before), out.end());
    std::vector<QByteArray> expected = EntryOpening();
    expected.push_back(Bytes({0x10, 0x01}));
    again.resize(expected.size());
    EXPECT_EQ(again, expected);
    // The tuning block once per opening, always before the test channels.
    EXPECT_EQ(steps.count("StoreTuningData"), 2);
    EXPECT_EQ(steps.calls[0], "StoreTuningData:62");
    const auto second = std::find(steps.calls.begin() + 1, steps.calls.end(), "StoreTuningData:62");
    ASSERT_NE(second, steps.calls.end());
    EXPECT_EQ(*(second + 1), "StoreTestFrequency:1");
    EXPECT_EQ(steps.count("ShowTestForm"), 1);
}

TEST_F(MainLink, EmptyEntriesOnBothSidesMatch)
{
    // The radio's table and the fake image are all FF.
    exchange.StartTestEntry(steps);
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(window.ended, MainLinkOutcome::TestFormShown);
}

TEST_F(MainLink, TuningBlockIsStoredUncheckedEvenWhenShort)
{
    radio.tuningBlock = QByteArray(62, '\x00');
    exchange.StartTestEntry(steps);
    ASSERT_TRUE(RunToRest());
    EXPECT_EQ(steps.calls.front(), "StoreTuningData:62");
    EXPECT_EQ(window.ended, MainLinkOutcome::TestFormShown);
}

// --- the radio information's pieces -----------------------------------------

TEST(RadioInformation, GetDJJInfoCopiesWhatTheReplyHas)
{
    RadioInfoBytes info{};
    info.fill(0xEE);
    GetDJJInfo(info, Bytes({1, 2, 3}));
    EXPECT_EQ(info[0], 1);
    EXPECT_EQ(info[2], 3);
    EXPECT_EQ(info[3], 0xEE);  // not reached: unchanged
    GetDJJInfo(info, QByteArray(40, '\x07'));
    EXPECT_EQ(info[33], 7);
}

TEST(RadioInformation, SerialNumberTakesBytesTwoToEightFourteenAndEighteenToTwentyFive)
{
    RadioInfoBytes info{};
    for (std::size_t i = 0; i < info.size(); ++i)
        info[i] = '#';
    const QByteArray sn1 = "ABC1234", sn2 = "56789012";
    for (int i = 0; i < 7; ++i)
        info[static_cast<std::size_t>(1 + i)] = static_cast<std::uint8_t>(sn1[i]);
    info[13] = 'X';
    for (int i = 0; i < 8; ++i)
        info[static_cast<std::size_t>(17 + i)] = static_cast<std::uint8_t>(sn2[i]);
    EXPECT_EQ(RadioSerialNumber(info), "ABC1234 X 56789012");
    EXPECT_EQ(RadioSerialNumber(info).size(), 18);
    // Bytes above 0x7F are their Latin-1 characters.
    info[1] = 0xE9;
    EXPECT_EQ(RadioSerialNumber(info).at(0), QChar(0xE9));
}

TEST(RadioInformation, BandTexts)
{
    const std::vector<std::pair<std::uint8_t, const char*>> table = {
        {0x01, "VHF: 136-174 MHz"}, {0x02, "VHF: 136-150 MHz"}, {0x03, "VHF: 150-174 MHz"},
        {0x04, "VHF: 245-265 MHz"}, {0x21, "UHF: 400-480 MHz"}, {0x33, "UHF: 440-480 MHz"},
        {0x43, "UHF: 400-440 MHz"}, {0x53, "UHF: 350-370 MHz"}, {0x63, "UHF: 370-390 MHz"},
        {0x73, "UHF: 350-390 MHz"}, {0x83, "UHF: 460-520 MHz"}, {0x00, "UHF: 400-480 MHz"},
        {0x20, "UHF: 400-480 MHz"}, {0xF0, "UHF: 400-480 MHz"}};
    for (const auto& [code, text] : table) {
        const ModelBandText t = GetModelBandText(code);
        EXPECT_EQ(t.model, "ZX-4100");
        EXPECT_EQ(t.band, text) << int(code);
    }
}

}  // namespace
}  // namespace zx::test
