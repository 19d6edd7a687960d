#pragma once
// What the transfer dialog and the Read and Write commands need of the
// other windows. The main window fills these in; tests fill them with
// recorders. An empty hook is skipped.
#include <functional>

#include <QString>

namespace zx {

struct TransferHooks {
    // After a completed read: refill the channel list from the image (it
    // lays the grid out first, since TransferMode is 55 by then).
    std::function<void()> DecodeAllChannels;
    // After a completed read: main window title = MakeMainCaption().
    std::function<void()> RemakeMainCaption;
    // When the dialog closes after a transfer was started (or by its close
    // box): unload every editor window but the channel list, then bring the
    // channel list back to normal size at the top left.
    std::function<void()> CloseEditorWindows;
    std::function<void()> RestoreChannelWindow;
    // Whenever the dialog closes: lay the grid out for 8 or 16 channels
    // (EightChannelModel has just been set from the image).
    std::function<void()> LayoutChannelGrid;
    // Whenever the dialog closes: show the Window menu if hidden; if its
    // slot 0 is hidden, set GridChannel = 1 and show slot 0 captioned
    // ChannelWindowCaption(1), without its check mark.
    std::function<void()> RestoreChannelSlot;
    // After the dialog has closed: make the channel list visible.
    std::function<void()> ShowChannelForm;
    // The dialog enables the main window when it closes (and after a port
    // that could not be opened).
    std::function<void(bool)> SetMainWindowEnabled;
    // Opens a help page ("readradio.htm", "writeradio.htm").
    std::function<void(const QString&)> ShowHelpTopic;
};

}  // namespace zx
