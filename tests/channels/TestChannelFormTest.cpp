// The test-frequency window in the real main window, with the channel list
// open: opening it from the Edit menu and the tree view, typing, Enter, Esc,
// clicks, leaving the editor, the defaults, and the warning on Close.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "channels/ui/ChannelForm.h"
#include "channels/ui/TestChannelForm.h"
#include "common/MainWindowShown.h"
#include "common/ImageFixtures.h"
#include "common/Patience.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/DataFile.h"
#include "core/ImageLayout.h"
#include "app/MDIForm1.h"
#include "core/ui/TreeViewForm.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/TransferCommands.h"
#include "platform/SettingsStore.h"
#include "sim/PtyRadio.h"

namespace zx::test {
namespace {

constexpr int kComPort = 7;
const char* const kEmptyEntry = "FF FF FF FF FF FF FF FF";

class TestChannelFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowFreshMainWindow(main_, 1100, 800, Activate::Yes));
        // A VHF image (test band 136-174 MHz) with rows 1 and 7-16 empty.
        core_.image.setModelBandCode(0x01);
        core_.InitAllFrameData();
        SetEntry(1, "FFFFFFFFFFFFFFFF");
        main_->channelForm()->DecodeAllChannels();
    }

    void SetEntry(int n, const char* hex) { core_.image.write(layout::TestFrequencyEntry(n), QByteArray::fromHex(hex)); }
    void EmptyTable()
    {
        for (int n = 1; n <= 16; ++n)
            SetEntry(n, "FFFFFFFFFFFFFFFF");
    }
    QByteArray EntryHex(int n) const
    {
        return core_.image.toByteArray(layout::TestFrequencyEntry(n), 8).toHex(' ').toUpper();
    }

    TestChannelForm* Loaded() const { return qobject_cast<TestChannelForm*>(main_->windows().window(6)); }
    // Edit > Test Frequency.
    TestChannelForm& Open()
    {
        main_->action("MnuEditTestFrequency")->trigger();
        TestChannelForm* form = Loaded();
        EXPECT_NE(form, nullptr);
        return *form;
    }
    void Gone()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Loaded(), nullptr);
    }

    QTableWidget* Grid() const { return Loaded()->msgTestFreq(); }
    QLineEdit* Editor() const { return Loaded()->txtTestFreq(); }
    bool EditorOpen() const { return Loaded()->EditorShown(); }
    QString Cell(int row, int column) const { return Grid()->item(row, column)->text(); }
    std::pair<int, int> Cursor() const { return {Grid()->currentRow(), Grid()->currentColumn()}; }

    void Focus(int row, int column)
    {
        Grid()->setCurrentCell(row, column);
        Grid()->setFocus();
    }
    void GridKey(Qt::Key key) { QTest::keyClick(Grid(), key); }
    // Keys to whatever has the focus.
    void Type(const QString& text)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClicks(focus, text);
    }
    void Key(Qt::Key key)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, key);
    }
    void ClickCell(int row, int column)
    {
        const QRect r = Grid()->visualRect(Grid()->model()->index(row, column));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Types `text` into a cell from the grid: its first character, to the
    // grid, opens the editor, which takes the rest. Nothing is committed.
    void StartTyping(int row, int column, const char* text)
    {
        Focus(row, column);
        QTest::keyClick(Grid(), text[0]);
        Type(QString::fromLatin1(text + 1));
    }
    // Types a value into a row's cell from the grid and presses Enter.
    void Enter(int row, int column, const QString& text)
    {
        Focus(row, column);
        GridKey(Qt::Key_Return);
        ASSERT_TRUE(EditorOpen());
        Key(Qt::Key_Backspace);
        Type(text);
        Key(Qt::Key_Return);
    }
    int Boxes(const QString& title) const
    {
        int n = 0;
        for (const MessageRequest& m : prompts_.messages())
            n += m.title == title ? 1 : 0;
        return n;
    }
    int ChangeWarnings() const
    {
        int n = 0;
        for (const MessageRequest& m : prompts_.messages())
            n += m.text.startsWith(QStringLiteral("Test Frequency data have changed.")) ? 1 : 0;
        return n;
    }
    void ClickClose()
    {
        QTest::mouseClick(Loaded()->cmdClose(), Qt::LeftButton);
        Gone();
    }

    AppCore core_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MDIForm1> main_;
    QTemporaryDir dir_;
};

