#include "channels/ChannelCodec.h"

#include <span>

#include "channels/ChannelWords.h"
#include "channels/DecimalText.h"
#include "channels/ToneCode.h"
#include "core/BcdFrequency.h"

namespace zx {

namespace {

using words::Word;

std::span<const std::uint8_t> Bytes4(const ChannelRecordBytes& r, int offset)
{
    return std::span<const std::uint8_t>(r.data() + offset, 4);
}

bool IsAbsent(std::uint8_t mostSignificant)
{
    return mostSignificant == 0x00 || mostSignificant == 0xFF;
}

// The four BCD bytes of a frequency text; an empty text gives FF FF FF FF, a
// text that is not a number 00 00 00 00.
std::array<std::uint8_t, 4> FrequencyBytes(const QString& text)
{
    if (text.isEmpty())
        return {0xFF, 0xFF, 0xFF, 0xFF};
    const qint64 units = DecimalText(text).Rounded(5, false) % 100000000;
    return BcdFrequency::Encode(units);
}

ToneCode StoredTone(const ChannelRecordBytes& r, int lowOffset)
{
    return {r[static_cast<std::size_t>(lowOffset)], r[static_cast<std::size_t>(lowOffset + 1)]};
}

QString OptSignalText(std::uint8_t flagsA, bool chinese)
{
    switch ((flagsA >> 1) & 3) {
    case 3:
        return QString();
    case 1:
        return Word(words::kDtmf, chinese);
    case 2:
        return Word(words::kFleetSync, chinese);
    default:
        return Word(words::kNone, chinese);
    }
}

QString BusyLockText(std::uint8_t flagsA, bool chinese)
{
    static constexpr int kIds[4] = {words::kOff, words::kCarrier, words::kQtDqt, words::kOptionSignalling};
    return Word(kIds[(flagsA >> 3) & 3], chinese);
}

QString SpMuteText(std::uint8_t flagsA, bool chinese)
{
    static constexpr int kIds[3] = {words::kCarrier, words::kCarrierAndOptSig, words::kCarrierOrOptSig};
    const int code = (flagsA >> 5) & 3;
    return code == 3 ? QString() : Word(kIds[code], chinese);
}

std::uint8_t SetBits(std::uint8_t byte, std::uint8_t mask, bool on)
{
    return static_cast<std::uint8_t>(on ? (byte | mask) : (byte & ~mask));
}

// A single character read as a number: its digit, else 0.
int DigitValueOf(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.digitValue() : 0;
}

std::uint8_t PttIdByte(const QString& text, std::uint8_t stored, bool existing, std::uint8_t pttIdType,
                       bool chinese, bool& on)
{
    on = false;
    // A text that still reads as the stored byte keeps it: a PTT ID changes
    // only when another entry is chosen, not when the channel is written
    // again (a fleet list left from FleetSync use stays under DTMF).
    if (existing && text == PttIdText(stored, pttIdType, chinese)) {
        on = pttIdType != 1 && text == Word(words::kOn, chinese);
        return stored;
    }
    if (text == Word(words::kOff, chinese))
        return 0xB0;
    if (pttIdType == 1) {
        if (text == Word(words::kOwn, chinese))
            return 0xB1;
        if (text.contains(Word(words::kFleetList, chinese)))
            return static_cast<std::uint8_t>(0xB1 + DigitValueOf(text.back()));
        return stored;
    }
    if (text == Word(words::kOn, chinese)) {
        on = true;
        return 0xB1;
    }
    return stored;
}

}  // namespace

QString RxFrequencyText(const ChannelRecordBytes& r)
{
    if (IsAbsent(r[3]))
        return BcdFrequency::ToText(0);
    return BcdFrequency::ToText(BcdFrequency::Decode(Bytes4(r, record::kRxFreq)));
}

QString TxFrequencyText(const ChannelRecordBytes& r)
{
    if (IsAbsent(r[7]))
        return QString();
    const qint64 value = BcdFrequency::Decode(Bytes4(r, record::kTxFreq));
    return value == 0 ? QString() : BcdFrequency::ToText(value);
}

QString PttIdText(std::uint8_t code, std::uint8_t pttIdType, bool chinese)
{
    const int nibble = code & 0x0F;
    // Under DTMF every byte that counts as a set PTT ID reads On, so that a
    // type change never shows a set PTT ID as Off.
    if (pttIdType == 0 && nibble >= 1 && nibble <= 10)
        return Word(words::kOn, chinese);
    if (pttIdType == 1) {
        if (nibble == 1)
            return Word(words::kOwn, chinese);
        if (nibble >= 2 && nibble <= 9)
            return words::FleetListEntry(nibble - 1, chinese);
    }
    return Word(words::kOff, chinese);
}

ChannelRegisters DecodeChannel(const ChannelRecordBytes& r, bool scanAdd, std::uint8_t pttIdType, bool chinese)
{
    ChannelRegisters regs;
    regs.ChRxFreq = RxFrequencyText(r);
    regs.ChTxFreq = TxFrequencyText(r);
    regs.ChDecode = ToneText(StoredTone(r, record::kDecodeLow), chinese);
    regs.ChEncode = ToneText(StoredTone(r, record::kEncodeLow), chinese);

    const std::uint8_t flagsA = r[record::kFlagsA];
    regs.ChCompander = (flagsA & 0x01) != 0;
    regs.ChOptSignal = OptSignalText(flagsA, chinese);
    regs.ChBusyLock = BusyLockText(flagsA, chinese);
    regs.ChSpMute = SpMuteText(flagsA, chinese);

    const std::uint8_t flagsB = r[record::kFlagsB];
    regs.ChWideNarrow = Word((flagsB & 0x10) ? words::kWide : words::kNarrow, chinese);
    regs.ChTxPower = Word((flagsB & 0x20) ? words::kHigh : words::kLow, chinese);
    regs.ChBeatShift = (flagsB & 0x40) != 0;

    regs.ChPttId = PttIdText(r[record::kPttIdCode], pttIdType, chinese);
    regs.ChAutoDial = QString::number((r[record::kAutoDialCode] & 7) + 1);
    regs.ChScanAdd = Word(scanAdd ? words::kYes : words::kNo, chinese);
    return regs;
}

EncodedChannel EncodeChannelRecord(const ChannelRegisters& regs, const ChannelRecordBytes& stored,
                                   std::uint8_t pttIdType, bool chinese)
{
    // A channel that was empty before is being created: nothing of the old
    // bytes is worth keeping but bit 7 of byte 12, which no one reads.
    const bool existing = IsProgrammedRecord(stored);
    EncodedChannel out;
    ChannelRecordBytes& r = out.record;

    const auto frequency = [&](const QString& text, const QString& storedText, int offset) {
        const bool keep = existing && text == storedText;
        const auto bytes = FrequencyBytes(text);
        for (int i = 0; i < 4; ++i) {
            const auto at = static_cast<std::size_t>(offset + i);
            r[at] = keep ? stored[at] : bytes[static_cast<std::size_t>(i)];
        }
    };
    frequency(regs.ChRxFreq, RxFrequencyText(stored), record::kRxFreq);
    frequency(regs.ChTxFreq, TxFrequencyText(stored), record::kTxFreq);

    const auto tone = [&](const QString& text, int lowOffset) {
        const ToneCode old = StoredTone(stored, lowOffset);
        const ToneCode code = (existing && text == ToneText(old, chinese))
                                  ? old
                                  : ToneCodeFromText(text, chinese, old.isInverted());
        r[static_cast<std::size_t>(lowOffset)] = code.low;
        r[static_cast<std::size_t>(lowOffset + 1)] = code.high;
    };
    tone(regs.ChDecode, record::kDecodeLow);
    tone(regs.ChEncode, record::kEncodeLow);

    std::uint8_t flagsA = stored[record::kFlagsA];
    if (!existing)
        flagsA &= 0x87;  // busy lockout Off, SP unmute Carrier
    flagsA = SetBits(flagsA, 0x01, regs.ChCompander);
    if (regs.ChOptSignal == Word(words::kNone, chinese))
        flagsA &= 0xF9;
    else if (regs.ChOptSignal == Word(words::kDtmf, chinese))
        flagsA = static_cast<std::uint8_t>((flagsA & 0xF9) | 0x02);
    else if (regs.ChOptSignal == Word(words::kFleetSync, chinese))
        flagsA = static_cast<std::uint8_t>((flagsA & 0xF9) | 0x04);
    r[record::kFlagsA] = flagsA;

    std::uint8_t flagsB = stored[record::kFlagsB];
    if (regs.ChWideNarrow == Word(words::kWide, chinese))
        flagsB = SetBits(flagsB, 0x10, true);
    else if (regs.ChWideNarrow == Word(words::kNarrow, chinese))
        flagsB = SetBits(flagsB, 0x10, false);
    if (regs.ChTxPower == Word(words::kHigh, chinese))
        flagsB = SetBits(flagsB, 0x20, true);
    else if (regs.ChTxPower == Word(words::kLow, chinese))
        flagsB = SetBits(flagsB, 0x20, false);
    flagsB = SetBits(flagsB, 0x40, regs.ChBeatShift);
    r[record::kFlagsB] = static_cast<std::uint8_t>(flagsB | 0x8F);

    r[record::kPttIdCode] = PttIdByte(regs.ChPttId, stored[record::kPttIdCode], existing, pttIdType, chinese,
                                     out.pttIdOn);

    // Only "1" to "8" come from the lists; anything else is memory 1.
    qint64 memory = DecimalText(regs.ChAutoDial).Scaled(0);
    if (memory < 1 || memory > 8)
        memory = 1;
    r[record::kAutoDialCode] = static_cast<std::uint8_t>(0xF7 + memory);
    return out;
}

ScanAddBytes ApplyScanAdd(ScanAddBytes bits, int channel, const QString& text, bool eightChannel, bool chinese)
{
    const bool yes = text == Word(words::kYes, chinese);
    const bool no = text == Word(words::kNo, chinese);
    if ((yes || no) && channel >= 1 && channel <= 16) {
        if (channel <= 8)
            bits.low = SetBits(bits.low, static_cast<std::uint8_t>(1u << (channel - 1)), yes);
        else if (!eightChannel)
            bits.high = SetBits(bits.high, static_cast<std::uint8_t>(1u << (channel - 9)), yes);
    }
    if (eightChannel)
        bits.high = 0xFF;
    return bits;
}

EncodedChannel EncodeChannelWithScanAdd(const ChannelRegisters& regs, int channel, const ChannelRecordBytes& stored,
                                        ScanAddBytes scanAdd, std::uint8_t pttIdType, bool eightChannel, bool chinese)
{
    EncodedChannel out = EncodeChannelRecord(regs, stored, pttIdType, chinese);
    out.scanAdd = ApplyScanAdd(scanAdd, channel, regs.ChScanAdd, eightChannel, chinese);
    return out;
}

void ApplyChannelDefaults(ChannelRegisters& regs, const QString& rxText, std::uint8_t pttIdType, bool chinese)
{
    regs.ChRxFreq = BcdFrequency::ToText(DecimalText(rxText).Rounded(5, false) % 100000000);
    const auto fill = [](QString& text, const QString& word) {
        if (text.isEmpty())
            text = word;
    };
    fill(regs.ChDecode, Word(words::kNone, chinese));
    fill(regs.ChEncode, Word(words::kNone, chinese));
    if (regs.ChTxFreq.isEmpty())
        regs.ChEncode = Word(words::kNone, chinese);
    fill(regs.ChTxPower, Word(words::kHigh, chinese));
    fill(regs.ChWideNarrow, Word(words::kWide, chinese));
    fill(regs.ChScanAdd, Word(words::kYes, chinese));
    fill(regs.ChOptSignal, Word(words::kNone, chinese));
    if (pttIdType > 1)
        regs.ChPttId.clear();
    else
        fill(regs.ChPttId, Word(words::kOff, chinese));
    fill(regs.ChSpMute, Word(words::kCarrier, chinese));
    fill(regs.ChAutoDial, QStringLiteral("1"));
    fill(regs.ChBusyLock, Word(words::kOff, chinese));
}

void LoadRowIntoRegisters(ChannelRegisters& regs, const ChannelColumns& row, const ChannelRecordBytes& stored)
{
    regs.SetColumns(row);
    if (!regs.ChRxFreq.isEmpty()) {
        regs.ChAutoDial = QString::number((stored[record::kAutoDialCode] & 7) + 1);
        regs.ChCompander = (stored[record::kFlagsA] & 0x01) != 0;
        regs.ChBeatShift = (stored[record::kFlagsB] & 0x40) != 0;
    } else {
        regs.ChAutoDial.clear();
        regs.ChCompander = false;
        regs.ChBeatShift = false;
    }
}

}  // namespace zx
