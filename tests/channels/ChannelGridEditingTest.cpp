// In-place editing of the channel grid: frequency and tone commits, the
// range message, Esc, scrolling, list cells and Enter moving on.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "ChannelFormFixture.h"

using namespace zx;
using namespace zx::test;

namespace {

// --- Frequency commits -------------------------------------------------------

TEST_F(ChannelFormTest, NinthCharacterCommitsANewChannelAtOnce)
{
    core.image.setBit(layout::ScanAddBits, 2, false);
    Focus(3, kRxFreqColumn);
    GridKey(Qt::Key_1);
    Type("46.12500");
    // Committed while the box is still open.
    EXPECT_TRUE(TextBoxOpen());
    EXPECT_EQ(RecordHex(3).left(11), QByteArray("00 25 61 14"));
    EXPECT_EQ(Row(3), (QStringList{"146.12500", "", "None", "None", "High", "Wide", "Yes", "None", "Off"}));
    EXPECT_EQ(form->LabBlankChannel()->text(), QStringLiteral("240"));
    EXPECT_TRUE(core.image.bit(layout::ScanAddBits, 2));  // Yes
    EXPECT_EQ(core.ChData[2], ReadChannelRecord(core.image, 3));
    EXPECT_TRUE(prompts.messages().empty());

    Key(Qt::Key_Return);
    EXPECT_FALSE(TextBoxOpen());
    EXPECT_EQ(Cursor(), At(3, kTxFreqColumn));
    EXPECT_EQ(form->CellTextBefore(), QStringLiteral("146.12500"));
}

TEST_F(ChannelFormTest, TypedFrequencySnapsOnEnter)
{
    Focus(2, kRxFreqColumn);
    GridKey(Qt::Key_1);
    Type("46.003");
    EXPECT_EQ(Cell(2, kRxFreqColumn), QStringLiteral("146.003"));  // the cell shows what is typed
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(2, kRxFreqColumn), QStringLiteral("146.00500"));
    EXPECT_EQ(RecordHex(2).left(11), QByteArray("00 05 60 14"));
    EXPECT_EQ(Cursor(), At(2, kTxFreqColumn));
}

TEST_F(ChannelFormTest, LettersAreDroppedInTheTextBox)
{
    Focus(2, kRxFreqColumn);
    GridKey(Qt::Key_1);
    Type("4a6b.-c5");
    EXPECT_EQ(TextBox()->text(), QStringLiteral("146.5"));
}

TEST_F(ChannelFormTest, OutOfRangeShowsTheCautionAndTakesTheLimit)
{
    Focus(1, kRxFreqColumn);
    GridKey(Qt::Key_1);
    Type("80");
    Key(Qt::Key_Return);
    ASSERT_EQ(prompts.messages().size(), 1u);
    const MessageRequest& m = prompts.messages()[0];
    EXPECT_EQ(m.text, QStringLiteral("Frequency is out of range."));
    EXPECT_EQ(m.title, QStringLiteral("Caution"));
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(Cell(1, kRxFreqColumn), QStringLiteral("174.00000"));
    EXPECT_EQ(RecordHex(1).left(11), QByteArray("00 00 40 17"));

    // A limit itself is inside the band.
    prompts.clear();
    Focus(2, kRxFreqColumn);
    GridKey(Qt::Key_1);
    Type("36");
    Key(Qt::Key_Return);
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(Cell(2, kRxFreqColumn), QStringLiteral("136.00000"));
}

TEST_F(ChannelFormTest, RangeMessageInChinese)
{
    core.LanguageChinese = true;
    Focus(1, kRxFreqColumn);
    GridKey(Qt::Key_9);
    Key(Qt::Key_Return);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, QString::fromUtf8("频率超出范围。"));
    EXPECT_EQ(prompts.messages()[0].title, QString::fromUtf8("注意"));
    EXPECT_EQ(Cell(1, kRxFreqColumn), QStringLiteral("136.00000"));
}

TEST_F(ChannelFormTest, GridChecksAgainstTheGridBandTable)
{
    // Band 0x21: the grid's table gives 400-480 MHz whatever limits were set.
    core.image.setModelBandCode(0x21);
    core.BandLowerMHz = 450;
    core.BandUpperMHz = 490;
    Focus(1, kRxFreqColumn);
    GridKey(Qt::Key_4);
    Type("10");
    Key(Qt::Key_Return);
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(Cell(1, kRxFreqColumn), QStringLiteral("410.00000"));
    EXPECT_EQ(core.BandLowerMHz, 400);
    EXPECT_EQ(core.BandUpperMHz, 480);
}