// --- Opening and layout ----------------------------------------------------------

TEST_F(TestChannelFormTest, EditMenuOpensTheWindowIntoSlotSix)
{
    TestChannelForm& form = Open();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(core_.windowSlots.isOpen(TestChannelFormOpen));
    EXPECT_TRUE(core_.windowSlots.slot(6).visible);
    EXPECT_TRUE(core_.windowSlots.slot(6).checked);
    EXPECT_EQ(main_->windowSlotAction(6)->text(), QStringLiteral(" Test Frequency"));
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), &form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Test Frequency"));
    EXPECT_EQ(form.cmdClose()->text(), QStringLiteral("&Close"));
    EXPECT_TRUE(form.cmdHelp()->isHidden());
    EXPECT_EQ(form.property("helpContextId").toInt(), 4700);
    EXPECT_EQ(form.property("helpPage").toString(), QStringLiteral("testfreq"));
    // The channel list stays open beside it.
    EXPECT_TRUE(main_->channelForm()->isVisible());
}

TEST_F(TestChannelFormTest, TreeViewNodeOpensTheWindow)
{
    main_->action("MnuViewTreeView")->trigger();
    auto* tree = qobject_cast<TreeViewForm*>(main_->windows().treeView());
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* node = nullptr;
    for (int i = 0; i < tree->treView()->topLevelItem(0)->childCount(); ++i) {
        if (tree->treView()->topLevelItem(0)->child(i)->text(0).trimmed() == QStringLiteral("Test Frequency"))
            node = tree->treView()->topLevelItem(0)->child(i);
    }
    ASSERT_NE(node, nullptr);
    tree->treView()->setCurrentItem(node);
    tree->treView()->setFocus();
    QTest::keyClick(tree->treView(), Qt::Key_Return);
    ASSERT_NE(Loaded(), nullptr);
    EXPECT_TRUE(Loaded()->isVisible());
    EXPECT_TRUE(core_.windowSlots.slot(6).visible);
    EXPECT_TRUE(core_.windowSlots.isOpen(TestChannelFormOpen));
}

