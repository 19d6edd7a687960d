// Text typed into a field and not yet left, in each kind of editor window,
// reaches what File > Save, Save As, Program > Write and File > Print take:
// through the real main window with the channel list open, the file dialogs
// scripted and the write going to the radio simulator.
#include <functional>

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/MDIForm1.h"
#include "channels/ChannelList.h"
#include "channels/ui/ChannelEditForm.h"
#include "channels/ui/ChannelForm.h"
#include "channels/ui/TestChannelForm.h"
#include "common/ImageFixtures.h"
#include "common/ModalDriver.h"
#include "common/Patience.h"
#include "core/DataFile.h"
#include "core/ImageLayout.h"
#include "link/ExchangeLock.h"
#include "link/MainWindowOnSimulator.h"
#include "link/TransferToTheEnd.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/TransferCommands.h"
#include "printing/ui/frmPrintList.h"
#include "settings/ui/OptionalForm.h"
#include "settings/ui/PttIdGroup.h"
#include "settings/ui/SpinField.h"
#include "signalling/ui/DTMFForm.h"
#include "signalling/ui/FleetsyncForm.h"
#include "testmode/TestModeRadio.h"
#include "testmode/ui/TestForm.h"
#include "testmode/ui/TestModeCommands.h"

namespace zx::test {
namespace {

constexpr int kComPort = 7;

// Channel 2 of the image: 456.5 MHz RX and TX, no tones, High, Wide.
const char kChannel2[] = "0000654500006545FFFFFFFF80BFB0F8";

QByteArray Bytes(const RadioImage& image, int address, int count)
{
    return QByteArray(reinterpret_cast<const char*>(image.bytes().data()) + address, count);
}

class TypedTextAtCommands : public MainWindowOnSimulator {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ShowMainWindow(kComPort, true));
        core_.image.write(2 * 16, QByteArray::fromHex(kChannel2));
        main_->DecodeAllChannels();
        std::copy(core_.image.bytes().begin(), core_.image.bytes().end(), sim_.radio.memory.begin());
        ASSERT_TRUE(dir_.isValid());
    }
    void TearDown() override
    {
        SetConnectFormRunner(previousRunner_);
        main_.reset();
        EXPECT_FALSE(ExchangeRunning());
    }

