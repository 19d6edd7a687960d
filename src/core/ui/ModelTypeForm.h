#pragma once
// Model > Model Information: the frequency class and band of the image.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace zx {

class Workspace;

class ModelTypeForm : public QDialog {
    Q_OBJECT
public:
    explicit ModelTypeForm(QWidget* parent = nullptr);

    QComboBox* cboModelType() const { return cboModelType_; }
    QComboBox* cboFreq() const { return cboFreq_; }
    QLabel* lblModelType() const { return lblModelType_; }
    QLabel* lblFreq() const { return lblFreq_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }
    int InitialModelIndex() const { return InitialModelIndex_; }
    int InitialBandIndex() const { return InitialBandIndex_; }

    // Writes the chosen band code after the warning when the choice differs
    // from the one at load; closes the dialog in every case.
    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cboModelType_Click();

    QLabel* lblModelType_ = nullptr;
    QLabel* lblFreq_ = nullptr;
    QComboBox* cboModelType_ = nullptr;
    QComboBox* cboFreq_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    int InitialModelIndex_ = 0;
    int InitialBandIndex_ = 0;
};

// Shows the model dialog modal, then AfterModelDialog.
void MnuModelInformation_Click(Workspace& workspace);

}  // namespace zx
