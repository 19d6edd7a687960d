// The whole program at work: the main window with its real channel list,
// dialogs and the radio simulator, through the commands a user gives.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "channels/ui/ChannelForm.h"
#include "common/MainWindowShown.h"
#include "common/ModalDriver.h"
#include "common/Patience.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/DataFile.h"
#include "core/ModelRules.h"
#include "core/ui/CPUForm.h"
#include "core/ui/LanguageForm.h"
#include "app/MDIForm1.h"
#include "core/ui/ModelTypeForm.h"
#include "core/ui/EditorWindowRegistry.h"
#include "core/ui/TreeViewForm.h"
#include "link/ExchangeLock.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/TransferCommands.h"
#include "link/TransferToTheEnd.h"
#include "platform/SettingsStore.h"
#include "platform/ui/ScreenTwips.h"
#include "sim/PtyRadio.h"
#include "common/ImageFixtures.h"

namespace zx::test {
namespace {

constexpr int kComPort = 5;

void SetRecord(RadioImage& image, int channel, const char* hex)
{
    image.write(channel * 16, QByteArray::fromHex(hex));
}

class AppFlows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowFreshMainWindow(main_, 1000, 700, Activate::No));
    }

    ChannelForm& List() { return *main_->channelForm(); }
    QString Cell(int row, int column) { return List().CellText(row, column); }
    int Rows() { return List().ChannelGrid()->rowCount(); }

    // Runs the transfer dialog of the next Read or Write to its end.
    void ClickOkInTransferDialog()
    {
        previousRunner_ = SetConnectFormRunner(OkToTheEnd());
    }
    void RestoreRunner() { SetConnectFormRunner(previousRunner_); }

    // File > Open of an image written to a data file.
    void OpenImage(const RadioImage& image)
    {
        const QString path = dir_.filePath("open.dat");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(BuildDataFile(image));
        f.close();
        prompts_.chooseFile(path);
        main_->action("MnuFileOpen")->trigger();
    }
    // Model > Model Information: picks a class and a band and clicks OK; the
    // warning gets `answer`.
    void ChooseModel(int modelIndex, const char* band, MsgResult answer)
    {
        WhenModal<ModelTypeForm>([modelIndex, band](ModelTypeForm& form) {
            form.cboModelType()->setCurrentIndex(modelIndex);
            const int position = form.cboFreq()->findText(QString::fromLatin1(band));
            ASSERT_GE(position, 0) << band;
            form.cboFreq()->setCurrentIndex(position);
            QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
        });
        prompts_.answer(answer);
        main_->action("MnuModelInformation")->trigger();
    }
    // The memory map, reached by its hidden gesture: each edit types two
    // digits at an address, then OK.
    void EditInMemoryMap(std::vector<std::pair<int, const char*>> edits)
    {
        WhenModal<CPUForm>([edits](CPUForm& form) {
            for (const auto& [address, digits] : edits) {
                form.ShowCellEditor(address / 16 + 1, address % 16 + 1);
                QTest::keyClicks(form.txtMemory(), QString::fromLatin1(digits));
                QTest::keyClick(form.txtMemory(), Qt::Key_Return);
            }
            QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
        });
        const QPoint gesture(TwipsToPixelsX(9525), TwipsToPixelsY(150));
        ASSERT_TRUE(main_->MDIForm_MouseUp(Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier, gesture));
    }
    void SwitchLanguage(int index)
    {
        WhenModal<LanguageForm>([index](LanguageForm& form) {
            form.ComLanguage()->setCurrentIndex(index);
            QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
        });
        main_->action("MnuSetupLanguageFileSetup")->trigger();
    }
    QStringList RowTexts(int row)
    {
        QStringList texts;
        for (int c = 0; c <= 9; ++c)
            texts << Cell(row, c);
        return texts;
    }
    // Opens the grid's cell editor of a list column with a click.
    QComboBox* ClickListCell(int row, int column)
    {
        QTableWidget* grid = List().ChannelGrid();
        const QRect r = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        return List().comInputStep();
    }

    AppCore core_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MDIForm1> main_;
    ConnectFormRunner previousRunner_;
    QTemporaryDir dir_;
};

