// The tuning link of the band-point, power, single-value and measured
// dialogs, configured from the item tables and run against a scripted radio
// on a virtual clock: the exact commands and the milliseconds between them.
#include <gtest/gtest.h>

#include "testmode/TuningLinkRig.h"

namespace zx::test {
namespace {

using Sends = std::vector<std::pair<qint64, std::string>>;
using Lines = std::vector<std::string>;

// The commands from index `from` on, each with its time less the time of
// the first of them.
Sends Relative(const Sends& sent, std::size_t from = 0)
{
    Sends out;
    if (from >= sent.size())
        return out;
    const qint64 t0 = sent[from].first;
    for (std::size_t i = from; i < sent.size(); ++i)
        out.emplace_back(sent[i].first - t0, sent[i].second);
    return out;
}

class TuningLinkTest : public ::testing::Test {
protected:
    TuningRig rig;
};

// ---- the Cancel exchange of the multi-point dialogs ----------------------

TEST_F(TuningLinkTest, DqtBalanceWideCancelAtOnceRestoresEveryPointThenStoresAtHigh)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    EXPECT_TRUE(rig.log.empty()) << "opening sends nothing";

    rig.link->Cancel();
    rig.Settle();

    EXPECT_EQ(Relative(rig.SentAt()), (Sends{{0, "18 0D"},
                                             {3, "18 20 1D"},
                                             {8, "65 0D"},
                                             {14, "65 20 1E"},
                                             {20, "66 0D"},
                                             {26, "66 20 1F"},
                                             {33, "67 0D"},
                                             {40, "67 20 20"},
                                             {48, "67 0E"}}));
    EXPECT_EQ(rig.SentAt().front().first, TuningLink::kCancelDelayMs);
    EXPECT_EQ(rig.Log(rig.log.size() - 2), (Lines{"close port", "close done"}));
    EXPECT_FALSE(rig.portOpen);
    EXPECT_TRUE(rig.link->CloseDone());
    EXPECT_FALSE(rig.sendTimerArmed());
    EXPECT_FALSE(rig.replyTimerArmed());
    EXPECT_EQ(rig.closeDoneCalls, 1);
}

TEST_F(TuningLinkTest, SquelchOpenCancelEndsWithActionOfOneFiveAtTheHighPoint)
{
    rig.Open(BandPointSetup, kItemSquelchOpen);
    rig.link->Cancel();
    rig.Settle();

    const auto sent = rig.Sent();
    ASSERT_EQ(sent.size(), 9u);
    EXPECT_EQ(sent.front(), "0C 0D");
    EXPECT_EQ(sent[1], "0C 20 01");
    EXPECT_EQ(sent[7], "74 20 04");
    EXPECT_EQ(sent[8], "74 0F");
    EXPECT_TRUE(rig.link->CloseDone());
}

TEST_F(TuningLinkTest, RfHighPowerCancelRestoresSixPointsWithTheLongerDelays)
{
    rig.Open(PowerSetup, kItemRfHighPower);
    rig.link->Cancel();
    rig.Settle();

    EXPECT_EQ(Relative(rig.SentAt()), (Sends{{0, "12 0D"},
                                             {3, "12 20 0B"},
                                             {8, "30 0D"},
                                             {14, "30 20 0C"},
                                             {20, "33 0D"},
                                             {26, "33 20 0D"},
                                             {33, "31 0D"},
                                             {40, "31 20 0E"},
                                             {48, "34 0D"},
                                             {56, "34 20 0F"},
                                             {64, "32 0D"},
                                             {72, "32 20 10"},
                                             {80, "32 0E"}}));
    EXPECT_FALSE(rig.portOpen);
}

TEST_F(TuningLinkTest, RfLowPowerCancelEndsWithStoreAtItsHighPoint)
{
    rig.Open(PowerSetup, kItemRfLowPower);
    rig.link->Cancel();
    rig.Settle();

    const auto sent = rig.Sent();
    ASSERT_EQ(sent.size(), 13u);
    EXPECT_EQ(sent.front(), "14 0D");
    EXPECT_EQ(sent[1], "14 20 11");
    EXPECT_EQ(sent[11], "62 20 16");
    EXPECT_EQ(sent.back(), "62 0E");
}

TEST_F(TuningLinkTest, CancelSendsTheOpeningValuesNotTheChangedOnes)
{
    rig.Open(PowerSetup, kItemRfHighPower);
    // Low' and High changed by the user (each sent at once).
    rig.link->SelectPoint(2);
    rig.Settle();
    rig.link->SliderValueChanged(2, 0x77);
    rig.Settle();
    rig.link->SelectPoint(5);
    rig.Settle();
    rig.link->ValueBoxChanged(5, 0x99);
    rig.Settle();
    EXPECT_EQ(rig.link->PointValue(2), 0x77);
    EXPECT_EQ(rig.link->PointValue(5), 0x99);
    const std::size_t before = rig.Sent().size();

    rig.link->Cancel();
    rig.Settle();

    const auto sent = rig.Sent();
    const std::vector<std::string> restore(sent.begin() + static_cast<std::ptrdiff_t>(before), sent.end());
    EXPECT_EQ(restore, (std::vector<std::string>{"12 0D", "12 20 0B", "30 0D", "30 20 0C", "33 0D", "33 20 0D",
                                                 "31 0D", "31 20 0E", "34 0D", "34 20 0F", "32 0D", "32 20 10",
                                                 "32 0E"}));
}

// ---- select point ---------------------------------------------------------

TEST_F(TuningLinkTest, LowTabEntersThePointReadsFourBytesAcknowledgesAndClosesThePort)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.link->SelectPoint(1);
    rig.RunUntil([&] { return !rig.sendTimerArmed() && !rig.replyTimerArmed(); });

