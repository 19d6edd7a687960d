#include "testmode/ui/TuningDataPrint.h"

#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "core/AppCore.h"
#include "core/StringTable.h"
#include "platform/Prompt.h"
#include "printing/ui/ReportPrinter.h"
#include "testmode/TuningDataPrintout.h"
#include "testmode/ui/TestForm.h"

namespace zx {

namespace {

const QString kProgramTitle = QStringLiteral("ZX-4100");

QString FailureDescription(const PrintFailure& failure)
{
    if (!failure.description.isEmpty())
        return failure.description;
    return LangText("没有可用的打印机。", "No printer is available.");
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

    const std::optional<QString> pdfFile = AskPdfFileWhenNoPrinter(LoadLangString(1248), owner);
    if (!pdfFile)
        return false;

    const std::optional<PrintFailure> failure = RunPrintout(
        [&input](PrintPage& page) {
            if (std::optional<PrintFailure> failed = PrintTuningDataPage(page, input))
                throw *failed;
        },
        *pdfFile, input.chinese);
    if (failure) {
        Ask({FailureDescription(*failure), kProgramTitle, MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok,
             owner});
        return false;
    }
    return true;
}

void CmdPrint_Click(TestForm& form)
{
    if (form.printoutRunning())
        return;
    // Inert from here on, the wait included: a step started meanwhile would
    // replace the PTT off.
    form.SetPrintoutRunning(true);
    form.SwitchPttOff();
    QTimer::singleShot(kPttOffWaitMs, Qt::PreciseTimer, &form, [&form] {
        PrintTuningData(&form);
        form.SetPrintoutRunning(false);
    });
}

void AttachTuningDataPrint(TestForm& form)
{
    QObject::connect(form.CmdPrint, &QPushButton::clicked, &form, [&form] { CmdPrint_Click(form); });
}

}  // namespace zx
