// The channel editor window through the real main window: the hand-off from
// the channel list, the channel load and its byte-12 rules, the navigation,
// the frequency fields, the commit and closing.
#include "ChannelEditFixture.h"

#include <QLabel>
#include <QMdiArea>

#include "channels/ChannelEditRules.h"
#include "core/HelpTopicTable.h"
#include "core/ui/EditorWindowRegistry.h"
#include "platform/ui/ScreenTwips.h"

namespace zx::test {
namespace {

class ChannelEditFormTest : public ChannelEditTest {
protected:
    // The editor open on channel 2 of a VHF image, a channel with only an RX.
    void OpenOnAPlainChannel()
    {
        UseModel(0x01);
        Program(2, kPlainRx);
        OpenEditor(2);
    }
    // Whether the editor window is gone once the deferred deletes have run.
    bool EditorUnloaded()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return main->windows().window(8) == nullptr;
    }
};

// --- Opening -----------------------------------------------------------------

TEST_F(ChannelEditFormTest, ChannelEditOnAnEmptyChannelShowsTheBlankState)
{
    UseModel(0x01);
    ASSERT_NE(OpenEditor(4), nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), " Channel Edit");
    EXPECT_EQ(editor->txtChannel()->text(), "4");
    const WindowSlot& slot = core.windowSlots.slot(8);
    EXPECT_TRUE(slot.visible);
    EXPECT_TRUE(slot.checked);
    EXPECT_EQ(slot.caption, " Channel Edit");
    EXPECT_FALSE(core.windowSlots.slot(0).checked);
    EXPECT_TRUE(core.windowSlots.isOpen(ChannelEditFormOpen));

    EXPECT_TRUE(editor->txtChannel()->isEnabled());
    EXPECT_TRUE(editor->txtRxFreq()->isEnabled());
    EXPECT_TRUE(editor->cmdOK()->isEnabled());
    EXPECT_TRUE(editor->txtRxFreq()->text().isEmpty());
    EXPECT_FALSE(editor->txtTxFreq()->isEnabled());
    EXPECT_TRUE(BaseIsButtonFace(editor->txtTxFreq()));
    for (QComboBox* box : {editor->ComDecode(), editor->ComEncode(), editor->ComSelSignal(), editor->ComSPMute(),
                           editor->ComTxPower(), editor->ComWideNarrow(), editor->ComBusyLock(), editor->ComPTTID(),
                           editor->ComAutoDial()}) {
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
        EXPECT_TRUE(box->currentText().isEmpty()) << box->objectName().toStdString();
        EXPECT_TRUE(BaseIsButtonFace(box)) << box->objectName().toStdString();
    }
    for (QCheckBox* box : {editor->ChkShift(), editor->ChkScanAdd(), editor->ChkPriorityChannel(), editor->ChkYaKuo()}) {
        EXPECT_FALSE(box->isEnabled());
        EXPECT_FALSE(box->isChecked());
    }
}

TEST_F(ChannelEditFormTest, TheWindowCarriesItsCaptionsListsAndHelpIds)
{
    UseModel(0x01);
    Program(2, kToneRxTx);
    OpenEditor(2);
    EXPECT_EQ(editor->findChild<QLabel*>("LabChannel")->text(), "Channel");
    EXPECT_EQ(editor->findChild<QLabel*>("LabBusyLock")->text(), "Busy Channel Lockout");
    EXPECT_EQ(editor->findChild<QLabel*>("LabPTTID")->text(), "PTT ID");
    EXPECT_EQ(editor->ChkYaKuo()->text(), "Compander");
    EXPECT_EQ(editor->cmdOK()->text(), "&Close");
    EXPECT_FALSE(editor->cmdHelp()->isVisible());
    EXPECT_EQ(editor->ComDecode()->count(), 265);
    EXPECT_EQ(editor->ComDecode()->itemText(0), "None");
    EXPECT_EQ(editor->ComWideNarrow()->itemText(0), "Narrow");
    EXPECT_EQ(editor->ComWideNarrow()->itemText(1), "Wide");
    EXPECT_EQ(editor->ComAutoDial()->count(), 8);
    EXPECT_EQ(editor->ComPTTID()->count(), 2);
    EXPECT_EQ(editor->txtChannel()->property(kHelpContextIdProperty).toInt(), 4111);
    EXPECT_EQ(editor->ComAutoDial()->property(kHelpContextIdProperty).toInt(), 4117);
    EXPECT_EQ(editor->width(), TwipsToPixelsX(6570));
    EXPECT_EQ(HelpPageForContext(4112, 4110), "chedit");
    // A programmed channel: enabled fields in the window colour.
    EXPECT_TRUE(editor->ComSPMute()->isEnabled());
    EXPECT_FALSE(BaseIsButtonFace(editor->ComSPMute()));
    EXPECT_EQ(editor->txtRxFreq()->text(), "146.12500");
    EXPECT_EQ(editor->ComDecode()->currentText(), "67.0");
    EXPECT_EQ(editor->ComTxPower()->currentText(), "High");
    EXPECT_EQ(editor->ComWideNarrow()->currentText(), "Wide");
}