TEST_F(AppFlows, ReadFromTheRadioFillsTheChannelListAndResetsTheTitle)
{
    PtyRadio sim;
    ASSERT_TRUE(sim.ok());
    sim.Attach(kComPort, core_);
    RadioImage radio = DefaultFor(0x01, 0xF8);
    SetRecord(radio, 2, "00256114FFFFFFFF9E02132800BFB0F8");
    radio.set(0x17E, 0x02);
    std::copy(radio.bytes().begin(), radio.bytes().end(), sim.radio.memory.begin());
    core_.document.DataFilePath = "/tmp/old.dat";
    core_.document.hasFile = true;

    ClickOkInTransferDialog();
    main_->action("MnuProgramRead")->trigger();
    RestoreRunner();

    EXPECT_EQ(core_.image.bytes(), radio.bytes());
    EXPECT_EQ(Cell(2, 1), "146.12500");
    EXPECT_EQ(Cell(2, 3), "67.0");
    EXPECT_EQ(Cell(2, 4), "D023N");
    EXPECT_EQ(Cell(2, 7), "Yes");
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(core_.document.DataFilePath, "ZX-4100.dat");
    EXPECT_EQ(main_->windowTitle(), "ZX-4100  VHF: 136-174 MHz] [ File Name:ZX-4100.dat]");
    EXPECT_EQ(core_.BandLowerMHz, 136);
    EXPECT_TRUE(List().isVisible());
    EXPECT_FALSE(ExchangeRunning());
    ASSERT_FALSE(prompts_.messages().empty());
    EXPECT_EQ(prompts_.messages().back().text, "Reading Completed");
}

// A read that does not complete, cancelled at the 9th block's time-out or
// ended by a device that vanished at the 9th block, leaves the document as
// it was: image, channel list, title and the change snapshot.
enum class ReadEnd { CancelledAtBlockNine, DeviceGoneAtBlockNine };

class UnfinishedRead : public AppFlows, public ::testing::WithParamInterface<ReadEnd> {};

TEST_P(UnfinishedRead, LeavesTheDocumentAsItWas)
{
    PtyRadio sim;
    ASSERT_TRUE(sim.ok());
    sim.Attach(kComPort, core_);
    sim.radio.FillPattern();
    if (GetParam() == ReadEnd::CancelledAtBlockNine) {
        sim.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
            return c.kind == RadioModel::Command::Read && c.occurrence == 9 ? QByteArray() : normal;
        };
        prompts_.answer(MsgResult::Cancel);
    } else {
        // Wake-up, identification, acknowledgement, then eight blocks of a
        // request and an acknowledgement each: the 9th request is the 20th.
        sim.hangUpAtCommand = 20;
    }
    SetRecord(core_.image, 2, "00256114FFFFFFFF9E02132800BFB0F8");
    core_.image.set(0x17E, 0x02);
    List().DecodeAllChannels();
    main_->documents().TakeSnapshot();
    ASSERT_EQ(Cell(2, 1), "146.12500");
    const QString title = main_->windowTitle();
    const RadioImage image = core_.image;
    const DocumentState document = core_.document;

    ClickOkInTransferDialog();
    main_->action("MnuProgramRead")->trigger();
    RestoreRunner();

    EXPECT_EQ(core_.image, image);
    if (GetParam() == ReadEnd::CancelledAtBlockNine) {
        EXPECT_EQ(sim.radio.received.count('E'), 1);
        EXPECT_TRUE(sim.radio.received.endsWith('E'));
    } else {
        EXPECT_EQ(sim.radio.log.size(), 20u);
    }
    // Nothing was decoded: the list shows what it showed before.
    EXPECT_EQ(Rows(), 17);
    EXPECT_EQ(Cell(2, 1), "146.12500");
    EXPECT_EQ(Cell(2, 3), "67.0");
    EXPECT_EQ(Cell(2, 4), "D023N");
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(main_->windowTitle(), title);
    EXPECT_EQ(core_.document.DataFilePath, document.DataFilePath);
    EXPECT_EQ(core_.document.hasFile, document.hasFile);
    EXPECT_EQ(core_.document.snapshot, document.snapshot);
    EXPECT_FALSE(main_->documents().DocumentChanged()) << "no save offer at exit";
    EXPECT_NE(core_.link.TransferMode, TransferMode::Completed);
    EXPECT_TRUE(List().isVisible());
    EXPECT_TRUE(main_->isEnabled());
    EXPECT_FALSE(ExchangeRunning());
    ASSERT_EQ(prompts_.messages().size(), 1u);
    if (GetParam() == ReadEnd::CancelledAtBlockNine)
        EXPECT_EQ(prompts_.messages()[0].buttons, MsgButtons::RetryCancel);
    else
        EXPECT_TRUE(prompts_.messages()[0].text.startsWith("COM5 (" + sim.slavePath() + ") was disconnected"));
}

