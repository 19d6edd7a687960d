#pragma once
// The program's pictures: the window icon and the toolbar's 16 x 16 pictures,
// drawn here so they need no image files.
#include <QIcon>

namespace zx {

QIcon WindowIcon();
// Keys "New", "Open", "Save", "Print", "Read", "Write", "Help".
QIcon ToolbarPicture(const QString& key);

}  // namespace zx