TEST_F(TestChannelFormTest, GridShowsSixteenRowsWithHeaderAndColumnShares)
{
    core_.image.write(layout::TestFrequencyEntry(9), QByteArray::fromHex("00256114FFFFFFFF"));
    Open();
    QTableWidget* grid = Grid();
    ASSERT_EQ(grid->rowCount(), 17);
    ASSERT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("Channel"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral(" RX [MHz]"));
    EXPECT_EQ(Cell(0, 2), QStringLiteral(" TX [MHz]"));
    EXPECT_EQ(grid->item(0, 0)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(grid->item(0, 1)->textAlignment() & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
    EXPECT_EQ(grid->item(5, 2)->textAlignment() & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
    for (int r = 1; r <= 16; ++r)
        EXPECT_EQ(Cell(r, 0), QString::number(r));
    // Rows as loaded: 1 empty, 2-6 the defaults, 9 RX with TX none.
    EXPECT_EQ(Cell(1, 1), QString());
    EXPECT_EQ(Cell(2, 1), QStringLiteral("136.05000"));
    EXPECT_EQ(Cell(3, 2), QStringLiteral("173.90000"));
    EXPECT_EQ(Cell(9, 1), QStringLiteral("146.12500"));
    EXPECT_EQ(Cell(9, 2), QStringLiteral("000.00000"));
    EXPECT_EQ(Cell(16, 1), QString());
    // 2/8, 3/8 and 3/8 of the width.
    const int width = grid->columnWidth(0) + grid->columnWidth(1) + grid->columnWidth(2);
    EXPECT_NEAR(grid->columnWidth(0), width * 2 / 8, 1);
    EXPECT_NEAR(grid->columnWidth(1), width * 3 / 8, 1);
    EXPECT_NEAR(grid->columnWidth(2), width * 3 / 8, 1);
    // Every row shows without scrolling, and the grid and its Close button lie
    // inside the window.
    int height = 0;
    for (int r = 0; r < 17; ++r)
        height += grid->rowHeight(r);
    EXPECT_LE(height, grid->viewport()->height());
    EXPECT_LE(width, grid->viewport()->width());
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(Loaded()->client()->rect().contains(Loaded()->cmdClose()->geometry()));
    EXPECT_EQ(Cursor(), std::make_pair(1, 1));
    EXPECT_FALSE(EditorOpen());
}

TEST_F(TestChannelFormTest, ChineseCaptionAndHeader)
{
    core_.LanguageChinese = true;
    TestChannelForm& form = Open();
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("测试频率"));
    EXPECT_EQ(Cell(0, 0), QString::fromUtf8("信道"));
    EXPECT_EQ(Cell(0, 1), QString::fromUtf8(" 接收 [MHz]"));
    EXPECT_EQ(Cell(0, 2), QString::fromUtf8(" 发射 [MHz]"));
}

TEST_F(TestChannelFormTest, DefaultImageOfBand21LoadsItsDefaults)
{
    core_.image.setModelBandCode(0x21);
    core_.InitAllFrameData();
    Open();
    EXPECT_EQ(Cell(1, 1), QStringLiteral("470.05000"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("470.10000"));
}

// --- Commits ------------------------------------------------------------------

TEST_F(TestChannelFormTest, RxOfAnEmptyRowStoresBothAndMovesToTx)
{
    Open();
    Focus(1, 1);
    GridKey(Qt::Key_1);
    ASSERT_TRUE(EditorOpen());
    Type("50");
    EXPECT_EQ(Cell(1, 1), QStringLiteral("150"));  // the cell follows the typing
    EXPECT_EQ(EntryHex(1), QByteArray(kEmptyEntry));
    Key(Qt::Key_Return);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Cell(1, 1), QStringLiteral("150.00000"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral("150.00000"));
    EXPECT_EQ(EntryHex(1), QByteArray("00 00 00 15 00 00 00 15"));
    EXPECT_EQ(Cursor(), std::make_pair(1, 2));
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TestChannelFormTest, OutOfRangeShowsOneWarningAndStoresTheLimit)
{
    Open();
    StartTyping(8, 1, "180");
    Key(Qt::Key_Return);
    ASSERT_EQ(prompts_.messages().size(), 1u);
    const MessageRequest& m = prompts_.messages()[0];
    EXPECT_EQ(m.text, QStringLiteral("Frequency is out of range."));
    EXPECT_EQ(m.title, QStringLiteral("Warning"));
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(Cell(8, 1), QStringLiteral("174.00000"));
    EXPECT_EQ(Cell(8, 2), QStringLiteral("174.00000"));
    EXPECT_EQ(EntryHex(8), QByteArray("00 00 40 17 00 00 40 17"));
    EXPECT_EQ(Cursor(), std::make_pair(8, 2));
}

TEST_F(TestChannelFormTest, RangeBoxInChinese)
{
    core_.LanguageChinese = true;
    Open();
    Focus(8, 1);
    GridKey(Qt::Key_9);
    Key(Qt::Key_Return);
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, QString::fromUtf8("频率超出范围。"));
    EXPECT_EQ(prompts_.messages()[0].title, QString::fromUtf8("警告"));
    EXPECT_EQ(Cell(8, 1), QStringLiteral("136.00000"));
}

TEST_F(TestChannelFormTest, TxOfASetRowLeavesRxAndRewritesTheEntry)
{
    SetEntry(9, "00505015FFFFFFFF");
    Open();
    Enter(9, 2, QStringLiteral("146.125"));
    EXPECT_EQ(Cell(9, 1), QStringLiteral("155.05000"));
    EXPECT_EQ(Cell(9, 2), QStringLiteral("146.12500"));
    EXPECT_EQ(EntryHex(9), QByteArray("00 50 50 15 00 25 61 14"));
    EXPECT_EQ(Cursor(), std::make_pair(10, 1));
}

TEST_F(TestChannelFormTest, ClearingEitherCellEmptiesTheRow)
{
    Open();
    for (int column : {1, 2}) {
        ASSERT_FALSE(Cell(3, 1).isEmpty());
        Focus(3, column);
        GridKey(Qt::Key_Return);
        ASSERT_TRUE(EditorOpen());
        EXPECT_EQ(Editor()->selectedText(), Cell(3, column));
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Return);
        EXPECT_EQ(Cell(3, 1), QString()) << column;
        EXPECT_EQ(Cell(3, 2), QString()) << column;
        EXPECT_EQ(EntryHex(3), QByteArray(kEmptyEntry)) << column;
        Enter(3, 1, QStringLiteral("160"));
    }
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TestChannelFormTest, ClearingTheLastRowWithEnterWritesTheDefaultsOnce)
{
    EmptyTable();
    SetEntry(2, "0000001600000016");  // a default row
    Open();
    Focus(2, 2);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(EditorOpen());
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    const char* rows[6][2] = {{"155.05000", "155.10000"}, {"136.05000", "136.10000"}, {"173.95000", "173.90000"},
                              {"155.00000", "155.00000"}, {"155.20000", "155.20000"}, {"155.40000", "155.40000"}};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(Cell(r, 1), QString::fromLatin1(rows[r - 1][0])) << r;
        EXPECT_EQ(Cell(r, 2), QString::fromLatin1(rows[r - 1][1])) << r;
    }
    EXPECT_EQ(EntryHex(1), QByteArray("00 50 50 15 00 00 51 15"));
    // The edited row kept its default: a second commit of the stale empty
    // text would have emptied it again.
    EXPECT_EQ(EntryHex(2), QByteArray("00 50 60 13 00 00 61 13"));
    for (int n = 7; n <= 16; ++n) {
        EXPECT_EQ(EntryHex(n), QByteArray(kEmptyEntry)) << n;
        EXPECT_EQ(Cell(n, 1), QString()) << n;
    }
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Cursor(), std::make_pair(3, 1));
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TestChannelFormTest, CommittingAnEmptyCellOfAnEmptyTableWritesTheDefaults)
{
    EmptyTable();
    Open();
    Focus(10, 1);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(EditorOpen());
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("155.05000"));
    EXPECT_EQ(Cell(6, 2), QStringLiteral("155.40000"));
    EXPECT_EQ(Cell(10, 1), QString());
    EXPECT_EQ(EntryHex(6), QByteArray("00 00 54 15 00 00 54 15"));
    EXPECT_EQ(Cursor(), std::make_pair(10, 2));
}

