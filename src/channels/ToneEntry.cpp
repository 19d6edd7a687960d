#include "channels/ToneEntry.h"

#include "channels/ChannelWords.h"
#include "channels/DecimalText.h"
#include "channels/ToneCode.h"

namespace zx {

namespace {
constexpr int kLowestTenths = 670;
constexpr int kHighestTenths = 2541;

QString NormaliseDqt(const QString& text)
{
    QString body = text.mid(1, 4);
    QChar suffix;
    if (body.size() >= 4) {
        suffix = body.at(3);
        body.truncate(3);
    } else if (!body.isEmpty() && body.back().isLetter()) {
        // A short code with its suffix typed (D23N): the digits are what
        // stands between the "D" and the suffix.
        suffix = body.back();
        body.chop(1);
    }
    body = body.rightJustified(3, QLatin1Char('0'));
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body.at(i) == QLatin1Char('.'))
            body[i] = QLatin1Char('0');
        else if (body.at(i) > QLatin1Char('7'))
            body[i] = QLatin1Char('7');
    }
    return QLatin1Char('D') + body + (suffix == QLatin1Char('I') ? QLatin1Char('I') : QLatin1Char('N'));
}
}  // namespace

QString NormaliseToneText(const QString& text, bool chinese)
{
    const QString none = words::Word(words::kNone, chinese);
    if (text.isEmpty() || text == none)
        return none;
    const QChar first = text.front();
    if (first == QLatin1Char('D'))
        return NormaliseDqt(text);
    if (first == QLatin1Char('N') || first == QLatin1Char('I'))
        return QtToneText(kLowestTenths);
    const DecimalText value(text);
    const qint64 tenths = value.Scaled(1);
    if (tenths > kHighestTenths || (tenths == kHighestTenths && value.HasRemainder(1)))
        return QtToneText(kHighestTenths);
    if (tenths < kLowestTenths)
        return QtToneText(kLowestTenths);
    return QtToneText(static_cast<int>(tenths));
}

}  // namespace zx
