#include "signalling/ui/FixedCellGrid.h"

#include <QHeaderView>

#include "platform/ui/ScreenTwips.h"

namespace zx {

namespace {
constexpr int kExtraPixels = 7;
}

FixedCellGrid::FixedCellGrid(int rows, const QStringList& titles, QWidget* parent)
    : QTableWidget(rows, static_cast<int>(titles.size()), parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setCornerButtonEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Rows as high as a line of text, so all of them show on the tab.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (r == 0 || c == 0) {
                // Fixed cells: never current, never selected.
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(palette().button());
                item->setForeground(palette().buttonText());
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(r, c, item);
        }
        if (r > 0)
            item(r, 0)->setText(QString::number(r));
    }
    SetTitles(titles);
    setCurrentCell(1, 1);
}

void FixedCellGrid::SetTitles(const QStringList& titles)
{
    for (int c = 0; c < columnCount() && c < titles.size(); ++c)
        item(0, c)->setText(titles.at(c));
}

void FixedCellGrid::SetColumnWidthsTwips(const QList<int>& widthsTwips)
{
    int width = 0;
    for (int c = 0; c < columnCount() && c < widthsTwips.size(); ++c) {
        setColumnWidth(c, TwipsToPixelsX(widthsTwips.at(c)));
        width += columnWidth(c);
    }
    resize(width + kExtraPixels, rowHeight(0) * rowCount() + kExtraPixels);
}

QString FixedCellGrid::CellText(int row, int column) const
{
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void FixedCellGrid::SetCellText(int row, int column, const QString& text)
{
    if (QTableWidgetItem* it = item(row, column))
        it->setText(text);
}

}  // namespace zx
