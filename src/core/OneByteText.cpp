#include "core/OneByteText.h"

namespace zx {

std::optional<quint8> OneByteCode(QChar c)
{
    if (c.unicode() > 0xFF)
        return std::nullopt;
    return static_cast<quint8>(c.unicode());
}

QChar OneByteChar(quint8 code)
{
    return QChar(static_cast<char16_t>(code));
}

QByteArray OneByteCodesPrefix(const QString& text)
{
    QByteArray codes;
    for (QChar c : text) {
        const std::optional<quint8> code = OneByteCode(c);
        if (!code)
            break;
        codes.append(static_cast<char>(*code));
    }
    return codes;
}

QString OneByteCharacters(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text.append(OneByteChar(static_cast<quint8>(b)));
    return text;
}

}  // namespace zx
