#pragma once
// The DTMF window: encode settings, decode settings and the eight autodial
// memories on three tabs. Every field reads its bytes when the window loads
// and writes them back when it is committed (validated or left); the window
// keeps no copy of the image.
#include <array>

#include <QString>

#include "signalling/DtmfEncodeRules.h"
#include "signalling/ui/CellGridWindow.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zx {

class FixedCellGrid;
class SpinField;

class DTMFForm : public CellGridWindow {
    Q_OBJECT
public:
    // Slot 4, 5070 x 6285 twips, caption 1123, page "dtmf", help id 4500.
    static EditorWindowSetup Setup();

    explicit DTMFForm(QWidget* parent = nullptr);

    SpinField* encodeField(DtmfEncodeField field) const { return encode_.at(static_cast<std::size_t>(field)); }
    QLineEdit* encodeBox(DtmfEncodeField field) const;
    QCheckBox* chkDTMFSideTone() const { return chkDTMFSideTone_; }
    QLineEdit* txtIDCode() const { return txtIDCode_; }
    QComboBox* cboGroupCode() const { return cboGroupCode_; }
    SpinField* autoResetField() const { return autoReset_; }
    QLineEdit* txtAutoResetTimer() const;
    QComboBox* cboCallAlert() const { return cboCallAlert_; }
    QComboBox* cboTranspond() const { return cboTranspond_; }
    QCheckBox* chkClear() const { return chkClear_; }
    QLineEdit* txtStunCode() const { return txtStunCode_; }
    QLabel* lblStunType() const { return lblStunType_; }
    QComboBox* cboStunType() const { return cboStunType_; }
    FixedCellGrid* msgAutodial() const { return cellGrid(); }
    QLineEdit* txtAutodial() const;

protected:
    void CommitCellEdit() override;
    void EndCellEdit(bool escape) override;
    QList<QWidget*> TabOrder() const override;
    void CommitField(QWidget* field, bool quiet) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildEncodeTab(QWidget* page);
    void BuildDecodeTab(QWidget* page);
    void BuildAutodialTab(QWidget* page);
    void SetCaptions();
    void FillLists();
    void LoadFields();

    // Commits of the fields; `quiet` is the commit of the close or of a
    // command about to take the image, which never shows the refusal box and
    // keeps the stored code when the text is refused.
    void CommitSideTone();
    void CommitIdCode(bool quiet);
    void CommitStunCode(bool quiet);
    // A refused code: the box shows the accepted one again, after the
    // refusal box unless the commit is quiet.
    void RefuseCode(QLineEdit* box, const QString& accepted, bool quiet);
    void CommitList(QComboBox* list);
    void CommitClear();
    void ShowInvalidData();
    void SetStunTypeEnabled(bool enabled);

    // The autodial grid's editor writes the entry as it changes.
    void txtAutodial_Change();
    void CommitAutodial(const QString& text);

    std::array<SpinField*, 5> encode_{};
    std::array<QLabel*, 5> encodeLabels_{};
    QCheckBox* chkDTMFSideTone_ = nullptr;
    QLabel* lblIDCode_ = nullptr;
    QLineEdit* txtIDCode_ = nullptr;
    QLabel* lblGroupCode_ = nullptr;
    QComboBox* cboGroupCode_ = nullptr;
    QLabel* lblAutoResetTimer_ = nullptr;
    SpinField* autoReset_ = nullptr;
    QLabel* lblCallAlert_ = nullptr;
    QComboBox* cboCallAlert_ = nullptr;
    QLabel* lblTranspond_ = nullptr;
    QComboBox* cboTranspond_ = nullptr;
    QCheckBox* chkClear_ = nullptr;
    QGroupBox* fraStun_ = nullptr;
    QLabel* lblStunCode_ = nullptr;
    QLineEdit* txtStunCode_ = nullptr;
    QLabel* lblStunType_ = nullptr;
    QComboBox* cboStunType_ = nullptr;

    QString acceptedIdCode_;
    QString acceptedStunCode_;
    // Set while the refusal box is up, so the focus it takes runs no check.
    bool checking_ = false;
};

}  // namespace zx
