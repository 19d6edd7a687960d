#pragma once
// What the optional features window reaches of other windows: the channel
// list's PTT ID column and the channel editor's PTT ID list. The main window
// fills these in; a hook left empty does nothing, so the window works while
// either window is missing.
#include <functional>

#include <QString>
#include <QStringList>

namespace zx {

// The channel list's grid: cell text of channel row 1..16, column 1..9.
struct ChannelListLink {
    std::function<QString(int row, int column)> cellText;
    // Column 9 of every programmed row read again from its record under the
    // PTT ID type in force, whether or not the list is shown.
    std::function<void()> refreshPttIdColumn;
};

// The channel editor's PTT ID list (ComPTTID).
struct ChannelEditorPttLink {
    // The channel the editor shows (1..16); 0 or unset: none.
    std::function<int()> shownChannel;
    // A new PTT ID type: empties ComPTTID, fills it with `items` and selects
    // `position` (the entry the channel's row reads), running the editor's
    // own Click (ChPttId and the channel's row take the chosen text).
    std::function<void(const QStringList& items, int position)> RebuildPttIdList;
    // Selects the entry reading `text` in ComPTTID and sets ChPttId to it,
    // without running the editor's Click.
    std::function<void(const QString& text)> ShowPttId;
};

struct OptionalFormHooks {
    ChannelListLink channelList;
    ChannelEditorPttLink channelEditor;
};

}  // namespace zx
