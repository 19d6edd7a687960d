// The print selection dialog through the real main window: File > Print,
// Ctrl+P and toolbar button 5 open it; its boxes and buttons; Print setup on
// the printer kept for the run; printing to a PDF file and the failure box.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "common/MainWindowShown.h"
#include "common/ImageFixtures.h"
#include "common/ModalDriver.h"
#include "common/Patience.h"
#include "common/PdfPages.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "core/ImageLayout.h"
#include "core/ui/HelpKeyFilter.h"
#include "app/MDIForm1.h"
#include "channels/ui/ChannelEditForm.h"
#include "channels/ui/ChannelForm.h"
#include "platform/SettingsStore.h"
#include "printing/ui/ReportPrinter.h"
#include "printing/ui/frmPrintList.h"

namespace zx::test {
namespace {

class PrintDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousQueues_ = SetPrinterQueueCheck([this] { return printersInstalled_; });
        previousSetup_ = SetPrintSetupRunner([this](QPrinter& printer, QWidget*) {
            ++setupShown_;
            return setupStep_ ? setupStep_(printer) : false;
        });
        previousClock_ = SetPrintClock([] { return QDateTime(QDate(2026, 3, 4), QTime(13, 5, 9)); });
        ResetReportPrinter();
        core_.image = DefaultFor(0x21, 0xF8);
        ASSERT_TRUE(ShowFreshMainWindow(main_, 1000, 700, Activate::No));
    }
    void TearDown() override
    {
        SetPrinterQueueCheck(previousQueues_);
        SetPrintSetupRunner(previousSetup_);
        SetPrintClock(previousClock_);
        ReportPrinter().setOutputFileName(QString());
    }

    // Opens the dialog with File > Print and runs `step` in it.
    void OpenDialog(std::function<void(frmPrintList&)> step, const char* command = "MnuFilePrint")
    {
        MDIForm1* main = main_.get();
        bool ran = false;
        WhenModal<frmPrintList>([&, step](frmPrintList& dialog) {
            ran = true;
            EXPECT_EQ(dialog.parentWidget(), main);
            step(dialog);
        });
        main_->action(QString::fromLatin1(command))->trigger();
        EXPECT_TRUE(ran);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the dialog stayed open";
    }
    static QStringList Ticked(const frmPrintList& dialog)
    {
        QStringList ticked;
        for (int i = 0; i < 8; ++i)
            if (dialog.chkPrintItem(i)->isChecked())
                ticked << QString::number(i);
        return ticked;
    }
    static void Tick(frmPrintList& dialog, std::initializer_list<int> boxes)
    {
        for (int i : boxes)
            QTest::mouseClick(dialog.chkPrintItem(i), Qt::LeftButton, {}, QPoint(8, dialog.chkPrintItem(i)->height() / 2));
    }
    // Ticks the boxes and clicks OK.
    void PrintSections(std::initializer_list<int> boxes)
    {
        OpenDialog([boxes](frmPrintList& dialog) {
            Tick(dialog, boxes);
            ASSERT_TRUE(dialog.cmdOK()->isEnabled());
            QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
        });
    }

    AppCore core_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MDIForm1> main_;
    QTemporaryDir dir_;
    bool printersInstalled_ = false;
    int setupShown_ = 0;
    std::function<bool(QPrinter&)> setupStep_;
    PrinterQueueCheck previousQueues_;
    PrintSetupRunner previousSetup_;
    PrintClock previousClock_;
};

TEST_F(PrintDialog, OpensWithEightUntickedBoxesTheirCaptionsAndOkDisabled)
{
    OpenDialog([](frmPrintList& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Print Out List");
        EXPECT_TRUE(dialog.isModal());
        const QStringList captions = {" Optional Features", " Key Assignment", " Scan Information", " DTMF",
                                      " FleetSync",         " Test Frequency", " Embedded Message", " Channel Information"};
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(dialog.chkPrintItem(i)->text(), captions[i]);
            EXPECT_FALSE(dialog.chkPrintItem(i)->isChecked());
            EXPECT_EQ(dialog.chkPrintItem(i)->property("helpContextId").toInt(), 2500);
        }
        EXPECT_EQ(dialog.cmdPrintSetup()->text(), "P&rint setup");
        EXPECT_EQ(dialog.cmdClearAll()->text(), "C&lear All");
        EXPECT_EQ(dialog.cmdSelectAll()->text(), "Select &All");
        EXPECT_EQ(dialog.cmdOK()->text(), "&OK");
        EXPECT_EQ(dialog.cmdCancel()->text(), "&Cancel");
        EXPECT_FALSE(dialog.cmdHelp()->isVisible());
        EXPECT_EQ(dialog.property("helpContextId").toInt(), 2500);
        EXPECT_EQ(HelpKeyFilter::PageForWidget(dialog.chkPrintItem(4)), "print");
        EXPECT_EQ(HelpKeyFilter::PageForWidget(dialog.cmdSelectAll()), "print");
        EXPECT_FALSE(dialog.cmdOK()->isEnabled());
        dialog.cmdCancel()->click();
    });
}