TEST_F(ChannelEditFormTest, AFleetSyncListFollowsThePttIdTypeAtLoad)
{
    UseModel(0x01);
    core.image.set(layout::PttIdType, 1);
    Program(2, "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B9 F8");  // Fleet List 8
    Program(3, "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B1 F8");  // Own
    OpenEditor(2);
    ASSERT_EQ(editor->ComPTTID()->count(), 10);
    EXPECT_EQ(editor->ComPTTID()->itemText(9), "Fleet List 8");
    EXPECT_EQ(editor->ComPTTID()->currentIndex(), 9);
    Key(editor->txtChannel(), Qt::Key_Up);
    EXPECT_EQ(editor->ComPTTID()->currentIndex(), 1);
    EXPECT_EQ(core.channelRegisters.ChPttId, "Own");
}

// --- The channel box -------------------------------------------------------

struct ChannelBoxCase {
    const char* typed;
    bool eight;
    int shown;
};

TEST_F(ChannelEditFormTest, TypedChannelNumbersAreNormalised)
{
    // Typed over the whole box: "0" already shows channel 1, so "05" types
    // 1 then 15.
    const ChannelBoxCase cases[] = {{"0", false, 1}, {"17", false, 16}, {"99", false, 16}, {"05", false, 15},
                                    {"9", true, 8},  {"16", true, 8},   {"3", true, 3}};
    for (const ChannelBoxCase& c : cases) {
        UseModel(c.eight ? 0x01 : 0x01, c.eight ? 0xF9 : 0xF8);
        ASSERT_EQ(core.EightChannelModel, c.eight);
        OpenEditor(1);
        editor->txtChannel()->selectAll();
        Type(editor->txtChannel(), QString::fromLatin1(c.typed));
        EXPECT_EQ(editor->txtChannel()->text(), QString::number(c.shown)) << c.typed;
        EXPECT_EQ(editor->ShownChannel(), c.shown) << c.typed;
    }
    // A number assigned from outside is written back without leading zeros.
    editor->txtChannel()->setText("05");
    EXPECT_EQ(editor->txtChannel()->text(), "5");
}

TEST_F(ChannelEditFormTest, TheChannelBoxTakesTwoDigitsAndNoBackspace)
{
    UseModel(0x01);
    OpenEditor(1);
    QLineEdit* box = editor->txtChannel();
    box->setText("1");
    box->end(false);
    Type(box, "2");
    EXPECT_EQ(box->text(), "12");
    Type(box, "3");  // a third digit without a selection
    EXPECT_EQ(box->text(), "12");
    Key(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "12");
    box->setSelection(1, 1);
    Type(box, "4");  // replaces the selected digit
    EXPECT_EQ(box->text(), "14");
    box->selectAll();
    Key(box, Qt::Key_Delete);  // deleting everything shows channel 1
    EXPECT_EQ(box->text(), "1");
    Type(box, "x");
    EXPECT_EQ(box->text(), "1");
}

TEST_F(ChannelEditFormTest, UpAndDownWrapAroundWithKeysAndStepButtons)
{
    for (const bool eight : {false, true}) {
        UseModel(0x01, eight ? 0xF9 : 0xF8);
        const QString last = eight ? "8" : "16";
        OpenEditor(1);
        QLineEdit* box = editor->txtChannel();
        box->setText(last);
        Key(box, Qt::Key_Up);
        EXPECT_EQ(box->text(), "1");
        EXPECT_EQ(box->selectedText(), "1");
        Key(box, Qt::Key_Down);
        EXPECT_EQ(box->text(), last);
        Key(box, Qt::Key_Down);
        EXPECT_EQ(box->text(), eight ? "7" : "15");

        box->setText(last);
        QTest::mouseClick(editor->UpDown1Up(), Qt::LeftButton);
        EXPECT_EQ(box->text(), "1");
        QTest::mouseClick(editor->UpDown1Down(), Qt::LeftButton);
        EXPECT_EQ(box->text(), last);
        QTest::mouseClick(editor->UpDown1Up(), Qt::LeftButton);
        QTest::mouseClick(editor->UpDown1Up(), Qt::LeftButton);
        EXPECT_EQ(box->text(), "2");
    }
}

