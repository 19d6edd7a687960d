// Sections 0 to 2: optional features, key assignment, scan information.
#include <QLatin1Char>

#include "core/ImageLayout.h"
#include "printing/ReportSections.h"

namespace zx {

namespace {

constexpr int kLabelColumn = 4;
constexpr int kValueColumn = 40;
constexpr int kOff = 1085;
constexpr int kNone = 1077;

void Line(const ReportContext& r, int line, const QString& label, const QString& value)
{
    r.Print(kLabelColumn, line, label);
    r.Print(kValueColumn, line, value);
}

QString Decimal(int value)
{
    return QString::number(value);
}

QString OffOrDecimal(const ReportContext& r, std::uint8_t byte)
{
    return byte == 0 ? r.Text(kOff) : Decimal(byte);
}

QString PttCodeText(const ReportContext& r, int address)
{
    const QString code = FfText(r.image, address, layout::kPttCodeSize);
    return code.isEmpty() ? QStringLiteral("------") : code;
}

QString LookBackText(std::uint8_t byte)
{
    return QString::number(byte * 0.05 + 0.45, 'f', 2);
}

}  // namespace

void PrintOptionalFeatures(const ReportContext& r)
{
    using namespace layout;
    Line(r, 12, r.Text(1099), Decimal(15 * r.Byte(TimeOutTimer)));
    Line(r, 13, r.Text(1100), OffOrDecimal(r, r.Byte(TotPreAlert)));
    Line(r, 14, r.Text(1101), Decimal(r.Byte(SquelchLevel)));
    Line(r, 15, r.Text(1102), r.Text(r.Byte(MicSensitivity) == 0 ? 1120 : 1090));
    Line(r, 16, r.Text(1104), EnabledText(r, r.Byte(BatterySave)));
    Line(r, 17, r.Text(1105), EnabledText(r, r.Byte(Beep)));

    const std::uint8_t voice = r.Byte(VoiceAnnunciation);
    const QString voiceLabel = r.Text(1103);
    r.Print(kLabelColumn, 18, voiceLabel);
    if (voice == 0 || voice == 0xFF)
        r.Print(kValueColumn, 18, r.Text(kOff));
    else if (voice == 1 || voice == 2)
        r.Print(kValueColumn, 18, r.Text(voice == 1 ? 1122 : 1121));
    else
        FailOnValue(voiceLabel, {voice});

    Line(r, 19, r.Text(1106), EnabledText(r, r.Byte(ScramblerActivation)));
    Line(r, 20, r.Text(1107), EnabledText(r, r.Byte(ScramblerBackup)));
    Line(r, 21, r.Text(1108), r.Text(r.Byte(PttIdType) == 0 ? 1123 : 1124));

    const QString timingLabel = QStringLiteral("PTT ID");
    const std::uint8_t timing = r.Byte(PttIdTiming);
    r.Print(kLabelColumn, 22, timingLabel);
    switch (timing) {
    case 0xFF:
        r.Print(kValueColumn, 22, QString());
        break;
    case 0:
        r.Print(kValueColumn, 22, r.Text(1126));
        break;
    case 1:
        r.Print(kValueColumn, 22, r.Text(1127));
        break;
    case 2:
        r.Print(kValueColumn, 22, r.Text(1125));
        break;
    default:
        FailOnValue(timingLabel, {timing});
    }

    Line(r, 23, r.Text(1109), PttCodeText(r, BotCode));
    Line(r, 24, r.Text(1110), PttCodeText(r, EotCode));
    Line(r, 25, r.Text(1112), EnabledText(r, r.Byte(VoxFunction)));
    Line(r, 26, r.Text(1113), OffOrDecimal(r, r.Byte(VoxGainLevel)));

    static const char* const kVoxDelays[] = {"0.3", "0.5", "1", "1.5", "2", "3"};
    const std::uint8_t delay = r.Byte(VoxDelayTime);
    Line(r, 27, r.Text(1114), delay <= 5 ? QString::fromLatin1(kVoxDelays[delay]) : UnknownByteText(delay));

    Line(r, 28, r.Text(1115), EnabledText(r, r.Byte(CancelOperation)));
    Line(r, 29, r.Text(1116), EnabledText(r, r.Byte(VoxProceedTone)));
    Line(r, 30, r.Text(1117), EnabledText(r, r.Byte(VoxInhibitOnReceive)));
    Line(r, 31, r.Text(1119), EnabledText(r, r.Byte(CloneMode)));
}

namespace {

QString KeyFunctionText(const ReportContext& r, std::uint8_t code)
{
    if (code == 0xFF)
        return r.Text(kNone);
    if (code == 0)
        return r.Text(1130);
    if (code >= 2 && code <= 11)
        return r.Text(1129 + code);  // 2 Key Lock (1131) ... 11 Temporary Delete (1140)
    return UnknownByteText(code);
}

}  // namespace

void PrintKeyAssignment(const ReportContext& r)
{
    const int keys[] = {layout::KeyPf1, layout::KeyPf2};
    for (int key = 1; key <= 2; ++key)
        Line(r, 11 + key, QStringLiteral("PF %1").arg(key), KeyFunctionText(r, r.Byte(keys[key - 1])));
}

void PrintScanInformation(const ReportContext& r)
{
    using namespace layout;
    const QString priorityLabel = r.Text(1143);
    const std::uint8_t priority = r.Byte(PriorityMode);
    r.Print(kLabelColumn, 12, priorityLabel);
    if (priority == 0 || priority == 0xFF)
        r.Print(kValueColumn, 12, r.Text(kNone));
    else if (priority == 1 || priority == 2)
        r.Print(kValueColumn, 12, r.Text(priority == 1 ? 1151 : 1150));
    else
        FailOnValue(priorityLabel, {priority});

    const std::uint8_t channel = r.Byte(PriorityChannel);
    Line(r, 13, r.Text(1144), channel == 0xFF ? QStringLiteral("---") : Decimal(channel));
    Line(r, 14, r.Text(1145), LookBackText(r.Byte(LookBackTimeA)));
    Line(r, 15, r.Text(1146), LookBackText(r.Byte(LookBackTimeB)));

    const QString revertLabel = r.Text(1147);
    const std::uint8_t revert = r.Byte(RevertChannel);
    r.Print(kLabelColumn, 16, revertLabel);
    static const int kRevertTexts[] = {1150, 1154, 1152, 1153};
    if (revert == 0xFF)
        r.Print(kValueColumn, 16, r.Text(1150));
    else if (revert <= 3)
        r.Print(kValueColumn, 16, r.Text(kRevertTexts[revert]));
    else
        FailOnValue(revertLabel, {revert});

    const QString dropoutLabel = r.Text(1148);
    r.Print(kLabelColumn, 17, dropoutLabel);
    r.Print(kValueColumn, 17,
            Decimal(ReportWord(dropoutLabel, r.Byte(DropoutDelayTime), r.Byte(DropoutDelayTime + 1))));
    const QString dwellLabel = r.Text(1149);
    r.Print(kLabelColumn, 18, dwellLabel);
    r.Print(kValueColumn, 18, Decimal(ReportWord(dwellLabel, r.Byte(TxDwellTime), r.Byte(TxDwellTime + 1))));
}

}  // namespace zx
