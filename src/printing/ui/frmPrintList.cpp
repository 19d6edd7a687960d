#include "printing/ui/frmPrintList.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppCore.h"
#include "core/StringTable.h"
#include "core/ui/AppIcons.h"
#include "core/ui/HelpWindow.h"
#include "platform/Prompt.h"
#include "printing/ProgrammingReport.h"
#include "printing/ui/ReportPrinter.h"

namespace zx {

namespace {

constexpr int kHelpId = 2500;
constexpr int kCaptionId = 1245;
const int kItemCaptions[kReportSections] = {1041, 1042, 1043, 1044, 1045, 1046, 1047, 1195};

QPushButton* MakeButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setProperty("helpContextId", kHelpId);
    return button;
}

QString FailureText(const PrintFailure& failure, bool chinese)
{
    // A report stopped by its own contents is laid out whole before any of
    // it is printed: the value alone would leave the user wondering.
    if (failure.kind == PrintFailure::Kind::Value || failure.kind == PrintFailure::Kind::Arithmetic)
        return failure.description
               + (chinese ? QStringLiteral("\r\n没有打印任何内容。") : QStringLiteral("\r\nNothing was printed."));
    if (failure.kind != PrintFailure::Kind::NoPrinter)
        return failure.description;
    QString text = chinese ? QStringLiteral("打印之前必须已经安装打印机。")
                           : QStringLiteral("A printer must be set up before printing.");
    if (!failure.description.isEmpty())
        text += QStringLiteral("\r\n") + failure.description;
    return text;
}

}  // namespace

frmPrintList::frmPrintList(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrintList"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setProperty("helpContextId", kHelpId);

    auto* boxes = new QVBoxLayout;
    for (int i = 0; i < kReportSections; ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("chkPrintItem%1").arg(i));
        box->setProperty("helpContextId", kHelpId);
        chkPrintItem_[static_cast<std::size_t>(i)] = box;
        boxes->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] { chkPrintItem_Click(); });
    }
    boxes->addStretch(1);

    cmdPrintSetup_ = MakeButton(this, "cmdPrintSetup");
    cmdClearAll_ = MakeButton(this, "cmdClearAll");
    cmdSelectAll_ = MakeButton(this, "cmdSelectAll");
    cmdOK_ = MakeButton(this, "cmdOK");
    cmdCancel_ = MakeButton(this, "cmdCancel");
    cmdHelp_ = MakeButton(this, "cmdHelp");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdPrintSetup_, cmdClearAll_, cmdSelectAll_, cmdOK_, cmdCancel_, cmdHelp_})
        buttons->addWidget(b);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(boxes, 1);
    layout->addLayout(buttons);

    QWidget* previous = chkPrintItem_[0];
    for (QWidget* next : std::initializer_list<QWidget*>{chkPrintItem_[1], chkPrintItem_[2], chkPrintItem_[3],
                                                         chkPrintItem_[4], chkPrintItem_[5], chkPrintItem_[6],
                                                         chkPrintItem_[7], cmdPrintSetup_, cmdClearAll_,
                                                         cmdSelectAll_, cmdOK_, cmdCancel_, cmdHelp_}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(cmdPrintSetup_, &QPushButton::clicked, this, [this] { cmdPrintSetup_Click(); });
    connect(cmdClearAll_, &QPushButton::clicked, this, [this] { cmdClearAll_Click(); });
    connect(cmdSelectAll_, &QPushButton::clicked, this, [this] { cmdSelectAll_Click(); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    // Cancel, Esc and the close box close without printing.
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Hidden, so only code reaches it; F1 is the help a user gets here.
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, QStringLiteral("print")); });

    Form_Load();
}

void frmPrintList::Form_Load()
{
    setWindowIcon(WindowIcon());
    setWindowTitle(LoadLangString(kCaptionId));
    for (int i = 0; i < kReportSections; ++i)
        chkPrintItem_[static_cast<std::size_t>(i)]->setText(LoadLangString(kItemCaptions[i]));
    cmdPrintSetup_->setText(LoadLangString(1242));
    cmdClearAll_->setText(LoadLangString(1243));
    cmdSelectAll_->setText(LoadLangString(1244));
    cmdOK_->setText(LoadLangString(1096));
    cmdCancel_->setText(LoadLangString(1097));
    cmdHelp_->setText(LoadLangString(1076));
    cmdHelp_->setVisible(false);
    cmdOK_->setEnabled(false);
}

void frmPrintList::chkPrintItem_Click()
{
    bool any = false;
    for (QCheckBox* box : chkPrintItem_)
        any = any || box->isChecked();
    cmdOK_->setEnabled(any);
}

void frmPrintList::cmdSelectAll_Click()
{
    for (QCheckBox* box : chkPrintItem_)
        box->setChecked(true);
}

void frmPrintList::cmdClearAll_Click()
{
    for (QCheckBox* box : chkPrintItem_)
        box->setChecked(false);
}

void frmPrintList::cmdPrintSetup_Click()
{
    // Whatever the user does there, the selection here stays.
    RunPrintSetup(this);
}

void frmPrintList::cmdOK_Click()
{
    const AppCore& core = Core();
    ReportInput input;
    input.image = core.image;
    input.chinese = core.LanguageChinese;
    input.dataFilePath = core.document.DataFilePath;
    input.printedAt = PrintTime();
    input.locale = QLocale();
    for (int i = 0; i < kReportSections; ++i)
        input.sections[static_cast<std::size_t>(i)] = chkPrintItem_[static_cast<std::size_t>(i)]->isChecked();

    const std::optional<QString> pdfFile = AskPdfFileWhenNoPrinter(LoadLangString(kCaptionId), this);
    if (!pdfFile)
        return;

    const std::optional<PrintFailure> failure = PrintProgrammingReportTo(*pdfFile, input);
    if (failure)
        Ask({FailureText(*failure, input.chinese), LoadLangString(kCaptionId), MsgIcon::Exclamation, MsgButtons::Ok,
             MsgResult::Ok, this});
    accept();
}

void MnuFilePrint_Click(QWidget* owner)
{
    frmPrintList dialog(owner);
    dialog.exec();
}

}  // namespace zx
