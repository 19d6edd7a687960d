#pragma once
// What the channel list calls in the single-channel editor. Every member is
// optional: an unset hook does nothing, so the list works without an editor.
// Apart from cmdChannelEdit_Click, the list calls a hook only while the
// editor is open (channelEditFormOpen).
#include <functional>

#include <QString>

#include "channels/GridCommit.h"

namespace zx {

struct ChannelFormHooks {
    // Whether the editor is open (ChannelEditFormOpen). Unset: the open flag
    // of the slot table.
    std::function<bool()> channelEditFormOpen;

    // The Channel Edit button: the hand-off of CurrentChannel to the editor.
    std::function<void()> cmdChannelEdit_Click;

    // The editor's channel box (txtChannel, then its spin control) gets the
    // channel; the editor reloads itself for it.
    std::function<void(int channel)> SetEditorChannel;
    // A cell edit began on a programmed row: the editor's RX, TX, decode and
    // encode fields take the current-channel registers.
    std::function<void()> ShowChannelInEditor;
    // A cell edit began on an empty row, or its RX was emptied: the editor's
    // blank state.
    std::function<void()> ClearChannelEdit;
    // An RX frequency was committed: the editor's fields enabled.
    std::function<void()> EnableChannelEdit;
    // A frequency of `column` (1 RX, 2 TX) was committed into the registers
    // and the record. For RX, `optSignalCellHadText` tells whether the row's
    // optional-signalling cell held a text before the commit. The list
    // encodes the channel again after the hook, so the editor may leave
    // register changes of its handlers for it.
    std::function<void(int column, const FrequencyCommit& commit, bool optSignalCellHadText)>
        MirrorFrequencyCommit;
    // A list pick of `column` (3..9) set the register to `text`: the
    // editor's field of that column follows.
    std::function<void(int column, const QString& text)> MirrorListPick;

    // The list's close box hides the editor; its Close button unloads it.
    std::function<void()> HideChannelEditor;
    std::function<void()> UnloadChannelEditor;
};

}  // namespace zx
