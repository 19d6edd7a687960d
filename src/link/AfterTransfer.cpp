#include "link/AfterTransfer.h"

#include "core/AppCore.h"
#include "core/Workspace.h"

namespace zx {

void AfterTransferDialog(AppCore& core, Workspace& workspace, bool cancelledBeforeStart)
{
    workspace.EnableMainWindow(true);
    if (!cancelledBeforeStart) {
        workspace.CloseEditorWindows();
        workspace.RestoreChannelWindow();
    }
    core.ApplyEightChannelRule();
    workspace.LayoutChannelGrid(GridHeaderCaller::FileOpen);
    core.windowSlots.setOpen(ChannelFormOpen, true);
    core.RestoreChannelSlot();
}

}  // namespace zx
