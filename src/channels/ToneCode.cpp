#include "channels/ToneCode.h"

#include "channels/ChannelWords.h"
#include "channels/DecimalText.h"

namespace zx {

ToneCode ToneCode::FromQt(int tenthsOfHz)
{
    const int v = tenthsOfHz & 0xFFFF;
    return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
}

ToneCode ToneCode::FromDqt(int octalValue, bool inverted)
{
    const int v = octalValue & 0xFFFF;
    std::uint8_t high = static_cast<std::uint8_t>((v >> 8) | 0x28);
    high = inverted ? (high | 0x80) : (high & 0x7F);
    return {static_cast<std::uint8_t>(v & 0xFF), high};
}

QString QtToneText(int tenthsOfHz)
{
    return QStringLiteral("%1.%2").arg(tenthsOfHz / 10).arg(tenthsOfHz % 10);
}

QString DqtToneText(int octalValue, bool inverted)
{
    return QStringLiteral("D%1%2%3%4")
        .arg(octalValue / 64)
        .arg((octalValue % 64) / 8)
        .arg(octalValue % 8)
        .arg(inverted ? QLatin1Char('I') : QLatin1Char('N'));
}

QString ToneText(ToneCode code, bool chinese)
{
    if (code.isNone())
        return words::Word(words::kNone, chinese);
    if (code.isDqt())
        return DqtToneText(code.dqtValue(), code.isInverted());
    return QtToneText(code.qtTenths());
}

namespace {
// A single character read as a number: its digit, else 0.
int DigitAt(const QString& text, int position)
{
    if (position >= text.size())
        return 0;
    const QChar c = text.at(position);
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.digitValue() : 0;
}
}  // namespace

ToneCode ToneCodeFromText(const QString& text, bool chinese, bool invertedWithoutSuffix)
{
    if (text == words::Word(words::kNone, chinese))
        return ToneCode::None();
    if (text.contains(QLatin1Char('D'))) {
        const int v = DigitAt(text, 1) * 64 + DigitAt(text, 2) * 8 + DigitAt(text, 3);
        bool inverted = invertedWithoutSuffix;
        if (text.contains(QLatin1Char('N')))
            inverted = false;
        else if (text.contains(QLatin1Char('I')))
            inverted = true;
        return ToneCode::FromDqt(v, inverted);
    }
    const qint64 tenths = DecimalText(text).Rounded(1, true);
    return ToneCode::FromQt(static_cast<int>(tenths & 0xFFFF));
}

}  // namespace zx
