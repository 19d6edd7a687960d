#include "channels/ui/CellListBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include "platform/ui/NoContextMenu.h"

namespace zx {

CellListBox::CellListBox(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("comInputStep"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(8);
    NoContextMenu(lineEdit());
}

void CellListBox::Step(int delta)
{
    if (count() == 0)
        return;
    const int at = findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    int next = at < 0 ? 0 : qBound(0, at + delta, count() - 1);
    if (next == at)
        return;  // already on the first or the last entry
    setCurrentIndex(next);
    setEditText(itemText(next));
    emit stepped();
}

void CellListBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (key == Qt::Key_Escape) {
        event->accept();
        emit escapePressed();
        return;
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && !(event->modifiers() & Qt::AltModifier)) {
        event->accept();
        Step(key == Qt::Key_Down ? 1 : -1);
        return;
    }
    if (key == Qt::Key_Backspace) {
        if (toneEntry_)
            QComboBox::keyPressEvent(event);
        else
            event->accept();  // the list alone chooses here
        return;
    }
    const QString text = event->text();
    if (text.isEmpty() || key == Qt::Key_Delete) {
        QComboBox::keyPressEvent(event);  // editing keys that type nothing
        return;
    }
    event->accept();
    if (!toneEntry_ || text.size() != 1)
        return;
    QChar c = text.at(0);
    if (c == QLatin1Char('d') || c == QLatin1Char('i') || c == QLatin1Char('n'))
        c = c.toUpper();
    const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')
                         || c == QLatin1Char('D') || c == QLatin1Char('I') || c == QLatin1Char('N');
    if (!allowed)
        return;
    if (lineEdit()->text().size() >= 5 && !lineEdit()->hasSelectedText())
        return;
    lineEdit()->insert(QString(c));
}

void CellListBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // A message box, another application or the list's own drop-down taking
    // the focus does not end the edit.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason
        && !QApplication::activePopupWidget())
        emit focusLost();
}

void CellListBox::wheelEvent(QWheelEvent* event)
{
    // The wheel does not pick: a pick commits the channel.
    event->ignore();
}

}  // namespace zx