    ChannelForm& List() { return *main_->channelForm(); }
    void Trigger(const char* item) { main_->action(QString::fromLatin1(item))->trigger(); }
    static void ClickCell(QTableWidget* grid, int row, int column)
    {
        const QRect r = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }

public:
    // File > Save As into a new file: the image the file holds.
    RadioImage SaveAs()
    {
        const QString path = dir_.filePath(QStringLiteral("typed%1.dat").arg(++saved_));
        prompts_.chooseFile(path);
        Trigger("MnuFileSaveAs");
        return ReadBack(path);
    }
    // Ctrl+S: the overwrite warning of a named document answered OK, or
    // the dialog naming a new one.
    RadioImage SaveByShortcut()
    {
        if (core_.document.hasFile) {
            prompts_.answer(MsgResult::Ok);
            ++expectedBoxes_;
        } else {
            prompts_.chooseFile(dir_.filePath(QStringLiteral("typed%1.dat").arg(++saved_)));
        }
        ActivateMainWindow();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : main_.get(), Qt::Key_S,
                        Qt::ControlModifier);
        return ReadBack(core_.document.DataFilePath);
    }
    static RadioImage ReadBack(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "no file " << path.toStdString();
            return {};
        }
        const DataFileContents contents = ParseDataFile(f.readAll());
        EXPECT_TRUE(contents.ok());
        return contents.image;
    }
    // Program > Write with OK clicked in the transfer dialog: what the radio
    // holds afterwards.
    RadioImage Write()
    {
        previousRunner_ = SetConnectFormRunner(OkToTheEnd());
        Trigger("MnuProgramWrite");
        SetConnectFormRunner(previousRunner_);
        ++expectedBoxes_;  // "Writing Completed"
        RadioImage radio;
        radio.write(0, QByteArray(reinterpret_cast<const char*>(sim_.radio.memory.data()), 1024));
        return radio;
    }
    // File > Print: the image as the print dialog finds it (the report reads
    // nothing else); the dialog is cancelled.
    RadioImage Print()
    {
        RadioImage seen;
        WhenModal<frmPrintList>([this, &seen](frmPrintList& dialog) {
            seen = core_.image;
            dialog.close();
        });
        Trigger("MnuFilePrint");
        return seen;
    }

    // Edit > Test Frequency; the RX cell of row 9 clicked and 455.5 typed.
    void TypeTestFrequency()
    {
        Trigger("MnuEditTestFrequency");
        auto* form = qobject_cast<TestChannelForm*>(main_->windows().window(6));
        ASSERT_NE(form, nullptr);
        ClickCell(form->msgTestFreq(), 9, 1);
        ASSERT_TRUE(form->EditorShown());
        QTest::keyClicks(form->txtTestFreq(), "455.5");
        ASSERT_EQ(form->msgTestFreq()->item(9, 1)->text(), "455.5");
    }
    // The channel list's RX cell of (empty) channel 1 clicked and 455.5 typed.
    void TypeGridFrequency()
    {
        ClickCell(List().ChannelGrid(), 1, 1);
        ASSERT_TRUE(List().txtInputBox()->isVisible());
        QTest::keyClicks(List().txtInputBox(), "455.5");
        ASSERT_EQ(List().CellText(1, 1), "455.5");
    }
    // Channel Edit on channel 2; 457.25 typed over its TX frequency.
    void TypeEditorFrequency()
    {
        ASSERT_NO_FATAL_FAILURE(OpenEditorOnChannel2());
        TypeOver(qobject_cast<ChannelEditForm*>(main_->windows().window(8))->txtTxFreq(), "457.25");
    }
    void OpenEditorOnChannel2()
    {
        main_->ResetGridCursor();
        List().ChannelGrid()->setCurrentCell(2, 1);
        QTest::mouseClick(List().cmdChannelEdit(), Qt::LeftButton);
        auto* editor = qobject_cast<ChannelEditForm*>(main_->windows().window(8));
        ASSERT_NE(editor, nullptr);
        ASSERT_EQ(editor->txtChannel()->text(), "2");
    }
    // Channel Edit on channel 2; TX power Low chosen by key, which the
    // editor keeps in the row until it encodes the channel.
    void ChooseEditorLowPower()
    {
        ASSERT_NO_FATAL_FAILURE(OpenEditorOnChannel2());
        auto* editor = qobject_cast<ChannelEditForm*>(main_->windows().window(8));
        StepList(editor->ComTxPower());
        ASSERT_EQ(List().CellText(2, 5), "Low");
    }
    // Edit > FleetSync; 123 typed over the own fleet.
    void TypeOwnFleet()
    {
        Trigger("MnuEditFleetSync");
        auto* form = qobject_cast<FleetsyncForm*>(main_->windows().window(5));
        ASSERT_NE(form, nullptr);
        TypeOver(form->box(FleetSyncNumber::OwnFleet), "123");
    }
    // Edit > DTMF, Decode page; the ID code 12, which its commit refuses.
    void TypeRefusedIdCode()
    {
        Trigger("MnuEditDTMF");
        auto* form = qobject_cast<DTMFForm*>(main_->windows().window(4));
        ASSERT_NE(form, nullptr);
        form->SSTab1()->setCurrentIndex(1);
        TypeOver(form->txtIDCode(), "12");
    }
    // Edit > Optional Features; 90 typed over the time-out timer.
    void TypeTimeOutTimer() { TypeOver(OpenOptionalFeatures()->txtTOT()->txt(), "90"); }
    // Edit > Optional Features; the next MIC sensitivity chosen by key, the
    // list not left.
    void StepMicSensitivity() { StepList(OpenOptionalFeatures()->cboMICSens()); }
    // The same for the PTT ID timing of the PTT ID frame.
    void StepPttIdTiming() { StepList(OpenOptionalFeatures()->fraPTTID()->cboPTTID()); }
    OptionalForm* OpenOptionalFeatures()
    {
        Trigger("MnuEditOptionalFeatures");
        auto* form = qobject_cast<OptionalForm*>(main_->windows().window(1));
        EXPECT_NE(form, nullptr);
        return form;
    }
    void StepList(QComboBox* list)
    {
        ActivateMainWindow();
        list->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), list);
        const int before = list->currentIndex();
        QTest::keyClick(list, Qt::Key_Down);
        ASSERT_EQ(list->currentIndex(), before + 1);
    }
    // Keys and the focus go to the active window; a modal dialog that closed
    // may have left none.
    void ActivateMainWindow()
    {
        QApplication::setActiveWindow(main_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(main_.get(), kHangGuardMs));
    }
    void TypeOver(QLineEdit* box, const char* text)
    {
        ActivateMainWindow();
        box->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), box);
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(text));
        ASSERT_EQ(box->text(), QString::fromLatin1(text));
    }

