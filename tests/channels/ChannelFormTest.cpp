// The channel list window inside a main window's MDI area, driven with key
// and mouse events as a user drives it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "ChannelTestSupport.h"
#include "channels/ChannelList.h"
#include "channels/ChannelRecord.h"
#include "channels/ui/ChannelForm.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ImageLayout.h"
#include "core/ui/EditorWindowRegistry.h"
#include "platform/ui/ScreenTwips.h"

using namespace zx;
using zx::test::Hex;
using zx::test::Record;

namespace {

// RX 146.12500 only, tones None, High, Wide, PTT ID Off, autodial 1.
const char* const kRxOnly = "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8";
// RX and TX 146.12500, decode and encode 67.0.
const char* const kRxTx = "00 25 61 14 00 25 61 14 9E 02 9E 02 00 BF B0 F8";

struct HookLog {
    bool editorOpen = false;
    std::vector<int> editorChannels;
    std::vector<std::pair<int, QString>> picks;
    std::vector<int> frequencyColumns;
    int enableCalls = 0;
    int clearCalls = 0;
    int showCalls = 0;
    int editCalls = 0;
    int hideCalls = 0;
    int unloadCalls = 0;
};

class ChannelFormTest : public ::testing::Test {
protected:
    void SetUp() override { Start(0x01, 0xF8); }

    void Start(std::uint8_t band, std::uint8_t variant)
    {
        core.image.setModelBandCode(band);
        core.image.setModelVariant(variant);
        core.InitAllFrameData();
        core.ApplyEightChannelRule();
        main.resize(1300, 900);
        area = new QMdiArea;
        main.setCentralWidget(area);
        registry = std::make_unique<EditorWindowRegistry>(area);
        registry->RegisterWindow(0, [this]() -> EditorWindowFrame* { return new ChannelForm(Hooks()); });
        WindowSlotTable& table = core.windowSlots;
        table.setOpen(ChannelFormOpen, true);
        table.setSlotVisible(0, true);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        QApplication::setActiveWindow(&main);
        form = static_cast<ChannelForm*>(registry->Load(0));
        form->show();
        area->setActiveSubWindow(form);
        form->DecodeAllChannels();
    }

    ChannelFormHooks Hooks()
    {
        ChannelFormHooks h;
        h.channelEditFormOpen = [this] { return log.editorOpen; };
        h.cmdChannelEdit_Click = [this] { ++log.editCalls; };
        h.SetEditorChannel = [this](int n) { log.editorChannels.push_back(n); };
        h.ShowChannelInEditor = [this] { ++log.showCalls; };
        h.ClearChannelEdit = [this] { ++log.clearCalls; };
        h.EnableChannelEdit = [this] { ++log.enableCalls; };
        h.MirrorFrequencyCommit = [this](int column, const FrequencyCommit&, bool) {
            log.frequencyColumns.push_back(column);
        };
        h.MirrorListPick = [this](int column, const QString& text) { log.picks.emplace_back(column, text); };
        h.HideChannelEditor = [this] { ++log.hideCalls; };
        h.UnloadChannelEditor = [this] { ++log.unloadCalls; };
        return h;
    }

    void Program(int channel, const char* hex)
    {
        WriteChannelRecord(core.image, channel, Record(hex));
        form->DecodeAllChannels();
    }

    QTableWidget* Grid() const { return form->ChannelGrid(); }
    QLineEdit* TextBox() const { return form->txtInputBox(); }
    QComboBox* List() const { return form->comInputStep(); }
    bool TextBoxOpen() const { return !TextBox()->isHidden(); }
    bool ListOpen() const { return !List()->isHidden(); }
    QString Cell(int row, int column) const { return Grid()->item(row, column)->text(); }
    QStringList Row(int row) const
    {
        QStringList texts;
        for (int c = 1; c <= 9; ++c)
            texts << Cell(row, c);
        return texts;
    }
    std::pair<int, int> Cursor() const { return {Grid()->currentRow(), Grid()->currentColumn()}; }
    QByteArray RecordHex(int channel) const { return Hex(ReadChannelRecord(core.image, channel)); }

