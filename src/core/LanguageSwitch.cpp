#include "core/LanguageSwitch.h"

#include "core/AppCore.h"
#include "core/MainCaption.h"
#include "core/Workspace.h"

namespace zx {

void ApplyLanguageSwitch(AppCore& core, Workspace& workspace)
{
    if (!core.LanguageChanged)
        return;
    workspace.CloseEditorWindows();
    workspace.RestoreChannelWindow();
    workspace.RemakeTitle();
    workspace.SetMenuCaptions();
    // Names channel 1 whatever channel is current; the next cell entry
    // captions the window by the current channel again.
    core.windowSlots.setSlotCaption(0, ChannelWindowFixedCaption(core.LanguageChinese));
    workspace.RetranslateChannelWindow();
}

}  // namespace zx