protected:
    QTemporaryDir dir_;
    int saved_ = 0;
    // Message boxes the commands themselves ask.
    std::size_t expectedBoxes_ = 0;
    ConnectFormRunner previousRunner_;
};

// What each command takes, by the command.
struct Command {
    const char* name;
    RadioImage (TypedTextAtCommands::*take)();
};
const Command kCommands[] = {
    {"Save As", &TypedTextAtCommands::SaveAs},
    {"Save (Ctrl+S)", &TypedTextAtCommands::SaveByShortcut},
    {"Write", &TypedTextAtCommands::Write},
    {"Print", &TypedTextAtCommands::Print},
};

// One window with text typed into a field and not yet left: what the
// image and everything taken from it must hold at that field's address.
struct TypedField {
    const char* window;
    void (TypedTextAtCommands::*type)();
    int address;
    const char* bytes;  // hex
};
const TypedField kTypedFields[] = {
    // Entry 9: 455.5 MHz RX, and as TX, which an empty TX cell takes from it.
    {"test frequency RX cell", &TypedTextAtCommands::TypeTestFrequency, 0x2C0, "0000554500005545"},
    // Channel 1's RX frequency, a new channel.
    {"channel grid RX cell", &TypedTextAtCommands::TypeGridFrequency, 0x010, "00005545"},
    // Channel 2's TX frequency.
    {"channel editor TX frequency", &TypedTextAtCommands::TypeEditorFrequency, 0x024, "00507245"},
    // Channel 2's flags with TX power Low.
    {"channel editor TX power", &TypedTextAtCommands::ChooseEditorLowPower, 0x02D, "9f"},
    // Fleet 123 is code 24; the own ID stays empty.
    {"FleetSync own fleet", &TypedTextAtCommands::TypeOwnFleet, 0x170, "180000"},
    // The time-out timer in steps of 15 s: 90 s is 6.
    {"optional features TOT", &TypedTextAtCommands::TypeTimeOutTimer, 0x130, "06"},
    {"optional features MIC sensitivity", &TypedTextAtCommands::StepMicSensitivity, 0x13D, "01"},
    {"optional features PTT ID timing", &TypedTextAtCommands::StepPttIdTiming, 0x132, "01"},
    // Refused: the ID code keeps its bytes, and no box is shown.
    {"DTMF ID code", &TypedTextAtCommands::TypeRefusedIdCode, 0x120, "303030ffffffffffffff"},
};

TEST_F(TypedTextAtCommands, EveryCommandTakesTheFieldBeingEditedAsItsCommitLeavesIt)
{
    const RadioImage start = core_.image;
    for (const TypedField& field : kTypedFields) {
        for (const Command& command : kCommands) {
            SCOPED_TRACE(std::string(field.window) + ", " + command.name);
            main_->CloseEditorWindows();
            core_.image = start;
            main_->DecodeAllChannels();
            ASSERT_NO_FATAL_FAILURE((this->*field.type)());
            const QByteArray expected = QByteArray::fromHex(field.bytes);
            const RadioImage taken = (this->*command.take)();
            EXPECT_EQ(Bytes(taken, field.address, expected.size()).toHex(), expected.toHex());
            // The program goes on with what it stored.
            EXPECT_EQ(Bytes(core_.image, field.address, expected.size()).toHex(), expected.toHex());
            EXPECT_EQ(prompts_.messages().size(), expectedBoxes_);
        }
    }
}

TEST_F(TypedTextAtCommands, TheChannelRowsShowWhatTheCommandsStored)
{
    for (const Command& command : kCommands) {
        SCOPED_TRACE(command.name);
        main_->CloseEditorWindows();
        core_.image.write(16, QByteArray(16, '\xFF'));
        core_.image.write(2 * 16, QByteArray::fromHex(kChannel2));
        main_->DecodeAllChannels();
        ASSERT_NO_FATAL_FAILURE(TypeGridFrequency());
        (this->*command.take)();
        EXPECT_FALSE(List().txtInputBox()->isVisible());
        EXPECT_EQ(List().CellText(1, 1), "455.50000");
        EXPECT_EQ(List().RowTexts(1), DecodeChannelRow(core_, 1));

        ASSERT_NO_FATAL_FAILURE(TypeEditorFrequency());
        (this->*command.take)();
        EXPECT_EQ(List().CellText(2, 2), "457.25000");
        EXPECT_EQ(List().RowTexts(2), DecodeChannelRow(core_, 2));
    }
}