TEST_F(ChannelFormTest, EmptyingRxDeletesTheChannelAndKeepsItsScanAddBit)
{
    Program(5, kRxTx);
    const std::uint8_t scanBefore = core.image.at(layout::ScanAddBits);
    Focus(5, kRxFreqColumn);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(TextBoxOpen());
    EXPECT_EQ(TextBox()->selectedText(), QStringLiteral("146.12500"));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(RecordHex(5), QByteArray("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    EXPECT_EQ(Row(5).join(QString()), QString());
    EXPECT_EQ(core.image.at(layout::ScanAddBits), scanBefore);
    EXPECT_EQ(form->LabBlankChannel()->text(), QStringLiteral("256"));
}

TEST_F(ChannelFormTest, EmptyingTxShowsNoneInTheEncodeCellAtOnce)
{
    Program(5, kRxTx);
    ASSERT_EQ(Cell(5, kEncodeColumn), QStringLiteral("67.0"));
    Focus(5, kTxFreqColumn);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(5, kTxFreqColumn), QString());
    EXPECT_EQ(Cell(5, kEncodeColumn), QStringLiteral("None"));
    EXPECT_EQ(RecordHex(5), QByteArray("00 25 61 14 FF FF FF FF 9E 02 FF FF 00 BF B0 F8"));
    EXPECT_EQ(Cursor(), At(5, kDecodeColumn));
}

TEST_F(ChannelFormTest, EscRestoresTheOldTextAndCommitsIt)
{
    Program(2, kRxOnly);
    Focus(2, kRxFreqColumn);
    GridKey(Qt::Key_1);
    Type("5");
    EXPECT_EQ(Cell(2, kRxFreqColumn), QStringLiteral("15"));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(TextBoxOpen());
    EXPECT_EQ(Cell(2, kRxFreqColumn), QStringLiteral("146.12500"));
    EXPECT_EQ(RecordHex(2), QByteArray(kRxOnly));
    EXPECT_EQ(Cursor(), At(2, kTxFreqColumn));

    // A value committed at its ninth character is what Esc restores.
    Focus(2, kRxFreqColumn);
    GridKey(Qt::Key_1);
    Type("50.00000");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Cell(2, kRxFreqColumn), QStringLiteral("150.00000"));
    EXPECT_EQ(RecordHex(2).left(11), QByteArray("00 00 00 15"));
}

TEST_F(ChannelFormTest, LeavingTheTextBoxByClickCommits)
{
    Focus(2, kRxFreqColumn);
    GridKey(Qt::Key_1);
    Type("46.1");
    ClickCell(9, kTxPowerColumn);  // empty channel: redirected to its RX cell
    EXPECT_EQ(Cell(2, kRxFreqColumn), QStringLiteral("146.10000"));
    EXPECT_EQ(RecordHex(2).left(11), QByteArray("00 00 61 14"));
    EXPECT_EQ(Cursor(), At(9, kRxFreqColumn));
    EXPECT_TRUE(TextBoxOpen());
}

TEST_F(ChannelFormTest, ScrollingPutsTheCellTextBack)
{
    Program(2, kRxOnly);
    for (int r = 0; r < Grid()->rowCount(); ++r)
        Grid()->setRowHeight(r, 60);  // taller rows: the grid scrolls
    QCoreApplication::processEvents();  // the scroll range follows the layout
    ASSERT_GT(Grid()->verticalScrollBar()->maximum(), 0);
    Focus(2, kRxFreqColumn);
    GridKey(Qt::Key_1);
    Type("3");
    Grid()->verticalScrollBar()->setValue(1);
    EXPECT_FALSE(TextBoxOpen());
    EXPECT_EQ(Cell(2, kRxFreqColumn), QStringLiteral("146.12500"));
    EXPECT_EQ(RecordHex(2), QByteArray(kRxOnly));
}

TEST_F(ChannelFormTest, ScrollingCommitsWhatTheListShowsAndMovesOn)
{
    Program(2, kRxOnly);
    for (int r = 0; r < Grid()->rowCount(); ++r)
        Grid()->setRowHeight(r, 60);
    QCoreApplication::processEvents();
    ASSERT_GT(Grid()->verticalScrollBar()->maximum(), 0);
    Focus(2, kDecodeColumn);
    GridKey(Qt::Key_D);
    Type("23");
    Grid()->verticalScrollBar()->setValue(1);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(Cell(2, kDecodeColumn), QStringLiteral("D023N"));
    EXPECT_EQ(RecordHex(2).mid(24, 5), QByteArray("13 28"));
    EXPECT_EQ(Cursor(), At(2, kTxPowerColumn));  // no TX: the encode cell is passed over
}

