#include "channels/GridCommit.h"

#include "channels/ChannelCodec.h"
#include "channels/ChannelGridLayout.h"
#include "channels/ChannelList.h"
#include "channels/ChannelWords.h"
#include "channels/FrequencyEntry.h"
#include "channels/ToneEntry.h"
#include "core/AppCore.h"

namespace zx {

namespace {

// True when the four frequency bytes at `offset` of the channel's stored
// record hold a digit above 9, which this program never writes.
bool StoredFrequencyIsOdd(const AppCore& core, int channel, int offset)
{
    if (!IsValidChannelNumber(channel))
        return false;
    const ChannelRecordBytes stored = ReadChannelRecord(core.image, channel);
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t b = stored[static_cast<std::size_t>(offset + i)];
        if ((b >> 4) > 9 || (b & 0x0F) > 9)
            return true;
    }
    return false;
}

}  // namespace

FrequencyCommit CommitGridFrequency(AppCore& core, int channel, int column, const QString& text,
                                    const QString& textBefore)
{
    FrequencyCommit result;
    if (column != kRxFreqColumn && column != kTxFreqColumn)
        return result;
    GetBandLimits(core);
    ChannelRegisters& regs = core.channelRegisters;
    const bool chinese = core.LanguageChinese;
    if (column == kRxFreqColumn) {
        if (text.isEmpty()) {
            ClearChannelData(core, channel);
            result.cleared = true;
            return result;
        }
        if (text == textBefore && StoredFrequencyIsOdd(core, channel, record::kRxFreq)) {
            regs.ChRxFreq = text;  // left as it was: the stored bytes stay
        } else {
            const SnappedFrequency snapped = SnapFrequency(text, core.BandLowerMHz, core.BandUpperMHz);
            result.outOfRange = snapped.outOfRange;
            result.inBand = !snapped.outOfRange;
            regs.ChRxFreq = snapped.text;
        }
        ApplyChannelDefaults(regs, regs.ChRxFreq, core.image.at(layout::PttIdType), chinese);
        result.committed = regs.ChRxFreq;
    } else if (text.isEmpty()) {
        regs.ChTxFreq.clear();
        regs.ChEncode = words::Word(words::kNone, chinese);
    } else if (text == textBefore && StoredFrequencyIsOdd(core, channel, record::kTxFreq)) {
        regs.ChTxFreq = text;
        result.committed = regs.ChTxFreq;
    } else {
        const SnappedFrequency snapped = SnapFrequency(text, core.BandLowerMHz, core.BandUpperMHz);
        result.outOfRange = snapped.outOfRange;
        regs.ChTxFreq = snapped.text;
        result.committed = regs.ChTxFreq;
    }
    EncodeChannel(core, channel);
    core.CopyChannelRecords();
    return result;
}

QString CommitGridTone(AppCore& core, int channel, int column, const QString& text, const QString& textBefore)
{
    if (column != kDecodeColumn && column != kEncodeColumn)
        return text;
    const bool leftAsItWas = !text.isEmpty() && text == textBefore;
    const QString tone = leftAsItWas ? text : NormaliseToneText(text, core.LanguageChinese);
    core.channelRegisters.Column(column) = tone;
    EncodeChannel(core, channel);
    core.CopyChannelRecords();
    return tone;
}

bool PickGridListEntry(AppCore& core, int column, const QString& text)
{
    if (column < kDecodeColumn || column > kPttIdColumn)
        return false;
    ChannelRegisters& regs = core.channelRegisters;
    if (column == kEncodeColumn && regs.ChTxFreq.isEmpty())
        regs.ChEncode = words::Word(words::kNone, core.LanguageChinese);
    else
        regs.Column(column) = text;
    return true;
}

void CommitGridListPick(AppCore& core, int channel)
{
    EncodeChannel(core, channel);
    core.CopyChannelRecords();
}

}  // namespace zx
