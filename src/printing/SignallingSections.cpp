// Sections 3 and 4: DTMF with the autodial memory, FleetSync with the fleet
// list.
#include <limits>

#include "core/ImageLayout.h"
#include "core/OneByteText.h"
#include "printing/ReportSections.h"
#include "signalling/DtmfDecodeRules.h"

namespace zx {

namespace {

constexpr int kOff = 1085;
constexpr int kAll = 1184;

QString Decimal(int value)
{
    return QString::number(value);
}

// A byte that picks one of the texts of `list` by its value, 0xFF reading
// as 0; a byte past the list has no text of its own.
QString ListText(std::uint8_t byte, std::initializer_list<const char*> list)
{
    const std::size_t index = byte == 0xFF ? 0 : byte;
    if (index >= list.size())
        return UnknownByteText(byte);
    return QString::fromLatin1(*(list.begin() + index));
}

QString ListPairText(const ReportContext& r, std::uint8_t byte, std::initializer_list<int> pairs)
{
    const std::size_t index = byte == 0xFF ? 0 : byte;
    if (index >= pairs.size())
        return UnknownByteText(byte);
    return r.Text(*(pairs.begin() + index));
}

QString AutodialText(const RadioImage& image, int n)
{
    const int address = layout::AutodialEntry(n);
    if (image.at(address) == 0xFF)
        return QStringLiteral("------");
    QByteArray bytes;
    for (int i = 0; i < layout::kAutodialEntrySize; ++i) {
        const std::uint8_t b = image.at(address + i);
        if (b != 0x20)
            bytes.append(static_cast<char>(b));
    }
    return OneByteCharacters(bytes);
}

// A shown unit ID: the value plus 999, which must stay within 16 signed bits.
QString UnitIdText(const QString& label, int value, std::initializer_list<std::uint8_t> bytes)
{
    if (value + 999 > std::numeric_limits<qint16>::max())
        FailOnValue(label, bytes);
    return Decimal(value + 999);
}

}  // namespace

void PrintDtmfSection(const ReportContext& r)
{
    using namespace layout;
    r.Print(4, 12, r.Text(1155));
    r.Print(70, 12, r.Text(1156));

    auto row = [&](int line, const QString& leftLabel, const QString& leftValue, const QString& rightLabel,
                   const QString& rightValue) {
        r.Print(4, line, leftLabel);
        r.Print(40, line, leftValue);
        r.Print(70, line, rightLabel);
        r.Print(100, line, rightValue);
    };
    const std::uint8_t group = r.Byte(GroupCode);
    const std::uint8_t autoReset = r.Byte(AutoResetTimer);
    const std::uint8_t dCode = r.Byte(DCodeAssignment);
    row(14, r.Text(1158), ListText(r.Byte(DtmfSpeed), {"6", "8", "10", "15"}), r.Text(1164), LoadIdCode(r.image));
    row(15, r.Text(1159), ListText(r.Byte(FirstDigitTime), {"0", "100", "500", "1000"}), r.Text(1165),
        group == 0 ? r.Text(kOff) : QString(OneByteChar(group)));
    row(16, r.Text(1160), Decimal(r.Byte(FirstDigitDelay) * 10), r.Text(1166),
        autoReset == 0 ? r.Text(kOff) : Decimal(autoReset));
    row(17, r.Text(1161), ListText(r.Byte(StarHashTone), {"0", "100", "500", "1000"}), r.Text(1167),
        ListPairText(r, r.Byte(CallAlert), {1120, 1173, kOff}));
    row(18, r.Text(1162), dCode == 0 ? r.Text(1175) : Decimal(dCode) + QLatin1Char('s'), r.Text(1168),
        ListPairText(r, r.Byte(Transpond), {kOff, 1174, 1164}));
    row(19, r.Text(1163), EnabledText(r, r.Byte(DtmfSideTone)), r.Text(1169),
        EnabledText(r, r.Byte(ClearToTranspond)));
    r.Print(70, 20, r.Text(1170));
    r.Print(100, 20, FfText(r.image, StunCode, kStunCodeSize));
    r.Print(70, 21, r.Text(1171));
    r.Print(100, 21, r.Byte(StunType) == 0 ? QStringLiteral("TX Inhibit") : QStringLiteral("TX/RX Inhibit"));

    r.Print(4, 23, r.Text(1157));
    for (int n = 1; n <= kAutodialEntries; ++n) {
        r.Print(4, 24 + n, Decimal(n));
        r.Print(8, 24 + n, AutodialText(r.image, n));
    }
}

void PrintFleetSyncSection(const ReportContext& r)
{
    using namespace layout;
    auto line = [&](int l, const QString& label, const QString& value) {
        r.Print(4, l, label);
        r.Print(40, l, value);
    };
    const std::uint8_t fleet = r.Byte(OwnFleet);
    line(12, r.Text(1178), fleet == 0xFF ? QStringLiteral("---") : Decimal(fleet + 99));

    const QString idLabel = r.Text(1179);
    r.Print(4, 13, idLabel);
    const std::uint8_t idLow = r.Byte(OwnId);
    const std::uint8_t idHigh = r.Byte(OwnIdHigh);
    const int id = ReportWord(idLabel, idLow, idHigh);
    r.Print(40, 13, id == 0 ? QStringLiteral("----") : UnitIdText(idLabel, id, {idLow, idHigh}));

    line(14, r.Text(1180), r.Byte(FleetSyncBaudRate) == 0 ? QStringLiteral("1200") : QStringLiteral("2400"));

    const QString delayLabel = r.Text(1181);
    r.Print(4, 15, delayLabel);
    r.Print(40, 15, Decimal(ReportWord(delayLabel, r.Byte(DataTxDelay), r.Byte(DataTxDelay + 1))));

    const QString timerLabel = r.Text(1182);
    r.Print(4, 16, timerLabel);
    const int timer = ReportWord(timerLabel, r.Byte(MessageModeTimer), r.Byte(MessageModeTimer + 1));
    r.Print(40, 16, timer == 0 ? r.Text(kOff) : Decimal(timer));

    line(17, r.Text(1183), EnabledText(r, r.Byte(PttIdSideTone)));

    const QString listLabel = r.Text(1177);
    r.Print(4, 19, listLabel);
    r.Print(30, 20, r.chinese ? QStringLiteral("队列") : QStringLiteral("Fleet"));
    r.Print(50, 20, QStringLiteral("ID"));
    for (int n = 1; n <= kFleetListEntries; ++n) {
        const int address = FleetListEntry(n - 1);
        const std::uint8_t b = r.Byte(address);
        const std::uint8_t lo = r.Byte(address + 1);
        const std::uint8_t hi = r.Byte(address + 2);
        const int l = 20 + n;
        r.Print(4, l, Decimal(n));
        r.Print(30, l, b == 0xFF ? QStringLiteral("---") : b == 0 ? r.Text(kAll) : Decimal(b + 99));
        QString idText;
        if (lo == 0xFF && hi == 0xFF) {
            idText = QStringLiteral("----");
        } else if (lo != 0 || hi != 0) {
            const QString label = listLabel + QLatin1Char(' ') + Decimal(n) + QStringLiteral(" ID");
            if (hi >= 0x80)
                FailOnValue(label, {lo, hi});
            idText = UnitIdText(label, hi * 256 + lo, {lo, hi});
        } else {
            idText = r.Text(kAll);
        }
        r.Print(50, l, idText);
    }
}

void PrintTestFrequencySection(const ReportContext& r)
{
    r.Print(35, 12, r.Text(1251));
    r.Print(65, 12, r.Text(1252));
    // Each nibble as the character 0x30 + d, read as a decimal number up to
    // the first character that is no digit.
    auto frequencyText = [&](int address) {
        qint64 value = 0;
        bool stopped = false;
        for (int i = 3; i >= 0 && !stopped; --i) {
            const std::uint8_t b = r.Byte(address + i);
            for (int d : {b >> 4, b & 0x0F}) {
                if (d > 9) {
                    stopped = true;
                    break;
                }
                value = value * 10 + d;
            }
        }
        return QStringLiteral("%1.%2")
            .arg(value / 100000, 3, 10, QLatin1Char('0'))
            .arg(value % 100000, 5, 10, QLatin1Char('0'));
    };
    for (int n = 1; n <= layout::kTestFrequencyEntries; ++n) {
        const int address = layout::TestFrequencyEntry(n);
        const int l = 12 + n;
        r.Print(4, l, r.Text(1060) + QLatin1Char(' ') + Decimal(n));
        if (r.Byte(address) == 0xFF) {
            r.Print(35, l, QStringLiteral("---------"));
            r.Print(65, l, QStringLiteral("---------"));
        } else {
            r.Print(35, l, frequencyText(address));
            r.Print(65, l, frequencyText(address + 4));
        }
    }
}

void PrintEmbeddedMessageSection(const ReportContext& r)
{
    r.Print(4, 12, FfText(r.image, layout::EmbeddedMessage, layout::kMessageLineSize));
    r.Print(4, 13, FfText(r.image, layout::EmbeddedMessage + layout::kMessageLineSize, layout::kMessageLineSize));
}

}  // namespace zx
