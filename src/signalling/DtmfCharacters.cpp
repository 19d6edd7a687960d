#include "signalling/DtmfCharacters.h"

namespace zx {

std::optional<QChar> DtmfCodeChar(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'D') || u == '*' || u == '#')
        return c;
    if (u >= 'a' && u <= 'd')
        return QChar(static_cast<char16_t>(u - 'a' + 'A'));
    return std::nullopt;
}

QString FilterDtmfText(const QString& text, int maxLength)
{
    QString out;
    for (QChar c : text) {
        if (out.size() >= maxLength)
            break;
        if (const auto code = DtmfCodeChar(c))
            out.append(*code);
    }
    return out;
}

QString FilterDigits(const QString& text, int maxLength)
{
    QString out;
    for (QChar c : text) {
        if (out.size() >= maxLength)
            break;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            out.append(c);
    }
    return out;
}

bool RoomForCharacter(int textLength, int maxLength, bool hasSelection)
{
    return textLength < maxLength || hasSelection;
}

}  // namespace zx
