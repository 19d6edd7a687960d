#pragma once
// The printer the printouts use: one QPrinter kept for the run, so a choice
// made in Print setup (a printer, a PDF file, the paper) holds for every
// later printout. Tests replace the print set-up dialog, the check for
// installed printers and the clock.
#include <functional>
#include <optional>

#include <QDateTime>

#include "printing/PrintFailure.h"
#include "printing/ProgrammingReport.h"

class QPrinter;
class QWidget;

namespace zx {

QPrinter& ReportPrinter();

// Whether the print system has a printer queue at all.
bool PrinterQueuesInstalled();
using PrinterQueueCheck = std::function<bool()>;
PrinterQueueCheck SetPrinterQueueCheck(PrinterQueueCheck check);

// Shows the print set-up dialog on the kept printer; true when the user
// accepted it. The default runs Qt's print dialog.
using PrintSetupRunner = std::function<bool(QPrinter&, QWidget* parent)>;
PrintSetupRunner SetPrintSetupRunner(PrintSetupRunner runner);
bool RunPrintSetup(QWidget* parent);

// The date and time a printout shows; the default is the local clock.
using PrintClock = std::function<QDateTime()>;
PrintClock SetPrintClock(PrintClock clock);
QDateTime PrintTime();

// Lays the whole report out first and sends it to the printer only when it
// is complete, so a report that fails prints nothing.
std::optional<PrintFailure> PrintProgrammingReportOn(QPrinter& printer, const ReportInput& input);

}  // namespace zx
