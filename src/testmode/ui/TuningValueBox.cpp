#include "testmode/ui/TuningValueBox.h"

#include <QKeyEvent>
#include <QTimer>

#include "platform/ui/NoContextMenu.h"

namespace zx {

TuningValueBox::TuningValueBox(QWidget* parent) : QLineEdit(parent)
{
    // Read-only refuses typing, paste, cut and drops on every route (the
    // keyboard, the selection paste of the middle button); the program's own
    // setText still goes through.
    setReadOnly(true);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    NoContextMenu(this);
    setAlignment(Qt::AlignRight);
    setMaxLength(3);
}

void TuningValueBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        event->accept();
        emit UpKey();
        return;
    case Qt::Key_Down:
        event->accept();
        emit DownKey();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Left to the dialog (Esc closes it as Cancel does).
        event->ignore();
        return;
    default:
        // Every other key, editing shortcuts included, is dropped.
        event->accept();
        return;
    }
}

void TuningValueBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // A click that gave the focus places the cursor after this event; select
    // once it has.
    QTimer::singleShot(0, this, [this] { selectAll(); });
    selectAll();
}

void TuningValueBox::inputMethodEvent(QInputMethodEvent* event)
{
    event->ignore();
}

}  // namespace zx