    EXPECT_EQ(rig.link->CurrentPoint(), 1);
    EXPECT_EQ(rig.SentAt(), (Sends{{3, "65 0D"}, {6, "07"}, {11, "06"}}));
    EXPECT_EQ(rig.Log(), (Lines{"> 65 0D", "> 07", "> 06", "close port", "show 1:30"}));
    EXPECT_FALSE(rig.portOpen);
    EXPECT_FALSE(rig.link->CloseDone());

    // The next command opens the port again.
    rig.link->SliderValueChanged(1, 31);
    rig.RunUntil([&] { return !rig.sendTimerArmed() && !rig.replyTimerArmed(); });
    EXPECT_EQ(rig.Log(5), (Lines{"open port", "> 65 20 1F"}));
    EXPECT_EQ(rig.TimeOf("> 65 20 1F") - rig.TimeOf("show 1:30"), TuningLink::kValueDelayMs);
}

TEST_F(TuningLinkTest, PowerHighQuarterTabShowsTheFifthReplyByteThenItsOwnValueWithoutSettingIt)
{
    rig.Open(PowerSetup, kItemRfHighPower);
    rig.readValueReply = Hex("A0 A1 A2 A3 A4 A5");
    rig.link->SelectPoint(4);
    rig.RunUntil([&] { return !rig.sendTimerArmed() && !rig.replyTimerArmed(); });

    // High' (0x182) holds 0x0F in the image.
    EXPECT_EQ(rig.Log(), (Lines{"> 34 0D", "> 07", "show 4:164", "> 06", "close port", "show 4:15"}));
    EXPECT_EQ(rig.link->PointValue(4), 0x0F) << "the radio's byte is only shown";
}

TEST_F(TuningLinkTest, PowerReplyOfFiveBytesIsNeverReadAndBringsTheQuestionAfterTheReplyTimeOut)
{
    rig.Open(PowerSetup, kItemRfHighPower);
    rig.readValueReply = Hex("A0 A1 A2 A3 A4");
    rig.link->SelectPoint(4);
    rig.Settle();

    EXPECT_EQ(rig.Log(), (Lines{"> 34 0D", "> 07", "ask"}));
    EXPECT_EQ(rig.TimeOf("ask") - rig.TimeOf("> 07"), 100);
    EXPECT_TRUE(rig.link->waitingForAnswer());
}

TEST_F(TuningLinkTest, BandPointReplyOfWrongLengthOrNoAckBringsTheQuestionTwoMillisecondsLater)
{
    rig.Open(BandPointSetup, kItemMaxDeviation);
    rig.answer = [](const QByteArray& c) { return c == Hex("24 0D") ? Hex("15") : Hex("06"); };
    rig.link->SelectPoint(1);
    rig.Settle();

    EXPECT_EQ(rig.Log(), (Lines{"> 24 0D", "ask"}));
    EXPECT_EQ(rig.TimeOf("ask") - rig.TimeOf("> 24 0D"), TuningLink::kBoxAtOnceMs);
}

