#pragma once
// The radio settings windows in the main window's Window-menu slots: the
// optional features window in slot 1, opened by Edit > Optional Features and
// the tree view's node.
#include <functional>

#include "settings/ui/OptionalFormHooks.h"

namespace zx {

class EditorWindowRegistry;

// `channelList` reaches the channel list's cells; `channelEditor` gives the
// channel editor's PTT ID list when a window loads (unset while there is no
// editor).
void AttachSettingsWindows(EditorWindowRegistry& windows, ChannelListLink channelList,
                           std::function<ChannelEditorPttLink()> channelEditor = {});

}  // namespace zx
