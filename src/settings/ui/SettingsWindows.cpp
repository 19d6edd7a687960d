#include "settings/ui/SettingsWindows.h"

#include "core/CoreWindowHooks.h"
#include "core/ui/EditorWindowRegistry.h"
#include "settings/ui/OptionalForm.h"

namespace zx {

void RegisterSettingsWindows(EditorWindowRegistry& windows, const CoreWindowHooks& channelList,
                             std::function<ChannelEditorPttLink()> channelEditor)
{
    windows.RegisterWindow(1, [&channelList, channelEditor]() -> EditorWindowFrame* {
        OptionalFormHooks hooks;
        hooks.channelList = {channelList.channelGridText, channelList.setChannelGridText};
        if (channelEditor)
            hooks.channelEditor = channelEditor();
        return new OptionalForm(std::move(hooks));
    });
}

}  // namespace zx
