#include "core/StoredSettings.h"

#include "core/ImageLayout.h"
#include "core/RadioImage.h"
#include "platform/SettingsStore.h"

namespace zx {

namespace {
const QString kGroup = QStringLiteral("BackUp");
const QString kLastModelKey = QStringLiteral("LastModel");
const QString kLanguageKey = QStringLiteral("Language");

std::optional<std::uint8_t> HexPair(const QString& text, int first /*0-based*/)
{
    int value = 0;
    for (int i = first; i < first + 2; ++i) {
        const QChar c = text.at(i);
        int digit;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = c.unicode() - '0';
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            digit = c.unicode() - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + digit;
    }
    return static_cast<std::uint8_t>(value);
}
}  // namespace

QString LastModelText(const RadioImage& image)
{
    QStringList pairs;
    for (int i = 0; i < layout::kIdentSize; ++i)
        pairs << QStringLiteral("%1").arg(image.at(layout::StoredIdent + i), 2, 16, QLatin1Char('0')).toUpper();
    return pairs.join(QLatin1Char(':'));
}

std::optional<ModelChoice> ParseLastModel(const QString& text)
{
    if (text.size() < 20)
        return std::nullopt;
    const auto band = HexPair(text, 15);
    const auto variant = HexPair(text, 18);
    if (!band || !variant)
        return std::nullopt;
    return ModelChoice{*band, *variant};
}

ModelChoice RestoreLastModel()
{
    auto settings = OpenSettings();
    settings->beginGroup(kGroup);
    const auto parsed = ParseLastModel(settings->value(kLastModelKey).toString());
    if (parsed)
        return *parsed;
    // A missing or unreadable value must not stop the program: start with the
    // default model and store its text.
    settings->setValue(kLastModelKey, kDefaultLastModel);
    return ModelChoice{0x21, 0xF8};
}

void StoreSettingsAtExit(const RadioImage& image, bool chinese)
{
    auto settings = OpenSettings();
    settings->beginGroup(kGroup);
    settings->setValue(kLastModelKey, LastModelText(image));
    settings->setValue(kLanguageKey, chinese ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace zx
