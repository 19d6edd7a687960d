#include "channels/ChannelList.h"

#include "channels/ChannelCodec.h"
#include "channels/DecimalText.h"
#include "core/AppCore.h"

namespace zx {

ChannelListContents DecodeAllChannels(AppCore& core)
{
    ChannelListContents contents;
    if (core.link.TransferMode == TransferMode::Completed) {
        // The image now comes from the radio: its band code decides the
        // channel count and the limits the channel editor checks against.
        core.ApplyEightChannelRule();
        core.SetBandLimitsFromImage();
        contents.relayout = true;
    }
    core.CopyChannelRecords();
    const std::uint8_t pttIdType = core.image.at(layout::PttIdType);
    const ScanAddBytes scan = ScanAddBytes::Of(core.image);
    const int count = core.ChannelCount();
    int programmed = 0;
    for (int channel = 1; channel <= count; ++channel) {
        const ChannelRecordBytes& record = core.ChData[static_cast<std::size_t>(channel - 1)];
        core.channelRegisters = DecodeChannel(record, scan.Bit(channel), pttIdType, core.LanguageChinese);
        if (IsProgrammedRecord(record)) {
            ++programmed;
            contents.rows.push_back(core.channelRegisters.Columns());
        } else {
            contents.rows.push_back(ChannelColumns{});
        }
    }
    contents.freeAreaBytes = EmptyFreeAreaBytes(count) - layout::kChannelRecordSize * programmed;
    core.CurrentChannel = 1;
    return contents;
}

ChannelColumns DecodeChannelRow(const AppCore& core, int channel)
{
    if (channel < 1 || channel > core.ChannelCount())
        return {};
    const ChannelRecordBytes record = ReadChannelRecord(core.image, channel);
    if (!IsProgrammedRecord(record))
        return {};
    return DecodeChannel(record, ScanAddBytes::Of(core.image).Bit(channel), core.image.at(layout::PttIdType),
                         core.LanguageChinese)
        .Columns();
}

void EncodeChannel(AppCore& core, int channel)
{
    if (channel < 1 || channel > core.ChannelCount())
        return;
    const EncodedChannel encoded = EncodeChannelWithScanAdd(
        core.channelRegisters, channel, ReadChannelRecord(core.image, channel), ScanAddBytes::Of(core.image),
        core.image.at(layout::PttIdType), core.EightChannelModel, core.LanguageChinese);
    WriteChannelRecord(core.image, channel, encoded.record);
    encoded.scanAdd.StoreInto(core.image);
    if (encoded.pttIdOn)
        core.checks.PttCodeCheck = true;
}

bool EncodeChangedRow(AppCore& core, int channel, const ChannelColumns& row)
{
    if (channel < 1 || channel > core.ChannelCount() || row[0].isEmpty())
        return false;
    const ChannelRecordBytes stored = ReadChannelRecord(core.image, channel);
    const ChannelRegisters read = DecodeChannel(stored, ScanAddBytes::Of(core.image).Bit(channel),
                                                core.image.at(layout::PttIdType), core.LanguageChinese);
    if (IsProgrammedRecord(stored) && read.Columns() == row)
        return false;
    LoadRowIntoRegisters(core.channelRegisters, row, stored);
    EncodeChannel(core, channel);
    core.CopyChannelRecords();
    return true;
}

void ClearChannelData(AppCore& core, int channel)
{
    core.channelRegisters.ClearColumns();
    if (IsValidChannelNumber(channel))
        WriteChannelRecord(core.image, channel, EmptyChannelRecord());
}

int FreeAreaBytes(std::span<const QString> rxTexts, bool eightChannel)
{
    const int channels = layout::ChannelCountOf(eightChannel);
    const auto count = static_cast<std::size_t>(channels);
    int programmed = 0;
    for (std::size_t i = 0; i < rxTexts.size() && i < count; ++i)
    {
        const DecimalText value(rxTexts[i]);
        if (value.Scaled(5) != 0 || value.HasRemainder(5))
            ++programmed;
    }
    return EmptyFreeAreaBytes(channels) - layout::kChannelRecordSize * programmed;
}

}  // namespace zx
