#pragma once
// The single-channel editor: every setting of the channel whose number stands
// in txtChannel, taken from the channel list's row and the channel record.
// Opened only by the channel list's Channel Edit button (the hand-off); it is
// listed in Window-menu slot 8, which its opener marks. Close commits the
// shown channel and hides the window; an unload by the program commits
// nothing.
//
// Setting a field while a channel is shown only mirrors the stored state; the
// program settings that act as a user's choice (a new channel's defaults, the
// hand-off's refill, the channel list's mirrored picks, the reselection after
// a rebuild of the SP-mute and busy-lockout lists, the PTT ID list's own
// focus selection and a change of the PTT ID type) call the field's action
// explicitly.
#include <cstdint>
#include <functional>

#include <QStringList>

#include "channels/ChannelEditRules.h"
#include "channels/ui/ChannelEditor.h"
#include "core/ui/EditorWindowFrame.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace zx {

class ChannelForm;
class EditorWindowRegistry;

class ChannelEditForm : public EditorWindowFrame, public ChannelEditor {
    Q_OBJECT
public:
    // Slot 8, 6570 x 5640 twips, caption 1048, help page "chedit", id 4110;
    // its opener marks the slot.
    static EditorWindowSetup Setup();

    // The editor of `list`'s channels; the window load (Algorithm 1) runs here.
    explicit ChannelEditForm(ChannelForm& list, QWidget* parent = nullptr);

    // --- What the channel list calls (ChannelEditor) -----------------------
    void cmdChannelEdit_Click() override;
    void SetEditorChannel(int channel) override;
    void ShowChannelInEditor() override;
    void ClearChannelEdit() override;
    void EnableChannelEdit() override;
    void MirrorFrequencyCommit(int column, const FrequencyCommit& commit, bool optSignalCellHadText) override;
    void MirrorListPick(int column, const QString& text) override;
    void HideChannelEditor() override;
    void UnloadChannelEditor() override;

    // --- What the settings windows use ---------------------------------------
    // The channel shown (the number in txtChannel).
    int ShownChannel() const;
    // The PTT ID list: emptied and refilled for a PTT ID type (1 FleetSync:
    // Off, Own, Fleet List 1-8; any other Off, On) with no entry chosen.
    void RebuildPttIdList(std::uint8_t pttIdType);
    // Chooses entry `position` as a user's choice: the register and column 9
    // follow (the record at the next commit).
    void ChoosePttIdEntry(int position);
    // Shows entry `position` (-1 none) without any action.
    void ShowPttIdEntry(int position);
    // The scan window's priority field while that window is open: the
    // priority box shows its channel there. Unset: nothing is shown.
    void setScanPriorityField(std::function<void(int channel)> show) { scanPriorityField_ = std::move(show); }

    QLineEdit* txtChannel() const { return txtChannel_; }
    QToolButton* UpDown1Up() const { return upDownUp_; }
    QToolButton* UpDown1Down() const { return upDownDown_; }
    QLineEdit* txtRxFreq() const { return txtRxFreq_; }
    QLineEdit* txtTxFreq() const { return txtTxFreq_; }
    QComboBox* ComDecode() const { return ComDecode_; }
    QComboBox* ComEncode() const { return ComEncode_; }
    QComboBox* ComSelSignal() const { return ComSelSignal_; }
    QComboBox* ComSPMute() const { return ComSPMute_; }
    QComboBox* ComTxPower() const { return ComTxPower_; }
    QComboBox* ComWideNarrow() const { return ComWideNarrow_; }
    QComboBox* ComBusyLock() const { return ComBusyLock_; }
    QComboBox* ComPTTID() const { return ComPTTID_; }
    QComboBox* ComAutoDial() const { return ComAutoDial_; }
    QCheckBox* ChkShift() const { return ChkShift_; }
    QCheckBox* ChkScanAdd() const { return ChkScanAdd_; }
    QCheckBox* ChkPriorityChannel() const { return ChkPriorityChannel_; }
    QCheckBox* ChkYaKuo() const { return ChkYaKuo_; }
    QPushButton* cmdOK() const { return cmdClose(); }

protected:
    void cmdClose_Click() override;
    void Form_Unload() override;
    // The field that has the focus is left, as when the focus moves on.
    void CommitFieldBeingEdited() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QWidget* FirstField() const override;

private:
    void BuildControls();
    void SetCaptions();
    void FillFixedLists();
    void SetFieldEnabled(QWidget* field, bool enabled);

    // The channel load and the navigation.
    void txtChannel_Change();
    // The channel the editor leaves for another one is encoded first.
    void StoreLeftChannel();
    // TX power, bandwidth and PTT ID wait in the row for the channel's next
    // encoding; this encodes the row into the channel's record when they
    // differ.
    void StoreRowChoices(int channel);
    void LoadShownChannel();
    void StepChannel(bool up);
    bool txtChannel_KeyPress(QKeyEvent* event);