TEST_F(PrintDialog, OkIsEnabledExactlyWhileABoxIsTicked)
{
    OpenDialog([](frmPrintList& dialog) {
        Tick(dialog, {3});
        EXPECT_TRUE(dialog.cmdOK()->isEnabled());
        Tick(dialog, {5});
        Tick(dialog, {3});
        EXPECT_TRUE(dialog.cmdOK()->isEnabled());
        Tick(dialog, {5});
        EXPECT_FALSE(dialog.cmdOK()->isEnabled());
        QTest::mouseClick(dialog.cmdSelectAll(), Qt::LeftButton);
        EXPECT_EQ(Ticked(dialog).size(), 8);
        EXPECT_TRUE(dialog.cmdOK()->isEnabled());
        QTest::mouseClick(dialog.cmdClearAll(), Qt::LeftButton);
        EXPECT_TRUE(Ticked(dialog).isEmpty());
        EXPECT_FALSE(dialog.cmdOK()->isEnabled());
        QTest::mouseClick(dialog.cmdClearAll(), Qt::LeftButton);  // on an empty selection: no change
        EXPECT_FALSE(dialog.cmdOK()->isEnabled());
        dialog.cmdCancel()->click();
    });
}

TEST_F(PrintDialog, EveryOpeningStartsAnewWhetherByMenuShortcutOrToolbar)
{
    OpenDialog([](frmPrintList& dialog) {
        QTest::mouseClick(dialog.cmdSelectAll(), Qt::LeftButton);
        QTest::mouseClick(dialog.cmdCancel(), Qt::LeftButton);
    });
    OpenDialog(
        [](frmPrintList& dialog) {
            EXPECT_TRUE(Ticked(dialog).isEmpty());
            EXPECT_FALSE(dialog.cmdOK()->isEnabled());
            Tick(dialog, {1, 2});
            QTest::keyClick(&dialog, Qt::Key_Escape);  // Esc is Cancel
        },
        "Toolbar1Button5");

    main_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main_.get(), kHangGuardMs));
    bool ran = false;
    WhenModal<frmPrintList>([&](frmPrintList& dialog) {
        ran = true;
        EXPECT_TRUE(Ticked(dialog).isEmpty());
        dialog.close();  // the close box: nothing printed
    });
    QTest::keyClick(main_.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(prompts_.fileRequests().empty());
    EXPECT_TRUE(prompts_.messages().empty());
    EXPECT_EQ(setupShown_, 0);
}

TEST_F(PrintDialog, ChineseCaptionsComeFromTheChineseStrings)
{
    core_.LanguageChinese = true;
    OpenDialog([](frmPrintList& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "打印列表");
        EXPECT_EQ(dialog.chkPrintItem(0)->text(), " 可选功能");
        EXPECT_EQ(dialog.chkPrintItem(7)->text(), " 信道信息");
        EXPECT_EQ(dialog.cmdPrintSetup()->text(), "打印设置(&R)");
        EXPECT_EQ(dialog.cmdOK()->text(), "确定(&O)");
        EXPECT_EQ(dialog.cmdCancel()->text(), "取消(&C)");
        dialog.cmdCancel()->click();
    });
}

TEST_F(PrintDialog, CancelledPrintSetupKeepsTheSelectionAndTheDialogOpen)
{
    setupStep_ = [](QPrinter&) { return false; };
    OpenDialog([this](frmPrintList& dialog) {
        Tick(dialog, {0, 6});
        QTest::mouseClick(dialog.cmdPrintSetup(), Qt::LeftButton);
        EXPECT_EQ(setupShown_, 1);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Ticked(dialog), QStringList({"0", "6"}));
        EXPECT_TRUE(dialog.cmdOK()->isEnabled());
        dialog.cmdCancel()->click();
    });
    EXPECT_TRUE(prompts_.messages().empty());
}

TEST_F(PrintDialog, APdfFileChosenInPrintSetupHoldsForLaterReports)
{
    const QString pdf = dir_.filePath(QStringLiteral("chosen.pdf"));
    setupStep_ = [pdf](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        return true;
    };
    OpenDialog([](frmPrintList& dialog) {
        QTest::mouseClick(dialog.cmdPrintSetup(), Qt::LeftButton);
        dialog.cmdCancel()->click();
    });
    PrintSections({6});
    EXPECT_TRUE(prompts_.fileRequests().empty()) << "the choice of the set-up is used, no question";
    EXPECT_TRUE(prompts_.messages().empty());
    EXPECT_EQ(PdfWords(pdf).size(), 1u);
    EXPECT_EQ(ReportPrinter().outputFileName(), pdf);
}

