#pragma once
// The PTT ID frame of the optional features window: the PTT ID type (DTMF or
// FleetSync, 0x133), the timing of the DTMF code (0x132) and the Begin and
// End of TX codes (0x140, 0x150). A change of type rewrites the channel
// list's PTT ID column and the channel editor's PTT ID list; the group keeps
// the pre-write flags PttCodeCheck and PttCodeMissing up to date.
#include <array>
#include <functional>

#include <QGroupBox>

#include "settings/ui/OptionalFormHooks.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zx {

class RadioImage;
struct PreWriteChecks;

class PttIdGroup : public QGroupBox {
    Q_OBJECT
public:
    // `unloading` tells when the window is being unloaded: nothing is
    // committed then.
    PttIdGroup(RadioImage& image, PreWriteChecks& checks, const OptionalFormHooks& hooks,
               std::function<bool()> unloading, QWidget* parent = nullptr);

    QLabel* lblPTTIDType() const { return lblPTTIDType_; }
    QComboBox* cboPTTIDType() const { return cboPTTIDType_; }
    QLabel* lblPTTID() const { return lblPTTID_; }
    QComboBox* cboPTTID() const { return cboPTTID_; }
    QLabel* lblPTTCode(int i) const { return lblPTTCode_.at(static_cast<std::size_t>(i)); }
    QLineEdit* txtPTTCode(int i) const { return txtPTTCode_.at(static_cast<std::size_t>(i)); }

    // The captions of the language in force.
    void SetCaptions();
    // The load's steps: fill both lists, then select the type and the timing
    // from the image (running their Click when the position changes), then
    // show both codes (running the code change).
    void FillLists();
    void LoadTypeAndTiming();
    void LoadCodes();
    // The PTT ID column of the channel list, shown or not, from the channel
    // records under the type chosen (nothing while no type is chosen).
    void RefreshPttIdColumn();
    // The Click of the timing list, as the load runs it once more at its end.
    void cboPTTID_Click();
    // The channel editor's PTT ID list shows what its channel's row shows,
    // without its Click, so that opening the window never changes a
    // channel's PTT ID.
    void MatchEditorToItsRow();
    // A command that takes the image commits the list being edited as
    // leaving it would; the code boxes store as they change.
    void CommitFieldBeingEdited(const QWidget* focus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cboPTTIDType_Click();
    void cboPTTIDType_Commit();
    void cboPTTID_Commit();
    void txtPTTCode_GotFocus(int i);
    void txtPTTCode_Change(int i);
    // True when the key press is consumed.
    bool CodeFilter(int i, class QKeyEvent* key);
    void SetCodeBoxUsable(int i, bool usable);
    bool RowProgrammed(int channel) const;
    int EditorChannel() const;

    RadioImage& image_;
    PreWriteChecks& checks_;
    const OptionalFormHooks& hooks_;
    std::function<bool()> unloading_;
    QLabel* lblPTTIDType_ = nullptr;
    QComboBox* cboPTTIDType_ = nullptr;
    QLabel* lblPTTID_ = nullptr;
    QComboBox* cboPTTID_ = nullptr;
    std::array<QLabel*, 2> lblPTTCode_{};
    std::array<QLineEdit*, 2> txtPTTCode_{};
};

}  // namespace zx
