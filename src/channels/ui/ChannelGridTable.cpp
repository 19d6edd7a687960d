#include "channels/ui/ChannelGridTable.h"

#include <QKeyEvent>

namespace zx {

ChannelGridTable::ChannelGridTable(QWidget* parent) : QTableWidget(parent) {}

QRect ChannelGridTable::CellRectInParent(int row, int column) const
{
    const QRect r = visualRect(model()->index(row, column));
    return QRect(viewport()->mapTo(parentWidget(), r.topLeft()), r.size());
}

void ChannelGridTable::keyPressEvent(QKeyEvent* event)
{
    if (keyDown_ && keyDown_(event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

QModelIndex ChannelGridTable::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // The fixed header row and label column are never the current cell.
    const QModelIndex target = QTableWidget::moveCursor(cursorAction, modifiers);
    if (!target.isValid())
        return target;
    return model()->index(qMax(target.row(), 1), qMax(target.column(), 1));
}

}  // namespace zx