    // The frequency fields.
    bool FrequencyKeyPress(QLineEdit* box, QKeyEvent* event);
    void txtRxFreq_GotFocus();
    void txtRxFreq_Change();
    void txtRxFreq_LostFocus();
    void txtTxFreq_Change();
    void txtTxFreq_LostFocus();
    QString CheckFrequency(const QString& text);

    // The tone and signalling fields.
    bool ToneKeyPress(QComboBox* box, QKeyEvent* event);
    void ValidateTone(bool decode);
    void ComDecode_Click();
    void ComEncode_Click();
    void ComDecode_LostFocus();
    void ComEncode_LostFocus();
    void ComSelSignal_Click();
    void ComSelSignal_LostFocus();
    void RebuildMuteLockLists();
    void SelectMuteLockEntries();
    void ComSPMute_Click();
    void ComBusyLock_Click();

    // The switches and lists.
    void ComTxPower_Click();
    void ComWideNarrow_Click();
    void ComPTTID_Click();
    void ComPTTID_GotFocus();
    void ComAutoDial_Click();
    void ComAutoDial_LostFocus();
    void ChkShift_Click();
    void ChkShift_GotFocus();
    void ChkYaKuo_Click();
    void ChkYaKuo_GotFocus();
    void ChkScanAdd_Click();
    void ChkPriorityChannel_Click();

    // Setting a field in code. Select* and SetChecked run the field's action
    // as a user's choice; Show* only mirror.
    void SelectEntry(QComboBox* box, int position);
    void ShowEntry(QComboBox* box, int position);
    void ShowText(QComboBox* box, const QString& text);
    void ShowChecked(QCheckBox* box, bool checked);
    void SetChecked(QCheckBox* box, bool checked);
    void RunClick(QObject* field);

    void CommitChannelEdit();
    void MoveFocusOn(QWidget* from);
    // The leave of the field that has the focus, as if the focus moved on.
    void LeaveFocusedField();
    void RunGotFocus(QObject* field);
    void RunLostFocus(QObject* field);

    std::uint8_t FlagsA() const;
    void SetFlagsA(std::uint8_t value);
    std::uint8_t RecordByte(int offset) const;
    void SetRecordByte(int offset, std::uint8_t value);
    QString RowText(int column) const;
    void SetRowText(int column, const QString& text);
    QString NoneText() const;
    MuteLockShape CurrentShape() const;

    ChannelForm& list_;
    QLabel* LabChannel_ = nullptr;
    QLineEdit* txtChannel_ = nullptr;
    QToolButton* upDownUp_ = nullptr;
    QToolButton* upDownDown_ = nullptr;
    QGroupBox* frame_ = nullptr;
    QLabel* LabRxFreq_ = nullptr;
    QLabel* LabTxFreq_ = nullptr;
    QLabel* LabQTdec_ = nullptr;
    QLabel* LabQTenc_ = nullptr;
    QLabel* LabOptional_ = nullptr;
    QLabel* LabSPmute_ = nullptr;
    QLabel* LabTxPower_ = nullptr;
    QLabel* LabWN_ = nullptr;
    QLabel* LabBusyLock_ = nullptr;
    QLabel* LabPTTID_ = nullptr;
    QLabel* LabAutoDial_ = nullptr;
    QLineEdit* txtRxFreq_ = nullptr;
    QLineEdit* txtTxFreq_ = nullptr;
    QComboBox* ComDecode_ = nullptr;
    QComboBox* ComEncode_ = nullptr;
    QComboBox* ComSelSignal_ = nullptr;
    QComboBox* ComSPMute_ = nullptr;
    QComboBox* ComTxPower_ = nullptr;
    QComboBox* ComWideNarrow_ = nullptr;
    QComboBox* ComBusyLock_ = nullptr;
    QComboBox* ComPTTID_ = nullptr;
    QComboBox* ComAutoDial_ = nullptr;
    QCheckBox* ChkShift_ = nullptr;
    QCheckBox* ChkScanAdd_ = nullptr;
    QCheckBox* ChkPriorityChannel_ = nullptr;
    QCheckBox* ChkYaKuo_ = nullptr;

    QStringList QtDqtList_;
    QStringList QtDqtList2_;
    bool NewChannelEntry_ = false;
    // The channel whose fields the editor shows (0 before the first load).
    int loadedChannel_ = 0;
    // Set while the program unloads the window: no field commits then.
    bool unloading_ = false;
    std::function<void(int)> scanPriorityField_;
};

// Registers the channel editor for slot 8: it edits the channels of the list
// in slot 0.
void AttachChannelEditForm(EditorWindowRegistry& windows);
// The channel editor, loaded when it is not: what the channel list plugs in.
ChannelEditor* LoadChannelEditor(EditorWindowRegistry& windows);

}  // namespace zx