TEST_F(TypedTextAtCommands, ClosingTheProgramOffersToSaveTheFieldBeingEdited)
{
    // The image is as last saved, but for the typed test frequency or the
    // channel editor's choice: the save offer comes, and Cancel keeps the
    // program running with it.
    core_.document.snapshot = core_.image;
    const TypedField fields[] = {kTypedFields[0], kTypedFields[3]};
    for (const TypedField& field : fields) {
        SCOPED_TRACE(field.window);
        ASSERT_NO_FATAL_FAILURE((this->*field.type)());
        prompts_.clear();
        prompts_.answer(MsgResult::Yes);
        prompts_.answer(MsgResult::Cancel);
        EXPECT_FALSE(main_->close());
        ASSERT_EQ(prompts_.messages().size(), 2u);
        EXPECT_TRUE(prompts_.messages()[1].text.startsWith("Do you wish to save the changes"));
        const QByteArray expected = QByteArray::fromHex(field.bytes);
        EXPECT_EQ(Bytes(core_.image, field.address, expected.size()).toHex(), expected.toHex());
    }
}

TEST_F(TypedTextAtCommands, TestModeComparesTheTestFrequencyBeingEdited)
{
    // The radio's entry 9 is what is being typed: the entry finds no
    // mismatch only when the typed text has been committed.
    PrepareTestModeRadio(sim_.radio, core_.image);
    sim_.radio.testTable[8] = QByteArray::fromHex("0000554500005545");
    ASSERT_NO_FATAL_FAILURE(TypeTestFrequency());
    Trigger("MnuProgramTestMode");
    TestModeCommand& testMode = main_->testMode();
    ASSERT_TRUE(WaitUntil([&] { return testMode.testForm() && testMode.testForm()->isVisible(); }));
    EXPECT_TRUE(prompts_.messages().empty());
    QTest::mouseClick(testMode.testForm()->cmdClose, Qt::LeftButton);
    EXPECT_TRUE(WaitUntil([&] { return testMode.testForm() == nullptr && !ExchangeRunning(); }));
}

TEST_F(TypedTextAtCommands, ACellEditDroppedByTheProgramLeavesTheRowAsTheImageHoldsIt)
{
    // A read cancelled in its dialog gives the channel list back with the
    // cell editor dropped, its text not committed.
    ASSERT_NO_FATAL_FAILURE(TypeGridFrequency());
    previousRunner_ = SetConnectFormRunner([](ConnectForm& form) {
        form.show();
        QTest::mouseClick(form.cmdCancel, Qt::LeftButton);
    });
    Trigger("MnuProgramRead");
    SetConnectFormRunner(previousRunner_);

    EXPECT_FALSE(List().txtInputBox()->isVisible());
    EXPECT_EQ(Bytes(core_.image, 16, 16), QByteArray(16, '\xFF'));
    EXPECT_EQ(List().RowTexts(1), ChannelColumns{});
    EXPECT_EQ(List().RowTexts(2), DecodeChannelRow(core_, 2));
    EXPECT_EQ(List().LabBlankChannel()->text(), "240");
    // Nothing of the dropped text comes back: not by a save, not through
    // the channel editor on that row.
    EXPECT_EQ(Bytes(SaveAs(), 16, 16), QByteArray(16, '\xFF'));
    main_->ResetGridCursor();
    QTest::mouseClick(List().cmdChannelEdit(), Qt::LeftButton);
    auto* editor = qobject_cast<ChannelEditForm*>(main_->windows().window(8));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->txtRxFreq()->text(), "");
    EXPECT_FALSE(editor->ChkShift()->isChecked());
    QTest::mouseClick(editor->cmdOK(), Qt::LeftButton);
    EXPECT_EQ(Bytes(core_.image, 16, 16), QByteArray(16, '\xFF'));
    EXPECT_TRUE(prompts_.messages().empty());
}


}  // namespace
}  // namespace zx::test