// --- Opening the editor -----------------------------------------------------------

TEST_F(TestChannelFormTest, ClickOnAnEmptyTxCellEditsThatRowsRx)
{
    Open();
    ClickCell(12, 2);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Cursor(), std::make_pair(12, 1));
    EXPECT_EQ(Editor()->geometry(), Grid()->visualRect(Grid()->model()->index(12, 1)).translated(Grid()->viewport()->mapTo(Grid()->parentWidget(), QPoint(0, 0))));
    EXPECT_TRUE(Editor()->hasFocus());

    // A click on a set TX cell edits it, with its whole text selected.
    Key(Qt::Key_Escape);
    ClickCell(4, 2);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Cursor(), std::make_pair(4, 2));
    EXPECT_EQ(Editor()->selectedText(), QStringLiteral("155.00000"));

    // The right button opens nothing.
    Key(Qt::Key_Escape);
    const QRect r = Grid()->visualRect(Grid()->model()->index(5, 1));
    QTest::mouseClick(Grid()->viewport(), Qt::RightButton, {}, r.center());
    EXPECT_FALSE(EditorOpen());
}

TEST_F(TestChannelFormTest, DigitOnAnEmptyRowsTxEditsTxAndFillsRx)
{
    Open();
    Focus(11, 2);
    GridKey(Qt::Key_1);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Cursor(), std::make_pair(11, 2));
    EXPECT_EQ(Editor()->text(), QStringLiteral("1"));
    EXPECT_EQ(Editor()->cursorPosition(), 1);
    EXPECT_EQ(Editor()->selectedText(), QString());
    EXPECT_EQ(Cell(11, 2), QStringLiteral("1"));
    Type("40");
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(11, 1), QStringLiteral("140.00000"));
    EXPECT_EQ(Cell(11, 2), QStringLiteral("140.00000"));
    EXPECT_EQ(EntryHex(11), QByteArray("00 00 00 14 00 00 00 14"));
    EXPECT_EQ(Cursor(), std::make_pair(12, 1));
}

