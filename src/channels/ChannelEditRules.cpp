#include "channels/ChannelEditRules.h"

#include "channels/ChannelCodec.h"
#include "channels/ChannelList.h"
#include "channels/ChannelWords.h"
#include "core/AppCore.h"

namespace zx {

namespace {

using words::Word;

constexpr int kBusyOff = 0;
constexpr int kBusyCarrier = 1;
constexpr int kBusyQtDqt = 2;
constexpr int kBusyOptionSignalling = 3;

}  // namespace

std::vector<int> BusyLockCodes(MuteLockShape shape)
{
    switch (shape) {
    case MuteLockShape::CarrierOnly:
        return {kBusyOff, kBusyCarrier};
    case MuteLockShape::CarrierWithSignal:
        return {kBusyOff, kBusyCarrier, kBusyOptionSignalling};
    case MuteLockShape::ToneOnly:
        return {kBusyOff, kBusyCarrier, kBusyQtDqt};
    case MuteLockShape::ToneWithSignal:
        break;
    }
    return {kBusyOff, kBusyCarrier, kBusyQtDqt, kBusyOptionSignalling};
}

namespace {

int SpMuteEntryCount(MuteLockShape shape)
{
    return (shape == MuteLockShape::CarrierOnly || shape == MuteLockShape::ToneOnly) ? 1 : 3;
}

int BusyLockPositionOf(MuteLockShape shape, int code)
{
    const std::vector<int> codes = BusyLockCodes(shape);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == code)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

int NormaliseChannelNumber(const QString& text, bool eightChannel)
{
    int n = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        n = qMin(n * 10 + c.digitValue(), 1000);  // anything above 16 reads 16
    }
    if (eightChannel && n > 8)
        n = 8;
    return qBound(1, n, 16);
}

int NextChannel(int shown, bool eightChannel)
{
    const int last = layout::ChannelCountOf(eightChannel);
    return shown >= last ? 1 : shown + 1;
}

int PreviousChannel(int shown, bool eightChannel)
{
    const int last = layout::ChannelCountOf(eightChannel);
    return shown <= 1 ? last : shown - 1;
}

MuteLockShape MuteLockShapeOf(const QString& decodeText, const QString& signalText, bool chinese)
{
    const QString none = Word(words::kNone, chinese);
    const bool decodeSet = decodeText != none;
    const bool signalSet = signalText != none;
    if (decodeSet)
        return signalSet ? MuteLockShape::ToneWithSignal : MuteLockShape::ToneOnly;
    return signalSet ? MuteLockShape::CarrierWithSignal : MuteLockShape::CarrierOnly;
}

QStringList SpMuteEntries(MuteLockShape shape, bool chinese)
{
    switch (shape) {
    case MuteLockShape::CarrierOnly:
        return {Word(words::kCarrier, chinese)};
    case MuteLockShape::CarrierWithSignal:
        return {Word(words::kCarrier, chinese), Word(words::kCarrierAndOptSig, chinese),
                Word(words::kCarrierOrOptSig, chinese)};
    case MuteLockShape::ToneOnly:
        return {Word(words::kQtDqt, chinese)};
    case MuteLockShape::ToneWithSignal:
        break;
    }
    return {Word(words::kQtDqt, chinese), Word(words::kQtDqtAndOptSig, chinese),
            Word(words::kQtDqtOrOptSig, chinese)};
}

QStringList BusyLockEntries(MuteLockShape shape, bool chinese)
{
    static constexpr int kIds[4] = {words::kOff, words::kCarrier, words::kQtDqt, words::kOptionSignalling};
    QStringList entries;
    for (int code : BusyLockCodes(shape))
        entries << Word(kIds[code], chinese);
    return entries;
}

int BusyLockCode(MuteLockShape shape, int position)
{
    const std::vector<int> codes = BusyLockCodes(shape);
    if (position < 0 || position >= static_cast<int>(codes.size()))
        return -1;
    return codes[static_cast<std::size_t>(position)];
}

std::uint8_t StoreSpMute(std::uint8_t flagsA, int position)
{
    if (position < 0 || position > 2)
        return flagsA;
    return static_cast<std::uint8_t>((flagsA & ~0x60) | (position << 5));
}

std::uint8_t StoreBusyLock(std::uint8_t flagsA, int code)
{
    if (code < 0 || code > 3)
        return flagsA;
    return static_cast<std::uint8_t>((flagsA & ~0x18) | (code << 3));
}

MuteLockChoice LoadMuteLockEntries(MuteLockShape shape, std::uint8_t flagsA)
{
    MuteLockChoice choice;
    choice.flagsA = flagsA;
    const int busy = BusyLockPositionOf(shape, (flagsA >> 3) & 3);
    choice.busyLock = busy >= 0 ? busy : 0;
    choice.flagsA = StoreBusyLock(choice.flagsA, BusyLockCode(shape, choice.busyLock));

    const int sp = (flagsA >> 5) & 3;
    if (sp != 3) {
        choice.spMute = sp < SpMuteEntryCount(shape) ? sp : 0;
        choice.flagsA = StoreSpMute(choice.flagsA, choice.spMute);
    }
    return choice;
}

MuteLockChoice SelectMuteLockEntries(MuteLockShape shape, std::uint8_t flagsA)
{
    if (flagsA == 0xFF) {
        MuteLockChoice none;
        none.flagsA = flagsA;
        return none;
    }
    return LoadMuteLockEntries(shape, flagsA);
}

int PttIdEntryForText(const QString& text, std::uint8_t pttIdType, bool chinese)
{
    if (pttIdType != 1)
        return text == Word(words::kOn, chinese) ? 1 : 0;
    if (text == Word(words::kOff, chinese))
        return 0;
    if (text == Word(words::kOwn, chinese))
        return 1;
    if (text.startsWith(Word(words::kFleetList, chinese))) {
        const QChar last = text.back();
        const int value = (last >= QLatin1Char('0') && last <= QLatin1Char('9')) ? last.digitValue() : 0;
        return value + 1;
    }
    return 0;
}

int PttIdEntryForCode(std::uint8_t pttIdCode)
{
    const int nibble = pttIdCode & 0x0F;
    return nibble <= 9 ? nibble : 0;
}

int AutoDialEntry(std::uint8_t autoDialCode) { return autoDialCode & 7; }

std::uint8_t AutoDialCode(int position)
{
    return static_cast<std::uint8_t>(0xF8 + (position >= 0 && position <= 7 ? position : 0));
}

bool CommitChannelEdit(AppCore& core, int channel, bool rxEmpty, bool scanAddTicked)
{
    const bool chinese = core.LanguageChinese;
    const bool tick = scanAddTicked && !rxEmpty;
    ChannelRegisters& regs = core.channelRegisters;
    if (rxEmpty) {
        // An emptied channel is what an empty channel always is: 16 x FF
        // and no scan add, not a record encoded from empty texts.
        ClearChannelData(core, channel);
        ApplyScanAdd(ScanAddBytes::Of(core.image), channel, Word(words::kNo, chinese), core.EightChannelModel,
                     chinese)
            .StoreInto(core.image);
        core.CopyChannelRecords();
        return false;
    }
    regs.ChScanAdd = Word(tick ? words::kYes : words::kNo, chinese);
    ApplyScanAdd(ScanAddBytes::Of(core.image), channel, regs.ChScanAdd, core.EightChannelModel, chinese)
        .StoreInto(core.image);
    EncodeChannel(core, channel);
    core.CopyChannelRecords();
    return tick;
}

}  // namespace zx
