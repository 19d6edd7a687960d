// The whole program at work: the main window with its real channel list,
// dialogs and the radio simulator, through the commands a user gives.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "channels/ui/ChannelForm.h"
#include "common/ModalDriver.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/DataFile.h"
#include "core/ModelRules.h"
#include "core/ui/CPUForm.h"
#include "core/ui/LanguageForm.h"
#include "core/ui/MDIForm1.h"
#include "core/ui/ModelTypeForm.h"
#include "link/ExchangeLock.h"
#include "link/ui/ConnectForm.h"
#include "link/ui/TransferCommands.h"
#include "platform/SettingsStore.h"
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
        OpenSettings()->clear();
        main_ = std::make_unique<MDIForm1>();
        main_->resize(1000, 700);
        main_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main_.get()));
    }
    void TearDown() override { qunsetenv("ZX4100_COM5"); }

    ChannelForm& List() { return *main_->channelForm(); }
    QString Cell(int row, int column) { return List().CellText(row, column); }
    int Rows() { return List().ChannelGrid()->rowCount(); }

    // Runs the transfer dialog of the next Read or Write to its end.
    void ClickOkInTransferDialog()
    {
        previousRunner_ = SetConnectFormRunner([](ConnectForm& form) {
            bool closed = false;
            QObject::connect(&form, &ConnectForm::unloaded, [&] { closed = true; });
            form.show();
            QTest::mouseClick(form.cmdOK, Qt::LeftButton);
            EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, 15000));
        });
    }
    void RestoreRunner() { SetConnectFormRunner(previousRunner_); }

    AppCore core_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MDIForm1> main_;
    ConnectFormRunner previousRunner_;
};

TEST_F(AppFlows, ReadFromTheRadioFillsTheChannelListAndResetsTheTitle)
{
    PtyRadio sim;
    ASSERT_TRUE(sim.ok());
    sim.MapComPort(kComPort);
    core_.link.ComPortNumber = kComPort;
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

TEST_F(AppFlows, ReadCancelledAtBlockNineKeepsTheChannelListTexts)
{
    PtyRadio sim;
    ASSERT_TRUE(sim.ok());
    sim.MapComPort(kComPort);
    core_.link.ComPortNumber = kComPort;
    sim.radio.FillPattern();
    sim.radio.replyFilter = [](const RadioModel::Command& c, const QByteArray& normal) {
        return c.kind == RadioModel::Command::Read && c.occurrence == 9 ? QByteArray() : normal;
    };
    SetRecord(core_.image, 2, "00256114FFFFFFFF9E02132800BFB0F8");
    core_.image.set(0x17E, 0x02);
    List().DecodeAllChannels();
    ASSERT_EQ(Cell(2, 1), "146.12500");
    const QString title = main_->windowTitle();

    prompts_.answer(MsgResult::Cancel);
    ClickOkInTransferDialog();
    main_->action("MnuProgramRead")->trigger();
    RestoreRunner();

    for (int a = 0; a < 8 * 64; ++a)
        ASSERT_EQ(core_.image.at(a), sim.radio.memory[static_cast<std::size_t>(a)]) << a;
    EXPECT_EQ(sim.radio.received.count('E'), 1);
    EXPECT_TRUE(sim.radio.received.endsWith('E'));
    // Nothing was decoded: the list shows what it showed before.
    EXPECT_EQ(Rows(), 17);
    EXPECT_EQ(Cell(2, 1), "146.12500");
    EXPECT_EQ(Cell(2, 3), "67.0");
    EXPECT_EQ(Cell(2, 4), "D023N");
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(main_->windowTitle(), title);
    EXPECT_NE(core_.link.TransferMode, 55);
    EXPECT_TRUE(List().isVisible());
    EXPECT_TRUE(main_->isEnabled());
    EXPECT_FALSE(ExchangeRunning());
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].buttons, MsgButtons::RetryCancel);
}

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
    // Nothing to save at exit: only the exit question is asked.
    prompts_.clear();
    prompts_.answer(MsgResult::Yes);
    EXPECT_TRUE(main_->close());
    EXPECT_EQ(prompts_.messages().size(), 1u);
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

TEST_F(AppFlows, LanguageSwitchTranslatesTheChannelListBothWays)
{
    SetRecord(core_.image, 1, "00256114FFFFFFFFFFFFFFFF00BFB0F8");
    core_.image.set(0x17E, 0x01);
    List().DecodeAllChannels();
    ASSERT_EQ(Cell(1, 5), "High");

    auto switchTo = [&](int index) {
        WhenModal<LanguageForm>([index](LanguageForm& form) {
            form.ComLanguage()->setCurrentIndex(index);
            QTest::mouseClick(form.cmdOK(), Qt::LeftButton);
        });
        main_->action("MnuSetupLanguageFileSetup")->trigger();
    };
    const int chinese = 1;
    switchTo(chinese);
    ASSERT_TRUE(core_.LanguageChinese);
    EXPECT_EQ(Cell(1, 5), "高");
    EXPECT_EQ(Cell(1, 3), "无");
    EXPECT_EQ(Cell(1, 7), "有");
    EXPECT_EQ(main_->windowSlotAction(0)->text(), " 信道信息 [ 信道 - 1 ]");
    EXPECT_EQ(main_->action("MnuFile")->text(), "文件(&F)");

    switchTo(0);
    ASSERT_FALSE(core_.LanguageChinese);
    EXPECT_EQ(Cell(1, 5), "High");
    EXPECT_EQ(Cell(1, 3), "None");
    EXPECT_EQ(Cell(1, 7), "Yes");
    EXPECT_EQ(main_->action("MnuFile")->text(), "&File");
}

}  // namespace
}  // namespace zx::test