    void Focus(int row, int column)
    {
        Grid()->setCurrentCell(row, column);
        Grid()->setFocus();
    }
    // A key on the grid, as it arrives with the grid focused.
    void GridKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Grid(), static_cast<Qt::Key>(key), modifiers);
    }
    // A key to whatever has the focus (an open editor).
    void Key(int key)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key));
    }
    void Type(const QString& text)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClicks(focus, text);
    }
    void ClickCell(int row, int column)
    {
        const QRect r = Grid()->visualRect(Grid()->model()->index(row, column));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, r.center());
    }

    AppCore core;
    test::ScriptedPrompts prompts;
    HookLog log;
    QMainWindow main;
    QMdiArea* area = nullptr;
    std::unique_ptr<EditorWindowRegistry> registry;
    ChannelForm* form = nullptr;
};

// --- Layout ----------------------------------------------------------------

TEST_F(ChannelFormTest, LayoutOfSixteenChannels)
{
    ASSERT_EQ(Grid()->rowCount(), 17);
    ASSERT_EQ(Grid()->columnCount(), 10);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("Channel No."));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("RX Frequency"));
    EXPECT_EQ(Cell(0, 9), QStringLiteral("PTT ID"));
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
    EXPECT_EQ(Cell(0, 8), QStringLiteral(" Opt Signal "));
    EXPECT_EQ(Cell(8, 0), QStringLiteral("8"));
    EXPECT_EQ(form->LabBlankChannel()->text(), QStringLiteral("128"));
}

