#include "core/ui/LanguageForm.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "core/AppCore.h"
#include "core/LanguageSwitch.h"
#include "core/StringTable.h"
#include "core/Workspace.h"
#include "core/ui/AppIcons.h"
#include "core/ui/HelpWindow.h"
#include "platform/ui/ScreenTwips.h"

namespace zx {

namespace {
constexpr int kHelpId = 7200;

QPushButton* MakeButton(QWidget* parent, const char* name, int left)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setProperty("helpContextId", kHelpId);
    button->setGeometry(TwipsRect(left, 840, 948, 408));
    return button;
}
}  // namespace

LanguageForm::LanguageForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LanguageForm"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(TwipsToPixelsX(3855), TwipsToPixelsY(1500));

    labLanguage_ = new QLabel(this);
    labLanguage_->setObjectName(QStringLiteral("labLanguage"));
    labLanguage_->setGeometry(TwipsRect(75, 330, 1485, 225));
    ComLanguage_ = new QComboBox(this);
    ComLanguage_->setObjectName(QStringLiteral("ComLanguage"));
    ComLanguage_->setEditable(false);
    ComLanguage_->setProperty("helpContextId", kHelpId);
    ComLanguage_->setGeometry(QRect(TwipsToPixelsX(1836), TwipsToPixelsY(288), TwipsToPixelsX(1452),
                                    ComLanguage_->sizeHint().height()));
    cmdOK_ = MakeButton(this, "cmdOK", 360);
    cmdHelp_ = MakeButton(this, "cmdHelp", 1440);
    cmdCancel_ = MakeButton(this, "cmdCancel", 2520);

    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    // Hidden, so only code reaches it; F1 is the help a user gets here.
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, QStringLiteral("language")); });

    Form_Load();
}

void LanguageForm::Form_Load()
{
    setWindowIcon(WindowIcon());
    setWindowTitle(LoadLangString(1128));
    labLanguage_->setText(LoadLangString(1129));
    cmdOK_->setText(LoadLangString(1096));
    cmdCancel_->setText(LoadLangString(1097));
    cmdHelp_->setVisible(false);
    cmdHelp_->setText(LoadLangString(1076));
    ComLanguage_->addItem(LoadLangString(1121));
    ComLanguage_->addItem(LoadLangString(1122));
    const bool chinese = Core().LanguageChinese;
    ComLanguage_->setCurrentIndex(chinese ? 1 : 0);
    LanguageAtOpen_ = chinese;
}

void LanguageForm::cmdOK_Click()
{
    AppCore& core = Core();
    // Both words are looked up in the language in force at opening, like the
    // entries themselves.
    const QString chosen = ComLanguage_->currentText();
    if (chosen == LoadLangString(1121))
        core.LanguageChinese = false;
    else if (chosen == LoadLangString(1122))
        core.LanguageChinese = true;
    core.LanguageChanged = LanguageAtOpen_ != core.LanguageChinese;
    accept();
}

void LanguageForm::cmdCancel_Click()
{
    AppCore& core = Core();
    core.LanguageChinese = LanguageAtOpen_;
    core.LanguageChanged = false;
    reject();
}

void LanguageForm::keyPressEvent(QKeyEvent* event)
{
    // Neither button answers Esc: the dialog closes by OK, Cancel or its
    // close box only.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MnuSetupLanguageFileSetup_Click(Workspace& workspace)
{
    {
        LanguageForm form(workspace.DialogOwner());
        form.exec();
    }
    ApplyLanguageSwitch(Core(), workspace);
}

}  // namespace zx
