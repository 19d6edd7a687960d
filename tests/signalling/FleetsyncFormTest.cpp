// The FleetSync window through the real main window: Edit > FleetSync with
// the channel list open, the own pair, the numbers and the fleet list.
#include <QCheckBox>
#include <QComboBox>
#include <QMdiArea>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "FleetSyncNumberCase.h"
#include "SignallingWindowFixture.h"
#include "core/ImageLayout.h"
#include "settings/ui/SpinField.h"
#include "settings/ui/UpDownControl.h"
#include "signalling/ui/FixedCellGrid.h"
#include "signalling/ui/FleetsyncForm.h"

namespace zx::test {
namespace {

using N = FleetSyncNumber;

class FleetsyncFormTest : public SignallingFormTest<FleetsyncForm> {
protected:
    FleetsyncFormTest() : SignallingFormTest("MnuEditFleetSync", 5) {}

    QLineEdit* Box(N f) const { return form->box(f); }
    FixedCellGrid* Grid() const { return form->msgFleetList(); }
    QLineEdit* Editor() const { return form->txtFleetList(); }
    QString Cell(int row, int column) const { return Grid()->CellText(row, column); }
    // Opens the fleet list's editor on a cell by typing on the grid.
    void TypeInCell(int row, int column, const QString& text)
    {
        form->SSTab1()->setCurrentIndex(1);
        Grid()->setFocus();
        Grid()->setCurrentCell(row, column);
        QTest::keyClicks(Grid(), text.left(1));
        ASSERT_TRUE(Editor()->isVisible());
        QTest::keyClicks(Editor(), text.mid(1));
    }
    // Types the case's text over its box and tabs on: the box shows the
    // committed text and the image holds the case's bytes.
    void TypeAndLeave(const FleetSyncNumberCase& c)
    {
        TypeOver(Box(c.field), QString::fromLatin1(c.typed));
        Key(Box(c.field), Qt::Key_Tab);
        EXPECT_EQ(Box(c.field)->text(), QString::fromLatin1(c.shown)) << c.typed;
        const QByteArray expected = HexBytes(c.bytes);
        EXPECT_EQ(Bytes(c.address, static_cast<int>(expected.size())), expected) << c.typed;
    }
};

TEST_F(FleetsyncFormTest, DefaultImageShowsTheDefaultsAndLoadingWritesNothing)
{
    const RadioImage before = core.image;
    EXPECT_EQ(form->windowTitle(), " FleetSync");
    EXPECT_EQ(form->SSTab1()->tabText(0), "FleetSync");
    EXPECT_EQ(form->SSTab1()->tabText(1), "Fleet List");
    EXPECT_TRUE(form->cmdHelp()->isHidden());
    EXPECT_EQ(Box(N::OwnFleet)->text(), "");
    EXPECT_EQ(Box(N::OwnId)->text(), "");
    EXPECT_EQ(Box(N::DataTxDelay)->text(), "400");
    EXPECT_EQ(form->cboBaudRate()->currentText(), "1200");
    EXPECT_EQ(Box(N::MessageModeTimer)->text(), "10");
    EXPECT_TRUE(form->chkSideTone()->isChecked());
    EXPECT_EQ(Grid()->rowCount(), 9);
    EXPECT_EQ(Grid()->columnCount(), 3);
    EXPECT_EQ(Cell(0, 0), "No.");
    EXPECT_EQ(Cell(0, 1), "Fleet");
    EXPECT_EQ(Cell(0, 2), "ID");
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(Cell(n, 0), QString::number(n));
        EXPECT_EQ(Cell(n, 1), "");
        EXPECT_EQ(Cell(n, 2), "");
    }
    EXPECT_EQ(core.image, before);
    EXPECT_TRUE(main->windowSlotAction(5)->isVisible());
    EXPECT_TRUE(main->windowSlotAction(5)->isChecked());
    EXPECT_EQ(main->windowSlotAction(5)->text(), " FleetSync");
    EXPECT_EQ(form->property("helpPage").toString(), "fleetsync");
}

TEST_F(FleetsyncFormTest, OwnCommitsClampAndWrite)
{
    const FleetSyncNumberCase cases[] = {
        {N::OwnFleet, "50", "100", 0x170, "01"},
        {N::OwnFleet, "999", "349", 0x170, "FA"},
        {N::OwnId, "0", "1000", 0x171, "01 00"},
        {N::OwnId, "4999", "4999", 0x171, "A0 0F"},
    };
    for (const FleetSyncNumberCase& c : cases)
        TypeAndLeave(c);
}

TEST_F(FleetsyncFormTest, TypingOneHalfWithTheOtherEmptyWritesOnlyThatHalf)
{
    TypeOver(Box(N::OwnFleet), "150");
    Key(Box(N::OwnFleet), Qt::Key_Tab);
    EXPECT_EQ(Bytes(0x170, 3), HexBytes("33 00 00"));
    EXPECT_EQ(Box(N::OwnId)->text(), "");
    EXPECT_EQ(Focus(), Box(N::OwnId));
}

TEST_F(FleetsyncFormTest, SteppingAnEmptyHalfFillsThePair)
{
    // Down in the own fleet box: the ID half is written at once.
    Enter(Box(N::OwnFleet));
    Key(Box(N::OwnFleet), Qt::Key_Down);
    EXPECT_EQ(Box(N::OwnFleet)->text(), "100");
    EXPECT_EQ(Box(N::OwnId)->text(), "1000");
    EXPECT_EQ(Bytes(0x170, 3), HexBytes("FF 01 00"));
    Key(Box(N::OwnFleet), Qt::Key_Tab);
    EXPECT_EQ(Bytes(0x170, 3), HexBytes("01 01 00"));

    // Deleting the ID and leaving empties both.
    TypeOver(Box(N::OwnId), "");
    Key(Box(N::OwnId), Qt::Key_Tab);
    EXPECT_EQ(Bytes(0x170, 3), HexBytes("FF 00 00"));
    EXPECT_EQ(Box(N::OwnFleet)->text(), "");
    EXPECT_EQ(Box(N::OwnId)->text(), "");

    // A spin button of the ID: the fleet half is written at once.
    Enter(Box(N::DataTxDelay));
    QTest::mouseClick(form->field(N::OwnId)->upd()->downButton(), Qt::LeftButton);
    EXPECT_EQ(Box(N::OwnId)->text(), "1000");
    EXPECT_EQ(Box(N::OwnFleet)->text(), "100");
    EXPECT_EQ(Bytes(0x170, 3), HexBytes("01 00 00"));
    EXPECT_EQ(Focus(), Box(N::OwnId));
    Key(Box(N::OwnId), Qt::Key_Tab);
    EXPECT_EQ(Bytes(0x170, 3), HexBytes("01 01 00"));
}

TEST_F(FleetsyncFormTest, UpInAnEmptyFleetSetsTheIdBackTo1000)
{
    // Written while the window is closed: its close commits the focused
    // (empty) fleet, which would clear the ID again.
    form->cmdClose()->click();
    core.image.write(0x171, HexBytes("42 05"));  // ID 2345
    Open();
    EXPECT_EQ(Box(N::OwnId)->text(), "2345");
    Enter(Box(N::OwnFleet));
    Key(Box(N::OwnFleet), Qt::Key_Up);
    EXPECT_EQ(Box(N::OwnFleet)->text(), "100");
    EXPECT_EQ(Box(N::OwnId)->text(), "1000");
    EXPECT_EQ(Bytes(0x171, 2), HexBytes("01 00"));
}

TEST_F(FleetsyncFormTest, IdBytesThatMeanEmptyLoadEmpty)
{
    for (const char* bytes : {"05 FF", "00 00"}) {
        core.image.write(0x171, HexBytes(bytes));
        Reopen();
        EXPECT_EQ(Box(N::OwnId)->text(), "") << bytes;
    }
}

TEST_F(FleetsyncFormTest, StepsWrapAndWriteNothing)
{
    TypeOver(Box(N::OwnFleet), "349");
    Key(Box(N::OwnFleet), Qt::Key_Tab);
    TypeOver(Box(N::OwnId), "1000");
    Key(Box(N::OwnId), Qt::Key_Tab);
    const RadioImage committed = core.image;
    Enter(Box(N::OwnFleet));
    Key(Box(N::OwnFleet), Qt::Key_Up);
    EXPECT_EQ(Box(N::OwnFleet)->text(), "100");
    EXPECT_EQ(core.image, committed);
    TypeOver(Box(N::OwnFleet), "349");
    Key(Box(N::OwnFleet), Qt::Key_Tab);

    Enter(Box(N::OwnId));
    Key(Box(N::OwnId), Qt::Key_Down);
    EXPECT_EQ(Box(N::OwnId)->text(), "4999");
    TypeOver(Box(N::OwnId), "1000");
    Key(Box(N::OwnId), Qt::Key_Tab);

    TypeOver(Box(N::MessageModeTimer), "0");
    Key(Box(N::MessageModeTimer), Qt::Key_Tab);
    EXPECT_EQ(Box(N::MessageModeTimer)->text(), "Off");
    const RadioImage timerOff = core.image;
    Enter(Box(N::MessageModeTimer));
    Key(Box(N::MessageModeTimer), Qt::Key_Down);
    EXPECT_EQ(Box(N::MessageModeTimer)->text(), "300");
    Key(Box(N::MessageModeTimer), Qt::Key_Up);
    EXPECT_EQ(Box(N::MessageModeTimer)->text(), "Off");
    EXPECT_EQ(core.image, timerOff);

    TypeOver(Box(N::DataTxDelay), "6000");
    Key(Box(N::DataTxDelay), Qt::Key_Tab);
    Enter(Box(N::DataTxDelay));
    Key(Box(N::DataTxDelay), Qt::Key_Up);
    EXPECT_EQ(Box(N::DataTxDelay)->text(), "0");
    EXPECT_EQ(Bytes(0x173, 2), HexBytes("70 17"));
}

TEST_F(FleetsyncFormTest, TimerDelayBaudAndSideToneCommits)
{
    const FleetSyncNumberCase cases[] = {
        {N::MessageModeTimer, "000", "Off", 0x176, "00 00"}, {N::MessageModeTimer, "07", "07", 0x176, "07 00"},
        {N::MessageModeTimer, "999", "300", 0x176, "2C 01"}, {N::DataTxDelay, "", "0", 0x173, "00 00"},
        {N::DataTxDelay, "9999", "6000", 0x173, "70 17"},    {N::DataTxDelay, "0050", "50", 0x173, "32 00"},
    };
    for (const FleetSyncNumberCase& c : cases)
        TypeAndLeave(c);

    // A fifth ID digit is refused unless text is selected.
    TypeOver(Box(N::OwnId), "1234");
    QTest::keyClicks(Box(N::OwnId), "5");
    EXPECT_EQ(Box(N::OwnId)->text(), "1234");
    Box(N::OwnId)->selectAll();
    QTest::keyClicks(Box(N::OwnId), "5");
    EXPECT_EQ(Box(N::OwnId)->text(), "5");

    core.image.set(layout::FleetSyncBaudRate, 0xFF);
    core.image.set(layout::PttIdSideTone, 0xFF);
    core.image.write(0x173, HexBytes("FF FF FF FF FF"));
    Reopen();
    const RadioImage before = core.image;
    EXPECT_EQ(form->cboBaudRate()->currentIndex(), -1);
    EXPECT_FALSE(form->chkSideTone()->isChecked());
    EXPECT_EQ(Box(N::DataTxDelay)->text(), "400");
    EXPECT_EQ(Box(N::MessageModeTimer)->text(), "300");
    EXPECT_EQ(core.image, before);
    Enter(form->cboBaudRate());
    Key(form->cboBaudRate(), Qt::Key_Return);
    EXPECT_EQ(core.image.at(layout::FleetSyncBaudRate), 0xFF);
    EXPECT_EQ(Focus(), Box(N::DataTxDelay));
    // The substitute "400" stays unstored until the box is left.
    EXPECT_EQ(Bytes(0x173, 2), HexBytes("FF FF"));
    Enter(form->chkSideTone());
    EXPECT_EQ(Bytes(0x173, 2), HexBytes("90 01"));
    Key(form->chkSideTone(), Qt::Key_Tab);
    EXPECT_EQ(core.image.at(layout::PttIdSideTone), 0x00);
}

TEST_F(FleetsyncFormTest, FleetListEditorShowsTypingAndCommitsOnEnter)
{
    TypeInCell(1, 1, "2");
    EXPECT_EQ(Cell(1, 1), "2");
    EXPECT_EQ(Bytes(0x1C0, 3), HexBytes("FF FF FF"));
    Key(Editor(), Qt::Key_Return);
    EXPECT_EQ(Bytes(0x1C0, 3), HexBytes("01 00 00"));
    EXPECT_EQ(Cell(1, 1), "100");
    EXPECT_EQ(Cell(1, 2), "All");
    EXPECT_TRUE(Editor()->isHidden());
    EXPECT_EQ(Focus(), Grid());
    EXPECT_EQ(Grid()->currentRow(), 1);
    EXPECT_EQ(Grid()->currentColumn(), 2);

    struct Case {
        int column;
        const char* typed;
        const char* shown;
        int offset;
        const char* bytes;
    };
    const Case cases[] = {
        {1, "250", "250", 0, "97"},  {1, "400", "349", 0, "FA"},    {1, "5", "100", 0, "01"},
        {2, "4321", "4321", 1, "FA 0C"}, {2, "6000", "4999", 1, "A0 0F"}, {2, "1", "1000", 1, "01 00"},
    };
    for (const Case& c : cases) {
        TypeInCell(2, c.column, QString::fromLatin1(c.typed));
        Key(Editor(), Qt::Key_Return);
        EXPECT_EQ(Cell(2, c.column), QString::fromLatin1(c.shown)) << c.typed;
        const QByteArray expected = HexBytes(c.bytes);
        EXPECT_EQ(Bytes(0x1C3 + c.offset, static_cast<int>(expected.size())), expected) << c.typed;
    }
    // From the ID cell, Enter goes on to the next row's fleet.
    EXPECT_EQ(Grid()->currentRow(), 3);
    EXPECT_EQ(Grid()->currentColumn(), 1);

    // "A" in the ID of an empty entry: both All.
    TypeInCell(3, 2, "a");
    EXPECT_EQ(Editor()->text(), "A");
    QTest::keyClicks(Editor(), "5");
    EXPECT_EQ(Editor()->text(), "A");
    Key(Editor(), Qt::Key_Return);
    EXPECT_EQ(Cell(3, 1), "All");
    EXPECT_EQ(Cell(3, 2), "All");
    EXPECT_EQ(Bytes(0x1C6, 3), HexBytes("00 00 00"));

    // Emptying either cell empties the entry.
    TypeInCell(2, 2, "1");
    Key(Editor(), Qt::Key_Backspace);
    Key(Editor(), Qt::Key_Return);
    EXPECT_EQ(Bytes(0x1C3, 3), HexBytes("FF FF FF"));
    EXPECT_EQ(Cell(2, 1), "");
    EXPECT_EQ(Cell(2, 2), "");
}

TEST_F(FleetsyncFormTest, FleetListEntryFiveAfterTheGapAndEscape)
{
    const QByteArray gap = Bytes(0x1CC, 4);
    TypeInCell(5, 1, "101");
    Key(Editor(), Qt::Key_Return);
    EXPECT_EQ(Bytes(0x1D0, 3), HexBytes("02 00 00"));
    EXPECT_EQ(Bytes(0x1CC, 4), gap);

    const RadioImage before = core.image;
    TypeInCell(5, 2, "4321");
    EXPECT_EQ(Cell(5, 2), "4321");
    Key(Editor(), Qt::Key_Escape);
    EXPECT_EQ(Cell(5, 2), "All");
    EXPECT_EQ(Cell(5, 1), "101");
    EXPECT_EQ(core.image, before);
    EXPECT_TRUE(Editor()->isHidden());

    // Row 8's ID stays on row 8.
    TypeInCell(8, 2, "2");
    Key(Editor(), Qt::Key_Return);
    EXPECT_EQ(Grid()->currentRow(), 8);
    EXPECT_EQ(Grid()->currentColumn(), 2);
}

TEST_F(FleetsyncFormTest, FleetListLoadsAllAndOddIds)
{
    core.image.write(0x1C0, HexBytes("FF 00 00  05 FF 00"));
    Reopen();
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(Cell(1, 2), "All");
    EXPECT_EQ(Cell(2, 1), "104");
    EXPECT_EQ(Cell(2, 2), "1254");
}

TEST_F(FleetsyncFormTest, LeavingTheFleetListEditorCommits)
{
    TypeInCell(4, 2, "2000");
    form->cmdClose()->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(Editor()->isHidden());
    EXPECT_EQ(Bytes(0x1C9, 3), HexBytes("00 E9 03"));
    EXPECT_EQ(Cell(4, 1), "All");
    EXPECT_EQ(Cell(4, 2), "2000");
}

TEST_F(FleetsyncFormTest, OwnFleetIdErrorIsClearedOnlyByANonEmptyOwnCommit)
{
    core.checks.OwnFleetIdError = true;
    TypeInCell(1, 1, "150");
    Key(Editor(), Qt::Key_Return);
    EXPECT_TRUE(core.checks.OwnFleetIdError);
    form->SSTab1()->setCurrentIndex(0);
    TypeOver(Box(N::OwnFleet), "");
    Key(Box(N::OwnFleet), Qt::Key_Tab);
    EXPECT_TRUE(core.checks.OwnFleetIdError);
    TypeOver(Box(N::OwnFleet), "150");
    Key(Box(N::OwnFleet), Qt::Key_Tab);
    EXPECT_FALSE(core.checks.OwnFleetIdError);
}

TEST_F(FleetsyncFormTest, UserCloseCommitsAndProgramUnloadDoesNot)
{
    TypeOver(Box(N::DataTxDelay), "123");
    form->close();  // the close box
    EXPECT_EQ(Bytes(0x173, 2), HexBytes("7B 00"));
    Open();
    TypeInCell(1, 1, "200");
    form->close();
    EXPECT_EQ(Bytes(0x1C0, 3), HexBytes("65 00 00"));

    Open();
    const RadioImage before = core.image;
    TypeOver(Box(N::DataTxDelay), "999");
    main->windows().CloseEditorWindows();
    EXPECT_EQ(core.image, before);
    Open();
    TypeInCell(2, 1, "200");
    main->windows().CloseEditorWindows();
    EXPECT_EQ(core.image, before);
}

TEST_F(FleetsyncFormTest, TabOrderKeepsTheGridOnItsPage)
{
    Enter(form->chkSideTone());
    Key(form->chkSideTone(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), form->cmdClose());
    Key(form->cmdClose(), Qt::Key_Tab);
    Key(Focus(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), Box(N::OwnFleet));
    form->SSTab1()->setCurrentIndex(1);
    Enter(form->cmdClose());
    Key(form->cmdClose(), Qt::Key_Tab);
    Key(Focus(), Qt::Key_Tab);
    EXPECT_EQ(Focus(), Grid());
}

TEST_F(FleetsyncFormTest, ChineseCaptions)
{
    form->cmdClose()->click();
    core.LanguageChinese = true;
    Open();
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(" FleetSync(队列同步)"));
    EXPECT_EQ(form->SSTab1()->tabText(1), QString::fromUtf8("队列表"));
    EXPECT_EQ(Cell(0, 0), QString::fromUtf8("编号"));
    EXPECT_EQ(Cell(0, 1), QString::fromUtf8("队列"));
    EXPECT_EQ(Cell(0, 2), "ID");
    TypeInCell(1, 2, "a");
    Key(Editor(), Qt::Key_Return);
    EXPECT_EQ(Cell(1, 1), QString::fromUtf8("全部"));
    EXPECT_EQ(Cell(1, 2), QString::fromUtf8("全部"));
}

}  // namespace
}  // namespace zx::test