INSTANTIATE_TEST_SUITE_P(Ends, UnfinishedRead,
                         ::testing::Values(ReadEnd::CancelledAtBlockNine, ReadEnd::DeviceGoneAtBlockNine),
                         [](const auto& info) {
                             return info.param == ReadEnd::CancelledAtBlockNine ? "CancelledAtBlockNine"
                                                                                : "DeviceGoneAtBlockNine";
                         });

TEST_F(AppFlows, OpeningAnEightChannelFileLaysTheGridOutForEightChannels)
{
    ASSERT_EQ(Rows(), 17);
    RadioImage file = DefaultFor(0x21, 0xF9);
    SetRecord(file, 1, "00250644FFFFFFFFFFFFFFFF00BFB0F8");
    QTemporaryDir dir;
    const QString path = dir.filePath("eight.dat");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(BuildDataFile(file));
    f.close();

    prompts_.chooseFile(path);
    main_->action("MnuFileOpen")->trigger();

    EXPECT_EQ(Rows(), 9);
    EXPECT_TRUE(core_.EightChannelModel);
    EXPECT_EQ(Cell(1, 1), "440.62500");
    EXPECT_EQ(Cell(0, 0), "Channel No.");
    EXPECT_EQ(main_->windowTitle(), "ZX-4100  UHF: 400-480 MHz] [ File Name:eight.dat]");
    EXPECT_EQ(List().LabBlankChannel()->text(), "112");
}

TEST_F(AppFlows, NewModelFromTheModelDialogRebuildsTheDocument)
{
    // A channel typed in the grid, then the model changed to VHF 136-150.
    core_.image.set(0x134, 0x09);
    main_->action("MnuViewTreeView")->trigger();
    ASSERT_NE(main_->windows().treeView(), nullptr);
    WhenModal<ModelTypeForm>([](ModelTypeForm& form) {
        form.cboModelType()->setCurrentIndex(0);  // VHF
        const int band = form.cboFreq()->findText("136-150MHz");
        ASSERT_GE(band, 0);
        form.cboFreq()->setCurrentIndex(band);
        QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
    });
    prompts_.answer(MsgResult::Ok);  // "Frequency will be cleared."
    main_->action("MnuModelInformation")->trigger();

    EXPECT_EQ(core_.image.bytes(), DefaultFor(0x02, 0xF8).bytes());
    EXPECT_EQ(core_.document.DataFilePath, "ZX-4100.dat");
    EXPECT_EQ(main_->windowTitle(), "ZX-4100  VHF: 136-150 MHz] [ File Name:ZX-4100.dat]");
    EXPECT_TRUE(main_->windowSlotAction(0)->isVisible());
    for (int k = 1; k < 9; ++k)
        EXPECT_FALSE(main_->windowSlotAction(k)->isVisible()) << k;
    EXPECT_EQ(main_->windows().treeView(), nullptr);
    EXPECT_FALSE(core_.windowSlots.isOpen(TreeViewFormOpen));
    // Nothing to save at exit: only the exit question is asked.
    prompts_.clear();
    prompts_.answer(MsgResult::Yes);
    EXPECT_TRUE(main_->close());
    EXPECT_EQ(prompts_.messages().size(), 1u);
}

