#pragma once
// Setup > Language File Setup: picks English or Chinese. Its result is the
// core's LanguageChinese and LanguageChanged; help pages follow
// LanguageChinese by themselves.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace zx {

class Workspace;

class LanguageForm : public QDialog {
    Q_OBJECT
public:
    explicit LanguageForm(QWidget* parent = nullptr);

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

    QLabel* labLanguage_ = nullptr;
    QComboBox* ComLanguage_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    bool LanguageAtOpen_ = false;
};

// Runs the language dialog, then ApplyLanguageSwitch.
void MnuSetupLanguageFileSetup_Click(Workspace& workspace);

}  // namespace zx
