#include "link/ui/DJJInfoForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/HelpTopicTable.h"
#include "core/StringTable.h"
#include "core/ui/AppIcons.h"
#include "core/ui/HelpWindow.h"
#include "link/RadioInformation.h"
#include "link/ui/FormLabels.h"

namespace zx {

namespace {
constexpr int kHelpId = 6100;

QLabel* MakeValue(QWidget* parent, const char* name)
{
    QLabel* value = SunkenValue(parent, name, 180);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return value;
}
}  // namespace

DJJInfoForm::DJJInfoForm(const RadioInfoBytes& radioInfo, std::uint8_t bandCode) : QDialog(nullptr)
{
    setObjectName(QStringLiteral("DJJInfoForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setProperty(kHelpContextIdProperty, kHelpId);

    lblModelType = NamedLabel(this, "lblModelType");
    lblFrequency = NamedLabel(this, "lblFrequency");
    lblSerialNum = NamedLabel(this, "lblSerialNum");
    lblVersion = NamedLabel(this, "lblVersion");
    LabModel = MakeValue(this, "LabModel");
    LabFreq = MakeValue(this, "LabFreq");
    LabSN = MakeValue(this, "LabSN");
    LabVersion = MakeValue(this, "LabVersion");
    LabVersion->setText(kRadioVersionText);
    cmdClose = new QPushButton(this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdHelp = new QPushButton(this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    for (QPushButton* button : {cmdClose, cmdHelp}) {
        button->setAutoDefault(false);
        button->setProperty(kHelpContextIdProperty, kHelpId);
    }

    auto* fields = new QGridLayout;
    const std::pair<QLabel*, QLabel*> rows[] = {
        {lblModelType, LabModel}, {lblFrequency, LabFreq}, {lblSerialNum, LabSN}, {lblVersion, LabVersion}};
    int row = 0;
    for (const auto& [caption, value] : rows) {
        fields->addWidget(caption, row, 0);
        fields->addWidget(value, row, 1);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    buttons->addWidget(cmdHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    // A fixed size, like the program's other dialogs: it can be neither
    // resized nor maximised.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdHelp, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, QStringLiteral("radioinfo.htm")); });

    Form_Load(radioInfo, bandCode);
}

void DJJInfoForm::Form_Load(const RadioInfoBytes& radioInfo, std::uint8_t bandCode)
{
    setWindowIcon(WindowIcon());
    setWindowTitle(LoadLangString(1190));
    lblModelType->setText(LoadLangString(1094));
    lblFrequency->setText(LoadLangString(1191));
    lblSerialNum->setText(LoadLangString(1192));
    lblVersion->setText(LoadLangString(1193));
    cmdClose->setText(LoadLangString(1075));
    cmdHelp->setText(LoadLangString(1076));
    cmdHelp->hide();

    const ModelBandText text = GetModelBandText(bandCode);
    LabModel->setText(text.model);
    LabFreq->setText(text.band);
    LabSN->setText(RadioSerialNumber(radioInfo));
}

}  // namespace zx
