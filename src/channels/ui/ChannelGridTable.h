#pragma once
// The channel grid control: a table whose row 0 and column 0 are fixed
// header cells, so that cell (r, c) is channel r, column c. Key presses go
// first to the owner's key handler; typed letters never jump to a cell.
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

    void keyboardSearch(const QString&) override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    KeyDownHandler keyDown_;
};

}  // namespace zx