TEST_F(ChannelEditFormTest, ALoadCaptionsTheChannelListAndSlotZero)
{
    UseModel(0x01);
    OpenEditor(1);
    editor->txtChannel()->setText("5");
    EXPECT_EQ(List().windowTitle(), " Channel Information [ Channel - 5 ]");
    EXPECT_EQ(core.windowSlots.slot(0).caption, " Channel Information [ Channel - 5 ]");
}

TEST_F(ChannelEditFormTest, SteppingShowsEachChannelsOwnSettings)
{
    UseModel(0x01);
    Program(2, "00 25 61 14 FF FF FF FF FF FF FF FF 01 FF B0 FC");  // compander, beat shift, autodial 5
    Program(3, kPlainRx);
    OpenEditor(2);
    EXPECT_TRUE(editor->ChkYaKuo()->isChecked());
    EXPECT_TRUE(editor->ChkShift()->isChecked());
    EXPECT_EQ(editor->ComAutoDial()->currentText(), "5");
    EXPECT_TRUE(core.channelRegisters.ChCompander);
    EXPECT_TRUE(core.channelRegisters.ChBeatShift);
    EXPECT_EQ(core.channelRegisters.ChAutoDial, "5");

    Key(editor->txtChannel(), Qt::Key_Up);
    EXPECT_EQ(editor->txtRxFreq()->text(), "146.12500");
    EXPECT_FALSE(editor->ChkYaKuo()->isChecked());
    EXPECT_FALSE(core.channelRegisters.ChCompander);
    EXPECT_FALSE(core.channelRegisters.ChBeatShift);
    EXPECT_EQ(core.channelRegisters.ChAutoDial, "1");
    EXPECT_FALSE(editor->ComEncode()->isEnabled());
    EXPECT_EQ(editor->ComEncode()->currentText(), "None");

    Key(editor->txtChannel(), Qt::Key_Up);  // channel 4 is empty
    EXPECT_TRUE(editor->txtRxFreq()->text().isEmpty());
    EXPECT_FALSE(editor->ComDecode()->isEnabled());
    // Stepping back mirrors channel 2 again, and the load wrote nothing.
    const RadioImage before = core.image;
    Key(editor->txtChannel(), Qt::Key_Down);
    Key(editor->txtChannel(), Qt::Key_Down);
    EXPECT_TRUE(editor->ChkYaKuo()->isChecked());
    EXPECT_TRUE(core.image == before);
}

// --- Byte 12 at the load -------------------------------------------------------

struct FlagsCase {
    const char* name;
    const char* decode;  // record bytes 8-9
    std::uint8_t flagsA;
    const char* spShown;
    const char* busyShown;
    std::uint8_t flagsAfter;
};

