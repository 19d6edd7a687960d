#pragma once
// The channel grid's in-place text editor (txtInputBox): takes digits and
// the decimal point only, reports Enter and Esc to its owner instead of
// acting on them, and reports losing the focus to another control (not to a
// message box or a popup).
#include <QLineEdit>

namespace zx {

class CellTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit CellTextBox(QWidget* parent = nullptr);

signals:
    void enterPressed();
    void escapePressed();
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace zx