TEST_F(ChannelFormTest, CompletedTransferLaysTheGridOutForTheImagesModel)
{
    core.image.setBit(layout::ScanAddBits, 2, true);
    Program(3, kRxOnly);
    core.image.setModelVariant(0xF9);  // band 0x01 with F9: eight channels
    core.link.TransferMode = 55;
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
    EXPECT_EQ(Cursor(), std::make_pair(4, c.editColumn));
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
        KeyCase{"DigitOnEmptyTxStartsRx", false, 2, Qt::Key_7, {}, 1, 1, "7"},
        KeyCase{"DigitOnRx", false, 1, Qt::Key_3, {}, 1, 1, "3"},
        KeyCase{"KeypadDigit", false, 1, Qt::Key_5, Qt::KeypadModifier, 1, 1, "5"},
        KeyCase{"DeleteTypesPoint", false, 1, Qt::Key_Delete, {}, 1, 1, "."},
        KeyCase{"KeypadPointTypesPoint", false, 1, Qt::Key_Period, Qt::KeypadModifier, 1, 1, "."},
        KeyCase{"MainPointTypesNothing", false, 1, Qt::Key_Period, {}, 0, 1, ""},
        KeyCase{"DigitOnEmptyDecodeOpensRxEmpty", false, 3, Qt::Key_7, {}, 1, 1, ""},
        KeyCase{"DigitOnEmptyEncodeOpensRxEmpty", false, 4, Qt::Key_7, {}, 1, 1, ""},
        KeyCase{"LetterOnEmptyDecodeOpensRxEmpty", false, 3, Qt::Key_D, {}, 1, 1, ""},
        KeyCase{"LetterInRxDoesNothing", false, 1, Qt::Key_D, {}, 0, 1, ""},
        KeyCase{"DigitOnProgrammedTx", true, 2, Qt::Key_4, {}, 1, 2, "4"},
        KeyCase{"DInDecodeOpensTheList", true, 3, Qt::Key_D, {}, 2, 3, "D"},
        KeyCase{"DigitInEncode", true, 4, Qt::Key_8, {}, 2, 4, "8"},
        KeyCase{"IInEncode", true, 4, Qt::Key_I, Qt::ShiftModifier, 2, 4, "I"},
        KeyCase{"DInTxPowerDoesNothing", true, 5, Qt::Key_D, {}, 0, 5, ""},
        KeyCase{"DigitInPttIdDoesNothing", true, 9, Qt::Key_1, {}, 0, 9, ""},
        KeyCase{"OtherLetterDoesNothing", true, 3, Qt::Key_A, {}, 0, 3, ""}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(ChannelFormTest, DigitOnEncodeOfAChannelWithoutTxOpensTheTxEntryEmpty)
{
    Program(4, kRxOnly);
    Focus(4, 4);
    GridKey(Qt::Key_7);
    ASSERT_TRUE(TextBoxOpen());
    EXPECT_EQ(Cursor(), std::make_pair(4, 2));
    EXPECT_EQ(TextBox()->text(), QString());
}

TEST_F(ChannelFormTest, ClickAndEnterRedirectEmptyRowsAndMissingTx)
{
    ClickCell(6, 3);  // decode cell of an empty channel
    EXPECT_EQ(Cursor(), std::make_pair(6, 1));
    EXPECT_TRUE(TextBoxOpen());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(TextBoxOpen());

    Program(7, kRxOnly);
    ClickCell(7, 4);  // encode cell without TX
    EXPECT_EQ(Cursor(), std::make_pair(7, 2));
    EXPECT_TRUE(TextBoxOpen());
    Key(Qt::Key_Escape);

    Focus(8, 6);
    GridKey(Qt::Key_Return);  // empty channel
    EXPECT_EQ(Cursor(), std::make_pair(8, 1));
    EXPECT_TRUE(TextBoxOpen());
}

TEST_F(ChannelFormTest, FixedCellsAreNeverCurrent)
{
    Focus(1, 1);
    GridKey(Qt::Key_Up);
    GridKey(Qt::Key_Left);
    EXPECT_EQ(Cursor(), std::make_pair(1, 1));
    ClickCell(0, 3);
    ClickCell(5, 0);
    EXPECT_EQ(Cursor(), std::make_pair(1, 1));
    EXPECT_FALSE(TextBoxOpen());
}

// --- Frequency commits -------------------------------------------------------

TEST_F(ChannelFormTest, NinthCharacterCommitsANewChannelAtOnce)
{
    core.image.setBit(layout::ScanAddBits, 2, false);
    Focus(3, 1);
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
    EXPECT_EQ(Cursor(), std::make_pair(3, 2));
    EXPECT_EQ(form->CellTextBefore(), QStringLiteral("146.12500"));
}

TEST_F(ChannelFormTest, TypedFrequencySnapsOnEnter)
{
    Focus(2, 1);
    GridKey(Qt::Key_1);
    Type("46.003");
    EXPECT_EQ(Cell(2, 1), QStringLiteral("146.003"));  // the cell shows what is typed
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(2, 1), QStringLiteral("146.00500"));
    EXPECT_EQ(RecordHex(2).left(11), QByteArray("00 05 60 14"));
    EXPECT_EQ(Cursor(), std::make_pair(2, 2));
}

TEST_F(ChannelFormTest, LettersAreDroppedInTheTextBox)
{
    Focus(2, 1);
    GridKey(Qt::Key_1);
    Type("4a6b.-c5");
    EXPECT_EQ(TextBox()->text(), QStringLiteral("146.5"));
}

TEST_F(ChannelFormTest, OutOfRangeShowsTheCautionAndTakesTheLimit)
{
    Focus(1, 1);
    GridKey(Qt::Key_1);
    Type("80");
    Key(Qt::Key_Return);
    ASSERT_EQ(prompts.messages().size(), 1u);
    const MessageRequest& m = prompts.messages()[0];
    EXPECT_EQ(m.text, QStringLiteral("Frequency is out of range."));
    EXPECT_EQ(m.title, QStringLiteral("Caution"));
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("174.00000"));
    EXPECT_EQ(RecordHex(1).left(11), QByteArray("00 00 40 17"));

    // A limit itself is inside the band.
    prompts.clear();
    Focus(2, 1);
    GridKey(Qt::Key_1);
    Type("36");
    Key(Qt::Key_Return);
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(Cell(2, 1), QStringLiteral("136.00000"));
}