TEST_F(ChannelFormTest, StoredFullFrequencyIsCommittedWhenItsEditorOpens)
{
    // 440.00625 lies outside band 0x01: opening its editor commits it at once.
    Program(2, "25 06 00 44 FF FF FF FF FF FF FF FF 00 BF B0 F8");
    Focus(2, kRxFreqColumn);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(TextBoxOpen());
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, QStringLiteral("Frequency is out of range."));
    EXPECT_EQ(TextBox()->text(), QStringLiteral("440.00625"));  // the box keeps the text until it closes
    EXPECT_EQ(RecordHex(2).left(11), QByteArray("00 00 40 17"));
    // Out of band: CellTextBefore stays the old text, so Esc commits it again.
    EXPECT_EQ(form->CellTextBefore(), QStringLiteral("440.00625"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(prompts.messages().size(), 2u);
    EXPECT_EQ(Cell(2, kRxFreqColumn), QStringLiteral("174.00000"));
}

// --- List cells --------------------------------------------------------------

TEST_F(ChannelFormTest, UpAndDownCommitAtOnceAndStopAtTheEnds)
{
    Program(1, kRxTx);
    Focus(1, kTxPowerColumn);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    EXPECT_EQ(List()->count(), 2);
    EXPECT_EQ(List()->currentText(), QStringLiteral("High"));
    Key(Qt::Key_Down);
    EXPECT_EQ(Cell(1, kTxPowerColumn), QStringLiteral("Low"));
    const QByteArray low = RecordHex(1);
    EXPECT_NE(low, QByteArray(kRxTx));
    Key(Qt::Key_Down);  // already the last entry
    EXPECT_EQ(List()->currentText(), QStringLiteral("Low"));
    EXPECT_EQ(RecordHex(1), low);
    Key(Qt::Key_Up);
    EXPECT_EQ(Cell(1, kTxPowerColumn), QStringLiteral("High"));
    EXPECT_EQ(RecordHex(1), QByteArray(kRxTx));
    EXPECT_EQ(core.ChData[0], ReadChannelRecord(core.image, 1));
}

TEST_F(ChannelFormTest, ListColumnsOfferTheirWordsAndTakeNoTyping)
{
    Program(1, kRxTx);
    struct Case {
        int column;
        QStringList entries;
    };
    const Case cases[] = {
        {kWideNarrowColumn, {"Narrow", "Wide"}},
        {kScanAddColumn, {"Yes", "No"}},
        {kOptSignalColumn, {"None", "DTMF", "FleetSync"}},
        {kPttIdColumn, {"Off", "On"}},
    };
    for (const Case& c : cases) {
        Focus(1, c.column);
        GridKey(Qt::Key_Return);
        ASSERT_TRUE(ListOpen()) << c.column;
        QStringList entries;
        for (int i = 0; i < List()->count(); ++i)
            entries << List()->itemText(i);
        EXPECT_EQ(entries, c.entries) << c.column;
        EXPECT_EQ(List()->property(kHelpContextIdProperty).toInt(), 4100 + c.column);
        const QString before = List()->currentText();
        Type("x1");
        Key(Qt::Key_Backspace);
        EXPECT_EQ(List()->currentText(), before) << c.column;
        Key(Qt::Key_Escape);
        EXPECT_FALSE(ListOpen());
    }
}

TEST_F(ChannelFormTest, FleetSyncPttIdListHasTenEntries)
{
    Program(1, kRxTx);
    core.image.set(layout::PttIdType, 1);
    Focus(1, kPttIdColumn);
    GridKey(Qt::Key_Return);
    ASSERT_EQ(List()->count(), 10);
    EXPECT_EQ(List()->itemText(1), QStringLiteral("Own"));
    EXPECT_EQ(List()->itemText(9), QStringLiteral("Fleet List 8"));
}

TEST_F(ChannelFormTest, EnterInThePttColumnMovesToTheNextRowButNotPastTheLast)
{
    Program(5, kRxTx);
    Program(16, kRxTx);
    Focus(5, kPttIdColumn);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    Key(Qt::Key_Return);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(Cursor(), At(6, kRxFreqColumn));

    Focus(16, kPttIdColumn);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    Key(Qt::Key_Return);
    EXPECT_EQ(Cursor(), At(16, kPttIdColumn));
    EXPECT_EQ(QApplication::focusWidget(), Grid());
}

TEST_F(ChannelFormTest, EnterInDecodeWithoutTxPassesOverEncode)
{
    Program(3, kRxOnly);
    Focus(3, kDecodeColumn);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Return);
    EXPECT_EQ(Cursor(), At(3, kTxPowerColumn));

    Program(4, kRxTx);
    Focus(4, kDecodeColumn);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Escape);  // Esc in a list moves on as Enter does
    EXPECT_EQ(Cursor(), At(4, kEncodeColumn));
}

