// The memory map: its grid, the cell editor and its keys, OK and Cancel, and
// the command around it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "common/ModalDriver.h"
#include "common/Patience.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ModelRules.h"
#include "core/ui/CPUForm.h"
#include "app/MDIForm1.h"
#include "channels/ui/ChannelForm.h"
#include "platform/SettingsStore.h"
#include "platform/ui/ScreenTwips.h"
#include "common/ImageFixtures.h"

using namespace zx;
using zx::test::DefaultFor;

namespace {

class CPUFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        core_.image = DefaultFor(0x21, 0xF8);
        core_.image.set(0x000, 0x12);
        core_.image.set(0x00F, 0x3C);
        form_ = std::make_unique<CPUForm>();
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get(), zx::test::kHangGuardMs));
    }
    QTableWidget* Grid() const { return form_->msgMemory(); }
    QLineEdit* Editor() const { return form_->txtMemory(); }
    void TypeOnGrid(int row, int column, Qt::Key key)
    {
        form_->setCurrentCell(row, column);
        Grid()->setFocus();
        QTest::keyClick(Grid(), key);
    }
    void Type(const char* keys) { QTest::keyClicks(Editor(), QString::fromLatin1(keys)); }

    AppCore core_;
    std::unique_ptr<CPUForm> form_;
};

}  // namespace

TEST_F(CPUFormTest, ShowsEveryByteUnderItsRowAndColumnLabels)
{
    EXPECT_EQ(form_->windowTitle(), "Memory Map");
    EXPECT_EQ(form_->cmdOK()->text(), "&OK");
    EXPECT_EQ(form_->cmdCancel()->text(), "&Cancel");
    // 64 byte rows and 16 byte columns under a header row and a label column.
    ASSERT_EQ(Grid()->rowCount() + 1, 65);
    ASSERT_EQ(Grid()->columnCount() + 1, 17);
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(Grid()->horizontalHeaderItem(c)->text(), QString::number(c, 16).toUpper());
    EXPECT_EQ(Grid()->verticalHeaderItem(0)->text(), "000_");
    EXPECT_EQ(Grid()->verticalHeaderItem(27)->text(), "01B_");
    EXPECT_EQ(Grid()->verticalHeaderItem(63)->text(), "03F_");
    for (int r = 1; r <= 64; ++r)
        for (int c = 1; c <= 16; ++c)
            ASSERT_EQ(form_->cellText(r, c), QStringLiteral("%1").arg(core_.image.at((r - 1) * 16 + c - 1), 2, 16,
                                                                      QLatin1Char('0')).toUpper());
    EXPECT_EQ(form_->cellText(1, 1), "12");
    EXPECT_EQ(form_->cellText(1, 16), "3C");
    EXPECT_EQ(form_->cellText(28, 14), "21");
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_EQ(form_->currentRow(), 1);
    EXPECT_EQ(form_->currentColumn(), 1);
    EXPECT_EQ(form_->lblAddr()->text(), "0000");
}

TEST_F(CPUFormTest, AddressLabelFollowsTheCurrentCell)
{
    form_->setCurrentCell(28, 14);
    EXPECT_EQ(form_->lblAddr()->text(), "01BD");
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_Down);
    EXPECT_EQ(form_->lblAddr()->text(), "01CD");
}

TEST_F(CPUFormTest, TypedDigitAndEnterStoresTwoDigitsAndMovesToTheNextRow)
{
    TypeOnGrid(1, 16, Qt::Key_7);
    ASSERT_TRUE(Editor()->isVisible());
    EXPECT_EQ(Editor()->text(), "7");
    EXPECT_EQ(form_->cellText(1, 16), "3C");  // typing alone changes no cell
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_EQ(form_->cellText(1, 16), "07");
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_EQ(form_->currentRow(), 2);
    EXPECT_EQ(form_->currentColumn(), 1);
    EXPECT_EQ(form_->lblAddr()->text(), "0010");
}

TEST_F(CPUFormTest, EnterOnTheLastByteCommitsAndStays)
{
    TypeOnGrid(64, 16, Qt::Key_Return);
    ASSERT_TRUE(Editor()->isVisible());
    EXPECT_EQ(Editor()->text(), "FF");
    EXPECT_EQ(Editor()->selectedText(), "FF");
    Type("12");
    EXPECT_EQ(Editor()->text(), "12");
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_EQ(form_->cellText(64, 16), "12");
    EXPECT_EQ(form_->currentRow(), 64);
    EXPECT_EQ(form_->currentColumn(), 16);
    EXPECT_EQ(form_->lblAddr()->text(), "03FF");
}

TEST_F(CPUFormTest, EmptyTextCommitsAsFF)
{
    TypeOnGrid(1, 1, Qt::Key_Return);
    QTest::keyClick(Editor(), Qt::Key_Backspace);
    EXPECT_EQ(Editor()->text(), "");
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_EQ(form_->cellText(1, 1), "FF");
}

