#include "printing/ui/ReportPrinter.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

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

std::optional<PrintFailure> PrintProgrammingReportOn(QPrinter& printer, const ReportInput& input)
{
    QtPrintPage page(printer, input.chinese);
    RecordingPage layout(page);
    if (std::optional<PrintFailure> failure = PrintProgrammingReport(layout, input))
        return failure;
    try {
        layout.Replay(page);
    } catch (const PrintFailure& failure) {
        page.AbortDoc();
        return failure;
    }
    return std::nullopt;
}

}  // namespace zx
