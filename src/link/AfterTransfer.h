#pragma once
// What follows a transfer with the radio, over the workspace: the library's
// side of the transfer dialog's closing.
namespace zx {

class AppCore;
class Workspace;

// The transfer dialog closes (its Unload): the main window is enabled again;
// unless the user left before starting, the other editor windows close and
// the channel list returns to normal size at the top left; the grid is laid
// out for the image's channel count and the channel list's slot is back.
void AfterTransferDialog(AppCore& core, Workspace& workspace, bool cancelledBeforeStart);

}  // namespace zx
