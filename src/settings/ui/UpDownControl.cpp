#include "settings/ui/UpDownControl.h"

#include <algorithm>

#include <QToolButton>
#include <QVBoxLayout>

namespace zx {

UpDownControl::UpDownControl(int min, int max, int step, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), step_(step), value_(min)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto makeButton = [this, column](Qt::ArrowType arrow, const char* name) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setArrowType(arrow);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        b->setFixedWidth(16);
        column->addWidget(b);
        return b;
    };
    up_ = makeButton(Qt::UpArrow, "Up");
    down_ = makeButton(Qt::DownArrow, "Down");
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { Click(true); });
    connect(down_, &QToolButton::clicked, this, [this] { Click(false); });
}

void UpDownControl::Click(bool up)
{
    value_ = std::clamp(up ? value_ + step_ : value_ - step_, min_, max_);
    if (up)
        emit UpClick();
    else
        emit DownClick();
}

}  // namespace zx
