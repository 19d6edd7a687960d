// The channel list window: layout, keys on the grid, cell entry and
// captions, the editor hooks, data operations and closing.
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

// --- Layout ----------------------------------------------------------------

TEST_F(ChannelFormTest, LayoutOfSixteenChannels)
{
    ASSERT_EQ(Grid()->rowCount(), 17);
    ASSERT_EQ(Grid()->columnCount(), 10);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("Channel No."));
    EXPECT_EQ(Cell(0, kRxFreqColumn), QStringLiteral("RX Frequency"));
    EXPECT_EQ(Cell(0, kPttIdColumn), QStringLiteral("PTT ID"));
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(Cell(k, 0), QString::number(k));
    const int twips[] = {1065, 1172, 1172, 1172, 1172, 852, 746, 852, 1065, 1268};
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(form->ColumnWidthTwips(c), twips[c]) << c;
        EXPECT_EQ(Grid()->columnWidth(c), TwipsToPixelsX(twips[c])) << c;
    }
    EXPECT_EQ(Grid()->geometry(), QRect(TwipsToPixelsX(120), TwipsToPixelsY(75), TwipsToPixelsX(10650),
                                        TwipsToPixelsY(4440)));
    EXPECT_EQ(form->LabBlankChannel()->text(), QStringLiteral("256"));
    EXPECT_EQ(form->LabFreeArea()->text(), QStringLiteral("Free Area(Bytes):"));
    EXPECT_EQ(form->cmdChannelEdit()->text(), QStringLiteral("Channel &Edit"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Channel Information [ Channel - 1 ]"));
    EXPECT_TRUE(form->cmdHelp()->isHidden());
    EXPECT_FALSE(TextBoxOpen());
    EXPECT_FALSE(ListOpen());
    for (int r = 1; r <= 16; ++r)
        EXPECT_EQ(Row(r).join(QString()), QString());
}

TEST_F(ChannelFormTest, EightChannelModelHasNineRowsAndHalfTheFreeArea)
{
    core.EightChannelModel = true;
    form->LayoutChannelGrid(GridHeaderCaller::ModelChange);
    form->DecodeAllChannels();
    EXPECT_EQ(Grid()->rowCount(), 9);
    EXPECT_EQ(Grid()->height(), TwipsToPixelsY(2400));
    EXPECT_EQ(Cell(0, kOptSignalColumn), QStringLiteral(" Opt Signal "));
    EXPECT_EQ(Cell(8, 0), QStringLiteral("8"));
    EXPECT_EQ(form->LabBlankChannel()->text(), QStringLiteral("128"));
}

TEST_F(ChannelFormTest, CompletedTransferLaysTheGridOutForTheImagesModel)
{
    core.image.setBit(layout::ScanAddBits, 2, true);
    Program(3, kRxOnly);
    core.image.setModelVariant(0xF9);  // band 0x01 with F9: eight channels
    core.link.TransferMode = TransferMode::Completed;
    form->DecodeAllChannels();
    EXPECT_TRUE(core.EightChannelModel);
    EXPECT_EQ(Grid()->rowCount(), 9);
    EXPECT_EQ(Row(3), (QStringList{"146.12500", "", "None", "None", "High", "Wide", "Yes", "None", "Off"}));
    EXPECT_EQ(form->LabBlankChannel()->text(), QStringLiteral("112"));
}

// --- Keys on the grid --------------------------------------------------------

struct KeyCase {
    const char* name;
    bool programmed;     // channel 4 holds kRxOnly (no TX) or nothing
    int column;          // the cell the key is pressed on
    int key;
    Qt::KeyboardModifiers modifiers;
    int editor;          // 0 none, 1 text box, 2 list
    int editColumn;      // the cursor's column afterwards
    const char* text;    // the editor's text
};

class GridKeyTest : public ChannelFormTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(GridKeyTest, OpensTheRightEditorWithTheTypedCharacter)
{
    const KeyCase& c = GetParam();
    if (c.programmed)
        Program(4, kRxTx);
    Focus(4, c.column);
    GridKey(c.key, c.modifiers);
    EXPECT_EQ(TextBoxOpen(), c.editor == 1);
    EXPECT_EQ(ListOpen(), c.editor == 2);
    EXPECT_EQ(Cursor(), At(4, c.editColumn));
    if (c.editor == 1) {
        EXPECT_EQ(TextBox()->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(TextBox()->cursorPosition(), TextBox()->text().size());
        EXPECT_EQ(QApplication::focusWidget(), TextBox());
        EXPECT_EQ(Cell(4, c.editColumn), QString::fromLatin1(c.text));  // the cell follows the box
    } else if (c.editor == 2) {
        EXPECT_EQ(List()->currentText(), QString::fromLatin1(c.text));
        EXPECT_EQ(QApplication::focusWidget(), List());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GridKeyTest,
    ::testing::Values(
        KeyCase{"DigitOnEmptyTxStartsRx", false, kTxFreqColumn, Qt::Key_7, {}, 1, kRxFreqColumn, "7"},
        KeyCase{"DigitOnRx", false, kRxFreqColumn, Qt::Key_3, {}, 1, kRxFreqColumn, "3"},
        KeyCase{"KeypadDigit", false, kRxFreqColumn, Qt::Key_5, Qt::KeypadModifier, 1, kRxFreqColumn, "5"},
        KeyCase{"DeleteTypesPoint", false, kRxFreqColumn, Qt::Key_Delete, {}, 1, kRxFreqColumn, "."},
        KeyCase{"KeypadPointTypesPoint", false, kRxFreqColumn, Qt::Key_Period, Qt::KeypadModifier, 1, kRxFreqColumn, "."},
        KeyCase{"MainPointTypesNothing", false, kRxFreqColumn, Qt::Key_Period, {}, 0, kRxFreqColumn, ""},
        KeyCase{"DigitOnEmptyDecodeOpensRxEmpty", false, kDecodeColumn, Qt::Key_7, {}, 1, kRxFreqColumn, ""},
        KeyCase{"DigitOnEmptyEncodeOpensRxEmpty", false, kEncodeColumn, Qt::Key_7, {}, 1, kRxFreqColumn, ""},
        KeyCase{"LetterOnEmptyDecodeOpensRxEmpty", false, kDecodeColumn, Qt::Key_D, {}, 1, kRxFreqColumn, ""},
        KeyCase{"LetterInRxDoesNothing", false, kRxFreqColumn, Qt::Key_D, {}, 0, kRxFreqColumn, ""},
        KeyCase{"DigitOnProgrammedTx", true, kTxFreqColumn, Qt::Key_4, {}, 1, kTxFreqColumn, "4"},
        KeyCase{"DInDecodeOpensTheList", true, kDecodeColumn, Qt::Key_D, {}, 2, kDecodeColumn, "D"},
        KeyCase{"DigitInEncode", true, kEncodeColumn, Qt::Key_8, {}, 2, kEncodeColumn, "8"},
        KeyCase{"IInEncode", true, kEncodeColumn, Qt::Key_I, Qt::ShiftModifier, 2, kEncodeColumn, "I"},
        KeyCase{"DInTxPowerDoesNothing", true, kTxPowerColumn, Qt::Key_D, {}, 0, kTxPowerColumn, ""},
        KeyCase{"DigitInPttIdDoesNothing", true, kPttIdColumn, Qt::Key_1, {}, 0, kPttIdColumn, ""},
        KeyCase{"OtherLetterDoesNothing", true, kDecodeColumn, Qt::Key_A, {}, 0, kDecodeColumn, ""}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(ChannelFormTest, DigitOnEncodeOfAChannelWithoutTxOpensTheTxEntryEmpty)
{
    Program(4, kRxOnly);
    Focus(4, kEncodeColumn);
    GridKey(Qt::Key_7);
    ASSERT_TRUE(TextBoxOpen());
    EXPECT_EQ(Cursor(), At(4, kTxFreqColumn));
    EXPECT_EQ(TextBox()->text(), QString());
}

TEST_F(ChannelFormTest, ClickAndEnterRedirectEmptyRowsAndMissingTx)
{
    ClickCell(6, kDecodeColumn);  // decode cell of an empty channel
    EXPECT_EQ(Cursor(), At(6, kRxFreqColumn));
    EXPECT_TRUE(TextBoxOpen());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(TextBoxOpen());

    Program(7, kRxOnly);
    ClickCell(7, kEncodeColumn);  // encode cell without TX
    EXPECT_EQ(Cursor(), At(7, kTxFreqColumn));
    EXPECT_TRUE(TextBoxOpen());
    Key(Qt::Key_Escape);

    Focus(8, kWideNarrowColumn);
    GridKey(Qt::Key_Return);  // empty channel
    EXPECT_EQ(Cursor(), At(8, kRxFreqColumn));
    EXPECT_TRUE(TextBoxOpen());
}

TEST_F(ChannelFormTest, FixedCellsAreNeverCurrent)
{
    Focus(1, kRxFreqColumn);
    GridKey(Qt::Key_Up);
    GridKey(Qt::Key_Left);
    EXPECT_EQ(Cursor(), At(1, kRxFreqColumn));
    ClickCell(0, kDecodeColumn);
    ClickCell(5, 0);
    EXPECT_EQ(Cursor(), At(1, kRxFreqColumn));
    EXPECT_FALSE(TextBoxOpen());
}

// --- Cell entry, captions, hooks ----------------------------------------------

TEST_F(ChannelFormTest, EnteringACellCaptionsTheWindowAndSlotZero)
{
    ClickCell(5, kDecodeColumn);
    const QString caption = QStringLiteral(" Channel Information [ Channel - 5 ]");
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(core.windowSlots.slot(0).caption, caption);
    EXPECT_EQ(core.GridChannel, 5);
    EXPECT_EQ(core.CurrentChannel, 5);
    EXPECT_EQ(form->GridColumn(), kRxFreqColumn);  // redirected to the RX cell of the empty channel
    EXPECT_EQ(Grid()->property(kHelpContextIdProperty).toInt(), 4101);
}

TEST_F(ChannelFormTest, WithoutAnOpenEditorNoEditorHookRuns)
{
    Program(2, kRxTx);
    Focus(2, kTxPowerColumn);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_TRUE(log.editorChannels.empty());
    EXPECT_TRUE(log.picks.empty());
    EXPECT_EQ(log.showCalls + log.clearCalls + log.enableCalls, 0);
}

TEST_F(ChannelFormTest, AnOpenEditorFollowsTheGrid)
{
    Program(2, kRxTx);
    SetEditorOpen(true);
    Focus(2, kTxPowerColumn);
    EXPECT_EQ(log.editorChannels, std::vector<int>{2});
    GridKey(Qt::Key_Return);
    EXPECT_EQ(log.showCalls, 1);
    Key(Qt::Key_Down);
    ASSERT_FALSE(log.picks.empty());
    EXPECT_EQ(log.picks.back(), std::make_pair(5, QStringLiteral("Low")));
    Key(Qt::Key_Return);

    Focus(3, kRxFreqColumn);
    GridKey(Qt::Key_1);
    EXPECT_EQ(log.clearCalls, 1);  // empty row
    Type("46.5");
    Key(Qt::Key_Return);
    EXPECT_EQ(log.enableCalls, 1);
    EXPECT_EQ(log.frequencyColumns, std::vector<int>{1});
    EXPECT_EQ(Cell(3, kRxFreqColumn), QStringLiteral("146.50000"));

    form->cmdChannelEdit()->click();
    EXPECT_EQ(log.editCalls, 1);
}

TEST_F(ChannelFormTest, ActivationMarksSlotZero)
{
    WindowSlotTable& table = core.windowSlots;
    table.setSlotVisible(3, true);
    table.setSlotChecked(3, true);
    table.setSlotChecked(0, false);
    area->setActiveSubWindow(nullptr);
    area->setActiveSubWindow(form);
    EXPECT_TRUE(table.slot(0).checked);
    EXPECT_FALSE(table.slot(3).checked);
}

TEST_F(ChannelFormTest, FewerRowsKeepTheCursorOnAChannel)
{
    Focus(12, kEncodeColumn);
    core.EightChannelModel = true;
    form->LayoutChannelGrid(GridHeaderCaller::FileOpen);
    EXPECT_EQ(Cursor(), At(8, kEncodeColumn));
    EXPECT_EQ(Cell(0, kEncodeColumn), QStringLiteral(" QT/DQT Enc "));
    EXPECT_EQ(form->LastChannel(), 8);
}

TEST_F(ChannelFormTest, LanguageSwitchRetitlesTheHeaderAndTheToneLists)
{
    Program(2, kRxTx);
    core.LanguageChinese = true;
    form->ApplyGridHeader(GridHeaderCaller::Decoder);
    EXPECT_EQ(Cell(0, 0), QString::fromUtf8("信道编号"));
    EXPECT_EQ(Cell(0, kTxPowerColumn), QString::fromUtf8("发射功率"));
    EXPECT_EQ(Cell(7, 0), QStringLiteral("7"));  // row labels stay
    EXPECT_EQ(Grid()->rowCount(), 17);

    std::array<QString, 10> titles;
    titles.fill(QStringLiteral("t"));
    form->SetGridHeader(titles, {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000});
    EXPECT_EQ(Cell(0, kPttIdColumn), QStringLiteral("t"));
    EXPECT_EQ(form->ColumnWidthTwips(3), 400);
    EXPECT_EQ(Grid()->columnWidth(3), TwipsToPixelsX(400));

    form->SetControlCaptions();
    EXPECT_EQ(form->cmdChannelEdit()->text(), QString::fromUtf8("信道编辑(&E)"));
    form->RebuildToneLists();
    Focus(2, kDecodeColumn);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    EXPECT_EQ(List()->itemText(0), QString::fromUtf8("无"));
}

// --- Data operations -----------------------------------------------------------

TEST_F(ChannelFormTest, ClearChannelDataEmptiesRowAndRecordButNotTheScanAddBit)
{
    Program(3, kRxTx);
    core.image.setBit(layout::ScanAddBits, 2, true);
    form->ClearChannelData(3);
    EXPECT_EQ(Row(3).join(QString()), QString());
    for (int a = 0x030; a <= 0x03F; ++a)
        EXPECT_EQ(core.image.at(a), 0xFF) << a;
    EXPECT_TRUE(core.image.bit(layout::ScanAddBits, 2));
    EXPECT_EQ(core.channelRegisters.ChRxFreq, QString());

    const RadioImage before = core.image;
    form->ClearChannelData(17);
    form->ClearChannelData(0);
    EXPECT_TRUE(core.image == before);
}

TEST_F(ChannelFormTest, ResetChannelListHidesTheEditors)
{
    Focus(1, kRxFreqColumn);
    GridKey(Qt::Key_1);
    ASSERT_TRUE(TextBoxOpen());
    core.CurrentChannel = 7;
    form->ResetChannelList();
    EXPECT_FALSE(TextBoxOpen());
    EXPECT_EQ(core.CurrentChannel, 1);
    EXPECT_EQ(form->LabBlankChannel()->text(), QStringLiteral("256"));
}

// --- Closing ---------------------------------------------------------------------

TEST_F(ChannelFormTest, CloseBoxOnlyHidesTheWindow)
{
    SetEditorOpen(true);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(registry->window(0), form);
    EXPECT_TRUE(form->isHidden());
    EXPECT_FALSE(core.windowSlots.isOpen(ChannelFormOpen));
    EXPECT_FALSE(core.windowSlots.isOpen(ChannelEditFormOpen));
    EXPECT_FALSE(core.windowSlots.slot(0).visible);
    EXPECT_EQ(log.hideCalls, 1);
    EXPECT_EQ(log.unloadCalls, 0);

    // Opened again with the grid as it was.
    registry->OpenEditorWindow(0);
    EXPECT_EQ(registry->window(0), form);
    EXPECT_FALSE(form->isHidden());
}

TEST_F(ChannelFormTest, CloseButtonHidesAndUnloadsAnOpenEditor)
{
    SetEditorOpen(true);
    form->cmdClose()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(registry->window(0), form);
    EXPECT_TRUE(form->isHidden());
    EXPECT_FALSE(core.windowSlots.slot(0).visible);
    EXPECT_FALSE(core.windowSlots.windowMenuVisible());  // nothing else is open
    EXPECT_EQ(log.unloadCalls, 1);
}

TEST_F(ChannelFormTest, ClosingWhileExitingUnloads)
{
    core.life.AppExiting = true;
    QPointer<ChannelForm> guard(form);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(registry->window(0), nullptr);
    EXPECT_FALSE(core.windowSlots.isOpen(ChannelFormOpen));
}

}  // namespace