TEST_F(CPUFormTest, ThirdDigitNeedsASelection)
{
    TypeOnGrid(2, 2, Qt::Key_1);
    Type("2");
    EXPECT_EQ(Editor()->text(), "12");
    Type("3");
    EXPECT_EQ(Editor()->text(), "12");
    Editor()->setSelection(0, 1);
    Type("3");
    EXPECT_EQ(Editor()->text(), "32");
}

TEST_F(CPUFormTest, LettersAreTakenInUpperCaseAndOtherCharactersRefused)
{
    TypeOnGrid(3, 3, Qt::Key_A);
    EXPECT_EQ(Editor()->text(), "A");
    EXPECT_EQ(Editor()->cursorPosition(), 1);
    Editor()->setCursorPosition(1);
    Type("g");
    Type(" ");
    Type("-");
    EXPECT_EQ(Editor()->text(), "A");
    Type("b");
    EXPECT_EQ(Editor()->text(), "AB");
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_EQ(form_->cellText(3, 3), "AB");
}

TEST_F(CPUFormTest, KeypadDigitStartsANewValue)
{
    form_->setCurrentCell(4, 4);
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_TRUE(Editor()->isVisible());
    EXPECT_EQ(Editor()->text(), "5");
}

TEST_F(CPUFormTest, EscRestoresTheCellAndKeepsTheDialogOpen)
{
    TypeOnGrid(1, 16, Qt::Key_5);
    QTest::keyClick(Editor(), Qt::Key_Escape);
    EXPECT_EQ(form_->cellText(1, 16), "3C");
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(form_->currentColumn(), 16);
}

TEST_F(CPUFormTest, EscOutsideTheEditorNeitherClosesNorDropsTheEdits)
{
    TypeOnGrid(1, 16, Qt::Key_5);
    QTest::keyClick(Editor(), Qt::Key_Return);
    ASSERT_EQ(form_->cellText(1, 16), "05");
    QTest::keyClick(Grid(), Qt::Key_Escape);
    form_->cmdOK()->setFocus();
    QTest::keyClick(form_->cmdOK(), Qt::Key_Escape);
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(form_->cellText(1, 16), "05");
    QTest::mouseClick(form_->cmdOK(), Qt::LeftButton);
    EXPECT_EQ(core_.image.at(0x00F), 0x05);
}

TEST_F(CPUFormTest, PastedOrDroppedTextMustBeHex)
{
    TypeOnGrid(1, 16, Qt::Key_Return);
    QApplication::clipboard()->setText("ZZ");
    Editor()->selectAll();
    Editor()->paste();
    EXPECT_EQ(Editor()->text(), "3C");
    Editor()->setCursorPosition(2);
    Editor()->insert("Q");  // what a drop does
    EXPECT_EQ(Editor()->text(), "3C");
    Editor()->selectAll();
    Editor()->insert("123");
    EXPECT_EQ(Editor()->text(), "3C");
    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_EQ(form_->cellText(1, 16), "3C");

    TypeOnGrid(1, 2, Qt::Key_Return);
    QApplication::clipboard()->setText("ab");
    Editor()->selectAll();
    Editor()->paste();
    EXPECT_EQ(Editor()->text(), "AB");
}

TEST_F(CPUFormTest, LeavingTheEditorCommitsIt)
{
    TypeOnGrid(2, 1, Qt::Key_9);
    Grid()->setFocus();
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_EQ(form_->cellText(2, 1), "09");
}

TEST_F(CPUFormTest, MouseUpOnTheGridOpensTheEditorOnTheClickedCell)
{
    const QRect cell = Grid()->visualItemRect(Grid()->item(2, 5));
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(form_->currentRow(), 3);
    EXPECT_EQ(form_->currentColumn(), 6);
    ASSERT_TRUE(Editor()->isVisible());
    EXPECT_EQ(Editor()->text(), form_->cellText(3, 6));
    EXPECT_EQ(Editor()->selectedText(), form_->cellText(3, 6));
    EXPECT_TRUE(Editor()->hasFocus());
}

TEST_F(CPUFormTest, ScrollingCancelsTheEdit)
{
    TypeOnGrid(1, 16, Qt::Key_5);
    ASSERT_TRUE(Editor()->isVisible());
    QScrollBar* bar = Grid()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->value() + 3);
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_EQ(form_->cellText(1, 16), "3C");
}

TEST_F(CPUFormTest, OkWritesAllCellsIntoTheImage)
{
    TypeOnGrid(33, 1, Qt::Key_4);
    Type("2");
    QTest::keyClick(Editor(), Qt::Key_Return);
    RadioImage expected = core_.image;
    expected.set(0x200, 0x42);
    core_.image.set(0x300, 0x00);  // a byte the grid shows otherwise is written back too
    QTest::mouseClick(form_->cmdOK(), Qt::LeftButton);
    EXPECT_EQ(core_.image, expected);
    EXPECT_EQ(form_->result(), QDialog::Accepted);
    EXPECT_FALSE(form_->isVisible());
}