TEST_F(TestChannelFormTest, PointOpensTheEditorAndOtherKeysAreLeftToTheGrid)
{
    Open();
    Focus(4, 1);
    GridKey(Qt::Key_A);
    EXPECT_FALSE(EditorOpen());
    GridKey(Qt::Key_Down);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Cursor(), std::make_pair(5, 1));
    GridKey(Qt::Key_Period);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Editor()->text(), QStringLiteral("."));
}

TEST_F(TestChannelFormTest, EnterOnTxOfAnEmptyRowEditsRx)
{
    Open();
    Focus(13, 2);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Cursor(), std::make_pair(13, 1));
}

TEST_F(TestChannelFormTest, EnterInTheTxCellOfRow16StaysThere)
{
    SetEntry(16, "0000001500000015");
    Open();
    Enter(16, 2, QStringLiteral("151"));
    EXPECT_EQ(Cursor(), std::make_pair(16, 2));
    EXPECT_EQ(EntryHex(16), QByteArray("00 00 00 15 00 00 10 15"));
}

TEST_F(TestChannelFormTest, EditorTakesNineCharactersOfDigitsAndPoint)
{
    Open();
    StartTyping(7, 1, "14a6-.12345678");
    EXPECT_EQ(Editor()->text(), QStringLiteral("146.12345"));
    // With the text selected a digit replaces it.
    Editor()->selectAll();
    Type("2");
    EXPECT_EQ(Editor()->text(), QStringLiteral("2"));
}

// --- Leaving the editor ---------------------------------------------------------

TEST_F(TestChannelFormTest, EscRestoresTheCellAndStoresNothing)
{
    Open();
    StartTyping(4, 1, "150");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Cell(4, 1), QStringLiteral("155.00000"));
    EXPECT_EQ(EntryHex(4), QByteArray("00 00 50 15 00 00 50 15"));
    EXPECT_EQ(Cursor(), std::make_pair(4, 1));
    EXPECT_TRUE(Grid()->hasFocus());
    EXPECT_TRUE(prompts_.messages().empty());

    // An emptied cell abandoned with Esc empties nothing.
    Focus(4, 2);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Cell(4, 2), QStringLiteral("155.00000"));
    EXPECT_EQ(EntryHex(4), QByteArray("00 00 50 15 00 00 50 15"));
}

