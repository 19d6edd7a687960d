#pragma once
// The scan information window: the priority mode and channel, the look back
// times, the revert channel and the scan timings (0x160-0x168). Every field
// writes the shared image when it is left; the window keeps no copy and has
// no OK or Cancel. Window-menu slot 3.
//
// It keeps the shared priority state (Core().priority, and the pre-write
// flag PriorityChannelError) for the channel editor and the write command,
// and while the editor is open it keeps the editor's priority box in step.
#include <QString>

#include "core/ui/EditorWindowFrame.h"
#include "settings/ui/ScanFormHooks.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

namespace zx {

class SpinField;

class ScanForm : public EditorWindowFrame {
    Q_OBJECT
public:
    // Slot 3, 5895 x 5175 twips, caption 1142, page "scaninfo", id 4400.
    static EditorWindowSetup Setup();

    explicit ScanForm(ChannelEditorPriorityLink channelEditor = {}, QWidget* parent = nullptr);

    QComboBox* cboPriority() const { return cboPriority_; }
    QLineEdit* txtPriorityCH() const { return txtPriorityCH_; }
    SpinField* txtLookBackTimeA() const { return txtLookBackTimeA_; }
    SpinField* txtLookBackTimeB() const { return txtLookBackTimeB_; }
    QComboBox* cboRevertCH() const { return cboRevertCH_; }
    SpinField* txtDropoutDelayTime() const { return txtDropoutDelayTime_; }
    SpinField* txtTXDwellTime() const { return txtTXDwellTime_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The user's own close commits the field being edited, as leaving it would.
    void CommitFieldBeingEdited() override;
    QWidget* FirstField() const override;

private:
    void BuildControls();
    void SetTabOrder();
    void SetCaptions();
    void Form_Load();

    // cboPriority's Click: enabling, shared state, the revert list.
    void ApplyPriorityMode();
    // Leaving cboPriority: the mode byte takes the list position.
    void CommitPriorityMode();
    // Leaving txtPriorityCH.
    void CommitPriorityChannel();
    // Typed characters in txtPriorityCH; true when the key is consumed.
    bool txtPriorityCH_KeyPress(QKeyEvent* key);
    // cboRevertCH's Click.
    void cboRevertCH_Click();
    // Leaving cboRevertCH: the revert byte takes the code of the entry's text.
    void CommitRevertChannel();
    // Selects a revert entry in code; its Click runs as for a user's choice.
    void SelectRevertEntry(int position);
    // Writes the code of the selected revert entry, if it has one.
    void StoreRevertCode();
    bool EditorOpen() const;

    ChannelEditorPriorityLink editor_;
    QLabel* lblPriority_ = nullptr;
    QLabel* lblPriorityCH_ = nullptr;
    QLabel* lblLookBackTimeA_ = nullptr;
    QLabel* lblLookBackTimeB_ = nullptr;
    QLabel* lblRevertCH_ = nullptr;
    QLabel* lblDropoutDelayTime_ = nullptr;
    QLabel* lblTXDwellTime_ = nullptr;
    QComboBox* cboPriority_ = nullptr;
    QLineEdit* txtPriorityCH_ = nullptr;
    SpinField* txtLookBackTimeA_ = nullptr;
    SpinField* txtLookBackTimeB_ = nullptr;
    QComboBox* cboRevertCH_ = nullptr;
    SpinField* txtDropoutDelayTime_ = nullptr;
    SpinField* txtTXDwellTime_ = nullptr;

    // The revert entry last selected, by the user or by code.
    QString LastRevertText_;
    // The priority channel field as loaded or last committed.
    QString LastPriorityText_;
};

}  // namespace zx