// The keyboard stays with the program when it closes its own windows: the
// main window is active, a field of it has the focus and Alt+F opens the
// File menu. The tree view, which holds the focus, is open each time.
class KeyboardAfterUnloads : public AppFlows {
protected:
    void SetUp() override
    {
        AppFlows::SetUp();
        QApplication::setActiveWindow(main_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get(), kHangGuardMs));
        for (QAction* title : main_->menuBar()->actions())
            if (title->text() == "&File")
                fileMenu_ = title->menu();
        ASSERT_NE(fileMenu_, nullptr);
    }
    void OpenTreeView()
    {
        main_->action("MnuViewTreeView")->trigger();
        ASSERT_NE(main_->windows().treeView(), nullptr);
        ASSERT_TRUE(main_->windows().treeView()->isAncestorOf(QApplication::focusWidget()));
    }
    void ExpectTheKeyboardWithTheMainWindow()
    {
        ASSERT_EQ(main_->windows().treeView(), nullptr);
        ASSERT_TRUE(WaitUntil([this] { return QApplication::activeWindow() == main_.get(); }));
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        ASSERT_TRUE(main_->isAncestorOf(focus));
        QTest::keyClick(focus, Qt::Key_F, Qt::AltModifier);
        ASSERT_TRUE(WaitUntil([this] { return fileMenu_->isVisible(); }));
        QTest::keyClick(fileMenu_, Qt::Key_Escape);
        if (main_->menuBar()->activeAction())
            QTest::keyClick(main_->menuBar(), Qt::Key_Escape);
        ASSERT_TRUE(WaitUntil([this] { return !fileMenu_->isVisible(); }));
    }

    QMenu* fileMenu_ = nullptr;
};

// The model dialog closes in the moment the model change closes the tree
// view; every time, not most times.
TEST_F(KeyboardAfterUnloads, TwentyModelChanges)
{
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NO_FATAL_FAILURE(OpenTreeView());
        ChooseModel(1, i % 2 == 0 ? "400-440MHz" : "400-480MHz", MsgResult::Ok);
        ASSERT_NO_FATAL_FAILURE(ExpectTheKeyboardWithTheMainWindow());
    }
}

TEST_F(KeyboardAfterUnloads, NewOpenReadLanguageAndMemoryMap)
{
    PtyRadio sim;
    ASSERT_TRUE(sim.ok());
    sim.Attach(kComPort, core_);
    const RadioImage radio = DefaultFor(0x01, 0xF8);
    std::copy(radio.bytes().begin(), radio.bytes().end(), sim.radio.memory.begin());
    const std::pair<const char*, std::function<void()>> unloads[] = {
        {"New",
         [this] {
             prompts_.answer(MsgResult::Ok);  // "All data will be cleared."
             main_->action("MnuFileNew")->trigger();
         }},
        {"Open", [this] { OpenImage(DefaultFor(0x21, 0xF8)); }},
        {"Read",
         [this] {
             ClickOkInTransferDialog();
             main_->action("MnuProgramRead")->trigger();
             RestoreRunner();
         }},
        {"Language", [this] { SwitchLanguage(1); }},
        {"English again", [this] { SwitchLanguage(0); }},
        // The band code at 0x1BD: another model.
        {"Memory map's model change", [this] { EditInMemoryMap({{0x1BD, "02"}}); }},
    };
    for (const auto& [name, unload] : unloads) {
        SCOPED_TRACE(name);
        ASSERT_NO_FATAL_FAILURE(OpenTreeView());
        unload();
        ASSERT_NO_FATAL_FAILURE(ExpectTheKeyboardWithTheMainWindow());
    }
    EXPECT_EQ(core_.image.modelBandCode(), 0x02);
}

TEST_F(AppFlows, MemoryMapOkWithoutModelChangeRefillsTheChannelList)
{
    WhenModal<CPUForm>([](CPUForm& form) {
        // Channel 1 (0x010-0x013) becomes 146.12500: 00 25 61 14.
        const char* bytes[] = {"00", "25", "61", "14"};
        for (int i = 0; i < 4; ++i) {
            form.ShowCellEditor(2, 1 + i);
            form.txtMemory()->setText(QString::fromLatin1(bytes[i]));
            QTest::keyClick(form.txtMemory(), Qt::Key_Return);
        }
        QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
    });
    main_->action("MnuProgramMemoryMap")->trigger();
    EXPECT_EQ(core_.image.toByteArray(0x010, 4).toHex(' '), "00 25 61 14");
    EXPECT_EQ(Cell(1, 1), "146.12500");
}

