#include "testmode/ui/TuningDataPrint.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "core/AppCore.h"
#include "core/StringTable.h"
#include "platform/Prompt.h"
#include "printing/ui/ReportPrinter.h"
#include "testmode/TuningDataPrintout.h"

namespace zx {

namespace {

const QString kProgramTitle = QStringLiteral("ZX-4100");

QString FailureDescription(const PrintFailure& failure)
{
    if (!failure.description.isEmpty())
        return failure.description;
    return LangText("没有可用的打印机。", "No printer is available.");
}

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

bool PrintTuningData(QWidget* owner)
{
    const AppCore& core = Core();
    const MsgResult answer = Ask({LangText("打印输出所有调谐数据。", "All tuning data print out."),
                                  LangText("确认", "Confirmation"), MsgIcon::Question, MsgButtons::OkCancel,
                                  MsgResult::Cancel, owner});
    if (answer != MsgResult::Ok)
        return false;

    TuningPrintInput input;
    input.image = core.image;
    input.values = core.testMode;
    input.chinese = core.LanguageChinese;
    input.dataFilePath = core.document.DataFilePath;
    input.printedAt = PrintTime();
    input.locale = QLocale();

    // With no printer queue at all, and no PDF file chosen in Print setup,
    // the page goes to a PDF file the user names now.
    QString pdfFile;
    if (ReportPrinter().outputFileName().isEmpty() && !PrinterQueuesInstalled()) {
        FileRequest request;
        request.kind = FileRequest::Kind::Save;
        request.title = LoadLangString(1248);
        request.fileName = SuggestedPdfPath(core.document);
        request.directory = QFileInfo(request.fileName).path();
        request.filter = QStringLiteral("PDF (*.pdf)");
        request.confirmOverwrite = true;
        request.parent = owner;
        pdfFile = AskFileName(request);
        if (pdfFile.isEmpty())
            return false;
    }

    const std::optional<PrintFailure> failure = RunPrintout(
        [&input](PrintPage& page) {
            if (std::optional<PrintFailure> failed = PrintTuningDataPage(page, input))
                throw *failed;
        },
        pdfFile, input.chinese);
    if (failure) {
        Ask({FailureDescription(*failure), kProgramTitle, MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok,
             owner});
        return false;
    }
    return true;
}

}  // namespace zx
