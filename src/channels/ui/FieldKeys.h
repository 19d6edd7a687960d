#pragma once
// How the channel editor's key filters sort a key press; shared by the
// window's own filters and those of its fields.
#include <QKeyEvent>

namespace zx::field_keys {

inline bool IsEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Keys that type no character of their own pass every key filter: Tab moves
// the focus, the arrows and Delete edit.
inline bool TypesNoCharacter(const QKeyEvent* event)
{
    const int key = event->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete || event->text().isEmpty();
}

}  // namespace zx::field_keys
