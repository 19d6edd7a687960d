#pragma once
// A grid with one fixed title row and one fixed number column, as the
// autodial memories and the fleet list show them: the fixed cells are grey
// and can never become the current cell, all cells are centred, and the
// grid is sized to show every row without scrolling.
#include <QStringList>
#include <QTableWidget>

namespace zx {

class FixedCellGrid : public QTableWidget {
    Q_OBJECT
public:
    // `titles` are row 0's texts; rows 1..rows-1 are numbered in column 0.
    FixedCellGrid(int rows, const QStringList& titles, QWidget* parent = nullptr);

    // Column widths in twips; then the grid is widened by 7 pixels and made
    // as high as its rows plus 7 pixels.
    void SetColumnWidthsTwips(const QList<int>& widthsTwips);
    void SetTitles(const QStringList& titles);

    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);
};

}  // namespace zx
