#pragma once
// The embedded message window: two lines of up to 32 characters kept in
// the image at 0x300-0x33F. A line is stored when its box is left; Enter
// moves on as Tab does. Window-menu slot 7.
#include "core/ui/EditorWindowFrame.h"

class QKeyEvent;
class QLineEdit;

namespace zx {

class EmbedInfoForm : public EditorWindowFrame {
    Q_OBJECT
public:
    // Slot 7, 4965 x 2505 twips, caption 1047, page "embmsg", id 4800.
    static EditorWindowSetup Setup();

    explicit EmbedInfoForm(QWidget* parent = nullptr);

    QLineEdit* txtMsg(int i) const { return txtMsg_[i]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void CommitFieldBeingEdited() override;
    QWidget* FirstField() const override;

private:
    void BuildControls();
    void Form_Load();
    int BoxIndex(QObject* watched) const;
    // True when the key press is consumed.
    bool txtMsg_KeyPress(int i, QKeyEvent* key);
    void StoreMessageLine(int i);

    QLineEdit* txtMsg_[2] = {};
};

}  // namespace zx
