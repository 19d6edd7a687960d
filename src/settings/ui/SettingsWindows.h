#pragma once
// The radio settings windows in the main window's Window-menu slots, each
// opened by its Edit menu item and its tree view node: optional features in
// slot 1, key assignment in slot 2, the embedded message in slot 7.
#include <functional>

#include "settings/ui/OptionalFormHooks.h"
#include "settings/ui/ScanFormHooks.h"

namespace zx {

class EditorWindowRegistry;

// `channelList` reaches the channel list's cells; `channelEditor` gives the
// channel editor's PTT ID list when a window loads (unset while there is no
// editor).
void AttachSettingsWindows(EditorWindowRegistry& windows, ChannelListLink channelList,
                           std::function<ChannelEditorPttLink()> channelEditor = {});

// The scan information window in slot 3; `channelEditor` gives the channel
// editor's priority box when the window loads.
void AttachScanForm(EditorWindowRegistry& windows, std::function<ChannelEditorPriorityLink()> channelEditor = {});

}  // namespace zx
