#pragma once
// Setup > Language File Setup: picks English or Chinese. Its result is the
// core's LanguageChinese and LanguageChanged and the help file setting.
#include <QDialog>

#include "core/CoreWindowHooks.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace zx {

class MDIForm1;

class LanguageForm : public QDialog {
    Q_OBJECT
public:
    explicit LanguageForm(CoreWindowHooks hooks, QWidget* parent = nullptr);

    QLabel* labLanguage() const { return labLanguage_; }
    QComboBox* ComLanguage() const { return ComLanguage_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }
    bool LanguageAtOpen() const { return LanguageAtOpen_; }

    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    CoreWindowHooks hooks_;
    QLabel* labLanguage_ = nullptr;
    QComboBox* ComLanguage_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    bool LanguageAtOpen_ = false;
};

// The help file of a language: the application folder and "ZX-4100_c.chm"
// or "ZX-4100_e.chm".
QString HelpFileOfLanguage(bool chinese);

// Runs the language dialog and, when it changed the language, re-captions the
// main window and the channel list window and closes the other windows.
void MnuSetupLanguageFileSetup_Click(MDIForm1& main, const CoreWindowHooks& hooks);

}  // namespace zx
