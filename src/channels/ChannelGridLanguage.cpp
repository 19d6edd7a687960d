#include "channels/ChannelGridLanguage.h"

#include "channels/ChannelGridLayout.h"
#include "core/ChannelRecord.h"
#include "core/ImageLayout.h"
#include "core/StringTable.h"

namespace zx {

namespace {

bool IsWordOfEitherLanguage(const QString& text, int id)
{
    return text == LoadLangString(id, false) || text == LoadLangString(id, true);
}

}  // namespace

std::optional<QString> RetranslatedChannelCell(int column, const QString& text, bool chinese)
{
    // Each column: the word recognised in either language, the word written
    // when it matched and, for two-word columns, the word written otherwise.
    auto twoWords = [&](int first, int second) {
        return LoadLangString(IsWordOfEitherLanguage(text, first) ? first : second, chinese);
    };
    switch (column) {
    case kDecodeColumn:
    case kEncodeColumn:
    case kOptSignalColumn:
        if (IsWordOfEitherLanguage(text, 1077))
            return LoadLangString(1077, chinese);
        return std::nullopt;
    case kTxPowerColumn: return twoWords(1090, 1091);
    case kWideNarrowColumn: return twoWords(1086, 1087);
    case kScanAddColumn: return twoWords(1088, 1092);
    case kPttIdColumn: return twoWords(1089, 1085);
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
        if (read(v, kRxFreqColumn).isEmpty())
            continue;
        for (int column = kDecodeColumn; column <= kPttIdColumn; ++column) {
            const std::optional<QString> text =
                column == kPttIdColumn && fleetSyncPttId
                    ? FleetPttIdCellText(image.at(layout::ChannelRecord(v) + record::kPttIdCode), chinese)
                    : RetranslatedChannelCell(column, read(v, column), chinese);
            if (text)
                write(v, column, *text);
        }
    }
}

}  // namespace zx
