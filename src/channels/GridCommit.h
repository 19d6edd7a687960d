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
// `textBefore` is the cell's text when the edit began: a frequency whose
// stored bytes are no plain BCD (digits above 9) and whose text the user has
// left as it was is not snapped, so its bytes are written back unchanged.
FrequencyCommit CommitGridFrequency(AppCore& core, int channel, int column, const QString& text,
                                    const QString& textBefore);

// The tone commit of column 3 (decode) or 4 (encode): the normalised text
// goes into the register, then EncodeChannel and CopyChannelRecords. Returns
// the text for the combo and the cell; any other column changes nothing and
// returns `text`. A tone the user has left as the cell showed it
// (`textBefore`) is not normalised again: a code this program never writes
// (a QT value outside 67.0-254.1) then keeps its bytes.
QString CommitGridTone(AppCore& core, int channel, int column, const QString& text, const QString& textBefore);

// A pick from the list of column 3..9 goes into the current-channel
// registers; an encode tone stays None while the channel has no TX
// frequency. False, with nothing changed, for any other column.
bool PickGridListEntry(AppCore& core, int column, const QString& text);
// The pick is committed (after an open channel editor has mirrored it): the
// channel encoded and ChData refreshed.
void CommitGridListPick(AppCore& core, int channel);

}  // namespace zx
