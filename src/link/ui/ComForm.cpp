#include "link/ui/ComForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

#include "core/HelpTopicTable.h"
#include "core/StringTable.h"
#include "core/ui/AppIcons.h"
#include "core/ui/HelpWindow.h"
#include "platform/ComPortMap.h"

namespace zx {

namespace {
constexpr int kHelpId = 7100;
constexpr int kRowsPerColumn = 5;

QPushButton* MakeButton(QWidget* parent, const char* name, int captionId)
{
    auto* button = new QPushButton(LoadLangString(captionId), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setProperty(kHelpContextIdProperty, kHelpId);
    return button;
}

// A tip shows a device as typed: text that Qt would take for markup is
// escaped.
QString PlainTip(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}
}  // namespace

ComForm::ComForm(const PortProbe& probe, int currentPort, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ComForm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setProperty(kHelpContextIdProperty, kHelpId);
    setWindowIcon(WindowIcon());
    setWindowTitle(LoadLangString(1188));

    frmPort = new QGroupBox(LoadLangString(1188), this);
    frmPort->setObjectName(QStringLiteral("frmPort"));
    auto* grid = new QGridLayout(frmPort);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    const QString prefix = LoadLangString(1189);
    for (int i = 0; i < PortProbe::kPortCount; ++i) {
        const int port = kFirstComPort + i;
        auto* option = new QRadioButton(prefix + QLatin1Char(' ') + QString::number(port), frmPort);
        option->setObjectName(QStringLiteral("optPort%1").arg(i));
        option->setProperty(kHelpContextIdProperty, kHelpId);
        option->setToolTip(PlainTip(ShownDevice(ComPortDevice(port))));
        option->setEnabled(probe.usable(port));
        group_->addButton(option, i);
        grid->addWidget(option, i % kRowsPerColumn, i / kRowsPerColumn);
        optPort[static_cast<std::size_t>(i)] = option;
    }
    // The current port is selected even when the probe could not use it.
    if (currentPort >= kFirstComPort && currentPort <= kLastComPort)
        optPort[static_cast<std::size_t>(currentPort - kFirstComPort)]->setChecked(true);

    cmdOK = MakeButton(this, "cmdOK", 1096);
    cmdCancel = MakeButton(this, "cmdCancel", 1097);
    cmdHelp = MakeButton(this, "cmdHelp", 1076);
    cmdHelp->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frmPort);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, QStringLiteral("commport.htm")); });
}

int ComForm::ChosenPort() const
{
    for (int i = 0; i < PortProbe::kPortCount; ++i)
        if (optPort[static_cast<std::size_t>(i)]->isChecked())
            return kFirstComPort + i;
    return 0;
}

}  // namespace zx