TEST_F(AppFlows, ModelDialogLaysTheListOutByTheEightChannelRule)
{
    struct Case { const char* band; std::uint8_t code; int rows; };
    for (const Case& c : {Case{"136-174MHz", 0x01, 9}, Case{"136-150MHz", 0x02, 17}}) {
        // A 16-channel F9 model with a channel in the list.
        RadioImage file = DefaultFor(0x33, 0xF9);
        SetRecord(file, 1, "00250644FFFFFFFFFFFFFFFF00BFB0F8");
        OpenImage(file);
        ASSERT_EQ(Rows(), 17);
        ASSERT_EQ(Cell(1, 1), "440.62500");

        ChooseModel(0, c.band, MsgResult::Ok);
        EXPECT_EQ(core_.image.bytes(), DefaultFor(c.code, 0xF9).bytes()) << c.band;
        EXPECT_EQ(Rows(), c.rows) << c.band;
        EXPECT_EQ(core_.EightChannelModel, c.rows == 9);
        EXPECT_EQ(Cell(1, 1), "") << c.band;
        EXPECT_EQ(main_->windowTitle(),
                  QStringLiteral("ZX-4100  VHF: %1 MHz] [ File Name:ZX-4100.dat]").arg(QString(c.band).chopped(3)));
    }
}

TEST_F(AppFlows, CancelAtTheModelWarningLeavesImageTitleAndList)
{
    RadioImage file = DefaultFor(0x21, 0xF9);
    SetRecord(file, 1, "00250644FFFFFFFFFFFFFFFF00BFB0F8");
    OpenImage(file);
    ASSERT_EQ(Rows(), 9);
    const RadioImage before = core_.image;
    const QString title = main_->windowTitle();
    const QStringList row1 = RowTexts(1);

    ChooseModel(0, "136-150MHz", MsgResult::Cancel);
    ASSERT_EQ(prompts_.messages().back().text, "Frequency will be cleared.");
    EXPECT_EQ(core_.image.bytes(), before.bytes());
    EXPECT_EQ(main_->windowTitle(), title);
    EXPECT_EQ(Rows(), 9);
    EXPECT_EQ(RowTexts(1), row1);
    EXPECT_TRUE(core_.document.hasFile);
}

TEST_F(AppFlows, ModelChangeInTheMemoryMapRebuildsTitleAndList)
{
    struct Case { std::vector<std::pair<int, const char*>> edits; RadioImage expected; const char* title; int rows; };
    const Case cases[] = {
        {{{0x1BD, "02"}, {0x200, "00"}}, DefaultFor(0x02, 0xF8), "ZX-4100  VHF: 136-150 MHz] [ File Name:ZX-4100.dat]", 17},
        {{{0x1BE, "F9"}, {0x010, "00"}}, DefaultFor(0x21, 0xF9), "ZX-4100  UHF: 400-480 MHz] [ File Name:ZX-4100.dat]", 9},
    };
    for (const Case& c : cases) {
        RadioImage file = DefaultFor(0x21, 0xF8);
        SetRecord(file, 1, "00250644FFFFFFFFFFFFFFFF00BFB0F8");
        OpenImage(file);
        ASSERT_EQ(Cell(1, 1), "440.62500");
        main_->action("MnuViewTreeView")->trigger();

        EditInMemoryMap(c.edits);
        EXPECT_EQ(main_->windows().treeView(), nullptr);
        EXPECT_EQ(core_.image.bytes(), c.expected.bytes());
        EXPECT_EQ(core_.image.at(0x200), 0xFF);
        EXPECT_EQ(main_->windowTitle(), c.title);
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(Cell(1, 1), "");
        EXPECT_EQ(core_.document.DataFilePath, "ZX-4100.dat");
        EXPECT_EQ(core_.document.snapshot, core_.image);
    }
    // The default band limits of the new model (0x21).
    EXPECT_EQ(core_.BandLowerMHz, 450);
    EXPECT_EQ(core_.BandUpperMHz, 490);
}

