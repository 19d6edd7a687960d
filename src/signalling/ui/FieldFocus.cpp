#include "signalling/ui/FieldFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMdiSubWindow>
#include <QWidget>

namespace zx {

namespace {

const QWidget* OwningWindow(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (qobject_cast<const QMdiSubWindow*>(w) || w->isWindow())
            return w;
    }
    return nullptr;
}

}  // namespace

bool IsLeavingFocus(const QFocusEvent* event)
{
    if (event->reason() == Qt::PopupFocusReason || QApplication::activePopupWidget())
        return false;
    if (event->reason() == Qt::ActiveWindowFocusReason && !QApplication::focusWidget())
        return false;
    return true;
}

bool FocusStaysInWindowOf(const QWidget* field)
{
    const QWidget* now = QApplication::focusWidget();
    return now && now != field && OwningWindow(now) == OwningWindow(field);
}

bool TakesFocus(const QWidget* w) { return w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus; }

bool MoveFocusInOrder(const QList<QWidget*>& order, QWidget* current, bool next)
{
    const int at = static_cast<int>(order.indexOf(current));
    if (at < 0)
        return false;
    const int n = static_cast<int>(order.size());
    for (int i = 1; i <= n; ++i) {
        QWidget* w = order.at(((next ? at + i : at - i) % n + n) % n);
        if (TakesFocus(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

}  // namespace zx
