#pragma once
// The small pictures of the test-mode windows, 16 x 16, drawn here so they
// need no image files: the receive lamp (green), the transmit lamp (red)
// and the marker beside the measured-value dialog's Start button while it
// measures.
#include <QPixmap>

namespace zx {

QPixmap LampOff();
QPixmap LampOn();
QPixmap StartMarker();

}  // namespace zx
