#pragma once
// The value box of a tuning point: shows the point's value (0..255) as
// decimal text and takes no typing, no paste and no drop, so no text but the
// one the tab writes can reach it. The Up and Down arrow keys are consumed
// and handed to the tab as steps; getting the focus selects the whole text.
#include <QLineEdit>

namespace zx {

class TuningValueBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TuningValueBox(QWidget* parent = nullptr);

signals:
    void UpKey();
    void DownKey();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace zx
