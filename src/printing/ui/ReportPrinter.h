#pragma once
// The printer the printouts use: one QPrinter kept for the run, so a choice
// made in Print setup (a printer, a PDF file, the paper) holds for every
// later printout. Tests replace the print set-up dialog, the check for
// installed printers and the clock.
#include <functional>
#include <optional>

#include <QDateTime>

#include "printing/PrintFailure.h"
#include "printing/PrintPage.h"
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

// With no printer queue at all and no PDF file chosen in Print setup, a
// printout goes to a PDF file the user names now: asks for it under
// `title`, suggesting the data file's name with .pdf in the data file's
// folder. Returns the file ("" when the printer as set up is used), or
// nothing when the user cancelled.
std::optional<QString> AskPdfFileWhenNoPrinter(const QString& title, QWidget* owner);

// The date and time a printout shows; the default is the local clock.
using PrintClock = std::function<QDateTime()>;
PrintClock SetPrintClock(PrintClock clock);
QDateTime PrintTime();

// A printout: everything it prints goes through the page; a failure is
// thrown as PrintFailure.
using Printout = std::function<void(PrintPage& page)>;

// Runs a printout on the kept printer, or into the PDF file `pdfFile` when it
// is not empty, or into the PDF file chosen in Print setup. The printout is
// laid out whole first and sent to the printer only when it is complete, so
// a printout that fails prints nothing. `chinese` picks the language of the
// print system's failures.
std::optional<PrintFailure> RunPrintout(const Printout& printout, const QString& pdfFile, bool chinese);

// The programming report as a printout.
std::optional<PrintFailure> PrintProgrammingReportTo(const QString& pdfFile, const ReportInput& input);

}  // namespace zx
