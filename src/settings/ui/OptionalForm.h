#pragma once
// The optional features window: the radio's general settings (0x12C-0x13F)
// with the PTT ID frame. Every field writes the shared image when it is left;
// the window keeps no copy and has no OK or Cancel. Window-menu slot 1.
#include <functional>
#include <map>

#include "core/ui/EditorWindowFrame.h"
#include "settings/OptionalFeatureLists.h"
#include "settings/ui/OptionalFormHooks.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace zx {

class PttIdGroup;
class SpinField;

class OptionalForm : public EditorWindowFrame {
    Q_OBJECT
public:
    // Slot 1, 9000 x 6150 twips, caption 1098, page "optfeatures", id 4200.
    static EditorWindowSetup Setup();

    explicit OptionalForm(OptionalFormHooks hooks = {}, QWidget* parent = nullptr);

    SpinField* txtTOT() const { return txtTOT_; }
    SpinField* txtTOTPreAlert() const { return txtTOTPreAlert_; }
    SpinField* txtSQLevel() const { return txtSQLevel_; }
    SpinField* txtVOXGainLevel() const { return txtVOXGainLevel_; }
    QComboBox* cboMICSens() const { return cboMICSens_; }
    QComboBox* cboVoiceAnnu() const { return cboVoiceAnnu_; }
    QComboBox* cboVOXDelayTime() const { return cboVOXDelayTime_; }
    QCheckBox* chkBattSave() const { return chkBattSave_; }
    QCheckBox* chkBeep() const { return chkBeep_; }
    QCheckBox* chkScramblerAct() const { return chkScramblerAct_; }
    QCheckBox* chkScramblerBackup() const { return chkScramblerBackup_; }
    QCheckBox* chkVOXFunc() const { return chkVOXFunc_; }
    QCheckBox* chkCancel() const { return chkCancel_; }
    QCheckBox* chkVOXProceedTone() const { return chkVOXProceedTone_; }
    QCheckBox* chkVOXInhibit() const { return chkVOXInhibit_; }
    QCheckBox* chkCloneMode() const { return chkCloneMode_; }
    QLabel* lblVOXGainLevel() const { return lblVOXGainLevel_; }
    QLabel* lblVOXDelayTime() const { return lblVOXDelayTime_; }
    QGroupBox* fraVOX() const { return fraVOX_; }
    QGroupBox* fraMode() const { return fraMode_; }
    PttIdGroup* fraPTTID() const { return fraPTTID_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The close box closes as Close does: the field being edited commits
    // first. An unload by the program commits nothing.
    void closeEvent(QCloseEvent* event) override;
    QWidget* FirstField() const override;
    void CommitFieldBeingEdited() override;

private:
    void BuildControls();
    void SetTabOrder();
    void SetCaptions();
    void Form_Load();
    // Commit bodies of the lists and check boxes (on leaving).
    void CommitList(QComboBox* list);
    void CommitCheck(QCheckBox* box);
    // chkScramblerAct's Click: the backup box is usable only without it.
    void ScramblerRule();
    // chkVOXFunc's Click: the VOX group is usable only with it.
    void VoxGroupRule();
    void LoadCheck(QCheckBox* box);

    OptionalFormHooks hooks_;
    SpinField* txtTOT_ = nullptr;
    SpinField* txtTOTPreAlert_ = nullptr;
    SpinField* txtSQLevel_ = nullptr;
    SpinField* txtVOXGainLevel_ = nullptr;
    QLabel* lblTOT_ = nullptr;
    QLabel* lblTOTPreAlert_ = nullptr;
    QLabel* lblSQLevel_ = nullptr;
    QLabel* lblMicSens_ = nullptr;
    QLabel* lblVoiceAnnu_ = nullptr;
    QLabel* lblVOXGainLevel_ = nullptr;
    QLabel* lblVOXDelayTime_ = nullptr;
    QComboBox* cboMICSens_ = nullptr;
    QComboBox* cboVoiceAnnu_ = nullptr;
    QComboBox* cboVOXDelayTime_ = nullptr;
    QCheckBox* chkBattSave_ = nullptr;
    QCheckBox* chkBeep_ = nullptr;
    QCheckBox* chkScramblerAct_ = nullptr;
    QCheckBox* chkScramblerBackup_ = nullptr;
    QCheckBox* chkVOXFunc_ = nullptr;
    QCheckBox* chkCancel_ = nullptr;
    QCheckBox* chkVOXProceedTone_ = nullptr;
    QCheckBox* chkVOXInhibit_ = nullptr;
    QCheckBox* chkCloneMode_ = nullptr;
    QGroupBox* fraVOX_ = nullptr;
    QGroupBox* fraMode_ = nullptr;
    PttIdGroup* fraPTTID_ = nullptr;
    // The image byte and caption pair of each check box.
    std::map<QCheckBox*, std::pair<int, int>> checks_;
    // The kind and image byte of each list.
    std::map<QComboBox*, std::pair<OptionalList, int>> lists_;
};

}  // namespace zx