TEST_F(ChannelFormTest, RangeMessageInChinese)
{
    core.LanguageChinese = true;
    Focus(1, 1);
    GridKey(Qt::Key_9);
    Key(Qt::Key_Return);
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, QString::fromUtf8("频率超出范围。"));
    EXPECT_EQ(prompts.messages()[0].title, QString::fromUtf8("注意"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("136.00000"));
}

TEST_F(ChannelFormTest, GridChecksAgainstTheGridBandTable)
{
    // Band 0x21: the grid's table gives 400-480 MHz whatever limits were set.
    core.image.setModelBandCode(0x21);
    core.BandLowerMHz = 450;
    core.BandUpperMHz = 490;
    Focus(1, 1);
    GridKey(Qt::Key_4);
    Type("10");
    Key(Qt::Key_Return);
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(Cell(1, 1), QStringLiteral("410.00000"));
    EXPECT_EQ(core.BandLowerMHz, 400);
    EXPECT_EQ(core.BandUpperMHz, 480);
}

TEST_F(ChannelFormTest, EmptyingRxDeletesTheChannelAndKeepsItsScanAddBit)
{
    Program(5, kRxTx);
    const std::uint8_t scanBefore = core.image.at(layout::ScanAddBits);
    Focus(5, 1);
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
    ASSERT_EQ(Cell(5, 4), QStringLiteral("67.0"));
    Focus(5, 2);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(5, 2), QString());
    EXPECT_EQ(Cell(5, 4), QStringLiteral("None"));
    EXPECT_EQ(RecordHex(5), QByteArray("00 25 61 14 FF FF FF FF 9E 02 FF FF 00 BF B0 F8"));
    EXPECT_EQ(Cursor(), std::make_pair(5, 3));
}

TEST_F(ChannelFormTest, EscRestoresTheOldTextAndCommitsIt)
{
    Program(2, kRxOnly);
    Focus(2, 1);
    GridKey(Qt::Key_1);
    Type("5");
    EXPECT_EQ(Cell(2, 1), QStringLiteral("15"));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(TextBoxOpen());
    EXPECT_EQ(Cell(2, 1), QStringLiteral("146.12500"));
    EXPECT_EQ(RecordHex(2), QByteArray(kRxOnly));
    EXPECT_EQ(Cursor(), std::make_pair(2, 2));

    // A value committed at its ninth character is what Esc restores.
    Focus(2, 1);
    GridKey(Qt::Key_1);
    Type("50.00000");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Cell(2, 1), QStringLiteral("150.00000"));
    EXPECT_EQ(RecordHex(2).left(11), QByteArray("00 00 00 15"));
}

TEST_F(ChannelFormTest, LeavingTheTextBoxByClickCommits)
{
    Focus(2, 1);
    GridKey(Qt::Key_1);
    Type("46.1");
    ClickCell(9, 5);  // empty channel: redirected to its RX cell
    EXPECT_EQ(Cell(2, 1), QStringLiteral("146.10000"));
    EXPECT_EQ(RecordHex(2).left(11), QByteArray("00 00 61 14"));
    EXPECT_EQ(Cursor(), std::make_pair(9, 1));
    EXPECT_TRUE(TextBoxOpen());
}

