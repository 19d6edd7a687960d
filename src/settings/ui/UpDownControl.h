#pragma once
// An up-down control: two step buttons beside a field, holding a value in
// Min..Max that each click moves by the step, stopping at the bound. It has
// no buddy, never wraps and never takes the focus; the field it serves
// answers its clicks (UpClick, DownClick), after the value has moved.
#include <QWidget>

class QToolButton;

namespace zx {

class UpDownControl : public QWidget {
    Q_OBJECT
public:
    UpDownControl(int min, int max, int step, QWidget* parent = nullptr);

    int value() const { return value_; }
    // Any value is held, also one outside the range (as a load may give it).
    void setValue(int value) { value_ = value; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    int increment() const { return step_; }

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void UpClick();
    void DownClick();

private:
    void Click(bool up);

    int min_;
    int max_;
    int step_;
    int value_;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

}  // namespace zx
