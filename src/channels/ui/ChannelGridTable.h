#pragma once
// The channel grid control: a table whose row 0 and column 0 are fixed
// header cells, so that cell (r, c) is channel r, column c. Key presses go
// first to the owner's key handler; typed letters never jump to a cell. The
// table shows no header sections of its own, never edits a cell in place and
// selects nothing: its owner lays its own editor over the current cell.
#include <functional>

#include <QTableWidget>

namespace zx {

class ChannelGridTable : public QTableWidget {
    Q_OBJECT
public:
    explicit ChannelGridTable(QWidget* parent = nullptr);

    // Returns true when it handled the key; otherwise the table's own key
    // handling (moving the current cell) applies.
    using KeyDownHandler = std::function<bool(QKeyEvent*)>;
    void setKeyDownHandler(KeyDownHandler handler) { keyDown_ = std::move(handler); }

    // The cell rectangle in the coordinates of the table's parent.
    QRect CellRectInParent(int row, int column) const;

    // The table's font at most 8 points: the column widths are made for a
    // small font. The caller sets it (after any change of its own).
    QFont SmallFont() const;

    // Gives every cell of the table's rows and columns that has none an item
    // aligned by `alignment(column)`: those of row 0 and column 0 fixed
    // cells in the button colours of `colours`, never current and never
    // clicked into, the others only enabled. Then column 0 numbers the rows
    // from 1.
    void FillCells(const QPalette& colours, const std::function<Qt::Alignment(int column)>& alignment);

    // A row height that holds the font: at least `minTwips`.
    int FittingRowHeight(int minTwips) const;
    void SetRowHeights(int height);

    void keyboardSearch(const QString&) override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    KeyDownHandler keyDown_;
};

}  // namespace zx
