#include "link/AfterTransfer.h"

#include "core/AppCore.h"
#include "core/Workspace.h"

namespace zx {

void TakeCompletedTransfer(AppCore& core, const RadioImage* received)
{
    if (received)
        core.image = *received;
    core.link.TransferMode = TransferMode::Completed;
}

void AfterCompletedTransfer(AppCore& core, Workspace& workspace, bool read)
{
    core.checks.PriorityChannelError = false;
    if (!read) {
        core.checks.OwnFleetIdError = false;
        core.checks.PttCodeCheck = false;
        return;
    }
    core.document.DataFilePath = kDefaultDataFileName;
    core.document.hasFile = false;
    core.SetBandLimitsFromImage();
    workspace.DecodeAllChannels();
    workspace.RemakeTitle();
}

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
