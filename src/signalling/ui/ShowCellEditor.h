#pragma once
// The in-place editing of a grid cell, shared by the autodial grid and the
// fleet list.
#include <QString>

class QLineEdit;
class QTableWidget;

namespace zx {

// Makes (row, column) the grid's current cell, lays the editor over it
// (the cell's position and size), sets the editor's text to the cell's text
// (which raises the editor's change), selects it all, shows the editor and
// gives it the focus. Returns the cell's text before the edit, which Esc
// puts back.
QString ShowCellEditor(QTableWidget* grid, QLineEdit* editor, int row, int column);

}  // namespace zx