TEST_F(TestChannelFormTest, EscOnAnEmptyTableWritesNoDefaults)
{
    // A commit of any text here - the typed one or the restored empty one -
    // would change the table.
    EmptyTable();
    SetEntry(9, "00256114FFFFFFFF");  // TX loads as 000.00000
    Open();
    StartTyping(10, 1, "150");
    Key(Qt::Key_Escape);
    Focus(9, 1);
    GridKey(Qt::Key_Return);
    Type("150");
    Key(Qt::Key_Escape);
    EXPECT_EQ(Cell(9, 1), QStringLiteral("146.12500"));
    EXPECT_EQ(Cell(10, 1), QString());
    EXPECT_EQ(Cell(1, 1), QString());
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(EntryHex(n), QByteArray(n == 9 ? "00 25 61 14 FF FF FF FF" : kEmptyEntry)) << n;
    ClickClose();
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TestChannelFormTest, ClickingIntoTheChannelListStoresTheTypedValue)
{
    Open();
    StartTyping(7, 1, "162.5");
    ChannelForm* list = main_->channelForm();
    QTableWidget* channelGrid = list->ChannelGrid();
    const QRect r = channelGrid->visualRect(channelGrid->model()->index(3, 1));
    QTest::mouseClick(channelGrid->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(main_->mdiArea()->activeSubWindow(), list);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Cell(7, 1), QStringLiteral("162.50000"));
    EXPECT_EQ(Cell(7, 2), QStringLiteral("162.50000"));
    EXPECT_EQ(EntryHex(7), QByteArray("00 00 25 16 00 00 25 16"));
}

TEST_F(TestChannelFormTest, ClickingAnotherCellStoresTheTypedValueAndEditsThere)
{
    Open();
    StartTyping(7, 1, "190");
    ClickCell(5, 2);
    ASSERT_EQ(Boxes(QStringLiteral("Warning")), 1);
    EXPECT_EQ(EntryHex(7), QByteArray("00 00 40 17 00 00 40 17"));
    ASSERT_TRUE(EditorOpen());
    EXPECT_EQ(Cursor(), std::make_pair(5, 2));
}

TEST_F(TestChannelFormTest, CloseBoxStoresTheTypedValueWithoutWarning)
{
    Open();
    StartTyping(7, 1, "145");
    Loaded()->close();
    Gone();
    EXPECT_EQ(EntryHex(7), QByteArray("00 00 50 14 00 00 50 14"));
    EXPECT_EQ(ChangeWarnings(), 0);
    EXPECT_FALSE(core_.windowSlots.isOpen(TestChannelFormOpen));
    EXPECT_FALSE(core_.windowSlots.slot(6).visible);
}

// --- Closing ----------------------------------------------------------------------

TEST_F(TestChannelFormTest, CloseAfterANetChangeWarnsOnce)
{
    Open();
    Enter(7, 1, QStringLiteral("150"));
    prompts_.clear();
    ClickClose();
    ASSERT_EQ(prompts_.messages().size(), 1u);
    const MessageRequest& m = prompts_.messages()[0];
    EXPECT_EQ(m.text, QStringLiteral("Test Frequency data have changed.\n"
                                     "please execute write to radio before entering into Test Mode."));
    EXPECT_EQ(m.title, QStringLiteral("Warning"));
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_FALSE(core_.windowSlots.isOpen(TestChannelFormOpen));
    EXPECT_FALSE(core_.windowSlots.slot(6).visible);
    EXPECT_EQ(EntryHex(7), QByteArray("00 00 00 15 00 00 00 15"));

    // The next opening takes a new backup: closing unchanged warns no more.
    Open();
    ClickClose();
    EXPECT_EQ(ChangeWarnings(), 1);
}

TEST_F(TestChannelFormTest, CloseWithTheEditorOpenStoresFirstAndWarns)
{
    Open();
    StartTyping(7, 1, "152");
    ClickClose();
    EXPECT_EQ(EntryHex(7), QByteArray("00 00 20 15 00 00 20 15"));
    EXPECT_EQ(ChangeWarnings(), 1);
}