TEST_F(AppFlows, LanguageSwitchRetranslatesHeaderCaptionsAndToneListsAndBack)
{
    SetRecord(core_.image, 1, "00256114FFFFFFFFFFFFFFFF00BFB0F8");
    core_.image.set(0x17E, 0x01);  // channel 1 in the scan list
    List().DecodeAllChannels();
    const QStringList header = RowTexts(0);
    const QStringList row1 = RowTexts(1);
    const QString title = main_->windowTitle();
    ASSERT_EQ(ClickListCell(1, 3)->itemText(0), "None");
    QTest::keyClick(List().comInputStep(), Qt::Key_Escape);
    main_->action("MnuViewTreeView")->trigger();
    ASSERT_NE(main_->windows().treeView(), nullptr);

    SwitchLanguage(1);
    ASSERT_TRUE(core_.LanguageChinese);
    EXPECT_EQ(main_->windows().treeView(), nullptr);
    EXPECT_EQ(RowTexts(0), QStringList({"信道编号", "接收频率", "发射频率", "QT/DQT解码", "QT/DQT编码", "发射功率",
                                        "宽/窄", "扫描添加", "可选信令", "PTT ID"}));
    EXPECT_EQ(RowTexts(1), QStringList({"1", "146.12500", "", "无", "无", "高", "宽带", "有", "无", "关"}));
    EXPECT_EQ(List().windowTitle(), " 信道信息 [ 信道 - 1 ]");
    EXPECT_EQ(main_->windowSlotAction(0)->text(), " 信道信息 [ 信道 - 1 ]");
    EXPECT_EQ(List().cmdClose()->text(), "关闭(&C)");
    EXPECT_EQ(List().cmdChannelEdit()->text(), "信道编辑(&E)");
    EXPECT_EQ(List().LabFreeArea()->text(), "空位(Bytes):");
    EXPECT_EQ(main_->action("MnuFile")->text(), "文件(&F)");
    EXPECT_EQ(main_->windowTitle(), "ZX-4100  UHF: 400-480 MHz] [ 文件名:ZX-4100.dat]");
    EXPECT_EQ(ClickListCell(1, 3)->itemText(0), "无");
    EXPECT_EQ(ClickListCell(1, 4)->itemText(0), "无");
    QTest::keyClick(List().comInputStep(), Qt::Key_Escape);

    SwitchLanguage(0);
    ASSERT_FALSE(core_.LanguageChinese);
    EXPECT_EQ(RowTexts(0), header);
    EXPECT_EQ(RowTexts(1), row1);
    EXPECT_EQ(main_->windowTitle(), title);
    EXPECT_EQ(List().windowTitle(), " Channel Information [ Channel-1 ]");
    EXPECT_EQ(List().cmdClose()->text(), "&Close");
    EXPECT_EQ(List().cmdChannelEdit()->text(), "Channel &Edit");
    EXPECT_EQ(main_->action("MnuFile")->text(), "&File");
    EXPECT_EQ(ClickListCell(1, 3)->itemText(0), "None");
    QTest::keyClick(List().comInputStep(), Qt::Key_Escape);
}

TEST_F(AppFlows, LanguageOkWithTheSameLanguageClosesNoWindow)
{
    main_->action("MnuViewTreeView")->trigger();
    EditorWindowFrame* tree = main_->windows().treeView();
    ASSERT_NE(tree, nullptr);
    SwitchLanguage(0);
    EXPECT_FALSE(core_.LanguageChanged);
    EXPECT_EQ(main_->windows().treeView(), tree);
    EXPECT_EQ(main_->action("MnuFile")->text(), "&File");
}