TEST_F(ChannelFormTest, ScrollingPutsTheCellTextBack)
{
    Program(2, kRxOnly);
    for (int r = 0; r < Grid()->rowCount(); ++r)
        Grid()->setRowHeight(r, 60);  // taller rows: the grid scrolls
    QCoreApplication::processEvents();  // the scroll range follows the layout
    ASSERT_GT(Grid()->verticalScrollBar()->maximum(), 0);
    Focus(2, 1);
    GridKey(Qt::Key_1);
    Type("3");
    Grid()->verticalScrollBar()->setValue(1);
    EXPECT_FALSE(TextBoxOpen());
    EXPECT_EQ(Cell(2, 1), QStringLiteral("146.12500"));
    EXPECT_EQ(RecordHex(2), QByteArray(kRxOnly));
}

TEST_F(ChannelFormTest, ScrollingCommitsWhatTheListShowsAndMovesOn)
{
    Program(2, kRxOnly);
    for (int r = 0; r < Grid()->rowCount(); ++r)
        Grid()->setRowHeight(r, 60);
    QCoreApplication::processEvents();
    ASSERT_GT(Grid()->verticalScrollBar()->maximum(), 0);
    Focus(2, 3);
    GridKey(Qt::Key_D);
    Type("23");
    Grid()->verticalScrollBar()->setValue(1);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(Cell(2, 3), QStringLiteral("D023N"));
    EXPECT_EQ(RecordHex(2).mid(24, 5), QByteArray("13 28"));
    EXPECT_EQ(Cursor(), std::make_pair(2, 5));  // no TX: the encode cell is passed over
}

TEST_F(ChannelFormTest, StoredFullFrequencyIsCommittedWhenItsEditorOpens)
{
    // 440.00625 lies outside band 0x01: opening its editor commits it at once.
    Program(2, "25 06 00 44 FF FF FF FF FF FF FF FF 00 BF B0 F8");
    Focus(2, 1);
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
    EXPECT_EQ(Cell(2, 1), QStringLiteral("174.00000"));
}

// --- List cells --------------------------------------------------------------

TEST_F(ChannelFormTest, UpAndDownCommitAtOnceAndStopAtTheEnds)
{
    Program(1, kRxTx);
    Focus(1, 5);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    EXPECT_EQ(List()->count(), 2);
    EXPECT_EQ(List()->currentText(), QStringLiteral("High"));
    Key(Qt::Key_Down);
    EXPECT_EQ(Cell(1, 5), QStringLiteral("Low"));
    const QByteArray low = RecordHex(1);
    EXPECT_NE(low, QByteArray(kRxTx));
    Key(Qt::Key_Down);  // already the last entry
    EXPECT_EQ(List()->currentText(), QStringLiteral("Low"));
    EXPECT_EQ(RecordHex(1), low);
    Key(Qt::Key_Up);
    EXPECT_EQ(Cell(1, 5), QStringLiteral("High"));
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
        {6, {"Narrow", "Wide"}},
        {7, {"Yes", "No"}},
        {8, {"None", "DTMF", "FleetSync"}},
        {9, {"Off", "On"}},
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
    Focus(1, 9);
    GridKey(Qt::Key_Return);
    ASSERT_EQ(List()->count(), 10);
    EXPECT_EQ(List()->itemText(1), QStringLiteral("Own"));
    EXPECT_EQ(List()->itemText(9), QStringLiteral("Fleet List 8"));
}

TEST_F(ChannelFormTest, EnterInThePttColumnMovesToTheNextRowButNotPastTheLast)
{
    Program(5, kRxTx);
    Program(16, kRxTx);
    Focus(5, 9);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    Key(Qt::Key_Return);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(Cursor(), std::make_pair(6, 1));

    Focus(16, 9);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    Key(Qt::Key_Return);
    EXPECT_EQ(Cursor(), std::make_pair(16, 9));
    EXPECT_EQ(QApplication::focusWidget(), Grid());
}

