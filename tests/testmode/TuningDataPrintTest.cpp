// Printing the tuning data: the confirmation, the page on the printer kept
// for the run or in a PDF file when no printer is installed, read back with
// pdftotext, and the failure box.
#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>

#include "common/ImageFixtures.h"
#include "common/PdfPages.h"
#include "common/QtPrinters.h"
#include "common/ScriptedPrompts.h"
#include "common/TuningFixtures.h"
#include "common/RecordingWorkspace.h"
#include "core/AppCore.h"
#include "core/DocumentCommands.h"
#include "printing/ui/ReportPrinter.h"
#include "testmode/TuningDataBlock.h"
#include "testmode/ui/TuningDataPrint.h"

namespace zx::test {
namespace {

class TuningDataPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousQueues_ = SetPrinterQueueCheck([this] { return printersInstalled_; });
        previousClock_ = SetPrintClock([] { return QDateTime(QDate(2026, 3, 4), QTime(13, 5, 9)); });
        ResetReportPrinter();
        core_.image = DefaultFor(0x21, 0xF8);
        StoreTuningData(core_.image, core_.testMode, IdentityTuningBlock());
        core_.document.DataFilePath = dir_.filePath(QStringLiteral("site.dat"));
        core_.document.hasFile = true;
        owner_.show();
    }
    void TearDown() override
    {
        SetPrinterQueueCheck(previousQueues_);
        SetPrintClock(previousClock_);
        ReportPrinter().setOutputFileName(QString());
    }

    AppCore core_;
    ScriptedPrompts prompts_;
    QWidget owner_;
    QTemporaryDir dir_;
    bool printersInstalled_ = false;
    PrinterQueueCheck previousQueues_;
    PrintClock previousClock_;
};

TEST_F(TuningDataPrint, AsksFirstWithCancelAsTheDefault)
{
    prompts_.answer(MsgResult::Cancel);
    EXPECT_FALSE(PrintTuningData(&owner_));
    ASSERT_EQ(prompts_.messages().size(), 1u);
    const MessageRequest& box = prompts_.messages()[0];
    EXPECT_EQ(box.text, "All tuning data print out.");
    EXPECT_EQ(box.title, "Confirmation");
    EXPECT_EQ(box.icon, MsgIcon::Question);
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(box.defaultButton, MsgResult::Cancel);
    EXPECT_EQ(box.parent, &owner_);
    // Cancel prints nothing and asks for no file.
    EXPECT_TRUE(prompts_.fileRequests().empty());
}

TEST_F(TuningDataPrint, TheQuestionInChinese)
{
    core_.LanguageChinese = true;
    EXPECT_FALSE(PrintTuningData(&owner_));  // no answer queued: the default, Cancel
    ASSERT_EQ(prompts_.messages().size(), 1u);
    EXPECT_EQ(prompts_.messages()[0].text, "打印输出所有调谐数据。");
    EXPECT_EQ(prompts_.messages()[0].title, "确认");
}

TEST_F(TuningDataPrint, WithNoPrinterInstalledThePageGoesToAPdfFile)
{
    const QString pdf = dir_.filePath(QStringLiteral("tuning.pdf"));
    prompts_.answer(MsgResult::Ok);
    prompts_.chooseFile(pdf);
    EXPECT_TRUE(PrintTuningData(&owner_));

    ASSERT_EQ(prompts_.fileRequests().size(), 1u);
    const FileRequest& request = prompts_.fileRequests()[0];
    EXPECT_EQ(request.kind, FileRequest::Kind::Save);
    EXPECT_EQ(request.fileName, dir_.filePath(QStringLiteral("site.pdf")));
    EXPECT_EQ(request.filter, "PDF (*.pdf)");
    EXPECT_EQ(prompts_.messages().size(), 1u) << "no message after a good printout";

    const auto pages = PdfWords(pdf);
    ASSERT_EQ(pages.size(), 1u);
    // Letter without margins: "All" at (LeftMargin, line 10) = (1224, 3172)
    // twips, "Narrow" at column 95 = 9299 twips.
    ASSERT_EQ(pages[0].count("All"), 1u);
    const WordBox all = pages[0].find("All")->second;
    EXPECT_NEAR(all.xMin, 61.2, 2.0);
    EXPECT_NEAR(all.yMin, 158.6, 2.0);
    ASSERT_EQ(pages[0].count("Narrow"), 1u);
    EXPECT_NEAR(pages[0].find("Narrow")->second.xMin, 464.95, 2.0);
    EXPECT_EQ(pages[0].count("---"), 51u);
    EXPECT_EQ(pages[0].count("UHF:"), 1u);
    EXPECT_EQ(pages[0].count("-"), 2u);  // the footer's dashes
    EXPECT_TRUE(ReportPrinter().outputFileName().isEmpty()) << "the next printout asks again";
}

