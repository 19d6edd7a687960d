#include "core/ui/WindowArranger.h"

#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zx {

namespace {

QList<QMdiSubWindow*> Shown(QMdiArea* area, bool minimized)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area->subWindowList(QMdiArea::CreationOrder)) {
        if (w->isVisible() && w->isMinimized() == minimized)
            windows << w;
    }
    return windows;
}

// The part of the area the tiles may use: the row of icons at the bottom is
// kept free, as Arrange Icons puts them there.
QRect TileRect(QMdiArea* area)
{
    QRect rect = area->viewport()->rect();
    const QList<QMdiSubWindow*> icons = Shown(area, true);
    if (!icons.isEmpty()) {
        int iconHeight = 0;
        for (QMdiSubWindow* w : icons)
            iconHeight = qMax(iconHeight, w->height());
        rect.setBottom(qMax(rect.top(), rect.bottom() - iconHeight));
    }
    return rect;
}

void Tile(QMdiArea* area, bool stacked)
{
    const QList<QMdiSubWindow*> windows = Shown(area, false);
    if (windows.isEmpty())
        return;
    for (QMdiSubWindow* w : windows) {
        if (w->isMaximized())
            w->showNormal();
    }
    const QRect rect = TileRect(area);
    const int n = static_cast<int>(windows.size());
    const int total = stacked ? rect.height() : rect.width();
    int offset = 0;
    for (int i = 0; i < n; ++i) {
        const int extent = (i == n - 1) ? total - offset : total / n;
        if (stacked)
            windows[i]->setGeometry(rect.left(), rect.top() + offset, rect.width(), extent);
        else
            windows[i]->setGeometry(rect.left() + offset, rect.top(), extent, rect.height());
        offset += extent;
    }
}

}  // namespace

void WindowArranger::Cascade(QMdiArea* area) { area->cascadeSubWindows(); }

void WindowArranger::TileHorizontally(QMdiArea* area) { Tile(area, true); }

void WindowArranger::TileVertically(QMdiArea* area) { Tile(area, false); }

void WindowArranger::ArrangeIcons(QMdiArea* area)
{
    const QRect rect = area->viewport()->rect();
    int x = rect.left();
    int bottom = rect.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* w : Shown(area, true)) {
        const QSize size = w->size();
        if (x > rect.left() && x + size.width() > rect.right() + 1) {
            x = rect.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        w->move(x, bottom - size.height());
        x += size.width();
        rowHeight = qMax(rowHeight, size.height());
    }
}

}  // namespace zx