TEST_F(ChannelFormTest, EnterInDecodeWithoutTxPassesOverEncode)
{
    Program(3, kRxOnly);
    Focus(3, 3);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Return);
    EXPECT_EQ(Cursor(), std::make_pair(3, 5));

    Program(4, kRxTx);
    Focus(4, 3);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Escape);  // Esc in a list moves on as Enter does
    EXPECT_EQ(Cursor(), std::make_pair(4, 4));
}

TEST_F(ChannelFormTest, WalkingThroughOddBytesWithEnterLeavesThem)
{
    // A digit above 9 in RX and TX, decode 25.6 Hz, encode bit 7 without bit 5:
    // bytes this program never writes stay as long as their cells are not edited.
    const char* const odd = "0A 00 00 14 0A 00 00 14 00 01 00 80 00 BF B0 F8";
    Program(2, odd);
    ASSERT_EQ(Row(2).mid(0, 4), (QStringList{"140.00010", "140.00010", "25.6", "3276.8"}));
    Focus(2, 1);
    for (int column = 1; column <= 4; ++column) {
        GridKey(Qt::Key_Return);
        ASSERT_TRUE(TextBoxOpen() || ListOpen()) << column;
        Key(column == 4 ? Qt::Key_Escape : Qt::Key_Return);
    }
    EXPECT_EQ(Cursor(), std::make_pair(2, 5));
    EXPECT_TRUE(prompts.messages().empty());
    EXPECT_EQ(Row(2).mid(0, 4), (QStringList{"140.00010", "140.00010", "25.6", "3276.8"}));
    EXPECT_EQ(RecordHex(2), QByteArray(odd));
}

TEST_F(ChannelFormTest, EscInTheListCommitsATypedTone)
{
    Program(3, kRxTx);
    Focus(3, 4);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    Type("d754i");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(Cell(3, 4), QStringLiteral("D754I"));
    EXPECT_EQ(RecordHex(3).mid(30, 5), QByteArray("EC A9"));
    EXPECT_EQ(Cursor(), std::make_pair(3, 5));
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
    Focus(8, 9);
    GridKey(Qt::Key_Return);
    ASSERT_TRUE(ListOpen());
    Key(Qt::Key_Return);
    EXPECT_EQ(Cursor(), std::make_pair(8, 9));
    Focus(7, 9);
    GridKey(Qt::Key_Return);
    Key(Qt::Key_Return);
    EXPECT_EQ(Cursor(), std::make_pair(8, 1));
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
        {3, "d23", "D023N", "13 28"},
        {4, "88.57", "88.5", "75 03"},
        {3, "D9999", "D777N", "FF 29"},
        {4, "300", "254.1", "ED 09"},
    };
    for (const Case& c : cases) {
        Focus(3, c.column);
        GridKey(Qt::Key_Return);
        ASSERT_TRUE(ListOpen());
        EXPECT_EQ(List()->lineEdit()->selectedText(), List()->currentText());  // typing replaces it
        Type(c.typed);
        Key(Qt::Key_Return);
        EXPECT_EQ(Cell(3, c.column), QString::fromLatin1(c.shown)) << c.typed;
        const int offset = c.column == 3 ? 8 : 10;
        EXPECT_EQ(RecordHex(3).mid(offset * 3, 5), QByteArray(c.bytes)) << c.typed;
    }
}

TEST_F(ChannelFormTest, ToneTextTakesAtMostFiveCharacters)
{
    Program(3, kRxTx);
    Focus(3, 3);
    GridKey(Qt::Key_D);
    Type("1234x5");
    EXPECT_EQ(List()->currentText(), QStringLiteral("D1234"));
}

TEST_F(ChannelFormTest, ToneThatIsNoEntryOpensUnchangedAndDownPicksNone)
{
    Program(3, kRxTx);
    Focus(3, 3);
    GridKey(Qt::Key_8);
    Type("8.6");
    Key(Qt::Key_Return);
    ASSERT_EQ(Cell(3, 3), QStringLiteral("88.6"));
    Focus(3, 3);
    GridKey(Qt::Key_Return);
    EXPECT_EQ(List()->currentText(), QStringLiteral("88.6"));
    EXPECT_EQ(List()->count(), 265);
    Key(Qt::Key_Down);
    EXPECT_EQ(Cell(3, 3), QStringLiteral("None"));
    EXPECT_EQ(RecordHex(3).mid(24, 5), QByteArray("FF FF"));
}