TEST_F(TuningDataPrint, AfterFileOpenThePdfIsSuggestedBesideTheDataFile)
{
    const QString folder = dir_.filePath(QStringLiteral("site files"));
    const QString data = WriteDataFileIn(folder, QStringLiteral("north hill.dat"), core_.image);
    ASSERT_FALSE(data.isEmpty());
    RecordingWorkspace workspace;
    DocumentCommands documents(workspace);
    prompts_.chooseFile(data);
    ASSERT_TRUE(documents.OpenDocument());
    prompts_.clear();

    prompts_.answer(MsgResult::Ok);
    prompts_.chooseFile(QString());
    EXPECT_FALSE(PrintTuningData(&owner_));
    ASSERT_EQ(prompts_.fileRequests().size(), 1u);
    EXPECT_EQ(prompts_.startPath(0), folder + QStringLiteral("/north hill.pdf"));
}

TEST_F(TuningDataPrint, CancellingTheFileQuestionPrintsNothingQuietly)
{
    prompts_.answer(MsgResult::Ok);
    prompts_.chooseFile(QString());
    EXPECT_FALSE(PrintTuningData(&owner_));
    EXPECT_EQ(prompts_.fileRequests().size(), 1u);
    EXPECT_EQ(prompts_.messages().size(), 1u) << "only the confirmation";
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(TuningDataPrint, AFileThatCannotBeWrittenShowsTheDescriptionUnderTheProgramsTitle)
{
    const QString pdf = dir_.filePath(QStringLiteral("missing folder/tuning.pdf"));
    prompts_.answer(MsgResult::Ok);
    prompts_.chooseFile(pdf);
    EXPECT_FALSE(PrintTuningData(&owner_));
    ASSERT_EQ(prompts_.messages().size(), 2u);
    const MessageRequest& box = prompts_.messages()[1];
    EXPECT_EQ(box.title, "ZX-4100");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Cannot write the file \"%1\": ").arg(pdf))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains("No such file or directory")) << box.text.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(TuningDataPrint, APrinterThatCannotBeUsedIsReportedAndNothingIsAsked)
{
    printersInstalled_ = true;
    // What Qt leaves when the print system knows no usable printer.
    ReportPrinter().setOutputFormat(QPrinter::PdfFormat);
    prompts_.answer(MsgResult::Ok);
    EXPECT_FALSE(PrintTuningData(&owner_));
    EXPECT_TRUE(prompts_.fileRequests().empty());
    ASSERT_EQ(prompts_.messages().size(), 2u);
    EXPECT_EQ(prompts_.messages()[1].title, "ZX-4100");
    EXPECT_EQ(prompts_.messages()[1].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(prompts_.messages()[1].text.isEmpty());
}

TEST_F(TuningDataPrint, APdfFileChosenInPrintSetupIsUsedWithoutAsking)
{
    const QString pdf = dir_.filePath(QStringLiteral("setup.pdf"));
    ReportPrinter().setOutputFileName(pdf);
    prompts_.answer(MsgResult::Ok);
    EXPECT_TRUE(PrintTuningData(&owner_));
    EXPECT_TRUE(prompts_.fileRequests().empty());
    const auto pages = PdfWords(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].count("RSSI"), 1u);
}

}  // namespace
}  // namespace zx::test
