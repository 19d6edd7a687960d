#include "core/ModelChange.h"

#include "core/AppCore.h"

namespace zx {

namespace {

void TakeSnapshot(AppCore& core) { core.document.snapshot = core.image; }

void ForgetFileName(AppCore& core)
{
    core.document.DataFilePath = kDefaultDataFileName;
    core.document.hasFile = false;
}

void LayOutForModel(AppCore& core, const CoreWindowHooks& hooks)
{
    core.ApplyEightChannelRule();
    CallHook(hooks.layoutChannelGrid, core.EightChannelModel);
}

}  // namespace

ModelIdent CurrentModel(const RadioImage& image) { return {image.modelBandCode(), image.modelVariant()}; }

void RebuildForNewModel(AppCore& core, const CoreWindowHooks& hooks)
{
    core.InitAllFrameData();
    TakeSnapshot(core);
    CallHook(hooks.closeEditorWindows);
    if (!core.windowSlots.isOpen(ChannelFormOpen))
        CallHook(hooks.showChannelWindow);
    CallHook(hooks.restoreChannelWindow);
    LayOutForModel(core, hooks);
    CallHook(hooks.decodeAllChannels);
    ForgetFileName(core);
}

bool UpdateAfterMemoryMap(AppCore& core, const CoreWindowHooks& hooks, ModelIdent before, bool accepted)
{
    CallHook(hooks.closeEditorWindows);
    CallHook(hooks.restoreChannelWindow);
    if (!accepted)
        return false;
    if (CurrentModel(core.image) != before) {
        // The other edits belong to the old model's layout and are dropped.
        core.InitAllFrameData();
        TakeSnapshot(core);
        LayOutForModel(core, hooks);
        CallHook(hooks.decodeAllChannels);
        ForgetFileName(core);
        return true;
    }
    // The grid still shows the texts decoded before the edit; refill it so
    // that no later cell commit writes those stale texts over the new bytes.
    core.SetBandLimitsFromImage();
    CallHook(hooks.decodeAllChannels);
    return false;
}

}  // namespace zx
