#include "channels/ui/CellTextBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "platform/ui/NoContextMenu.h"

namespace zx {

CellTextBox::CellTextBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtInputBox"));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    NoContextMenu(this);
}

void CellTextBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        emit escapePressed();
        return;
    }
    // Keys that type a character pass only as digits, the point or
    // Backspace; editing keys without a character (arrows, Delete) pass.
    const QString text = event->text();
    if (!text.isEmpty() && event->key() != Qt::Key_Backspace && event->key() != Qt::Key_Delete) {
        const QChar c = text.at(0);
        if (text.size() != 1 || !((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'))) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CellTextBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A message box, another application or the list's own drop-down taking
    // the focus does not end the edit.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason
        && !QApplication::activePopupWidget())
        emit focusLost();
}

}  // namespace zx
