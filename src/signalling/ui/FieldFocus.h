#pragma once
// When a field of an editor window counts as left, and whether the focus is
// moving on inside the same window (where a refused entry keeps it).
#include <QList>

class QFocusEvent;
class QWidget;

namespace zx {

// A focus-out that leaves the field: not a popup or menu opening, and not
// the whole program losing its activation to another application.
bool IsLeavingFocus(const QFocusEvent* event);
// True when the widget now holding the focus lies in the same top-level or
// MDI child window as `field`.
bool FocusStaysInWindowOf(const QWidget* field);

// True for a control that is shown, enabled and takes the focus.
bool TakesFocus(const QWidget* w);

// Tab inside an editor window: the focus moves to the next (or previous)
// control of `order` that is shown and enabled, wrapping at the ends, and
// never leaves the window. False when `current` is not in the order.
bool MoveFocusInOrder(const QList<QWidget*>& order, QWidget* current, bool next);

}  // namespace zx