TEST_F(ChannelEditFormTest, TheLoadShowsStoredMuteAndLockCodesAndStoresWhatTheShapeLacks)
{
    // Byte 12: bits 1-2 signalling (01 DTMF), 3-4 busy lockout, 5-6 SP mute.
    const FlagsCase cases[] = {
        {"None/None busy 2", "FF FF", 0x10, "Carrier", "Off", 0x00},
        {"None/None busy 3", "FF FF", 0x18, "Carrier", "Off", 0x00},
        {"tone/DTMF busy 3", "9E 02", 0x1A, "QT/DQT", "Option Signalling", 0x1A},
        {"None/DTMF busy 3", "FF FF", 0x1A, "Carrier", "Option Signalling", 0x1A},
        {"None/DTMF busy 2", "FF FF", 0x12, "Carrier", "Off", 0x02},
        {"None/None SP 1", "FF FF", 0x20, "Carrier", "Off", 0x00},
        {"tone/None SP 1", "9E 02", 0x20, "QT/DQT", "Off", 0x00},
        {"tone/None busy 2", "9E 02", 0x10, "QT/DQT", "QT/DQT", 0x10},
        {"None/DTMF SP 2", "FF FF", 0x42, "Carrier or Opt.Sig.", "Off", 0x42},
        {"None/None SP 3", "FF FF", 0x60, "", "Off", 0x60},
    };
    UseModel(0x01);
    for (const FlagsCase& c : cases) {
        const QByteArray hex = QByteArray("00 25 61 14 FF FF FF FF ") + c.decode + " FF FF "
                               + QByteArray::number(c.flagsA, 16).rightJustified(2, '0') + " BF B0 F8";
        Program(5, hex.constData());
        Program(6, kPlainRx);
        if (!editor)
            OpenEditor(6);
        editor->txtChannel()->setText("6");
        editor->txtChannel()->setText("5");
        EXPECT_EQ(editor->ComSPMute()->currentText(), QString::fromLatin1(c.spShown)) << c.name;
        EXPECT_EQ(editor->ComBusyLock()->currentText(), QString::fromLatin1(c.busyShown)) << c.name;
        EXPECT_EQ(Byte(5, 12), c.flagsAfter) << c.name;
        EXPECT_EQ(core.channelRegisters.ChBusyLock, QString::fromLatin1(c.busyShown)) << c.name;
    }
}

TEST_F(ChannelEditFormTest, ListShapesFollowDecodeAndSignalling)
{
    const bool en = false;
    EXPECT_EQ(BusyLockEntries(MuteLockShape::CarrierWithSignal, en),
              QStringList({"Off", "Carrier", "Option Signalling"}));
    EXPECT_EQ(BusyLockCodes(MuteLockShape::CarrierWithSignal), std::vector<int>({0, 1, 3}));
    EXPECT_EQ(BusyLockEntries(MuteLockShape::ToneOnly, en), QStringList({"Off", "Carrier", "QT/DQT"}));
    EXPECT_EQ(SpMuteEntries(MuteLockShape::ToneWithSignal, en),
              QStringList({"QT/DQT", "QT/DQT + Opt.Sig.", "QT/DQT or Opt.Sig."}));
    EXPECT_EQ(MuteLockShapeOf("None", "", en), MuteLockShape::CarrierWithSignal);  // empty counts as set
    EXPECT_EQ(MuteLockShapeOf("67.0", "None", en), MuteLockShape::ToneOnly);
    EXPECT_EQ(StoreBusyLock(0xFF, 0), 0xE7);
    EXPECT_EQ(StoreSpMute(0x00, 2), 0x40);
    EXPECT_EQ(StoreSpMute(0x40, -1), 0x40);
}

// --- The hand-off ----------------------------------------------------------------

TEST_F(ChannelEditFormTest, TheHandOffRewritesOnlyTheAutodialByte)
{
    UseModel(0x01);
    Program(2, "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 FA");
    Program(3, "00 25 61 14 00 25 61 14 9E 02 9E 02 12 BF B0 00");  // DTMF, busy code 2 (absent)
    OpenEditor(2);
    EXPECT_EQ(editor->ComAutoDial()->currentText(), "3");
    EXPECT_EQ(Byte(2, 15), 0xFA);

    RadioImage expected = core.image;
    expected.set(3 * 16 + 15, 0xF8);
    expected.set(3 * 16 + 12, 0x12);  // the tone + DTMF shape has "QT/DQT" (code 2)
    List().ChannelGrid()->setCurrentCell(3, 1);
    QTest::mouseClick(List().cmdChannelEdit(), Qt::LeftButton);
    EXPECT_EQ(editor->txtChannel()->text(), "3");
    EXPECT_EQ(editor->ComAutoDial()->currentText(), "1");
    EXPECT_EQ(editor->ComBusyLock()->currentText(), "QT/DQT");
    EXPECT_TRUE(core.image == expected);
    EXPECT_EQ(Row(3), QStringList({"146.12500", "146.12500", "67.0", "67.0", "High", "Wide", "No", "DTMF", "Off"}));
    EXPECT_EQ(core.channelRegisters.ChAutoDial, "1");
}

