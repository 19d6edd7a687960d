#pragma once
// Keeps the platform's edit menu from opening under the mouse on a text box:
// a context menu asked for by the mouse is refused and passed on to nobody,
// and the middle button does what the right one does (nothing else). The
// keyboard's menu key, typing, selecting and focus reach the box unchanged.
#include <QObject>

namespace zx {

class NoContextMenuFilter : public QObject {
    Q_OBJECT
public:
    explicit NoContextMenuFilter(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zx
