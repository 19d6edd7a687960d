// The FleetSync rules without a window: the own pair, the delay and timer,
// the fleet-list entries, by tables of exact bytes.
#include <gtest/gtest.h>

#include "FleetSyncNumberCase.h"
#include "common/ImageFixtures.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "signalling/FleetListRules.h"
#include "signalling/FleetSyncRules.h"
#include "signalling/FleetSyncSpinFields.h"

namespace zx {
namespace {

using N = FleetSyncNumber;

class FleetSyncRules : public ::testing::Test {
protected:
    QByteArray Bytes(int address, int size) const { return image.toByteArray(address, size); }

    AppCore core;
    RadioImage image = test::DefaultFor(0x01, 0xF8);
    bool error = true;
};

TEST_F(FleetSyncRules, DefaultImageLoads)
{
    EXPECT_EQ(NumberLoad(N::OwnFleet, image), (SpinState{"", 0}));
    EXPECT_EQ(NumberLoad(N::OwnId, image), (SpinState{"", 0}));
    EXPECT_EQ(NumberLoad(N::DataTxDelay, image), (SpinState{"400", 400}));
    EXPECT_EQ(NumberLoad(N::MessageModeTimer, image), (SpinState{"10", 10}));
    EXPECT_EQ(BaudRatePosition(image.at(layout::FleetSyncBaudRate)), 0);
    EXPECT_TRUE(SideToneTicked(image.at(layout::PttIdSideTone)));
}

TEST_F(FleetSyncRules, StoredValuesOutOfRangeLoad)
{
    image.write(0x170, QByteArray::fromHex("FC 05 FF FF FF FF FF FF 07"));
    EXPECT_EQ(NumberLoad(N::OwnFleet, image).text, "351");
    EXPECT_EQ(NumberLoad(N::OwnId, image).text, "");       // high byte FF
    EXPECT_EQ(NumberLoad(N::DataTxDelay, image), (SpinState{"400", 400}));
    EXPECT_EQ(NumberLoad(N::MessageModeTimer, image), (SpinState{"300", 300}));
    EXPECT_EQ(BaudRatePosition(0xFF), -1);
    EXPECT_EQ(BaudRatePosition(7), -1);
    EXPECT_TRUE(SideToneTicked(7));
    EXPECT_FALSE(SideToneTicked(0xFF));
    image.write(0x171, QByteArray::fromHex("00 FE"));
    EXPECT_EQ(NumberLoad(N::OwnId, image).text, QString::number(0xFE00 + 999));
    EXPECT_EQ(NumberLoad(N::OwnId, image).value, 4000);
    image.write(0x170, QByteArray::fromHex("00"));
    EXPECT_EQ(NumberLoad(N::OwnFleet, image).text, "99");
}

TEST_F(FleetSyncRules, OwnCommitsClampWriteAndClearTheFlag)
{
    const test::FleetSyncNumberCase cases[] = {
        {N::OwnFleet, "50", "100", 0x170, "01"},   {N::OwnFleet, "999", "349", 0x170, "FA"},
        {N::OwnFleet, "150", "150", 0x170, "33"},  {N::OwnId, "0", "1000", 0x171, "01 00"},
        {N::OwnId, "4999", "4999", 0x171, "A0 0F"}, {N::OwnId, "2345", "2345", 0x171, "42 05"},
    };
    for (const test::FleetSyncNumberCase& c : cases) {
        error = true;
        const SpinFieldParams p = FleetSyncSpinField(c.field, {}, &error);
        const SpinCommit committed = p.commit(QString::fromLatin1(c.typed));
        p.store(image, committed);
        EXPECT_EQ(committed.text, QString::fromLatin1(c.shown)) << c.typed;
        const QByteArray expected = QByteArray::fromHex(c.bytes);
        EXPECT_EQ(Bytes(c.address, static_cast<int>(expected.size())), expected) << c.typed;
        EXPECT_FALSE(error);
    }
}

TEST_F(FleetSyncRules, AnEmptyCommitEmptiesThePairAndKeepsTheFlag)
{
    image.write(0x170, QByteArray::fromHex("33 05 00"));
    error = true;
    int emptied = 0;
    const SpinFieldParams p = FleetSyncSpinField(N::OwnId, [&] { ++emptied; }, &error);
    p.store(image, p.commit(""));
    EXPECT_EQ(Bytes(0x170, 3), QByteArray::fromHex("FF 00 00"));
    EXPECT_EQ(emptied, 1);
    EXPECT_TRUE(error);
}

TEST_F(FleetSyncRules, StepsWrapAtTheShownEnds)
{
    auto key = [](N field, const char* text, int value, bool up) {
        const SpinStep s = SpinKeyStep(FleetSyncSpinField(field), QString::fromLatin1(text), value, up);
        return SpinState{s.text, s.value};
    };
    EXPECT_EQ(key(N::OwnFleet, "349", 250, true), (SpinState{"100", 1}));
    EXPECT_EQ(key(N::OwnFleet, "100", 1, false), (SpinState{"349", 250}));
    EXPECT_EQ(key(N::OwnId, "1000", 1, false), (SpinState{"4999", 4000}));
    EXPECT_EQ(key(N::OwnId, "4999", 4000, true), (SpinState{"1000", 1}));
    EXPECT_EQ(key(N::MessageModeTimer, "Off", 0, false), (SpinState{"300", 300}));
    EXPECT_EQ(key(N::MessageModeTimer, "300", 300, true), (SpinState{"Off", 0}));
    EXPECT_EQ(key(N::MessageModeTimer, "Off", 0, true), (SpinState{"1", 1}));
    EXPECT_EQ(key(N::MessageModeTimer, "1", 1, false), (SpinState{"Off", 0}));
    EXPECT_EQ(key(N::DataTxDelay, "6000", 6000, true), (SpinState{"0", 0}));
    EXPECT_EQ(key(N::DataTxDelay, "0", 0, false), (SpinState{"6000", 6000}));
    // Typed over at a bound: the step never leaves the range.
    EXPECT_EQ(key(N::DataTxDelay, "12", 6000, true), (SpinState{"6000", 6000}));
    EXPECT_EQ(key(N::OwnFleet, "150", 1, false), (SpinState{"100", 1}));
}

TEST_F(FleetSyncRules, SteppingAnEmptyHalfFillsThePair)
{
    const OwnPairChange byFleet = FillOwnPair(N::OwnFleet, image);
    EXPECT_EQ(byFleet.fleet, (SpinState{"100", 1}));
    EXPECT_EQ(byFleet.id, (SpinState{"1000", 1}));
    EXPECT_EQ(Bytes(0x170, 3), QByteArray::fromHex("FF 01 00"));

    RadioImage other = test::DefaultFor(0x01, 0xF8);
    FillOwnPair(N::OwnId, other);
    EXPECT_EQ(other.toByteArray(0x170, 3), QByteArray::fromHex("01 00 00"));
}

TEST_F(FleetSyncRules, DelayAndTimerCommits)
{
    EXPECT_EQ(CommitTimer("000"), (SpinState{"Off", 0}));
    EXPECT_EQ(CommitTimer(""), (SpinState{"Off", 0}));
    EXPECT_EQ(CommitTimer("07"), (SpinState{"07", 7}));
    EXPECT_EQ(CommitTimer("999"), (SpinState{"300", 300}));
    EXPECT_EQ(CommitDelay(""), (SpinState{"0", 0}));
    EXPECT_EQ(CommitDelay("0050"), (SpinState{"50", 50}));
    EXPECT_EQ(CommitDelay("9999"), (SpinState{"6000", 6000}));
    WriteNumber(N::DataTxDelay, 6000, image);
    WriteNumber(N::MessageModeTimer, 300, image);
    EXPECT_EQ(Bytes(0x173, 2), QByteArray::fromHex("70 17"));
    EXPECT_EQ(Bytes(0x176, 2), QByteArray::fromHex("2C 01"));
    EXPECT_EQ(BaudRateByte(-1), 0xFF);
    EXPECT_EQ(BaudRateByte(1), 1);
}

TEST_F(FleetSyncRules, FleetListEntriesLoad)
{
    EXPECT_EQ(FleetListEntryAddress(1), 0x1C0);
    EXPECT_EQ(FleetListEntryAddress(4), 0x1C9);
    EXPECT_EQ(FleetListEntryAddress(5), 0x1D0);
    EXPECT_EQ(FleetListEntryAddress(8), 0x1D9);
    image.write(0x1C0, QByteArray::fromHex("FF 00 00  00 FF 00  97 FA 0C"));
    EXPECT_EQ(FleetCellText(image, 1), "");
    EXPECT_EQ(IdCellText(image, 1), "All");
    EXPECT_EQ(FleetCellText(image, 2), "All");
    EXPECT_EQ(IdCellText(image, 2), "1254");
    EXPECT_EQ(FleetCellText(image, 3), "250");
    EXPECT_EQ(IdCellText(image, 3), "4321");
    EXPECT_EQ(IdCellText(image, 4), "");
    image.write(0x1D0, QByteArray::fromHex("FC 00 FE"));
    EXPECT_EQ(FleetCellText(image, 5), "351");
    EXPECT_EQ(IdCellText(image, 5), QString::number(0xFE00 + 999));
}

TEST_F(FleetSyncRules, FleetListCommitTable)
{
    struct Case {
        int column;
        const char* typed;
        const char* shown;
        const char* bytes;  // the entry's three bytes after the commit, from an empty entry
    };
    const Case cases[] = {
        {kFleetColumn, "2", "100", "01 00 00"},  {kFleetColumn, "250", "250", "97 00 00"},
        {kFleetColumn, "400", "349", "FA 00 00"}, {kFleetColumn, "5", "100", "01 00 00"},
        {kFleetColumn, "A", "All", "00 00 00"},   {kFleetColumn, "0", "All", "00 00 00"},
        {kIdColumn, "4321", "4321", "00 FA 0C"},   {kIdColumn, "6000", "4999", "00 A0 0F"},
        {kIdColumn, "1", "1000", "00 01 00"},      {kIdColumn, "A", "All", "00 00 00"},
        {kFleetColumn, "", "", "FF FF FF"},
    };
    for (const Case& c : cases) {
        image.write(0x1C3, QByteArray::fromHex("FF FF FF"));
        const FleetListCommit r = CommitFleetListCell(image, 2, c.column, QString::fromLatin1(c.typed), "");
        EXPECT_EQ(r.text, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(r.otherText, QString::fromLatin1(*c.typed ? "All" : "")) << c.typed;
        EXPECT_EQ(Bytes(0x1C3, 3), QByteArray::fromHex(c.bytes)) << c.typed;
    }
    // A set other half stays; emptying either half empties both.
    image.write(0x1C3, QByteArray::fromHex("97 FA 0C"));
    EXPECT_EQ(CommitFleetListCell(image, 2, kFleetColumn, "101", "4321").otherText, "4321");
    EXPECT_EQ(Bytes(0x1C3, 3), QByteArray::fromHex("02 FA 0C"));
    EXPECT_EQ(CommitFleetListCell(image, 2, kIdColumn, "", "101").otherText, "");
    EXPECT_EQ(Bytes(0x1C3, 3), QByteArray::fromHex("FF FF FF"));
    // Entry 5 lies after the gap.
    const QByteArray gap = Bytes(0x1CC, 4);
    CommitFleetListCell(image, 5, kFleetColumn, "101", "");
    EXPECT_EQ(Bytes(0x1D0, 3), QByteArray::fromHex("02 00 00"));
    EXPECT_EQ(Bytes(0x1CC, 4), gap);
}

TEST_F(FleetSyncRules, FleetListKeyFilter)
{
    EXPECT_EQ(FleetListKey('a', "", kFleetColumn, false, false), QChar('A'));
    EXPECT_EQ(FleetListKey('A', "12", kIdColumn, false, false), QChar());
    EXPECT_EQ(FleetListKey('A', "12", kIdColumn, true, true), QChar('A'));
    EXPECT_EQ(FleetListKey('5', "A", kFleetColumn, false, false), QChar());
    EXPECT_EQ(FleetListKey('5', "123", kFleetColumn, false, false), QChar());
    EXPECT_EQ(FleetListKey('5', "123", kIdColumn, false, false), QChar('5'));
    EXPECT_EQ(FleetListKey('5', "1234", kIdColumn, true, false), QChar('5'));
    EXPECT_EQ(FleetListKey('#', "", kIdColumn, false, false), QChar());
    EXPECT_EQ(FilterFleetListText("a12", kIdColumn), "A");
    EXPECT_EQ(FilterFleetListText("12x345", kFleetColumn), "123");
}

}  // namespace
}  // namespace zx