TEST_F(PrintDialog, WithNoPrinterInstalledOkAsksForAPdfFileAndPrintsThere)
{
    core_.document.DataFilePath = dir_.filePath(QStringLiteral("site.dat"));
    core_.document.hasFile = true;
    core_.image.write(layout::ChannelRecord(1), QByteArray::fromHex("0025611400256114ffffffff0030b0f8"));
    core_.image.write(layout::ChannelRecord(9), QByteArray::fromHex("0025611400256114ffffffff0030b0f8"));
    const QString pdf = dir_.filePath(QStringLiteral("report.pdf"));
    prompts_.chooseFile(pdf);
    PrintSections({0, 7});

    ASSERT_EQ(prompts_.fileRequests().size(), 1u);
    const FileRequest& request = prompts_.fileRequests()[0];
    EXPECT_EQ(request.kind, FileRequest::Kind::Save);
    EXPECT_EQ(request.fileName, dir_.filePath(QStringLiteral("site.pdf")));
    EXPECT_TRUE(prompts_.messages().empty());
    const auto pages = PdfWords(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].count("Optional"), 1u);
    ASSERT_EQ(pages[1].count("Channel1"), 1u);
    EXPECT_EQ(pages[1].count("Channel9"), 1u);
    // Letter with no margins: Channel1 at (LeftMargin, line 13) = (1224, 3886)
    // twips = (61.2, 194.3) points.
    const WordBox channel1 = pages[1].find("Channel1")->second;
    EXPECT_NEAR(channel1.xMin, 61.2, 1.0);
    EXPECT_NEAR(channel1.yMin, 194.3, 2.0);
    EXPECT_EQ(pages[1].count("146.12500"), 4u);
    EXPECT_TRUE(ReportPrinter().outputFileName().isEmpty()) << "the next report asks again";
}

TEST_F(PrintDialog, AfterFileOpenThePdfIsSuggestedBesideTheDataFile)
{
    const QString folder = dir_.filePath(QStringLiteral("site files"));
    const QString data = WriteDataFileIn(folder, QStringLiteral("north hill.dat"), core_.image);
    ASSERT_FALSE(data.isEmpty());
    prompts_.chooseFile(data);
    main_->action(QStringLiteral("MnuFileOpen"))->trigger();
    ASSERT_EQ(core_.document.DataFilePath, data);
    prompts_.clear();

    prompts_.chooseFile(QString());
    OpenDialog([](frmPrintList& dialog) {
        Tick(dialog, {0});
        QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
        dialog.cmdCancel()->click();
    });
    ASSERT_EQ(prompts_.fileRequests().size(), 1u);
    EXPECT_EQ(prompts_.startPath(0), folder + QStringLiteral("/north hill.pdf"));
}

TEST_F(PrintDialog, CancellingThePdfQuestionPrintsNothingAndShowsNoBox)
{
    prompts_.chooseFile(QString());
    OpenDialog([this](frmPrintList& dialog) {
        Tick(dialog, {2});
        QTest::mouseClick(dialog.cmdOK(), Qt::LeftButton);
        EXPECT_EQ(prompts_.fileRequests().size(), 1u);
        EXPECT_TRUE(dialog.isVisible()) << "the user may choose again or cancel";
        dialog.cmdCancel()->click();
    });
    EXPECT_TRUE(prompts_.messages().empty());
    EXPECT_TRUE(ReportPrinter().outputFileName().isEmpty());
}

TEST_F(PrintDialog, APdfFileThatCannotBeWrittenIsNamedWithTheReasonAndNothingIsWritten)
{
    const QString pdf = dir_.filePath(QStringLiteral("missing folder/report.pdf"));
    prompts_.chooseFile(pdf);
    PrintSections({0});
    ASSERT_EQ(prompts_.messages().size(), 1u);
    const MessageRequest& box = prompts_.messages()[0];
    EXPECT_EQ(box.title, "Print Out List");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Cannot write the file \"%1\": ").arg(pdf))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains("No such file or directory")) << box.text.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintDialog, AValueWithoutPrintableFormEndsTheReportWithNothingPrinted)
{
    core_.image.set(layout::VoiceAnnunciation, 0x03);
    const QString pdf = dir_.filePath(QStringLiteral("report.pdf"));
    prompts_.chooseFile(pdf);
    PrintSections({1, 0});
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].title, "Print Out List");
    EXPECT_EQ(prompts_.messages()[0].text, "Voice Annunciation: 03\r\nNothing was printed.");
    EXPECT_EQ(prompts_.messages()[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(QFile::exists(pdf)) << "no half-printed report";
}

TEST_F(PrintDialog, TheFailureBoxIsChineseInChineseMode)
{
    core_.LanguageChinese = true;
    core_.image.set(layout::VoiceAnnunciation, 0x03);
    prompts_.chooseFile(dir_.filePath(QStringLiteral("report.pdf")));
    PrintSections({0});
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].title, "打印列表");
    EXPECT_EQ(prompts_.messages()[0].text, "语音提示: 03\r\n没有打印任何内容。");
}

