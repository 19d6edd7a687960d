#pragma once
// The radio settings windows in the main window's Window-menu slots: the
// optional features window in slot 1, opened by Edit > Optional Features and
// the tree view's node.
#include <functional>

#include "settings/ui/OptionalFormHooks.h"

namespace zx {

class EditorWindowRegistry;
struct CoreWindowHooks;

// `channelList` gives the channel list's cells (read when a window loads, so
// hooks filled later count); `channelEditor` the channel editor's PTT ID list
// (unset while there is no editor).
void RegisterSettingsWindows(EditorWindowRegistry& windows, const CoreWindowHooks& channelList,
                             std::function<ChannelEditorPttLink()> channelEditor = {});

}  // namespace zx