TEST_F(ChannelFormTest, WalkingThroughOddBytesWithEnterLeavesThem)
{
    // A digit above 9 in RX and TX, decode 25.6 Hz, encode bit 7 without bit 5:
    // bytes this program never writes stay as long as their cells are not edited.
    const char* const odd = "0A 00 00 14 0A 00 00 14 00 01 00 80 00 BF B0 F8";
    Program(2, odd);
    ASSERT_EQ(Row(2).mid(0, 4), (QStringList{"140.00010", "140.00010", "25.6", "3276.8"}));
    Focus(2, kRxFreqColumn);
    for (int column = kRxFreqColumn; column <= kEncodeColumn; ++column) {
        GridKey(Qt::Key_Return);
        ASSERT_TRUE(TextBoxOpen() || ListOpen()) << column;
        Key(column == kEncodeColumn ? Qt::Key_Escape : Qt::Key_Return);
    }
    EXPECT_EQ(Cursor(), At(2, kTxPowerColumn));
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(Row(2).mid(0, 4), (QStringList{"140.00010", "140.00010", "25.6", "3276.8"}));
    EXPECT_EQ(RecordHex(2), QByteArray(odd));
}

TEST_F(ChannelFormTest, EscInTheListCommitsATypedTone)
{
    Program(3, kRxTx);
    Focus(3, kEncodeColumn);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    Type("d754i");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(Cell(3, kEncodeColumn), QStringLiteral("D754I"));
    EXPECT_EQ(RecordHex(3).mid(30, 5), QByteArray("EC A9"));
    EXPECT_EQ(Cursor(), At(3, kTxPowerColumn));
}

class EightChannelFormTest : public ChannelFormTest {
protected:
    void SetUp() override { Start(0x01, 0xF9); }  // band 0x01 with F9: eight channels
};

TEST_F(EightChannelFormTest, EnterInThePttColumnStaysOnChannelEight)
{
    ASSERT_EQ(Grid()->rowCount(), 9);
    ASSERT_TRUE(core.EightChannelModel);
    Program(7, kRxTx);
    Program(8, kRxTx);
    Focus(8, kPttIdColumn);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    Key(Qt::Key_Return);
    EXPECT_EQ(Cursor(), At(8, kPttIdColumn));
    Focus(7, kPttIdColumn);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Return);
    EXPECT_EQ(Cursor(), At(8, kRxFreqColumn));
}

TEST_F(ChannelFormTest, TypedTonesAreNormalisedAndCommitted)
{
    Program(3, kRxTx);
    struct Case {
        int column;
        const char* typed;
        const char* shown;
        const char* bytes;  // tone bytes of the column
    };
    const Case cases[] = {
        {kDecodeColumn, "d23", "D023N", "13 28"},
        {kEncodeColumn, "88.57", "88.5", "75 03"},
        {kDecodeColumn, "D9999", "D777N", "FF 29"},
        {kEncodeColumn, "300", "254.1", "ED 09"},
    };
    for (const Case& c : cases) {
        Focus(3, c.column);
        GridKey(Qt::Key_Return);
        ASSERT_TRUE(ListOpen());
        EXPECT_EQ(List()->lineEdit()->selectedText(), List()->currentText());  // typing replaces it
        Type(c.typed);
        Key(Qt::Key_Return);
        EXPECT_EQ(Cell(3, c.column), QString::fromLatin1(c.shown)) << c.typed;
        const int offset = c.column == kDecodeColumn ? 8 : 10;
        EXPECT_EQ(RecordHex(3).mid(offset * 3, 5), QByteArray(c.bytes)) << c.typed;
    }
}

TEST_F(ChannelFormTest, ToneTextTakesAtMostFiveCharacters)
{
    Program(3, kRxTx);
    Focus(3, kDecodeColumn);
    GridKey(Qt::Key_D);
    Type("1234x5");
    EXPECT_EQ(List()->currentText(), QStringLiteral("D1234"));
}

TEST_F(ChannelFormTest, ToneThatIsNoEntryOpensUnchangedAndDownPicksNone)
{
    Program(3, kRxTx);
    Focus(3, kDecodeColumn);
    GridKey(Qt::Key_8);
    Type("8.6");
    Key(Qt::Key_Return);
    ASSERT_EQ(Cell(3, kDecodeColumn), QStringLiteral("88.6"));
    Focus(3, kDecodeColumn);
    GridKey(Qt::Key_Return);
    EXPECT_EQ(List()->currentText(), QStringLiteral("88.6"));
    EXPECT_EQ(List()->count(), 265);
    Key(Qt::Key_Down);
    EXPECT_EQ(Cell(3, kDecodeColumn), QStringLiteral("None"));
    EXPECT_EQ(RecordHex(3).mid(24, 5), QByteArray("FF FF"));
}

}  // namespace