TEST_F(PrintDialog, WithNoUsablePrinterTheBoxAsksForAPrinterToBeSetUp)
{
    printersInstalled_ = true;
    // What Qt leaves when the print system knows no usable printer.
    ReportPrinter().setOutputFileName(QString());
    ReportPrinter().setOutputFormat(QPrinter::PdfFormat);
    PrintSections({0});
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].title, "Print Out List");
    EXPECT_EQ(prompts_.messages()[0].text, "A printer must be set up before printing.");
    EXPECT_TRUE(prompts_.fileRequests().empty());
}

TEST_F(PrintDialog, PrintingTheChannelsLeavesTheChannelListsRegistersAlone)
{
    core_.image.write(layout::ChannelRecord(3), QByteArray::fromHex("0025611400256114132875030930b2fc"));
    core_.image.write(layout::ChannelRecord(7), QByteArray::fromHex("00256114002561149e0213a80030b0f8"));
    core_.CopyChannelRecords();
    core_.channelRegisters.ChRxFreq = QStringLiteral("146.12500");
    core_.channelRegisters.ChDecode = QStringLiteral("D023N");
    const ChannelRegisters before = core_.channelRegisters;
    const auto chData = core_.ChData;
    const RadioImage image = core_.image;
    prompts_.chooseFile(dir_.filePath(QStringLiteral("channels.pdf")));
    PrintSections({7});
    EXPECT_TRUE(prompts_.messages().empty());
    EXPECT_EQ(core_.channelRegisters, before);
    EXPECT_EQ(core_.ChData, chData);
    EXPECT_EQ(core_.image, image) << "the report never writes the image";
}

TEST_F(PrintDialog, AnOpenChannelEditorKeepsItsOwnChannelAfterTheChannelsArePrinted)
{
    core_.image.write(layout::ChannelRecord(3), QByteArray::fromHex("0025611400256114132875030930b2fc"));
    core_.image.write(layout::ChannelRecord(7), QByteArray::fromHex("00506114005061149e0213a80030b0f8"));
    ChannelForm& list = *main_->channelForm();
    list.DecodeAllChannels();
    list.ChannelGrid()->setCurrentCell(1, 1);
    list.ChannelGrid()->setCurrentCell(3, 1);
    QTest::mouseClick(list.cmdChannelEdit(), Qt::LeftButton);
    auto* editor = qobject_cast<ChannelEditForm*>(main_->windows().window(8));
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->ShownChannel(), 3);
    const auto typeDecode = [&](const QString& tone) {
        QComboBox* decode = editor->ComDecode();
        QApplication::setActiveWindow(main_.get());
        main_->mdiArea()->setActiveSubWindow(editor);
        decode->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        decode->lineEdit()->selectAll();
        QTest::keyClicks(decode, tone);
        QTest::keyClick(decode, Qt::Key_Return);
    };
    // The editor's own encoding of channel 3, before anything is printed.
    typeDecode(QStringLiteral("100"));
    QByteArray expected = core_.image.toByteArray(layout::ChannelRecord(3), 16);
    ASSERT_EQ(expected.mid(8, 2).toHex(' '), "e8 03");

    prompts_.chooseFile(dir_.filePath(QStringLiteral("channels.pdf")));
    PrintSections({7});
    ASSERT_TRUE(prompts_.messages().empty());

    // Channel 7 was printed last; the next tone commit still writes channel 3
    // from channel 3's own settings.
    typeDecode(QStringLiteral("D023N"));
    expected[8] = '\x13';
    expected[9] = '\x28';
    EXPECT_EQ(core_.image.toByteArray(layout::ChannelRecord(3), 16).toHex(' '), expected.toHex(' '));
    EXPECT_EQ(list.CellText(3, 1), "146.12500");
    EXPECT_EQ(list.CellText(3, 3), "D023N");
    EXPECT_EQ(list.CellText(7, 1), "146.15000");
}

}  // namespace
}  // namespace zx::test
