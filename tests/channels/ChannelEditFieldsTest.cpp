// The channel editor's tone, signalling, SP-mute, busy-lockout, switch and
// list fields, as a user types, picks, enters and leaves them.
#include "ChannelEditFixture.h"

namespace zx::test {
namespace {

class ChannelEditFieldsTest : public ChannelEditTest {
protected:
    void SetUp() override
    {
        ChannelEditTest::SetUp();
        UseModel(0x01);
    }
    QByteArray Bytes(int channel, int offset, int count) const
    {
        QByteArray out;
        for (int i = 0; i < count; ++i)
            out.append(static_cast<char>(Byte(channel, offset + i)));
        return out.toHex(' ').toUpper();
    }
    // Typed into a tone box over its whole text, then Enter.
    void TypeTone(QComboBox* box, const QString& text)
    {
        TypeOver(box, text);
        Key(box, Qt::Key_Return);
    }
};

// --- Tones ------------------------------------------------------------------------

struct ToneCase {
    const char* typed;
    const char* shown;
    const char* bytes;
};

TEST_F(ChannelEditFieldsTest, ATypedToneIsNormalisedAndStoredWhenLeft)
{
    const ToneCase cases[] = {
        {"d23", "D023N", "13 28"},   {"D23I", "D023I", "13 A8"}, {"D0239", "D023N", "13 28"},
        {"D1.8I", "D107I", "47 A8"}, {"D999", "D777N", "FF 29"}, {"D", "D000N", "00 28"},
        {"300", "254.1", "ED 09"},   {"50", "67.0", "9E 02"},    {"88.59", "88.5", "75 03"},
        {"100", "100.0", "E8 03"},   {"N12", "67.0", "9E 02"},
    };
    Program(2, kPlainRx);
    OpenEditor(2);
    for (const ToneCase& c : cases) {
        TypeTone(editor->ComDecode(), QString::fromLatin1(c.typed));
        EXPECT_FALSE(editor->ComDecode()->hasFocus()) << c.typed;
        EXPECT_EQ(editor->ComDecode()->currentText(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(Cell(2, 3), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(Bytes(2, 8, 2), QByteArray(c.bytes)) << c.typed;
        EXPECT_EQ(core.channelRegisters.ChDecode, QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(ChannelEditFieldsTest, ToneKeysAreFilteredAndAPastedLowerCaseDIsNoDqtCode)
{
    Program(2, kPlainRx);
    OpenEditor(2);
    QComboBox* box = editor->ComDecode();
    TypeOver(box, "d2x3i45");  // letters outside D, I, N are dropped; at most five
    EXPECT_EQ(box->currentText(), "D23I4");

    box->lineEdit()->setText("d23");  // pasted, not typed
    Leave();
    EXPECT_EQ(box->currentText(), "67.0");
    EXPECT_EQ(Bytes(2, 8, 2), "9E 02");
}

TEST_F(ChannelEditFieldsTest, EmptiedTonesBecomeNone)
{
    Program(2, kToneRxTx);
    OpenEditor(2);
    FocusField(editor->ComDecode());
    editor->ComDecode()->lineEdit()->clear();
    Leave();
    EXPECT_EQ(editor->ComDecode()->currentText(), "None");
    EXPECT_EQ(Cell(2, 3), "None");
    EXPECT_EQ(Bytes(2, 8, 2), "FF FF");

    FocusField(editor->ComEncode());
    editor->ComEncode()->lineEdit()->clear();
    Leave();
    EXPECT_EQ(editor->ComEncode()->currentText(), "None");
    EXPECT_EQ(Cell(2, 4), "None");
    EXPECT_EQ(Bytes(2, 10, 2), "FF FF");
}

TEST_F(ChannelEditFieldsTest, APickedToneShowsInTheRowAtOnceAndIsStoredWhenLeft)
{
    Program(5, kToneRxTx);
    Program(6, kToneRxTx);
    OpenEditor(5);
    Key(editor->txtChannel(), Qt::Key_Up);  // the editor now shows channel 6
    FocusField(editor->ComDecode());
    Pick(editor->ComDecode(), "100.0");
    EXPECT_EQ(Cell(6, 3), "100.0");
    EXPECT_EQ(Cell(5, 3), "67.0");
    EXPECT_EQ(Bytes(6, 8, 2), "9E 02");
    Leave();
    EXPECT_EQ(Bytes(6, 8, 2), "E8 03");
    EXPECT_EQ(Bytes(5, 8, 2), "9E 02");
}

// --- Signalling, SP mute and busy lockout ---------------------------------------------

TEST_F(ChannelEditFieldsTest, SpMuteChoiceGivesWayWhenTheSignallingGoes)
{
    Program(2, "00 25 61 14 FF FF FF FF FF FF FF FF 02 BF B0 F8");  // decode None, DTMF
    OpenEditor(2);
    ASSERT_EQ(editor->ComSPMute()->count(), 3);
    Pick(editor->ComSPMute(), "Carrier or Opt.Sig.");
    EXPECT_EQ(Byte(2, 12) & 0x60, 0x40);
    Pick(editor->ComSelSignal(), "None");
    EXPECT_EQ(editor->ComSPMute()->count(), 1);
    EXPECT_EQ(editor->ComSPMute()->currentText(), "Carrier");
    EXPECT_EQ(Byte(2, 12) & 0x60, 0x00);
    EXPECT_EQ(Cell(2, 8), "None");
    EXPECT_EQ(core.channelRegisters.ChOptSignal, "None");
}

TEST_F(ChannelEditFieldsTest, BusyLockoutStoresTheCodeOfItsEntry)
{
    // Tone + FleetSync: "Option Signalling" is code 3; without signalling it
    // is no longer offered and Off (0) is stored.
    Program(2, "00 25 61 14 FF FF FF FF 9E 02 FF FF 04 BF B0 F8");
    OpenEditor(2);
    Pick(editor->ComBusyLock(), "Option Signalling");
    EXPECT_EQ(Byte(2, 12) & 0x18, 0x18);
    Pick(editor->ComSelSignal(), "None");
    EXPECT_EQ(editor->ComBusyLock()->currentText(), "Off");
    EXPECT_EQ(Byte(2, 12) & 0x18, 0x00);

    // Decode None + DTMF: "Option Signalling" is the third entry and stores 3.
    Program(3, "00 25 61 14 FF FF FF FF FF FF FF FF 02 BF B0 F8");
    editor->txtChannel()->setText("3");
    ASSERT_EQ(editor->ComBusyLock()->count(), 3);
    Pick(editor->ComBusyLock(), "Option Signalling");
    EXPECT_EQ(Byte(3, 12) & 0x18, 0x18);
    editor->txtChannel()->setText("2");
    editor->txtChannel()->setText("3");
    EXPECT_EQ(editor->ComBusyLock()->currentText(), "Option Signalling");
    EXPECT_EQ(Byte(3, 12) & 0x18, 0x18);
}

TEST_F(ChannelEditFieldsTest, AnUnsetByte12ShowsNoEntryAfterARebuildAndStaysUnset)
{
    Program(2, "00 25 61 14 FF FF FF FF FF FF FF FF FF BF B0 F8");
    OpenEditor(2);
    EXPECT_EQ(editor->ComBusyLock()->currentText(), "Option Signalling");
    EXPECT_EQ(editor->ComSPMute()->currentIndex(), -1);
    EXPECT_EQ(Byte(2, 12), 0xFF);

    FocusField(editor->ComDecode());
    Pick(editor->ComDecode(), "67.0");
    EXPECT_EQ(editor->ComSPMute()->currentIndex(), -1);
    EXPECT_EQ(editor->ComBusyLock()->currentIndex(), -1);
    FocusField(editor->ComSPMute());
    FocusField(editor->ComBusyLock());
    Leave();
    EXPECT_EQ(Byte(2, 12), 0xFF);
}

TEST_F(ChannelEditFieldsTest, ChineseShapesStoreTheSameCodes)
{
    core.LanguageChinese = true;
    Program(2, "00 25 61 14 FF FF FF FF FF FF FF FF 02 BF B0 F8");
    OpenEditor(2);
    ASSERT_EQ(editor->ComSPMute()->count(), 3);
    EXPECT_EQ(editor->ComSPMute()->itemText(0), QString::fromUtf8("载波"));
    EXPECT_EQ(editor->ComSPMute()->itemText(1), QString::fromUtf8("载波+可选信令"));
    EXPECT_EQ(editor->ComSPMute()->itemText(2), QString::fromUtf8("载波或可选信令"));
    Pick(editor->ComSPMute(), QString::fromUtf8("载波或可选信令"));
    EXPECT_EQ(Byte(2, 12) & 0x60, 0x40);
    Pick(editor->ComBusyLock(), QString::fromUtf8("可选信令"));
    EXPECT_EQ(Byte(2, 12) & 0x18, 0x18);
}

TEST_F(ChannelEditFieldsTest, AGridSignallingPickRebuildsTheEditorsLists)
{
    Program(2, kPlainRx);
    OpenEditor(2);
    ASSERT_EQ(editor->ComSPMute()->count(), 1);
    QTableWidget* grid = List().ChannelGrid();
    grid->setCurrentCell(2, 8);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // None -> DTMF
    EXPECT_EQ(Cell(2, 8), "DTMF");
    EXPECT_EQ(editor->ComSelSignal()->currentText(), "DTMF");
    EXPECT_EQ(editor->ComSPMute()->count(), 3);
    EXPECT_EQ(editor->ComSPMute()->currentText(), "Carrier");
    EXPECT_EQ(Byte(2, 12) & 0x06, 0x02);
}

// --- Power, bandwidth, PTT ID, autodial --------------------------------------------

TEST_F(ChannelEditFieldsTest, TxPowerReachesTheRecordAtTheNextEncode)
{
    Program(2, kPlainRx);
    OpenEditor(2);
    Pick(editor->ComTxPower(), "Low");
    EXPECT_EQ(Cell(2, 5), "Low");
    EXPECT_EQ(Byte(2, 13), 0xBF);
    Pick(editor->ComWideNarrow(), "Narrow");
    EXPECT_EQ(Cell(2, 6), "Narrow");
    EXPECT_EQ(Byte(2, 13), 0xBF);
    FocusField(editor->ComSelSignal());
    Leave();
    EXPECT_EQ(Byte(2, 13), 0x8F);
}

TEST_F(ChannelEditFieldsTest, ScanAddKeysCommitTheChannel)
{
    Program(2, kPlainRx);
    OpenEditor(2);
    Pick(editor->ComTxPower(), "Low");
    FocusField(editor->ChkScanAdd());
    Key(editor->ChkScanAdd(), Qt::Key_Return);
    EXPECT_FALSE(editor->ChkScanAdd()->hasFocus());
    EXPECT_EQ(Byte(2, 13), 0x9F);
}

TEST_F(ChannelEditFieldsTest, AutodialIsStoredAtOnce)
{
    Program(2, kPlainRx);
    OpenEditor(2);
    Pick(editor->ComAutoDial(), "3");
    EXPECT_EQ(Byte(2, 15), 0xFA);
    EXPECT_EQ(core.channelRegisters.ChAutoDial, "3");
    FocusField(editor->ComAutoDial());
    editor->ComAutoDial()->setCurrentIndex(-1);
    Leave();
    EXPECT_EQ(Byte(2, 15), 0xF8);
    EXPECT_EQ(core.channelRegisters.ChAutoDial, "3");  // leaving does not touch the register
}

TEST_F(ChannelEditFieldsTest, FleetSyncPttIdShowsTheStoredCodeOnFocus)
{
    core.image.set(layout::PttIdType, 1);
    Program(2, "00 25 61 14 FF FF FF FF FF FF FF FF 00 BF B0 F8");
    OpenEditor(2);
    const std::pair<std::uint8_t, const char*> cases[] = {{0xB5, "Fleet List 4"}, {0xBC, "Off"}, {0xFF, "Off"},
                                                          {0xB1, "Own"}};
    for (const auto& [code, shown] : cases) {
        core.image.set(2 * 16 + 14, code);
        core.checks.OwnFleetIdError = true;
        Leave();
        FocusField(editor->ComPTTID());
        EXPECT_EQ(editor->ComPTTID()->currentText(), QString::fromLatin1(shown)) << int(code);
        EXPECT_EQ(Cell(2, 9), QString::fromLatin1(shown)) << int(code);
        EXPECT_FALSE(core.checks.OwnFleetIdError);
        EXPECT_EQ(Byte(2, 14), code);  // the focus writes no record byte
    }
}

TEST_F(ChannelEditFieldsTest, DtmfPttIdWithoutAChoiceBecomesOnWhenFocused)
{
    Program(2, kPlainRx);
    OpenEditor(2);
    editor->RebuildPttIdList(0);  // as a change of the PTT ID type leaves it
    ASSERT_EQ(editor->ComPTTID()->currentIndex(), -1);
    FocusField(editor->ComPTTID());
    EXPECT_EQ(editor->ComPTTID()->currentText(), "On");
    EXPECT_EQ(Cell(2, 9), "On");
    EXPECT_EQ(Byte(2, 14), 0xB0);
    FocusField(editor->ComSelSignal());
    Leave();
    EXPECT_EQ(Byte(2, 14), 0xB1);
    EXPECT_TRUE(core.checks.PttCodeCheck);

    // A box that shows a choice keeps it.
    Program(3, kPlainRx);
    editor->txtChannel()->setText("3");
    ASSERT_EQ(editor->ComPTTID()->currentText(), "Off");
    FocusField(editor->ComPTTID());
    EXPECT_EQ(editor->ComPTTID()->currentText(), "Off");
    EXPECT_EQ(Byte(3, 14), 0xB0);
}

TEST_F(ChannelEditFieldsTest, ThePttIdListCanBeRebuiltAndChosenFromOutside)
{
    Program(2, kPlainRx);
    OpenEditor(2);
    core.image.set(layout::PttIdType, 1);
    editor->RebuildPttIdList(1);
    EXPECT_EQ(editor->ComPTTID()->count(), 10);
    editor->ShowPttIdEntry(0);
    EXPECT_EQ(Cell(2, 9), "Off");
    editor->ChoosePttIdEntry(1);
    EXPECT_EQ(Cell(2, 9), "Own");
    EXPECT_EQ(core.channelRegisters.ChPttId, "Own");
}

// --- Check boxes ---------------------------------------------------------------------

TEST_F(ChannelEditFieldsTest, ScanAddSetsTheBitOfAProgrammedRowOnly)
{
    Program(12, kPlainRx);
    core.image.set(layout::ScanAddBitsHigh, 0x00);
    List().DecodeAllChannels();
    OpenEditor(12);
    ASSERT_FALSE(editor->ChkScanAdd()->isChecked());
    QTest::mouseClick(editor->ChkScanAdd(), Qt::LeftButton);
    EXPECT_EQ(core.image.at(layout::ScanAddBitsHigh), 0x08);
    EXPECT_EQ(Cell(12, 7), "Yes");

    // A row without RX keeps everything.
    List().SetCellText(12, 1, QString());
    const RadioImage before = core.image;
    QTest::mouseClick(editor->ChkScanAdd(), Qt::LeftButton);
    EXPECT_TRUE(core.image == before);
    EXPECT_EQ(Cell(12, 7), "Yes");
}

TEST_F(ChannelEditFieldsTest, BeatShiftAndCompanderWriteTheirBits)
{
    Program(2, kPlainRx);
    OpenEditor(2);
    QTest::mouseClick(editor->ChkShift(), Qt::LeftButton);
    EXPECT_EQ(Byte(2, 13), 0xFF);
    EXPECT_TRUE(core.channelRegisters.ChBeatShift);
    QTest::mouseClick(editor->ChkYaKuo(), Qt::LeftButton);
    EXPECT_EQ(Byte(2, 12), 0x01);
    EXPECT_TRUE(core.channelRegisters.ChCompander);

    // Entering the box rewrites the bit from the box, the register stays.
    Leave();
    core.image.set(2 * 16 + 13, 0xBF);
    core.channelRegisters.ChBeatShift = false;
    FocusField(editor->ChkShift());
    EXPECT_EQ(Byte(2, 13), 0xFF);
    EXPECT_FALSE(core.channelRegisters.ChBeatShift);
}

TEST_F(ChannelEditFieldsTest, ThePriorityBoxSetsThePriorityChannelOnly)
{
    core.priority.PriorityFixed = true;
    core.priority.PriorityChannelNo = 0;
    core.checks.PriorityChannelError = true;
    Program(2, kPlainRx);
    Program(3, kPlainRx);
    OpenEditor(2);
    ASSERT_TRUE(editor->ChkPriorityChannel()->isEnabled());
    const std::uint8_t priorityByte = core.image.at(0x161);
    QTest::mouseClick(editor->ChkPriorityChannel(), Qt::LeftButton);
    EXPECT_EQ(core.priority.PriorityChannelNo, 2);
    EXPECT_FALSE(core.checks.PriorityChannelError);
    EXPECT_EQ(core.image.at(0x161), priorityByte);

    editor->txtChannel()->setText("3");
    EXPECT_FALSE(editor->ChkPriorityChannel()->isChecked());
    EXPECT_EQ(core.priority.PriorityChannelNo, 2);
    editor->txtChannel()->setText("2");
    EXPECT_TRUE(editor->ChkPriorityChannel()->isChecked());

    // With the scan window open, its priority field shows the channel.
    int shown = -1;
    editor->setScanPriorityField([&shown](int channel) { shown = channel; });
    core.windowSlots.setOpen(ScanFormOpen, true);
    core.checks.PriorityChannelError = true;
    QTest::mouseClick(editor->ChkPriorityChannel(), Qt::LeftButton);
    EXPECT_EQ(core.priority.PriorityChannelNo, 0);
    EXPECT_TRUE(core.checks.PriorityChannelError);  // a cleared tick leaves it
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(core.image.at(0x161), priorityByte);

    core.priority.PriorityFixed = false;
    editor->txtChannel()->setText("3");
    EXPECT_FALSE(editor->ChkPriorityChannel()->isEnabled());
}

TEST_F(ChannelEditFieldsTest, EnterInAListMovesTheFocusOn)
{
    Program(2, kPlainRx);
    OpenEditor(2);
    FocusField(editor->ComTxPower());
    Key(editor->ComTxPower(), Qt::Key_Return);
    EXPECT_TRUE(editor->ComWideNarrow()->hasFocus());
}

}  // namespace
}  // namespace zx::test
