#include "settings/ui/SettingsWindows.h"

#include "core/ui/EditorWindowRegistry.h"
#include "settings/ui/EmbedInfoForm.h"
#include "settings/ui/KeyAssign.h"
#include "settings/ui/OptionalForm.h"
#include "settings/ui/ScanForm.h"

namespace zx {

void AttachSettingsWindows(EditorWindowRegistry& windows, ChannelListLink channelList,
                           std::function<ChannelEditorPttLink()> channelEditor)
{
    windows.RegisterWindow(1, [channelList, channelEditor]() -> EditorWindowFrame* {
        OptionalFormHooks hooks;
        hooks.channelList = channelList;
        if (channelEditor)
            hooks.channelEditor = channelEditor();
        return new OptionalForm(std::move(hooks));
    });
    windows.RegisterWindow(2, []() -> EditorWindowFrame* { return new KeyAssign; });
    windows.RegisterWindow(7, []() -> EditorWindowFrame* { return new EmbedInfoForm; });
}

void AttachScanForm(EditorWindowRegistry& windows, std::function<ChannelEditorPriorityLink()> channelEditor)
{
    windows.RegisterWindow(ScanForm::Setup().slot, [channelEditor]() -> EditorWindowFrame* {
        return new ScanForm(channelEditor ? channelEditor() : ChannelEditorPriorityLink{});
    });
}

}  // namespace zx
