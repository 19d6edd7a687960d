#pragma once
// A window the program shows while the window it belongs to is disabled:
// the test window over the main window, a tuning dialog over the test
// window, the radio information over the main window. It cannot be the
// owner's child, which would be disabled with it; it is the owner's
// transient instead, so the window manager keeps it above the owner
// whatever the user does to the owner (a click on its title bar included).
class QWidget;

namespace zx {

// Makes `window` (a top-level window not yet shown) a transient of
// `owner`'s window. A plain top-level window becomes a dialog-kind window
// on the way: X11 window managers take the transient hint only from those.
void KeepAboveOwner(QWidget& window, const QWidget* owner);

}  // namespace zx
