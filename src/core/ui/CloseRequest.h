#pragma once
// Whether a window takes a close request (its close box, Alt+F4, the window
// manager's close). A window that is disabled, or held by a modal dialog,
// waits for another window to finish with the user or the radio: its own
// closing (the exit question, the test window's exit step) would run under
// that window and pull the ground from under it. Such a request does
// nothing; the same request goes through once the window is free again.
class QWidget;

namespace zx {

bool CloseRequestRefused(const QWidget& window);

}  // namespace zx
