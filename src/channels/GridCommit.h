#pragma once
// The commits of a typed frequency or tone in the channel grid, on the core:
// the rules of FrequencyEntry.h and ToneEntry.h applied to the current-channel
// registers, the channel encoded and ChData refreshed. Afterwards the window
// writes core.channelRegisters.Columns() into the grid row, shows the range
// message when asked and mirrors the channel into an open channel editor.
#include <QString>

namespace zx {

class AppCore;

struct FrequencyCommit {
    bool cleared = false;     // RX emptied: the channel was deleted (record FF)
    bool outOfRange = false;  // show RangeMessageText / RangeMessageTitle
    bool inBand = false;      // RX inside the band: CellTextBefore = committed
    QString committed;        // the text column 1 or 2 now holds
};

// The frequency commit of column 1 (RX) or 2 (TX) of `channel`, with the
// registers already holding the row: band limits from the grid table; an
// emptied RX clears the channel (and ends there, ChData not refreshed); an
// RX value is snapped and the channel defaults applied; an emptied TX also
// sets the encode tone to None; a TX value is snapped. Then EncodeChannel and
// CopyChannelRecords. Any other column changes nothing.
FrequencyCommit CommitGridFrequency(AppCore& core, int channel, int column, const QString& text);

// The tone commit of column 3 (decode) or 4 (encode): the normalised text
// goes into the register, then EncodeChannel and CopyChannelRecords. Returns
// the text for the combo and the cell; any other column changes nothing and
// returns `text`.
QString CommitGridTone(AppCore& core, int channel, int column, const QString& text);

}  // namespace zx
