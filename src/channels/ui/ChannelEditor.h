#pragma once
// What the channel list calls in the single-channel editor: the interface
// the editor window implements. The list reaches the editor through one
// loader (ChannelForm::setChannelEditor); without one the list works alone.
// Apart from cmdChannelEdit_Click, HideChannelEditor and UnloadChannelEditor,
// the list calls the editor only while it is open (the ChannelEditFormOpen
// flag of the slot table).
#include <QString>

#include "channels/GridCommit.h"

namespace zx {

class ChannelEditor {
public:
    virtual ~ChannelEditor() = default;

    // The Channel Edit button: the hand-off of CurrentChannel to the editor.
    virtual void cmdChannelEdit_Click() = 0;

    // The editor's channel box (txtChannel, then its step buttons) gets the
    // channel; the editor loads that channel.
    virtual void SetEditorChannel(int channel) = 0;
    // A cell edit began on a programmed row: the editor's RX, TX, decode and
    // encode fields take the current-channel registers.
    virtual void ShowChannelInEditor() = 0;
    // A cell edit began on an empty row, or its RX was emptied: the editor's
    // blank state.
    virtual void ClearChannelEdit() = 0;
    // An RX frequency was committed: the editor's fields enabled.
    virtual void EnableChannelEdit() = 0;
    // A frequency of `column` (1 RX, 2 TX) was committed into the registers
    // and the record. For RX, `optSignalCellHadText` tells whether the row's
    // optional-signalling cell held a text before the commit. The list
    // encodes the channel again afterwards, so the editor may leave register
    // changes for it.
    virtual void MirrorFrequencyCommit(int column, const FrequencyCommit& commit, bool optSignalCellHadText) = 0;
    // A list pick of `column` (3..9) set the register to `text`: the
    // editor's field of that column follows.
    virtual void MirrorListPick(int column, const QString& text) = 0;

    // The list's close box hides the editor; its Close button unloads it
    // (nothing is committed either way).
    virtual void HideChannelEditor() = 0;
    virtual void UnloadChannelEditor() = 0;
};

}  // namespace zx
