#include "core/ui/ModelTypeForm.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "core/AppCore.h"
#include "core/BandLabelTable.h"
#include "core/MainCaption.h"
#include "core/ModelChange.h"
#include "core/StringTable.h"
#include "core/Workspace.h"
#include "core/ui/AppIcons.h"
#include "core/ui/HelpWindow.h"
#include "platform/Prompt.h"

namespace zx {

namespace {
constexpr int kHelpId = 3100;

QPushButton* MakeButton(QWidget* parent, const char* name, int captionId)
{
    auto* button = new QPushButton(LoadLangString(captionId), parent);
    button->setObjectName(QString::fromLatin1(name));
    // No default button: Enter never closes the dialog.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setProperty("helpContextId", kHelpId);
    return button;
}
}  // namespace

ModelTypeForm::ModelTypeForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ModelTypeForm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lblModelType_ = new QLabel(this);
    lblModelType_->setObjectName(QStringLiteral("lblModelType"));
    lblFreq_ = new QLabel(this);
    lblFreq_->setObjectName(QStringLiteral("lblFreq"));
    cboModelType_ = new QComboBox(this);
    cboModelType_->setObjectName(QStringLiteral("cboModelType"));
    cboModelType_->setEditable(false);
    cboModelType_->setProperty("helpContextId", kHelpId);
    cboFreq_ = new QComboBox(this);
    cboFreq_->setObjectName(QStringLiteral("cboFreq"));
    cboFreq_->setEditable(false);
    cboFreq_->setProperty("helpContextId", kHelpId);
    cmdOK_ = MakeButton(this, "cmdOK", 1096);
    cmdCancel_ = MakeButton(this, "cmdCancel", 1097);
    cmdHelp_ = MakeButton(this, "cmdHelp", 1076);

    auto* fields = new QGridLayout;
    fields->addWidget(lblModelType_, 0, 0);
    fields->addWidget(cboModelType_, 0, 1);
    fields->addWidget(lblFreq_, 1, 0);
    fields->addWidget(cboFreq_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    buttons->addWidget(cmdHelp_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    cboModelType_->installEventFilter(this);
    cboFreq_->installEventFilter(this);
    connect(cboModelType_, &QComboBox::currentIndexChanged, this, [this] { cboModelType_Click(); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    // Cancel, Esc and the close box all close without writing.
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Hidden, so only code reaches it; F1 is the help a user gets here.
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, QStringLiteral("modelinfo")); });

    Form_Load();
}

void ModelTypeForm::Form_Load()
{
    setWindowIcon(WindowIcon());
    setWindowTitle(LoadLangString(1093));
    lblModelType_->setText(LoadLangString(1254));
    lblFreq_->setText(LoadLangString(1095));
    cmdHelp_->setVisible(false);

    cboModelType_->addItems(ModelClassNames());
    const BandPosition position = BandPositionOfCode(Core().image.modelBandCode());
    cboModelType_->setCurrentIndex(position.modelIndex);
    if (cboModelType_->currentIndex() == position.modelIndex)
        cboModelType_Click();  // the list already showed the class: fill the bands all the same
    cboFreq_->setCurrentIndex(position.bandIndex);

    InitialModelIndex_ = cboModelType_->currentIndex();
    InitialBandIndex_ = cboFreq_->currentIndex();
}

void ModelTypeForm::cboModelType_Click()
{
    cboFreq_->clear();
    cboFreq_->addItems(BandLabelsOfClass(cboModelType_->currentIndex()));
    cboFreq_->setCurrentIndex(0);
}

void ModelTypeForm::cmdOK_Click()
{
    const int modelIndex = cboModelType_->currentIndex();
    const int bandIndex = cboFreq_->currentIndex();
    if (modelIndex != InitialModelIndex_ || bandIndex != InitialBandIndex_) {
        const bool zh = Core().LanguageChinese;
        const MsgResult answer =
            Ask({zh ? QStringLiteral("频率数据将被清除。") : QStringLiteral("Frequency will be cleared."),
                 zh ? QStringLiteral("警告") : QStringLiteral("Warning"), MsgIcon::Exclamation, MsgButtons::OkCancel,
                 MsgResult::Cancel, this});
        if (answer == MsgResult::Ok)
            Core().image.setModelBandCode(BandCodeAt(modelIndex, bandIndex));
    }
    accept();
}

bool ModelTypeForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == cboModelType_) {
                cboFreq_->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (watched == cboFreq_) {
                cboModelType_->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MnuModelInformation_Click(Workspace& workspace)
{
    AppCore& core = Core();
    const ModelIdent before = CurrentModel(core.image);
    {
        ModelTypeForm form(workspace.DialogOwner());
        form.exec();
    }
    AfterModelDialog(core, workspace, before);
}

}  // namespace zx