TEST_F(AppFlows, LanguageSwitchDropsAnOpenCellEdit)
{
    // A cell edit left open under the language dialog held the row and its
    // list in the language left; its commit encoded those words under the
    // new one (tones 00 00, the next TX power or PTT ID pick lost).
    const char* const record = "00006545FFFFFFFFFFFFFFFF00BFB0F8";
    const QStringList chineseRow = {"1", "456.50000", "", "无", "无", "高", "宽带", "无", "无", "关"};
    struct Case {
        int column;
        const char* typed;  // a frequency typed, or nothing for a list
    };
    const Case cases[] = {{1, "455.5"}, {5, nullptr}, {9, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        SwitchLanguage(0);
        SetRecord(core_.image, 1, record);
        List().DecodeAllChannels();
        QTableWidget* grid = List().ChannelGrid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(1, c.column)).center());
        if (c.typed)
            QTest::keyClicks(List().txtInputBox(), c.typed);
        else
            ASSERT_TRUE(List().comInputStep()->isVisible());

        SwitchLanguage(1);
        ASSERT_TRUE(core_.LanguageChinese);
        EXPECT_FALSE(List().txtInputBox()->isVisible());
        EXPECT_FALSE(List().comInputStep()->isVisible());
        EXPECT_EQ(RowTexts(1), chineseRow);
        EXPECT_EQ(core_.image.toByteArray(16, 16).toHex().toUpper(), record);
        // The next pick offers and stores the new language's entries.
        QComboBox* list = ClickListCell(1, 5);
        ASSERT_EQ(list->itemText(1), "低");
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(Cell(1, 5), "低");
        EXPECT_EQ(core_.image.toByteArray(16, 16).toHex().toUpper(), "00006545FFFFFFFFFFFFFFFF009FB0F8");
    }
}

TEST_F(AppFlows, ReplacingTheImageDropsAnOpenCellEditorsTyping)
{
    // Typing left in the grid's frequency box must not reach the image that
    // the model dialog or the memory map leaves behind.
    auto typeInRxCell = [&] {
        QTableWidget* grid = List().ChannelGrid();
        const QRect r = grid->visualRect(grid->model()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        ASSERT_TRUE(List().txtInputBox()->isVisible());
        QTest::keyClicks(List().txtInputBox(), "146.1");
    };

    typeInRxCell();
    ChooseModel(0, "136-150MHz", MsgResult::Ok);
    EXPECT_FALSE(List().txtInputBox()->isVisible());
    QTest::keyClick(List().txtInputBox(), Qt::Key_Return);
    EXPECT_EQ(core_.image.bytes(), DefaultFor(0x02, 0xF8).bytes());
    EXPECT_EQ(Cell(1, 1), "");

    typeInRxCell();
    EditInMemoryMap({{0x010, "00"}, {0x011, "25"}, {0x012, "61"}, {0x013, "14"}});
    EXPECT_FALSE(List().txtInputBox()->isVisible());
    QTest::keyClick(List().txtInputBox(), Qt::Key_Return);
    EXPECT_EQ(core_.image.toByteArray(0x010, 4).toHex(' '), "00 25 61 14");
    EXPECT_EQ(Cell(1, 1), "146.12500");
}

TEST_F(AppFlows, MemoryMapEditsOutsideThePttIdTypeAreOfferedForSavingAtExit)
{
    struct Case { int address; const char* digits; bool offersSave; };
    // The run that offers to save is cancelled there and goes on to the next.
    for (const Case& c : {Case{0x200, "12", true}, Case{0x133, "01", false}}) {
        OpenImage(DefaultFor(0x21, 0xF8));  // an unchanged document
        EditInMemoryMap({{c.address, c.digits}});
        ASSERT_EQ(core_.image.toByteArray(c.address, 1).toHex().toUpper(), QByteArray(c.digits));
        prompts_.clear();
        prompts_.answer(MsgResult::Yes);     // "Do you wish to exit"
        prompts_.answer(MsgResult::Cancel);  // the save offer, when it comes
        EXPECT_EQ(main_->close(), !c.offersSave) << c.address;
        ASSERT_EQ(prompts_.messages().size(), c.offersSave ? 2u : 1u) << c.address;
        if (c.offersSave) {
            EXPECT_EQ(prompts_.messages().back().text, "Do you wish to save the changes in \"ZX-4100.DAT\" ?");
        }
    }
}

}  // namespace
}  // namespace zx::test
