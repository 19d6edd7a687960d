#include "settings/PttIdRules.h"

#include "core/ImageLayout.h"
#include "core/OneByteText.h"
#include "core/RadioImage.h"
#include "core/StringTable.h"

namespace zx {

int RequiredPttCodes(int timing)
{
    switch (timing) {
    case kPttIdTimingBot: return kBotCodeMissing;
    case kPttIdTimingEot: return kEotCodeMissing;
    case kPttIdTimingBoth: return kBotCodeMissing | kEotCodeMissing;
    default: return 0;
    }
}

int PttCodeMissingFor(int timing, bool botEmpty, bool eotEmpty)
{
    const int empty = (botEmpty ? kBotCodeMissing : 0) | (eotEmpty ? kEotCodeMissing : 0);
    return RequiredPttCodes(timing) & empty;
}

int PttCodeMissingInImage(const RadioImage& image, int timing)
{
    return PttCodeMissingFor(timing, image.at(layout::BotCode) == 0xFF, image.at(layout::EotCode) == 0xFF);
}

QString PttIdOffText() { return LoadLangString(1085); }
QString PttIdOnText() { return LoadLangString(1089); }
QString PttIdOwnText() { return LoadLangString(1253); }
QString FleetListText(int n) { return LoadLangString(1177) + QLatin1Char(' ') + QString::number(n); }

QStringList PttIdListItems(int type)
{
    if (type != kPttIdTypeFleetSync)
        return {PttIdOffText(), PttIdOnText()};
    QStringList items{PttIdOffText(), PttIdOwnText()};
    for (int n = 1; n <= 8; ++n)
        items << FleetListText(n);
    return items;
}

std::optional<QChar> PttCodeCharacter(QChar typed)
{
    const char16_t c = typed.unicode();
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#')
        return typed;
    if (c >= 'a' && c <= 'd')
        return QChar(static_cast<char16_t>(c - 'a' + 'A'));
    return std::nullopt;
}

bool IsPttCodeText(const QString& text)
{
    if (text.size() > kPttCodeMaxLength)
        return false;
    for (QChar c : text)
        if (!PttCodeCharacter(c))
            return false;
    return true;
}

QByteArray PttCodeBytes(const QString& code)
{
    QByteArray bytes = OneByteCodesPrefix(code.left(kPttCodeMaxLength));
    bytes.append(kPttCodeMaxLength - bytes.size(), static_cast<char>(0xFF));
    return bytes;
}

QString PttCodeFromBytes(const QByteArray& bytes)
{
    QByteArray kept;
    for (char b : bytes)
        if (static_cast<quint8>(b) != 0xFF)
            kept.append(b);
    return OneByteCharacters(kept);
}

}  // namespace zx
