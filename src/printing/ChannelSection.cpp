#include "printing/ChannelSection.h"

#include "channels/ChannelCodec.h"
#include "channels/ScanAddBytes.h"
#include "core/StringTable.h"
#include "printing/PrintFailure.h"

namespace zx {

namespace {

constexpr int kNone = 1077;
constexpr int kOff = 1085;
constexpr int kEnabled = 1250;
constexpr int kDisabled = 1249;

// Each byte as (b \ 16) x 10 + (b mod 16) with at least two digits, the last
// byte first, a point after the first three characters, then five decimals.
QString FrequencyText(const ChannelRecordBytes& r, int offset)
{
    QString digits;
    for (int i = 3; i >= 0; --i) {
        const std::uint8_t b = r[static_cast<std::size_t>(offset + i)];
        digits += QStringLiteral("%1").arg((b >> 4) * 10 + (b & 0x0F), 2, 10, QLatin1Char('0'));
    }
    digits.insert(3, QLatin1Char('.'));
    const double value = digits.toDouble();
    const QString text = QString::number(value, 'f', 5);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return point < 3 ? QString(3 - point, QLatin1Char('0')) + text : text;
}

}  // namespace

ReportChannelDecoder::ReportChannelDecoder(const RadioImage& image, bool chinese) : image_(image), chinese_(chinese) {}

std::vector<int> ReportChannelDecoder::ProgrammedChannels() const
{
    std::vector<int> channels;
    for (int n = 1; n <= layout::kMaxChannels; ++n)
        if (image_.at(layout::ChannelRecord(n)) != 0xFF)
            channels.push_back(n);
    return channels;
}

QString ReportChannelDecoder::ToneText(const QString& label, std::uint8_t low, std::uint8_t high) const
{
    if (high == 0xFF || high == 0x00)
        return LoadLangString(kNone, chinese_);
    if (high & 0x20) {
        const int v = (high & 1) * 256 + low;
        return QStringLiteral("D%1%2%3%4")
            .arg(v / 64)
            .arg((v % 64) / 8)
            .arg(v % 8)
            .arg((high & 0x80) ? QLatin1Char('I') : QLatin1Char('N'));
    }
    if (high >= 0x80)  // no value in 16 signed bits
        FailOnValue(label, {low, high});
    const int v = high * 256 + low;
    if (v < 100 || v > 9999)
        return QLatin1Char('?') + HexBytes({low, high}).remove(QLatin1Char(' '));
    return QStringLiteral("%1.%2").arg(v / 10).arg(v % 10);
}

void ReportChannelDecoder::PrintCurChData(int channel)
{
    if (!IsValidChannelNumber(channel))
        throw PrintFailure{PrintFailure::Kind::Value, QStringLiteral("Channel %1").arg(channel)};
    // The report's own copy of the records, refreshed for every channel.
    for (int n = 1; n <= layout::kMaxChannels; ++n)
        ChData[static_cast<std::size_t>(n - 1)] = ReadChannelRecord(image_, n);
    ChannelRecordBytes& r = ChData[static_cast<std::size_t>(channel - 1)];

    bool hasTx = true;
    if (r[3] == 0xFF || r[3] == 0x00)
        std::fill(r.begin(), r.begin() + 4, 0);
    if (r[7] == 0xFF || r[7] == 0x00) {
        std::fill(r.begin() + 4, r.begin() + 8, 0);
        hasTx = false;
    }
    auto text = [this](int pair) { return LoadLangString(pair, chinese_); };
    const QString heading = text(1060) + QString::number(channel) + QLatin1Char(' ');

    ChannelRegisters& regs = registers_;
    regs.ChRxFreq = FrequencyText(r, 0);
    regs.ChTxFreq = hasTx ? FrequencyText(r, 4) : QString();
    regs.ChDecode = ToneText(heading + text(1063), r[8], r[9]);
    regs.ChEncode = ToneText(heading + text(1064), r[10], r[11]);

    const std::uint8_t a = r[12];
    const std::uint8_t b = r[13];
    regs.ChCompander = (a & 0x01) != 0;
    if (a == 0xFF)
        regs.ChOptSignal = text(kNone);
    else if (a & 0x02)
        regs.ChOptSignal = LoadLangString(1901, chinese_);
    else if (a & 0x04)
        regs.ChOptSignal = LoadLangString(1902, chinese_);
    else
        regs.ChOptSignal = text(kNone);

    static const int kBusyLock[] = {kOff, 1079, 1900, 1084};
    regs.ChBusyLock = LoadLangString(kBusyLock[(a >> 3) & 3], chinese_);

    const bool hasDecodeTone = r[9] != 0xFF && r[9] != 0x00;
    static const int kSpMuteWithout[] = {1079, 1080, 1081};
    static const int kSpMuteWith[] = {1900, 1082, 1083};
    const int spMute = (a >> 5) & 3;
    regs.ChSpMute = spMute == 3 ? QString()
                                : LoadLangString(hasDecodeTone ? kSpMuteWith[spMute] : kSpMuteWithout[spMute],
                                                 chinese_);

    regs.ChWideNarrow = text((b & 0x10) ? 1086 : 1087);
    regs.ChTxPower = text((b & 0x20) ? 1090 : 1091);
    regs.ChBeatShift = (b & 0x40) != 0;

    const std::uint8_t ptt = r[14];
    if (image_.at(layout::PttIdType) == 1) {
        const int d = ptt & 0x0F;
        if (d == 1)
            regs.ChPttId = text(1253);
        else if (d >= 2 && d <= 9)
            regs.ChPttId = text(1177) + QLatin1Char(' ') + QString::number(d - 1);
        else
            regs.ChPttId = text(kOff);
    } else if (ptt == 0xB0 || PttIdText(ptt, 0, chinese_) == text(1089)) {
        // A byte the channel list shows as On (a fleet list left from
        // FleetSync use) prints so too, so the report and the list agree.
        regs.ChPttId = text(ptt == 0xB0 ? kOff : 1089);
    } else {
        regs.ChPttId = UnknownByteText(ptt);
    }

    regs.ChAutoDial = QString::number(r[15] % 8 + 1);
    regs.ChScanAdd = text(ScanAddBytes::Of(image_).Bit(channel) ? kEnabled : kDisabled);
}

void PrintChannelBlocks(const ReportContext& report, ReportChannelDecoder& decoder, const std::vector<int>& channels)
{
    int slot = 0;
    for (int channel : channels) {
        decoder.PrintCurChData(channel);
        const ChannelRegisters& regs = decoder.registers();
        const int b = 11 * slot++;
        auto enabled = [&](bool on) { return report.Text(on ? kEnabled : kDisabled); };
        report.Print(0, b + 13, report.Text(1060) + QString::number(channel));
        auto row = [&](int line, int leftLabel, const QString& leftValue, int rightLabel,
                       const QString& rightValue) {
            report.Print(4, b + line, report.Text(leftLabel));
            report.Print(35, b + line, leftValue);
            if (rightLabel == 0)
                return;
            report.Print(70, b + line, report.Text(rightLabel));
            report.Print(105, b + line, rightValue);
        };
        row(14, 1251, regs.ChRxFreq, 1069, regs.ChBusyLock);
        row(15, 1252, regs.ChTxFreq, 1108, regs.ChPttId);
        row(16, 1063, regs.ChDecode, 1070, regs.ChAutoDial);
        row(17, 1064, regs.ChEncode, 1071, enabled(regs.ChBeatShift));
        row(18, 1065, regs.ChOptSignal, 1072, regs.ChScanAdd);
        row(19, 1066, regs.ChSpMute, 1073, enabled(report.Byte(layout::PriorityChannel) == channel));
        row(20, 1067, regs.ChTxPower, 1074, enabled(regs.ChCompander));
        row(21, 1068, regs.ChWideNarrow, 0, QString());
    }
}

}  // namespace zx