TEST_F(TestChannelFormTest, ChangeUndoneBeforeCloseGivesNoWarning)
{
    Open();
    Enter(4, 1, QStringLiteral("150"));
    Enter(4, 1, QStringLiteral("155"));
    ClickClose();
    EXPECT_EQ(ChangeWarnings(), 0);
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(TestChannelFormTest, DefaultsWrittenByTheListCountAsAChange)
{
    EmptyTable();
    Open();
    Focus(1, 1);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Return);
    ClickClose();
    EXPECT_EQ(ChangeWarnings(), 1);
}

TEST_F(TestChannelFormTest, ChineseChangeWarning)
{
    core_.LanguageChinese = true;
    Open();
    Enter(7, 1, QStringLiteral("150"));
    ClickClose();
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text,
              QString::fromUtf8("测试频率数据已更改。\n在进入测试模式之前执行\"向对讲机写入数据\"。"));
    EXPECT_EQ(prompts_.messages()[0].title, QString::fromUtf8("警告"));
}

TEST_F(TestChannelFormTest, NewUnloadsWithoutWarningAndCommitsNothing)
{
    Open();
    Enter(7, 1, QStringLiteral("150"));
    StartTyping(8, 1, "160");
    prompts_.clear();
    prompts_.answer(MsgResult::Ok);  // "All data will be cleared."
    main_->action("MnuFileNew")->trigger();
    Gone();
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, QStringLiteral("All data will be cleared."));
    EXPECT_FALSE(core_.windowSlots.isOpen(TestChannelFormOpen));
    // The new default image holds nothing of the abandoned typing.
    EXPECT_EQ(EntryHex(8), QByteArray(kEmptyEntry));
}

TEST_F(TestChannelFormTest, OpenUnloadsWithoutWarningAndLeavesTheFileImageAlone)
{
    RadioImage file = DefaultFor(0x01, 0xF8);
    const QString path = dir_.filePath("open.dat");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(BuildDataFile(file));
    }
    Open();
    Enter(7, 1, QStringLiteral("150"));
    StartTyping(2, 1, "150");
    prompts_.clear();
    prompts_.chooseFile(path);
    main_->action("MnuFileOpen")->trigger();
    Gone();
    EXPECT_EQ(ChangeWarnings(), 0);
    EXPECT_EQ(core_.image.toByteArray(0x280, 128), file.toByteArray(0x280, 128));
}

TEST_F(TestChannelFormTest, CompletedReadUnloadsWithoutWarning)
{
    PtyRadio sim;
    ASSERT_TRUE(sim.ok());
    sim.Attach(kComPort, core_);
    const RadioImage radio = DefaultFor(0x01, 0xF8);
    std::copy(radio.bytes().begin(), radio.bytes().end(), sim.radio.memory.begin());

    Open();
    Enter(7, 1, QStringLiteral("150"));
    // Typing still open when the read ends goes nowhere.
    StartTyping(8, 1, "160");
    prompts_.clear();
    const ConnectFormRunner previous = SetConnectFormRunner([](ConnectForm& form) {
        bool closed = false;
        QObject::connect(&form, &ConnectForm::unloaded, [&] { closed = true; });
        form.show();
        QTest::mouseClick(form.cmdOK, Qt::LeftButton);
        EXPECT_TRUE(WaitUntil([&] { return closed; }));
    });
    main_->action("MnuProgramRead")->trigger();
    SetConnectFormRunner(previous);
    Gone();
    EXPECT_EQ(ChangeWarnings(), 0);
    ASSERT_FALSE(prompts_.messages().empty());
    EXPECT_EQ(prompts_.messages().back().text, QStringLiteral("Reading Completed"));
    EXPECT_EQ(EntryHex(7), QByteArray(kEmptyEntry));
    EXPECT_EQ(EntryHex(8), QByteArray(kEmptyEntry));
    EXPECT_EQ(core_.image.bytes(), radio.bytes());
}

}  // namespace
}  // namespace zx::test
