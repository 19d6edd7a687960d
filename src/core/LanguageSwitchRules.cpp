#include "core/LanguageSwitchRules.h"

#include <cmath>

#include "core/ImageLayout.h"
#include "core/StringTable.h"

namespace zx {

namespace {

bool IsWordOfEitherLanguage(const QString& text, int id)
{
    return text == LoadLangString(id, false) || text == LoadLangString(id, true);
}

// The channel's PTT ID code within its record.
constexpr int kPttIdCodeOffset = 14;

// The grid's widths are whole twips, rounded half to even.
int WholeTwips(double twips) { return static_cast<int>(std::nearbyint(twips)); }

}  // namespace

ChannelGridTitles ChannelGridHeaderTitles(bool chinese)
{
    if (chinese)
        return {QStringLiteral("信道编号"), QStringLiteral("接收频率"), QStringLiteral("发射频率"),
                QStringLiteral("QT/DQT解码"), QStringLiteral("QT/DQT编码"), QStringLiteral("发射功率"),
                QStringLiteral("宽/窄"), QStringLiteral("扫描添加"), QStringLiteral("可选信令"),
                QStringLiteral("PTT ID")};
    return {QStringLiteral("Channel No."), QStringLiteral("RX Frequency"), QStringLiteral("TX Frequency"),
            QStringLiteral("QT/DQT Dec"), QStringLiteral("QT/DQT Enc"), QStringLiteral("TX Power"),
            QStringLiteral("W/N"), QStringLiteral("Scan Add"), QStringLiteral("Opt Signal"), QStringLiteral("PTT ID")};
}

ChannelGridWidths ChannelGridColumnWidths(int width)
{
    const double w = width;
    constexpr int kShares[9] = {10, 11, 11, 11, 11, 8, 7, 8, 10};
    ChannelGridWidths widths{};
    for (int c = 0; c < 9; ++c)
        widths[static_cast<std::size_t>(c)] = WholeTwips(w / 100 * kShares[c]);
    widths[9] = WholeTwips(w / 100 * 11 + w / 110);
    return widths;
}

ChannelWindowControlTexts ChannelWindowControlCaptions(bool chinese)
{
    return {LoadLangString(1075, chinese), LoadLangString(1076, chinese), LoadLangString(1059, chinese),
            LoadLangString(1078, chinese)};
}

std::optional<QString> RetranslatedChannelCell(int column, const QString& text, bool chinese)
{
    // Each column: the word recognised in either language, the word written
    // when it matched and, for two-word columns, the word written otherwise.
    auto twoWords = [&](int first, int second) {
        return LoadLangString(IsWordOfEitherLanguage(text, first) ? first : second, chinese);
    };
    switch (column) {
    case 3:
    case 4:
    case 8:
        if (IsWordOfEitherLanguage(text, 1077))
            return LoadLangString(1077, chinese);
        return std::nullopt;
    case 5: return twoWords(1090, 1091);
    case 6: return twoWords(1086, 1087);
    case 7: return twoWords(1088, 1092);
    case 9: return twoWords(1089, 1085);
    default: return std::nullopt;
    }
}

std::optional<QString> FleetPttIdCellText(std::uint8_t pttIdCode, bool chinese)
{
    const int n = pttIdCode & 0x0F;
    if (n == 0)
        return LoadLangString(1085, chinese);
    if (n == 1)
        return LoadLangString(1253, chinese);
    if (n <= 9)
        return LoadLangString(1177, chinese) + QLatin1Char(' ') + QString::number(n - 1);
    if (n == 15)
        return QString();
    return std::nullopt;
}

void RetranslateChannelGrid(const RadioImage& image, int rowCount, bool chinese, const ChannelCellReader& read,
                            const ChannelCellWriter& write)
{
    const bool fleetSyncPttId = image.at(layout::PttIdType) == 1;
    for (int v = 1; v <= rowCount; ++v) {
        if (read(v, 1).isEmpty())
            continue;
        for (int column = 3; column <= 9; ++column) {
            const std::optional<QString> text =
                column == 9 && fleetSyncPttId
                    ? FleetPttIdCellText(image.at(layout::ChannelRecord(v) + kPttIdCodeOffset), chinese)
                    : RetranslatedChannelCell(column, read(v, column), chinese);
            if (text)
                write(v, column, *text);
        }
    }
}

}  // namespace zx