// ---- values and PTT -------------------------------------------------------

TEST_F(TuningLinkTest, DraggingRecordsTheValueAndTheChangeSendsItOnce)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    for (std::uint8_t v : {30, 31, 32, 33})
        rig.link->SliderScrolled(0, v);
    rig.Advance(20);
    EXPECT_TRUE(rig.log.empty()) << "dragging sends nothing";
    EXPECT_EQ(rig.link->PointValue(0), 33);

    rig.link->SliderValueChanged(0, 33);
    rig.Advance(200);
    EXPECT_EQ(rig.SentAt(), (Sends{{21, "18 20 21"}}));
    EXPECT_EQ(rig.link->operation(), TuneOperation::SliderValue);
    EXPECT_TRUE(rig.portOpen) << "a value leaves the port open";
}

TEST_F(TuningLinkTest, PttTogglesAfterFiftyMillisecondsAndTheLampFollowsTheReply)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.link->Ptt();
    rig.Advance(100);
    rig.link->Ptt();
    rig.Advance(100);

    EXPECT_EQ(rig.Log(), (Lines{"> 08 0D", "lamp on", "> 08 0E", "lamp off"}));
    EXPECT_EQ(rig.TimeOf("> 08 0D"), 50);
    EXPECT_EQ(rig.TimeOf("> 08 0E"), 150);
    EXPECT_FALSE(rig.link->PttOn());
}

TEST_F(TuningLinkTest, ValueChangeWhileTransmittingGoesOutAtOnceWithoutPttOff)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.link->Ptt();
    rig.Advance(100);
    rig.link->ValueBoxChanged(0, 0x40);
    rig.Advance(100);

    EXPECT_EQ(rig.SentAt(), (Sends{{50, "08 0D"}, {101, "18 20 40"}}));
    EXPECT_TRUE(rig.link->PttOn());
}

TEST_F(TuningLinkTest, TabClickWhileTransmittingSendsPttOffFirstThenEntersThePointSevenMillisecondsLater)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.link->Ptt();
    rig.Advance(100);
    rig.link->SelectPoint(2);
    rig.RunUntil([&] { return !rig.sendTimerArmed() && !rig.replyTimerArmed(); });

    EXPECT_EQ(rig.Log(2), (Lines{"> 08 0E", "lamp off", "> 66 0D", "> 07", "> 06", "close port", "show 2:31"}));
    EXPECT_EQ(rig.TimeOf("> 08 0E"), 103);
    EXPECT_EQ(rig.TimeOf("> 66 0D"), 110);
    EXPECT_FALSE(rig.link->PttOn());
    EXPECT_FALSE(rig.link->PttOffFirst());
}

TEST_F(TuningLinkTest, OkWhileTransmittingTurnsThePttOffThenStoresTheShownPointOnce)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.link->SelectPoint(3);
    rig.Advance(100);
    rig.link->Ptt();
    rig.Advance(100);
    const std::size_t from = rig.log.size();

    rig.link->Ok();
    rig.link->Close();  // the dialog's own close that follows OK changes nothing
    rig.Settle();

    EXPECT_EQ(rig.Log(from), (Lines{"> 08 0E", "lamp off", "> 67 0E", "close done"}));
    EXPECT_EQ(rig.TimeOf("> 67 0E", from) - rig.TimeOf("> 08 0E", from), TuningLink::kAfterPttOffOkDelayMs);
    EXPECT_TRUE(rig.portOpen) << "after the store the port stays open until the dialog is gone";
    EXPECT_EQ(rig.closeDoneCalls, 1);
}

TEST_F(TuningLinkTest, CloseBoxWhileTransmittingRunsPttOffThenTheCancelScript)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.link->Ptt();
    rig.Advance(100);
    rig.link->Close();
    rig.Settle();

    const auto sent = Relative(rig.SentAt(), 1);
    ASSERT_EQ(sent.size(), 10u);
    EXPECT_EQ(sent[0], (std::pair<qint64, std::string>{0, "08 0E"}));
    EXPECT_EQ(sent[1], (std::pair<qint64, std::string>{7, "18 0D"}));
    EXPECT_EQ(sent[2].second, "18 20 1D");
    EXPECT_EQ(sent.back().second, "67 0E");
    EXPECT_EQ(rig.SentAt()[1].first, 100 + TuningLink::kCloseDelayMs);
    EXPECT_TRUE(rig.link->CloseDone());
    EXPECT_FALSE(rig.portOpen);
}