TEST_F(CPUFormTest, OkTakesAnOpenEditorsText)
{
    TypeOnGrid(1, 1, Qt::Key_7);
    form_->cmdOK_Click();
    EXPECT_EQ(core_.image.at(0x000), 0x07);
}

TEST_F(CPUFormTest, CancelAfterEditsLeavesTheImage)
{
    const RadioImage before = core_.image;
    for (int c = 1; c <= 4; ++c) {
        TypeOnGrid(28, 13 + (c % 4), Qt::Key_0);
        QTest::keyClick(Editor(), Qt::Key_Return);
    }
    QTest::mouseClick(form_->cmdCancel(), Qt::LeftButton);
    EXPECT_EQ(core_.image, before);
    EXPECT_EQ(form_->result(), QDialog::Rejected);
}

// --- the command -------------------------------------------------------------

namespace {

class MemoryMapCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        OpenSettings()->clear();
        main_ = std::make_unique<MDIForm1>();
        main_->windows().OpenTreeView();  // an editor window the commands may close
    }
    static void Edit(CPUForm& form, int row, int column, const char* digits)
    {
        form.ShowCellEditor(row, column);
        QTest::keyClicks(form.txtMemory(), QString::fromLatin1(digits));
        QTest::keyClick(form.txtMemory(), Qt::Key_Return);
    }
    bool EditorWindowsClosed() const { return main_->windows().treeView() == nullptr; }
    int ChannelRows() const { return main_->channelForm()->ChannelGrid()->rowCount() - 1; }

    AppCore core_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<MDIForm1> main_;
};

}  // namespace

TEST_F(MemoryMapCommandTest, NewBandCodeRebuildsTheDefaultImageOfTheNewModel)
{
    core_.document.DataFilePath = "/home/u/x.dat";
    test::WhenModal<CPUForm>([](CPUForm& form) {
        Edit(form, 28, 14, "02");  // 0x1BD
        Edit(form, 33, 1, "00");   // 0x200
        QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
    });
    main_->action("MnuProgramMemoryMap")->trigger();
    EXPECT_EQ(core_.image, DefaultFor(0x02, 0xF8));
    EXPECT_EQ(core_.image.at(0x200), 0xFF);
    EXPECT_EQ(core_.document.snapshot, core_.image);
    EXPECT_EQ(core_.document.DataFilePath, "ZX-4100.dat");
    EXPECT_TRUE(main_->windowTitle().contains(" VHF: 136-150 MHz] [ "));
    EXPECT_EQ(main_->windowTitle(), "ZX-4100  VHF: 136-150 MHz] [ File Name:ZX-4100.dat]");
    EXPECT_TRUE(EditorWindowsClosed());
    EXPECT_EQ(ChannelRows(), 16);
}

TEST_F(MemoryMapCommandTest, OkWithoutModelChangeKeepsTheEditsAndRefillsTheChannelList)
{
    const RadioImage snapshot = core_.document.snapshot;
    const QString title = main_->windowTitle();
    test::WhenModal<CPUForm>([](CPUForm& form) {
        Edit(form, 2, 1, "45");  // channel 1's first byte
        QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
    });
    main_->action("MnuProgramMemoryMap")->trigger();
    EXPECT_EQ(core_.image.at(0x010), 0x45);
    EXPECT_EQ(core_.document.snapshot, snapshot);
    EXPECT_EQ(main_->windowTitle(), title);
    EXPECT_TRUE(EditorWindowsClosed());
}

TEST_F(MemoryMapCommandTest, CancelClosesTheEditorWindowsAndNothingElse)
{
    const RadioImage before = core_.image;
    test::WhenModal<CPUForm>([](CPUForm& form) {
        Edit(form, 28, 14, "02");
        QTest::mouseClick(form.cmdCancel(), Qt::LeftButton);
    });
    main_->action("MnuProgramMemoryMap")->trigger();
    EXPECT_EQ(core_.image, before);
    EXPECT_TRUE(EditorWindowsClosed());
}

TEST_F(MemoryMapCommandTest, HiddenGestureOpensTheMemoryMapWhileTheItemStaysHidden)
{
    EXPECT_FALSE(main_->action("MnuProgramMemoryMap")->isVisible());
    bool opened = false;
    test::WhenModal<CPUForm>([&opened](CPUForm& form) {
        opened = true;
        form.reject();
    });
    const QPoint inside(TwipsToPixelsX(9525), TwipsToPixelsY(150));
    EXPECT_TRUE(main_->MDIForm_MouseUp(Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier, inside));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(EditorWindowsClosed());

    // The hidden item's Ctrl+M reaches nothing.
    int runs = 0;
    main_->setCommand(QStringLiteral("MnuProgramMemoryMap"), [&runs] { ++runs; });
    main_->show();
    main_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get(), zx::test::kHangGuardMs));
    QTest::keyClick(main_.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(main_->MDIForm_MouseUp(Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier, inside));
    EXPECT_EQ(runs, 1);
}
