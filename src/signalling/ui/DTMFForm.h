#pragma once
// The DTMF window: encode settings, decode settings and the eight autodial
// memories on three tabs. Every field reads its bytes when the window loads
// and writes them back when it is committed (validated or left); the window
// keeps no copy of the image.
#include <array>

#include <QString>

#include "core/ui/EditorWindowFrame.h"
#include "signalling/DtmfEncodeRules.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace zx {

class CellEditorBox;
class FixedCellGrid;
class SpinField;

class DTMFForm : public EditorWindowFrame {
    Q_OBJECT
public:
    // Slot 4, 5070 x 6285 twips, caption 1123, page "dtmf", help id 4500.
    static EditorWindowSetup Setup();

    explicit DTMFForm(QWidget* parent = nullptr);

    QTabWidget* SSTab1() const { return SSTab1_; }
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
    FixedCellGrid* msgAutodial() const { return msgAutodial_; }
    QLineEdit* txtAutodial() const;

protected:
    void CommitFieldBeingEdited() override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildEncodeTab(QWidget* page);
    void BuildDecodeTab(QWidget* page);
    void BuildAutodialTab(QWidget* page);
    // The controls that take the focus, in tab order; only those on the tab
    // shown and enabled take it.
    QList<QWidget*> TabOrder() const;
    void SetCaptions();
    void FillLists();
    void LoadFields();

    // Commits of the fields; `quiet` is the close's commit, which never shows
    // the refusal box and keeps the stored code when the text is refused.
    void CommitSideTone();
    void CommitIdCode(bool quiet);
    void CommitStunCode(bool quiet);
    void CommitList(QComboBox* list);
    void CommitClear();
    void CommitField(QWidget* field, bool quiet);
    void ShowInvalidData();
    void SetStunTypeEnabled(bool enabled);

    // The autodial grid and its editor.
    void OpenAutodialEditor(const QString& typed = QString());
    void txtAutodial_Change();
    void CommitAutodial(const QString& text);
    void EndAutodialEdit(bool restore);
    bool msgAutodial_KeyDown(QKeyEvent* event);

    QTabWidget* SSTab1_ = nullptr;
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
    FixedCellGrid* msgAutodial_ = nullptr;
    CellEditorBox* txtAutodial_ = nullptr;

    QString acceptedIdCode_;
    QString acceptedStunCode_;
    // Set while the refusal box is up, so the focus it takes runs no check.
    bool checking_ = false;
    QString autodialOldText_;
    int autodialRow_ = 1;
    bool endingAutodialEdit_ = false;
};

}  // namespace zx
