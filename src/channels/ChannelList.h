#pragma once
// The channel list's work on the core's image: decoding every channel into
// row texts, encoding the current-channel registers into a channel, clearing
// a channel, and the free-area count. The channel list window copies the
// texts these return into its grid; it computes nothing itself.
#include <span>
#include <vector>

#include <QString>

#include "core/ChannelRegisters.h"
#include "core/ImageLayout.h"

namespace zx {

class AppCore;

// Column 1 to 9 texts of rows 1..8 or 1..16 (index row - 1); an empty channel
// has nine empty texts.
struct ChannelListContents {
    std::vector<ChannelColumns> rows;
    int freeAreaBytes = 256;  // the text of LabBlankChannel, as a number
    // True when the channel count was decided anew (after a completed
    // transfer): the window lays its grid out again for rows.size() rows.
    bool relayout = false;

    QString FreeAreaText() const { return QString::number(freeAreaBytes); }
};

// DecodeAllChannels: after a completed transfer (TransferMode::Completed) first
// re-evaluates EightChannelModel and the band limits (default band table)
// from the image; takes a fresh ChData copy;
// decodes channels 1..8 or 1..16 in ascending order through the current-
// channel registers, which then hold the last channel decoded; sets
// CurrentChannel to 1. The image is not changed.
ChannelListContents DecodeAllChannels(AppCore& core);

// The row texts of one channel (1..8 or 1..16) as DecodeAllChannels writes
// them from the image; the registers and the image are not touched.
ChannelColumns DecodeChannelRow(const AppCore& core, int channel);

// EncodeChannel: writes core.channelRegisters into the record of `channel`
// (1..8 or 1..16), its scan-add bit (and 0x17F = FF on an 8-channel model),
// and sets checks.PttCodeCheck when the channel gets PTT ID On. The caller
// writes core.channelRegisters.Columns() into the grid row. A channel number
// outside the model's range changes nothing.
void EncodeChannel(AppCore& core, int channel);

// The row of a programmed channel that no longer reads as its record (the
// channel editor keeps TX power, bandwidth and PTT ID in the row until the
// channel is next encoded) is encoded into the record, as the editor's Close
// would encode it; a row that reads as its record changes nothing, so a
// channel only looked at keeps its bytes. Returns whether it was encoded;
// the registers then hold the row's texts for the caller to write back.
bool EncodeChangedRow(AppCore& core, int channel, const ChannelColumns& row);

// ClearChannelData, the part without the grid: empties the nine column texts
// of the registers and fills the record of `channel` (1..16) with FF. The
// scan-add bit and the other registers stay.
void ClearChannelData(AppCore& core, int channel);

// The free channel memory of a list without a programmed channel: 16 bytes
// for each channel of the model (128 or 256).
inline int EmptyFreeAreaBytes(int channelCount) { return layout::kChannelRecordSize * channelCount; }

// UpdateFreeArea's count: 128 or 256 minus 16 for every row among the first 8
// or 16 whose RX text reads as a number other than 0.
int FreeAreaBytes(std::span<const QString> rxTexts, bool eightChannel);

}  // namespace zx