TEST_F(TuningLinkTest, ActionsDuringTheClosingExchangeAreIgnored)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.link->Cancel();
    rig.Advance(10);
    rig.link->SelectPoint(1);
    rig.link->SliderValueChanged(0, 99);
    rig.link->Ptt();
    rig.link->Ok();
    rig.Settle();

    EXPECT_EQ(rig.Sent().size(), 9u);
    EXPECT_EQ(rig.Sent().back(), "67 0E");
    EXPECT_EQ(rig.closeDoneCalls, 1);
}

TEST_F(TuningLinkTest, NewActionReplacesTheRunningOperationAndTheReplacedReplyIsDropped)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.replyDelayMs = 20;
    rig.link->SelectPoint(1);
    rig.Advance(5);  // 65 0D is out, its reply comes at 23
    rig.link->Ptt();  // 08 0D goes out at 55
    rig.Advance(200);

    EXPECT_EQ(rig.Log(), (Lines{"> 65 0D", "> 08 0D", "lamp on"}));
    EXPECT_EQ(rig.TimeOf("> 08 0D"), 55);
    EXPECT_EQ(rig.Count("ask"), 0);
    EXPECT_EQ(rig.link->operation(), TuneOperation::Ptt);
}

// ---- the time-out question -------------------------------------------------

TEST_F(TuningLinkTest, QuestionCancelDuringASelectPointEndsWithoutStoreOrRestore)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.answer = [](const QByteArray& c) { return c == Hex("07") ? QByteArray() : Hex("06"); };
    rig.link->SelectPoint(1);
    rig.Settle();
    ASSERT_TRUE(rig.link->waitingForAnswer());

    rig.link->OnCancel();
    rig.link->Close();  // the dialog then closes
    rig.Advance(1000);

    EXPECT_EQ(rig.Log(), (Lines{"> 65 0D", "> 07", "ask", "close port", "close done"}));
    EXPECT_TRUE(rig.testMode.LinkAborted);
    EXPECT_TRUE(rig.link->CloseDone());
    EXPECT_EQ(rig.closeDoneCalls, 1);
}

TEST_F(TuningLinkTest, QuestionRetryInTheMiddleOfCancelRestartsAtTheTestPointWithBuffersCleared)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    int enters = 0;
    rig.answer = [&](const QByteArray& c) {
        if (c == Hex("65 0D") && enters++ == 0)
            return QByteArray();  // the first Low enter gets no answer
        return Hex("06");
    };
    rig.link->Cancel();
    rig.Settle();
    ASSERT_TRUE(rig.link->waitingForAnswer());
    EXPECT_EQ(rig.TimeOf("ask") - rig.TimeOf("> 65 0D"), 100);

    const qint64 asked = rig.now();
    rig.link->OnRetry();
    rig.Settle();

    const std::size_t from = 4;  // 18 0D, 18 20 1D, 65 0D, ask
    EXPECT_EQ(rig.Log(3, 5), (Lines{"ask", "clear buffers"}));
    EXPECT_EQ(rig.Sent().size(), 3u + 9u);
    EXPECT_EQ(rig.Sent()[3], "18 0D");
    EXPECT_EQ(rig.TimeOf("> 18 0D", from) - asked, TuningLink::kRetryDelayMs);
    EXPECT_EQ(rig.Sent().back(), "67 0E");
    EXPECT_TRUE(rig.link->CloseDone());
}

