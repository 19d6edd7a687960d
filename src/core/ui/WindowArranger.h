#pragma once
// The Window menu's arrange commands on the child windows of an MDI area.
// Hidden windows are left alone; minimized windows stay minimized and only
// Arrange Icons moves them.
class QMdiArea;

namespace zx {

class WindowArranger {
public:
    static void Cascade(QMdiArea* area);
    // One window above the other, each the full width of the area.
    static void TileHorizontally(QMdiArea* area);
    // Side by side, each the full height of the area.
    static void TileVertically(QMdiArea* area);
    // Lines the minimized windows up from the bottom left corner, row by row
    // upwards.
    static void ArrangeIcons(QMdiArea* area);
};

}  // namespace zx
