#pragma once
// The channel grid's in-place list editor (comInputStep): an editable
// drop-down list. Up and Down step through the list and stay on its ends (a
// text that is no entry steps to the first entry); Enter and Esc go to the
// owner; a tone column takes the characters of a tone text, upper-cased,
// at most five unless a selection is replaced; other columns take none.
#include <QComboBox>

namespace zx {

class CellListBox : public QComboBox {
    Q_OBJECT
public:
    explicit CellListBox(QWidget* parent = nullptr);

    // True for the tone columns, whose text may be typed.
    void setToneEntry(bool toneEntry) { toneEntry_ = toneEntry; }
    bool toneEntry() const { return toneEntry_; }

signals:
    void enterPressed();
    void escapePressed();
    // Up or Down moved the selection (a pick, like a click in the list).
    void stepped();
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Step(int delta);
    bool toneEntry_ = false;
};

}  // namespace zx
