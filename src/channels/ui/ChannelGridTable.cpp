#include "channels/ui/ChannelGridTable.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "platform/ui/ScreenTwips.h"

namespace zx {

namespace {

constexpr double kGridFontPoints = 8.0;

}  // namespace

ChannelGridTable::ChannelGridTable(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setCornerButtonEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
}

QRect ChannelGridTable::CellRectInParent(int row, int column) const
{
    const QRect r = visualRect(model()->index(row, column));
    return QRect(viewport()->mapTo(parentWidget(), r.topLeft()), r.size());
}

QFont ChannelGridTable::SmallFont() const
{
    QFont small = font();
    if (small.pointSizeF() > kGridFontPoints)
        small.setPointSizeF(kGridFontPoints);
    return small;
}

void ChannelGridTable::FillCells(const QPalette& colours, const std::function<Qt::Alignment(int column)>& alignment)
{
    const QBrush fixedBack = colours.button();
    const QBrush fixedText = colours.buttonText();
    const int rows = rowCount();
    const int columns = columnCount();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (item(r, c))
                continue;
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(alignment(c));
            if (r == 0 || c == 0) {
                cell->setFlags(Qt::NoItemFlags);
                cell->setBackground(fixedBack);
                cell->setForeground(fixedText);
            } else {
                cell->setFlags(Qt::ItemIsEnabled);
            }
            setItem(r, c, cell);
        }
    }
    for (int r = 1; r < rows; ++r)
        item(r, 0)->setText(QString::number(r));
}

int ChannelGridTable::FittingRowHeight(int minTwips) const
{
    return qMax(TwipsToPixelsY(minTwips), fontMetrics().height() + 2);
}

void ChannelGridTable::SetRowHeights(int height)
{
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, height);
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
