#include "core/ModelChange.h"

#include "core/AppCore.h"
#include "core/Workspace.h"

namespace zx {

namespace {

void TakeSnapshot(AppCore& core) { core.document.snapshot = core.image; }

void ForgetFileName(AppCore& core)
{
    core.document.DataFilePath = kDefaultDataFileName;
    core.document.hasFile = false;
}

void LayOutForModel(AppCore& core, Workspace& workspace)
{
    core.ApplyEightChannelRule();
    workspace.LayoutChannelGrid(GridHeaderCaller::ModelChange);
}

}  // namespace

ModelIdent CurrentModel(const RadioImage& image) { return {image.modelBandCode(), image.modelVariant()}; }

void RebuildForNewModel(AppCore& core, Workspace& workspace)
{
    core.InitAllFrameData();
    TakeSnapshot(core);
    workspace.CloseEditorWindows();
    if (!core.windowSlots.isOpen(ChannelFormOpen))
        workspace.ShowChannelWindow();
    workspace.RestoreChannelWindow();
    LayOutForModel(core, workspace);
    workspace.DecodeAllChannels();
    ForgetFileName(core);
}

void AfterModelDialog(AppCore& core, Workspace& workspace, ModelIdent before)
{
    if (CurrentModel(core.image) != before)
        RebuildForNewModel(core, workspace);
    workspace.RemakeTitle();
    core.RestoreChannelSlot();
}

bool UpdateAfterMemoryMap(AppCore& core, Workspace& workspace, ModelIdent before, bool accepted)
{
    workspace.CloseEditorWindows();
    workspace.RestoreChannelWindow();
    if (!accepted)
        return false;
    if (CurrentModel(core.image) != before) {
        // The other edits belong to the old model's layout and are dropped.
        core.InitAllFrameData();
        TakeSnapshot(core);
        LayOutForModel(core, workspace);
        workspace.DecodeAllChannels();
        ForgetFileName(core);
        workspace.RemakeTitle();
        return true;
    }
    // The grid still shows the texts decoded before the edit; refill it so
    // that no later cell commit writes those stale texts over the new bytes.
    core.SetBandLimitsFromImage();
    workspace.DecodeAllChannels();
    return false;
}

}  // namespace zx
