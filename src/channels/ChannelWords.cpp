#include "channels/ChannelWords.h"

#include "channels/ChannelGridLayout.h"
#include "core/StringTable.h"

namespace zx::words {

QString Word(int id, bool chinese)
{
    return LoadLangString(id, chinese);
}

QString FleetListEntry(int n, bool chinese)
{
    return Word(kFleetList, chinese) + QLatin1Char(' ') + QString::number(n);
}

QStringList CellChoices(int column, std::uint8_t pttIdType, bool chinese)
{
    switch (column) {
    case kTxPowerColumn:
        return {Word(kHigh, chinese), Word(kLow, chinese)};
    case kWideNarrowColumn:
        return {Word(kNarrow, chinese), Word(kWide, chinese)};
    case kScanAddColumn:
        return {Word(kYes, chinese), Word(kNo, chinese)};
    case kOptSignalColumn:
        return {Word(kNone, chinese), Word(kDtmf, chinese), Word(kFleetSync, chinese)};
    case kPttIdColumn:
        if (pttIdType == 1) {
            QStringList list{Word(kOff, chinese), Word(kOwn, chinese)};
            for (int n = 1; n <= 8; ++n)
                list.append(FleetListEntry(n, chinese));
            return list;
        }
        return {Word(kOff, chinese), Word(kOn, chinese)};
    default:
        return {};
    }
}

}  // namespace zx::words