// --- Cell entry, captions, hooks ----------------------------------------------

TEST_F(ChannelFormTest, EnteringACellCaptionsTheWindowAndSlotZero)
{
    ClickCell(5, 3);
    const QString caption = QStringLiteral(" Channel Information [ Channel - 5 ]");
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(core.windowSlots.slot(0).caption, caption);
    EXPECT_EQ(core.GridChannel, 5);
    EXPECT_EQ(core.CurrentChannel, 5);
    EXPECT_EQ(form->GridColumn(), 1);  // redirected to the RX cell of the empty channel
    EXPECT_EQ(Grid()->property(kHelpContextIdProperty).toInt(), 4101);
}

TEST_F(ChannelFormTest, WithoutAnOpenEditorNoEditorHookRuns)
{
    Program(2, kRxTx);
    Focus(2, 5);
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
    log.editorOpen = true;
    Focus(2, 5);
    EXPECT_EQ(log.editorChannels, std::vector<int>{2});
    GridKey(Qt::Key_Return);
    EXPECT_EQ(log.showCalls, 1);
    Key(Qt::Key_Down);
    ASSERT_FALSE(log.picks.empty());
    EXPECT_EQ(log.picks.back(), std::make_pair(5, QStringLiteral("Low")));
    Key(Qt::Key_Return);

    Focus(3, 1);
    GridKey(Qt::Key_1);
    EXPECT_EQ(log.clearCalls, 1);  // empty row
    Type("46.5");
    Key(Qt::Key_Return);
    EXPECT_EQ(log.enableCalls, 1);
    EXPECT_EQ(log.frequencyColumns, std::vector<int>{1});
    EXPECT_EQ(Cell(3, 1), QStringLiteral("146.50000"));

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
    Focus(12, 4);
    core.EightChannelModel = true;
    form->LayoutChannelGrid(GridHeaderCaller::FileOpen);
    EXPECT_EQ(Cursor(), std::make_pair(8, 4));
    EXPECT_EQ(Cell(0, 4), QStringLiteral(" QT/DQT Enc "));
    EXPECT_EQ(form->LastChannel(), 8);
}

TEST_F(ChannelFormTest, LanguageSwitchRetitlesTheHeaderAndTheToneLists)
{
    Program(2, kRxTx);
    core.LanguageChinese = true;
    form->ApplyGridHeader(GridHeaderCaller::Decoder);
    EXPECT_EQ(Cell(0, 0), QString::fromUtf8("信道编号"));
    EXPECT_EQ(Cell(0, 5), QString::fromUtf8("发射功率"));
    EXPECT_EQ(Cell(7, 0), QStringLiteral("7"));  // row labels stay
    EXPECT_EQ(Grid()->rowCount(), 17);

    std::array<QString, 10> titles;
    titles.fill(QStringLiteral("t"));
    form->SetGridHeader(titles, {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000});
    EXPECT_EQ(Cell(0, 9), QStringLiteral("t"));
    EXPECT_EQ(form->ColumnWidthTwips(3), 400);
    EXPECT_EQ(Grid()->columnWidth(3), TwipsToPixelsX(400));

    form->SetControlCaptions();
    EXPECT_EQ(form->cmdChannelEdit()->text(), QString::fromUtf8("信道编辑(&E)"));
    form->RebuildToneLists();
    Focus(2, 3);
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
    Focus(1, 1);
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
    log.editorOpen = true;
    core.windowSlots.setOpen(ChannelEditFormOpen, true);
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
    log.editorOpen = true;
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