TEST_F(TuningLinkTest, RetryAfterAWrongReplyToPttOffSendsPttOffAgain)
{
    rig.Open(SingleValueSetup, kItemDqtBalance, true);
    rig.link->Ptt();
    rig.Advance(100);
    int offs = 0;
    rig.answer = [&](const QByteArray& c) { return c == Hex("08 0E") && offs++ == 0 ? Hex("15") : Hex("06"); };
    rig.link->Ok();
    rig.Settle();

    EXPECT_EQ(rig.TimeOf("ask") - rig.TimeOf("> 08 0E"), TuningLink::kBoxAtOnceMs);
    EXPECT_TRUE(rig.link->PttOffFirst());
    EXPECT_EQ(rig.Count("lamp off"), 0);

    rig.link->OnRetry();
    rig.Settle();
    EXPECT_EQ(rig.Sent(), (std::vector<std::string>{"08 0D", "08 0E", "08 0E", "18 0E"}));
    EXPECT_EQ(rig.Count("lamp off"), 1);
    EXPECT_TRUE(rig.link->CloseDone());
}

TEST_F(TuningLinkTest, PortThatCannotBeOpenedForASendEndsTheDialogWithoutAnExchange)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.link->SelectPoint(1);
    rig.RunUntil([&] { return !rig.portOpen && !rig.sendTimerArmed(); });
    rig.portOpenable = false;
    rig.link->SliderValueChanged(1, 5);
    rig.Advance(500);

    EXPECT_EQ(rig.Log(5), (Lines{"port failed", "close done"}));
    EXPECT_TRUE(rig.link->CloseDone());
    rig.link->Close();
    EXPECT_EQ(rig.closeDoneCalls, 1);
}

TEST_F(TuningLinkTest, CloseWithLinkAbortedSetEndsAtOnceWithoutAnExchange)
{
    rig.Open(BandPointSetup, kItemDqtBalance);
    rig.testMode.LinkAborted = true;
    rig.link->Close();
    rig.Advance(1000);

    EXPECT_TRUE(rig.Sent().empty());
    EXPECT_TRUE(rig.link->CloseDone());
}

// ---- the single-value dialog ---------------------------------------------

TEST_F(TuningLinkTest, DqtBalanceNarrowOkAtOnceSendsOnlyTheStore)
{
    rig.Open(SingleValueSetup, kItemDqtBalance, true);
    rig.Advance(500);
    EXPECT_TRUE(rig.log.empty()) << "opening sends nothing";

    rig.link->Ok();
    rig.Settle();
    EXPECT_EQ(rig.Log(), (Lines{"> 18 0E", "close done"}));
    EXPECT_TRUE(rig.portOpen);
}

TEST_F(TuningLinkTest, DqtBalanceNarrowCancelAtOnceEntersAndSetsTheStartValueWithoutStore)
{
    rig.Open(SingleValueSetup, kItemDqtBalance, true);
    rig.link->Cancel();
    rig.Settle();
    rig.Advance(500);

    EXPECT_EQ(Relative(rig.SentAt()), (Sends{{0, "18 0D"}, {3, "18 20 21"}}));
    EXPECT_EQ(rig.Log(), (Lines{"> 18 0D", "> 18 20 21", "close port", "close done"}));
}

TEST_F(TuningLinkTest, SingleValueOkAndCancelWhileTransmitting)
{
    struct Case {
        bool ok;
        int delayAfterPttOff;
        std::vector<std::string> sent;
    };
    for (const Case& c : {Case{true, 5, {"08 0D", "08 0E", "1D 0E"}},
                          Case{false, 7, {"08 0D", "08 0E", "1D 0D", "1D 20 2C"}}}) {
        TuningRig r;
        r.Open(SingleValueSetup, kItemDtmfFineDeviation, false);
        r.link->Ptt();
        r.Advance(100);
        if (c.ok)
            r.link->Ok();
        else
            r.link->Cancel();
        r.Settle();
        EXPECT_EQ(r.Sent(), c.sent) << (c.ok ? "OK" : "Cancel");
        EXPECT_EQ(r.SentAt()[2].first - r.SentAt()[1].first, c.delayAfterPttOff);
        EXPECT_EQ(r.Log(2, 4), (Lines{"> 08 0E", "lamp off"}));
        EXPECT_TRUE(r.link->CloseDone());
        EXPECT_EQ(r.portOpen, c.ok);
    }
}

// ---- the measured-value dialog ----------------------------------------------

class MeasuredLinkTest : public TuningLinkTest {
protected:
    void OpenBatteryWarning()
    {
        rig.image.set(0x1AC, 0x80);
        rig.Open(MeasuredValueSetup, kItemBatteryWarningLevel);
    }
};

