#include "printing/ui/ReportPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/AppCore.h"
#include "platform/Prompt.h"
#include "printing/RecordingPage.h"
#include "printing/ui/QtPrintPage.h"

namespace zx {

namespace {

QPrinter* g_printer = nullptr;

void DeletePrinter()
{
    delete g_printer;
    g_printer = nullptr;
}

PrinterQueueCheck& QueueCheck()
{
    static PrinterQueueCheck check = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
    return check;
}

PrintSetupRunner& SetupRunner()
{
    static PrintSetupRunner runner = [](QPrinter& printer, QWidget* parent) {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return runner;
}

PrintClock& Clock()
{
    static PrintClock clock = [] { return QDateTime::currentDateTime(); };
    return clock;
}

}  // namespace

QPrinter& ReportPrinter()
{
    if (!g_printer) {
        g_printer = new QPrinter(QPrinter::HighResolution);
        // Freed with the application, while the print system is still there.
        qAddPostRoutine(DeletePrinter);
    }
    return *g_printer;
}

bool PrinterQueuesInstalled()
{
    return QueueCheck()();
}

PrinterQueueCheck SetPrinterQueueCheck(PrinterQueueCheck check)
{
    return std::exchange(QueueCheck(), std::move(check));
}

PrintSetupRunner SetPrintSetupRunner(PrintSetupRunner runner)
{
    return std::exchange(SetupRunner(), std::move(runner));
}

namespace {

// The data file's name with .pdf, in the data file's folder or else the
// last folder used.
QString SuggestedPdfPath(const DocumentState& document)
{
    const QFileInfo data(document.DataFilePath);
    const QString name = data.completeBaseName() + QStringLiteral(".pdf");
    if (document.hasFile)
        return data.dir().filePath(name);
    return document.LastDirectory.isEmpty() ? name : QDir(document.LastDirectory).filePath(name);
}

}  // namespace

std::optional<QString> AskPdfFileWhenNoPrinter(const QString& title, QWidget* owner)
{
    if (!ReportPrinter().outputFileName().isEmpty() || PrinterQueuesInstalled())
        return QString();
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.title = title;
    request.fileName = SuggestedPdfPath(Core().document);
    request.filter = QStringLiteral("PDF (*.pdf)");
    request.confirmOverwrite = true;
    request.parent = owner;
    const QString file = AskFileName(request);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

bool RunPrintSetup(QWidget* parent)
{
    return SetupRunner()(ReportPrinter(), parent);
}

PrintClock SetPrintClock(PrintClock clock)
{
    return std::exchange(Clock(), std::move(clock));
}

QDateTime PrintTime()
{
    return Clock()();
}

std::optional<PrintFailure> RunPrintout(const Printout& printout, const QString& pdfFile, bool chinese)
{
    QPrinter& kept = ReportPrinter();
    const QString file = pdfFile.isEmpty() ? kept.outputFileName() : pdfFile;
    // A file gets a printer of its own with the kept page settings: Qt's PDF
    // engine stays "active" after it failed to open a file, and the kept
    // printer must stay usable for the rest of the run.
    std::unique_ptr<QPrinter> filePrinter;
    QPrinter* target = &kept;
    if (!file.isEmpty()) {
        filePrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        filePrinter->setOutputFormat(QPrinter::PdfFormat);
        filePrinter->setOutputFileName(file);
        filePrinter->setPageLayout(kept.pageLayout());
        filePrinter->setColorMode(kept.colorMode());
        filePrinter->setFullPage(kept.fullPage());
        target = filePrinter.get();
    }

    QtPrintPage page(*target, chinese);
    RecordingPage layout(page);
    try {
        printout(layout);
    } catch (const PrintFailure& failure) {
        layout.AbortDoc();
        return failure;
    }
    try {
        layout.Replay(page);
    } catch (const PrintFailure& failure) {
        page.AbortDoc();
        return failure;
    }
    return std::nullopt;
}

std::optional<PrintFailure> PrintProgrammingReportTo(const QString& pdfFile, const ReportInput& input)
{
    return RunPrintout(
        [&input](PrintPage& page) {
            if (std::optional<PrintFailure> failure = PrintProgrammingReport(page, input))
                throw *failure;
        },
        pdfFile, input.chinese);
}

}  // namespace zx
