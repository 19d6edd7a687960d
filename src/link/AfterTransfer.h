#pragma once
// What follows a transfer with the radio, over the workspace: the library's
// side of the transfer dialog's results and of its closing.
namespace zx {

class AppCore;
class RadioImage;
class Workspace;

// The end command of a completed read or write is out: the transfer counts
// as completed, and a read's image (`received`; null after a write)
// replaces the program's.
void TakeCompletedTransfer(AppCore& core, const RadioImage* received);

// The user has been told that the transfer completed. A read leaves a new,
// unsaved document under the default name with its model's band limits,
// the channel list refilled and the title remade; a write clears the flags
// of the pre-write checks it passed.
void AfterCompletedTransfer(AppCore& core, Workspace& workspace, bool read);

// The transfer dialog closes (its Unload): the main window is enabled again;
// unless the user left before starting, the other editor windows close and
// the channel list returns to normal size at the top left; the grid is laid
// out for the image's channel count and the channel list's slot is back.
void AfterTransferDialog(AppCore& core, Workspace& workspace, bool cancelledBeforeStart);

}  // namespace zx
