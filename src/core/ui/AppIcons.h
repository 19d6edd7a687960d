#pragma once
// The program's pictures: the window icon and the toolbar's 16 x 16 pictures,
// drawn here so they need no image files.
#include <QIcon>
#include <QPixmap>

namespace zx {

QIcon WindowIcon();
// Keys "New", "Open", "Save", "Print", "Read", "Write", "Help".
QIcon ToolbarPicture(const QString& key);
// The 16 x 16 bitmaps of the test window: "LampOff" a plain green square
// (receiving), "LampOn" a plain red one (transmitting), "BandMarker" a plain
// blue one (the bandwidth chosen).
QPixmap BitmapPicture(const QString& key);

}  // namespace zx