TEST_F(MeasuredLinkTest, OkWithoutStartSetsAndStoresTheStartValueTakingAnyReplyToTheSet)
{
    OpenBatteryWarning();
    rig.answer = [](const QByteArray& c) { return c.size() == 3 ? Hex("15") : Hex("06"); };
    rig.link->Ok();
    rig.Settle();

    EXPECT_EQ(rig.SentAt(), (Sends{{5, "1C 20 80"}, {105, "1C 0E"}}));
    EXPECT_EQ(rig.Log(2), (Lines{"close port", "close done"}));
}

TEST_F(MeasuredLinkTest, LoopMeasuresAcknowledgesPausesAndMeasuresAgain)
{
    OpenBatteryWarning();
    rig.measured = {0x5A, 0x5B};
    rig.link->StartStop();
    rig.Advance(1000);

    EXPECT_EQ(rig.Log(), (Lines{"marker on", "> 1C 0A", "show 0:90", "> 06", "> 1C 0A", "show 0:91", "> 06"}));
    EXPECT_EQ(rig.SentAt(), (Sends{{5, "1C 0A"}, {105, "06"}, {665, "1C 0A"}, {765, "06"}}));
    EXPECT_EQ(rig.link->MeasuredValue(), 0x5B);
    EXPECT_TRUE(rig.link->Measuring());
}

TEST_F(MeasuredLinkTest, OkDuringTheLoopSendsTheLastMeasuredValue)
{
    OpenBatteryWarning();
    rig.measured = {0x5A};
    rig.link->StartStop();
    rig.Advance(50);
    rig.link->Ok();
    rig.Settle();

    EXPECT_EQ(rig.Sent(), (std::vector<std::string>{"1C 0A", "1C 20 5A", "1C 0E"}));
    EXPECT_FALSE(rig.link->Measuring());
    EXPECT_FALSE(rig.portOpen);
}

TEST_F(MeasuredLinkTest, CancelAfterMeasurementsStillSendsTheStartValue)
{
    OpenBatteryWarning();
    rig.measured = {0x5A, 0x5B};
    rig.link->StartStop();
    rig.Advance(1000);
    rig.link->StartStop();
    rig.link->Cancel();
    rig.Settle();

    const auto sent = rig.Sent();
    EXPECT_EQ(std::vector<std::string>(sent.end() - 2, sent.end()), (std::vector<std::string>{"1C 20 80", "1C 0E"}));
}

TEST_F(MeasuredLinkTest, StartTwiceStopsTheLoopAndAThirdStartMeasuresAgain)
{
    OpenBatteryWarning();
    rig.measured = {0x5A, 0x5B};
    rig.link->StartStop();
    rig.Advance(50);
    rig.link->StartStop();
    rig.Advance(2000);
    EXPECT_EQ(rig.Sent(), (std::vector<std::string>{"1C 0A"})) << "no acknowledgement after the stop";
    EXPECT_EQ(rig.Log().back(), "marker off");

    const qint64 pressed = rig.now();
    rig.link->StartStop();
    rig.Advance(50);
    EXPECT_EQ(rig.Sent().back(), "1C 0A");
    EXPECT_EQ(rig.SentAt().back().first - pressed, TuningLink::kStartDelayMs);
}

TEST_F(MeasuredLinkTest, OkPressedDuringThePauseTakesEffectWhenItEnds)
{
    OpenBatteryWarning();
    rig.measured = {0x5A};
    rig.link->StartStop();
    rig.Advance(200);  // 1C 0A at 5, 06 at 105, the pause until 655
    ASSERT_TRUE(rig.link->pausing());
    rig.link->Ok();
    rig.Settle();

    EXPECT_EQ(rig.SentAt(), (Sends{{5, "1C 0A"}, {105, "06"}, {660, "1C 20 5A"}, {760, "1C 0E"}}));
}

TEST_F(MeasuredLinkTest, ReplyToAMeasureAfterTheLoopStoppedIsDropped)
{
    OpenBatteryWarning();
    rig.replyDelayMs = 30;
    rig.measured = {0x5A};
    rig.link->StartStop();
    rig.Advance(10);  // 1C 0A is out
    rig.link->StartStop();
    rig.Advance(500);

    EXPECT_EQ(rig.link->MeasuredValue(), 0x80);
    EXPECT_EQ(rig.Sent(), (std::vector<std::string>{"1C 0A"}));
    EXPECT_EQ(rig.Count("ask"), 0);

    rig.link->Ok();
    rig.Settle();
    EXPECT_EQ(rig.Sent().at(1), "1C 20 80");
}

