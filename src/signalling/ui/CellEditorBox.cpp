#include "signalling/ui/CellEditorBox.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

#include "platform/ui/NoContextMenu.h"
#include "signalling/ui/FieldFocus.h"

namespace zx {

CellEditorBox::CellEditorBox(QWidget* parent) : QLineEdit(parent)
{
    NoContextMenu(this);
    setAlignment(Qt::AlignCenter);
    // Runs before any other handler of the change, so they only ever see
    // filtered text.
    connect(this, &QLineEdit::textChanged, this, [this] { Sanitize(); });
}

bool CellEditorBox::wholeTextSelected() const { return text().isEmpty() || selectedText() == text(); }

void CellEditorBox::Sanitize()
{
    if (sanitizing_ || !textFilter_)
        return;
    const QString filtered = textFilter_(text());
    if (filtered == text())
        return;
    const QScopedValueRollback guard(sanitizing_, true);
    setText(filtered);
}

void CellEditorBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit enterPressed();
        return;
    case Qt::Key_Escape:
        event->accept();
        emit escapePressed();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        QLineEdit::keyPressEvent(event);
        return;
    default: break;
    }
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Undo)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QLineEdit::keyPressEvent(event);  // caret movement and other editing keys
        return;
    }
    event->accept();
    if (typed.size() != 1 || !keyFilter_)
        return;
    const QChar c = keyFilter_(typed.at(0));
    if (!c.isNull())
        insert(QString(c));
}

void CellEditorBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (IsLeavingFocus(event))
        emit focusLost();
}

}  // namespace zx
