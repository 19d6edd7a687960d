#pragma once
// The marker beside the measured-value dialog's Start button while it
// measures, 16 x 16, drawn here so it needs no image file (the lamps are
// the test window's pictures).
#include <QPixmap>

namespace zx {

QPixmap StartMarker();

}  // namespace zx