TEST_F(ChannelEditFormTest, AHiddenEditorReopenedOnItsChannelShowsTheRowAsItIsNow)
{
    UseModel(0x01);
    Program(2, kToneRxTx);
    OpenEditor(2);
    QTest::mouseClick(editor->cmdOK(), Qt::LeftButton);
    ASSERT_TRUE(editor->isHidden());
    // Changed in the grid while the editor is closed: no mirroring.
    QTableWidget* grid = List().ChannelGrid();
    grid->setCurrentCell(2, 5);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(Cell(2, 5), "Low");
    EXPECT_EQ(editor->ComTxPower()->currentText(), "High");

    EXPECT_EQ(OpenEditor(2), editor);  // the same, still loaded
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->ComTxPower()->currentText(), "Low");
    EXPECT_TRUE(core.windowSlots.slot(8).checked);
}

// --- Creating a channel ------------------------------------------------------------

TEST_F(ChannelEditFormTest, RxIntoABlankChannelCreatesItWithTheDefaults)
{
    UseModel(0x01);
    OpenEditor(3);
    FocusField(editor->txtRxFreq());
    Type(editor->txtRxFreq(), "150");
    Key(editor->txtRxFreq(), Qt::Key_Return);
    EXPECT_EQ(editor->txtRxFreq()->text(), "150.00000");
    EXPECT_EQ(Row(3), QStringList({"150.00000", "", "None", "None", "High", "Wide", "Yes", "None", "Off"}));
    EXPECT_EQ(RecordHex(3), "00 00 00 15 FF FF FF FF FF FF FF FF 80 BF B0 F8");
    EXPECT_TRUE(core.image.bit(layout::ScanAddBits, 2));
    EXPECT_FALSE(editor->ComEncode()->isEnabled());
    EXPECT_EQ(editor->ComEncode()->currentText(), "None");
    EXPECT_EQ(editor->ComSPMute()->currentText(), "Carrier");
    EXPECT_EQ(editor->ComBusyLock()->currentText(), "Off");
    EXPECT_TRUE(editor->ChkScanAdd()->isChecked());
    EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(ChannelEditFormTest, ANewChannelOfAnotherPttIdTypeKeepsItsStoredByte14)
{
    UseModel(0x01);
    core.image.set(layout::PttIdType, 2);
    OpenEditor(3);
    FocusField(editor->txtRxFreq());
    Type(editor->txtRxFreq(), "150");
    Leave();
    EXPECT_EQ(Byte(3, 14), 0xFF);
    EXPECT_EQ(Cell(3, 9), "");
}

// --- Frequencies ---------------------------------------------------------------------

struct FrequencyCase {
    std::uint8_t band;
    const char* typed;
    const char* shown;
    bool box;
};

TEST_F(ChannelEditFormTest, FrequenciesAreCheckedAgainstTheGridBandAndSnapped)
{
    const FrequencyCase cases[] = {
        {0x01, "174", "174.00000", false},      {0x01, "174.001", "174.00000", true},
        {0x01, "135.99999", "136.00000", true}, {0x01, "146.0075", "146.00625", false},
        {0x21, "420", "420.00000", false},      {0x21, "485", "480.00000", true},
    };
    for (const FrequencyCase& c : cases) {
        for (const bool tx : {false, true}) {
            prompts.clear();
            UseModel(c.band);
            // The start-up limits of the model, not the grid's table.
            core.BandLowerMHz = 450;
            core.BandUpperMHz = 490;
            Program(2, c.band == 0x01 ? kPlainRx : "00 00 00 45 FF FF FF FF FF FF FF FF 00 BF B0 F8");
            OpenEditor(2);
            QLineEdit* box = tx ? editor->txtTxFreq() : editor->txtRxFreq();
            TypeOver(box, QString::fromLatin1(c.typed));
            Leave();
            EXPECT_EQ(box->text(), QString::fromLatin1(c.shown)) << c.typed << tx;
            EXPECT_EQ(Cell(2, tx ? 2 : 1), QString::fromLatin1(c.shown)) << c.typed << tx;
            ASSERT_EQ(prompts.messages().size(), c.box ? 1u : 0u) << c.typed << tx;
            if (c.box) {
                EXPECT_EQ(prompts.messages()[0].text, "Frequency is out of range.");
                EXPECT_EQ(prompts.messages()[0].title, "Caution");
                EXPECT_EQ(prompts.messages()[0].icon, MsgIcon::Exclamation);
            }
        }
    }
}

TEST_F(ChannelEditFormTest, TheRangeBoxSpeaksChinese)
{
    UseModel(0x01);
    Program(2, kPlainRx);
    core.LanguageChinese = true;
    OpenEditor(2);
    TypeOver(editor->txtRxFreq(), "200");
    Leave();
    ASSERT_EQ(prompts.messages().size(), 1u);
    EXPECT_EQ(prompts.messages()[0].text, QString::fromUtf8("频率超出范围。"));
    EXPECT_EQ(prompts.messages()[0].title, QString::fromUtf8("注意"));
}

TEST_F(ChannelEditFormTest, FrequencyKeysAreFiltered)
{
    OpenOnAPlainChannel();
    QLineEdit* rx = editor->txtRxFreq();
    TypeOver(rx, "146.1l2500x9");  // a 10th character and letters are dropped
    EXPECT_EQ(rx->text(), "146.12500");
    rx->selectAll();
    Type(rx, "7");  // a selection is typed over
    EXPECT_EQ(rx->text(), "7");
    Key(rx, Qt::Key_Backspace);
    EXPECT_EQ(rx->text(), "");
    Key(rx, Qt::Key_Return);  // an empty RX box keeps the focus
    EXPECT_TRUE(rx->hasFocus());

    Program(4, kPlainRx);
    editor->txtChannel()->setText("4");
    QLineEdit* tx = editor->txtTxFreq();
    FocusField(tx);
    ASSERT_TRUE(tx->text().isEmpty());
    Key(tx, Qt::Key_Return);  // an empty TX box moves on
    EXPECT_FALSE(tx->hasFocus());
    EXPECT_TRUE(editor->ComDecode()->hasFocus());
}

TEST_F(ChannelEditFormTest, ClearingTxDropsTheEncodeTone)
{
    UseModel(0x01);
    Program(2, kToneRxTx);
    OpenEditor(2);
    ASSERT_TRUE(editor->ComEncode()->isEnabled());
    SelectField(editor->txtTxFreq());
    Key(editor->txtTxFreq(), Qt::Key_Delete);
    EXPECT_FALSE(editor->ComEncode()->isEnabled());
    EXPECT_TRUE(BaseIsButtonFace(editor->ComEncode()));
    EXPECT_EQ(editor->ComEncode()->currentText(), "None");
    Leave();
    EXPECT_EQ(RecordHex(2), "00 25 61 14 FF FF FF FF 9E 02 FF FF 00 BF B0 F8");
    EXPECT_EQ(Cell(2, 2), "");
    EXPECT_EQ(Cell(2, 4), "None");
    // Typing a first TX character enables the encode list again.
    FocusField(editor->txtTxFreq());
    Type(editor->txtTxFreq(), "1");
    EXPECT_TRUE(editor->ComEncode()->isEnabled());
    EXPECT_FALSE(BaseIsButtonFace(editor->ComEncode()));
}

TEST_F(ChannelEditFormTest, ClearingRxAndLeavingEmptiesTheChannel)
{
    UseModel(0x01);
    Program(2, kToneRxTx);
    core.image.setBit(layout::ScanAddBits, 1, true);
    List().DecodeAllChannels();
    OpenEditor(2);
    SelectField(editor->txtRxFreq());
    Key(editor->txtRxFreq(), Qt::Key_Delete);
    EXPECT_FALSE(editor->txtTxFreq()->isEnabled());  // the blank state at once
    Leave();
    EXPECT_EQ(Row(2).join(""), "");
    EXPECT_EQ(RecordHex(2), "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
    EXPECT_FALSE(core.image.bit(layout::ScanAddBits, 1));
}

// --- Closing --------------------------------------------------------------------------

TEST_F(ChannelEditFormTest, CloseOnAnEmptyChannelCommitsAnEmptyChannelAndHides)
{
    UseModel(0x01);
    core.image.setBit(layout::ScanAddBits, 3, true);
    OpenEditor(4);
    QTest::mouseClick(editor->cmdOK(), Qt::LeftButton);
    EXPECT_EQ(RecordHex(4), "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
    EXPECT_FALSE(core.image.bit(layout::ScanAddBits, 3));
    EXPECT_EQ(Row(4).join(""), "");
    EXPECT_TRUE(editor->isHidden());
    EXPECT_EQ(main->windows().window(8), editor);  // hidden, not unloaded
    EXPECT_FALSE(core.windowSlots.isOpen(ChannelEditFormOpen));
    EXPECT_FALSE(core.windowSlots.slot(8).visible);
}

TEST_F(ChannelEditFormTest, TheCloseBoxStoresWhatWasTypedAsCloseWould)
{
    OpenOnAPlainChannel();
    TypeOver(editor->txtRxFreq(), "146.5");
    editor->close();  // the window's close box
    EXPECT_TRUE(EditorUnloaded());
    EXPECT_EQ(Cell(2, 1), "146.50000");
    EXPECT_EQ(RecordHex(2), "00 00 65 14 FF FF FF FF FF FF FF FF 00 BF B0 F8");
    EXPECT_FALSE(core.windowSlots.isOpen(ChannelEditFormOpen));
    EXPECT_FALSE(core.windowSlots.slot(8).visible);
}

TEST_F(ChannelEditFormTest, AnUnloadByTheProgramStoresNothing)
{
    OpenOnAPlainChannel();
    TypeOver(editor->txtRxFreq(), "146.5");
    const RadioImage before = core.image;
    main->windows().CloseEditorWindows();
    EXPECT_TRUE(EditorUnloaded());
    EXPECT_TRUE(core.image == before);
    EXPECT_EQ(Cell(2, 1), "146.12500");
    EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(ChannelEditFormTest, FileNewUnloadsTheEditorWithoutCommitting)
{
    OpenOnAPlainChannel();
    TypeOver(editor->txtRxFreq(), "150");
    prompts.answer(MsgResult::Ok);  // "All data will be cleared."
    main->action("MnuFileNew")->trigger();
    EXPECT_TRUE(EditorUnloaded());
    EXPECT_EQ(Byte(2, 0), 0xFF);  // the new image has no channel 2
}

// --- In step with the channel list ---------------------------------------------------

TEST_F(ChannelEditFormTest, TheEditorFollowsTheGrid)
{
    UseModel(0x01);
    Program(7, kToneRxTx);
    OpenEditor(1);
    List().ChannelGrid()->setCurrentCell(7, 3);
    EXPECT_EQ(editor->txtChannel()->text(), "7");
    EXPECT_EQ(editor->ComDecode()->currentText(), "67.0");

    // An RX typed in the grid shows in the editor.
    QTableWidget* grid = List().ChannelGrid();
    grid->setCurrentCell(9, 1);
    grid->setFocus();
    QTest::keyClicks(grid, "1");
    QTest::keyClicks(QApplication::focusWidget(), "46.5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Cell(9, 1), "146.50000");
    EXPECT_EQ(editor->txtChannel()->text(), "9");
    EXPECT_EQ(editor->txtRxFreq()->text(), "146.50000");
    EXPECT_EQ(editor->ComSelSignal()->currentText(), "None");
    EXPECT_TRUE(editor->ChkScanAdd()->isChecked());
    EXPECT_TRUE(editor->txtTxFreq()->isEnabled());
}

TEST_F(ChannelEditFormTest, AGridPickSetsTheEditorsList)
{
    UseModel(0x01);
    Program(2, kToneRxTx);
    OpenEditor(2);
    QTableWidget* grid = List().ChannelGrid();
    grid->setCurrentCell(2, 5);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(Cell(2, 5), "Low");
    EXPECT_EQ(editor->ComTxPower()->currentIndex(), 1);
    EXPECT_EQ(core.channelRegisters.ChTxPower, "Low");
}

// --- Rules ------------------------------------------------------------------------------

TEST(ChannelEditRules, ChannelNumbers)
{
    EXPECT_EQ(NormaliseChannelNumber("", false), 1);
    EXPECT_EQ(NormaliseChannelNumber("7x", false), 7);
    EXPECT_EQ(NormaliseChannelNumber("123456789012", false), 16);
    EXPECT_EQ(NormaliseChannelNumber("12", true), 8);
    EXPECT_EQ(NextChannel(16, false), 1);
    EXPECT_EQ(PreviousChannel(1, true), 8);
    EXPECT_EQ(PttIdEntryForCode(0xB5), 5);
    EXPECT_EQ(PttIdEntryForCode(0xBC), 0);
    EXPECT_EQ(PttIdEntryForCode(0xFF), 0);
    EXPECT_EQ(AutoDialCode(-1), 0xF8);
    EXPECT_EQ(AutoDialCode(2), 0xFA);
}

}  // namespace
}  // namespace zx::test
