#include "signalling/ui/ShowCellEditor.h"

#include <QLineEdit>
#include <QTableWidget>

namespace zx {

QString ShowCellEditor(QTableWidget* grid, QLineEdit* editor, int row, int column)
{
    grid->setCurrentCell(row, column);
    QTableWidgetItem* item = grid->item(row, column);
    const QString oldText = item ? item->text() : QString();
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    editor->setGeometry(cell);
    editor->setText(oldText);
    editor->show();
    editor->raise();
    editor->selectAll();
    editor->setFocus(Qt::OtherFocusReason);
    return oldText;
}

}  // namespace zx
