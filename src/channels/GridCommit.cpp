#include "channels/GridCommit.h"

#include "channels/ChannelCodec.h"
#include "channels/ChannelList.h"
#include "channels/ChannelWords.h"
#include "channels/FrequencyEntry.h"
#include "channels/ToneEntry.h"
#include "core/AppCore.h"

namespace zx {

FrequencyCommit CommitGridFrequency(AppCore& core, int channel, int column, const QString& text)
{
    FrequencyCommit result;
    if (column != 1 && column != 2)
        return result;
    GetBandLimits(core);
    ChannelRegisters& regs = core.channelRegisters;
    const bool chinese = core.LanguageChinese;
    if (column == 1) {
        if (text.isEmpty()) {
            ClearChannelData(core, channel);
            result.cleared = true;
            return result;
        }
        const SnappedFrequency snapped = SnapFrequency(text, core.BandLowerMHz, core.BandUpperMHz);
        result.outOfRange = snapped.outOfRange;
        result.inBand = !snapped.outOfRange;
        regs.ChRxFreq = snapped.text;
        ApplyChannelDefaults(regs, regs.ChRxFreq, core.image.at(layout::PttIdType), chinese);
        result.committed = regs.ChRxFreq;
    } else if (text.isEmpty()) {
        regs.ChTxFreq.clear();
        regs.ChEncode = words::Word(words::kNone, chinese);
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

QString CommitGridTone(AppCore& core, int channel, int column, const QString& text)
{
    if (column != 3 && column != 4)
        return text;
    const QString tone = NormaliseToneText(text, core.LanguageChinese);
    core.channelRegisters.Column(column) = tone;
    EncodeChannel(core, channel);
    core.CopyChannelRecords();
    return tone;
}

}  // namespace zx
