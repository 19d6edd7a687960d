#pragma once
// File > Print: the print selection dialog. The user ticks the report's
// sections, may change the printer set-up, and OK prints the report. The
// dialog is made anew at every opening, so no choice survives it.
#include <array>

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace zx {

class frmPrintList : public QDialog {
    Q_OBJECT
public:
    explicit frmPrintList(QWidget* parent = nullptr);

    QCheckBox* chkPrintItem(int index) const { return chkPrintItem_.at(static_cast<std::size_t>(index)); }
    QPushButton* cmdPrintSetup() const { return cmdPrintSetup_; }
    QPushButton* cmdClearAll() const { return cmdClearAll_; }
    QPushButton* cmdSelectAll() const { return cmdSelectAll_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }

    void cmdSelectAll_Click();
    void cmdClearAll_Click();
    void cmdPrintSetup_Click();
    // Prints the ticked sections and closes the dialog; a failure is shown
    // first. With no printer installed it asks for a PDF file instead; when
    // that question is cancelled nothing is printed and the dialog stays.
    void cmdOK_Click();

private:
    void Form_Load();
    void chkPrintItem_Click();

    std::array<QCheckBox*, 8> chkPrintItem_{};
    QPushButton* cmdPrintSetup_ = nullptr;
    QPushButton* cmdClearAll_ = nullptr;
    QPushButton* cmdSelectAll_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
};

// Shows a new print dialog modally over `owner` and deletes it afterwards.
void MnuFilePrint_Click(QWidget* owner);

}  // namespace zx
