#pragma once
// Registers the four tuning dialogs with the test window's hand-over: each
// factory builds its dialog from the test window's choices and the image,
// shows it as a window of its own and opens its port.
namespace zx {

class TuningDialogFactories;

void AttachTuningDialogs(TuningDialogFactories& factories);

}  // namespace zx