TEST_F(MeasuredLinkTest, RetryAfterATimeOutAtTheStoreOfOkSetsTheMeasuredValueAgain)
{
    OpenBatteryWarning();
    rig.measured = {0x5A};
    int stores = 0;
    rig.answer = [&](const QByteArray& c) {
        if (c == Hex("1C 0E") && stores++ == 0)
            return QByteArray();
        return rig.DefaultAnswer(c);
    };
    rig.link->StartStop();
    rig.Advance(50);
    rig.link->Ok();
    rig.Settle();
    ASSERT_TRUE(rig.link->waitingForAnswer());
    EXPECT_EQ(rig.TimeOf("ask") - rig.TimeOf("> 1C 0E"), 200);

    rig.link->OnRetry();
    rig.Settle();
    EXPECT_EQ(rig.Sent(), (std::vector<std::string>{"1C 0A", "1C 20 5A", "1C 0E", "1C 20 5A", "1C 0E"}));
    EXPECT_TRUE(rig.link->CloseDone());
}

TEST_F(MeasuredLinkTest, QuestionCancelWhileMeasuringClosesAndANewDialogStartsStopped)
{
    OpenBatteryWarning();
    rig.link->StartStop();  // the radio never answers the measure
    rig.Settle();
    ASSERT_TRUE(rig.link->waitingForAnswer());
    rig.link->OnCancel();
    EXPECT_TRUE(rig.link->CloseDone());
    EXPECT_FALSE(rig.portOpen);
    EXPECT_EQ(rig.Count("> 1C 20 80"), 0);

    rig.Open(MeasuredValueSetup, kItemBatteryWarningLevel);
    EXPECT_FALSE(rig.link->Measuring());
    rig.measured = {0x44};
    rig.link->StartStop();
    rig.Advance(50);
    EXPECT_EQ(rig.Sent().back(), "1C 0A");
    EXPECT_TRUE(rig.link->Measuring());
}

TEST_F(MeasuredLinkTest, RssiSendsNothingBackUnlessItWasMeasured)
{
    // The default image holds FF at 0x1B2.
    rig.image.set(0x1B2, 0xFF);
    struct Case {
        const char* name;
        std::function<void(TuningLink&)> act;
    };
    const Case cases[] = {
        {"Cancel", [](TuningLink& l) { l.Cancel(); }},
        {"close box", [](TuningLink& l) { l.Close(); }},
        {"OK before a measurement", [](TuningLink& l) { l.Ok(); }},
    };
    for (const Case& c : cases) {
        rig.log.clear();
        rig.portOpen = true;
        rig.Open(MeasuredValueSetup, kItemRssi);
        EXPECT_EQ(rig.link->MeasuredValue(), 0xFF);
        c.act(*rig.link);
        rig.Advance(1000);
        EXPECT_EQ(rig.Log(), (Lines{"close port", "close done"})) << c.name;
    }

    rig.log.clear();
    rig.Open(MeasuredValueSetup, kItemRssi);
    rig.measured = {0x33};
    rig.link->StartStop();
    rig.Advance(50);
    rig.link->Ok();
    rig.Settle();
    EXPECT_EQ(rig.Sent(), (std::vector<std::string>{"22 0A", "22 20 33", "22 0E"}));
    EXPECT_TRUE(rig.link->CloseDone());
}

TEST_F(MeasuredLinkTest, RssiCancelAfterAMeasurementStillLeavesTheRadioAlone)
{
    rig.Open(MeasuredValueSetup, kItemRssi);
    rig.measured = {0x33};
    rig.link->StartStop();
    rig.Advance(50);
    rig.link->Cancel();
    rig.Advance(1000);
    EXPECT_EQ(rig.Sent(), (std::vector<std::string>{"22 0A"}));
    EXPECT_TRUE(rig.link->CloseDone());
    EXPECT_FALSE(rig.portOpen);
}

}  // namespace
}  // namespace zx::test
