#pragma once
// The key assignment window: the function of each programmable side key,
// PF1 (0x11D) and PF2 (0x11E). A list writes its choice when it is left,
// even unchanged; the picture beside the lists shows the key of the list
// that last had the focus. Window-menu slot 2.
#include "core/ui/EditorWindowFrame.h"

class QComboBox;
class QLabel;

namespace zx {

class KeyAssign : public EditorWindowFrame {
    Q_OBJECT
public:
    // Slot 2, 6600 x 4905 twips, caption 1141, page "keyassign", id 4300.
    static EditorWindowSetup Setup();

    explicit KeyAssign(QWidget* parent = nullptr);

    QComboBox* cboKey(int i) const { return cboKey_[i]; }
    QLabel* lblKey(int i) const { return lblKey_[i]; }
    QLabel* picKey() const { return picKey_; }
    // The key whose picture picKey shows: 0 PF1, 1 PF2, -1 none yet.
    int shownKey() const { return shownKey_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void CommitFieldBeingEdited() override;
    QWidget* FirstField() const override;

private:
    void BuildControls();
    void Form_Load();
    int ListIndex(QObject* watched) const;
    void cboKey_GotFocus(int i);
    // Leaving a list writes its code; a list showing no entry (a stored
    // byte that names no function, untouched) writes nothing.
    void CommitOnLeave(int i);

    QComboBox* cboKey_[2] = {};
    QLabel* lblKey_[2] = {};
    QLabel* picKey_ = nullptr;
    int shownKey_ = -1;
};

}  // namespace zx
