#include "channels/ChannelGridLayout.h"

#include <cmath>

#include <QStringList>

namespace zx {

namespace {

const char* const kLoadZh =
    "^|^接收频率|^发射频率|^QT/DQT解码|^QT/DQT编码 |^发射功率 |^宽/窄|^扫描添加 |^可选信令 |^PTT ID;信道编号";
const char* const kLoadEn =
    "^|^RX Frequency|^TX Frequency|^QT/DQT Dec|^QT/DQT Enc|^TX Power|^W/N|^Scan Add|^Opt Signal|^PTT ID;Channel No.";
const char* const kModelZh =
    "^|^接收频率|^发射频率|^QT/DQT解码|^QT/DQT编码|^发射功率|^宽/窄|^扫描添加|^可选信令|^PTT ID;信道编号";
const char* const kModelEn =
    "^|^RX Frequency|^TX Frequency|^QT/DQT Dec|^QT/DQT Enc|^TX Power|^W/N|^Scan Add|^ Opt Signal |^PTT ID;Channel No.";
const char* const kOpenZh =
    "^|^接收频率|^发射频率|^ QT/DQT解码|^QT/DQT编码|^发射功率|^宽/窄|^扫描添加|^可选信令|^PTT ID;信道编号";
const char* const kOpenEn =
    "^|^RX Frequency|^TX Frequency|^QT/DQT Dec|^ QT/DQT Enc |^TX Power|^W/N|^ Scan Add|^ Opt Signal |^PTT ID;Channel No.";

}  // namespace

QString GridHeaderFormat(GridHeaderCaller caller, bool chinese)
{
    switch (caller) {
    case GridHeaderCaller::Load: return QString::fromUtf8(chinese ? kLoadZh : kLoadEn);
    case GridHeaderCaller::ModelChange: return QString::fromUtf8(chinese ? kModelZh : kModelEn);
    case GridHeaderCaller::FileOpen: return QString::fromUtf8(chinese ? kOpenZh : kOpenEn);
    case GridHeaderCaller::Decoder: return QString::fromUtf8(chinese ? kModelZh : kLoadEn);
    }
    return {};
}

GridHeader ParseGridHeader(const QString& format)
{
    GridHeader header;
    const qsizetype semicolon = format.indexOf(QLatin1Char(';'));
    const QString columnPart = semicolon < 0 ? format : format.left(semicolon);
    const QStringList columns = columnPart.split(QLatin1Char('|'));
    for (qsizetype c = 0; c < columns.size() && c < kChannelGridColumns; ++c) {
        QString caption = columns[c];
        if (caption.startsWith(QLatin1Char('^')) || caption.startsWith(QLatin1Char('<'))
            || caption.startsWith(QLatin1Char('>')))
            caption.remove(0, 1);
        header.cells[static_cast<std::size_t>(c)] = caption;
    }
    if (semicolon >= 0)
        header.cells[0] = format.mid(semicolon + 1).section(QLatin1Char('|'), 0, 0);
    return header;
}

std::array<int, kChannelGridColumns> GridColumnWidths(int gridWidthTwips)
{
    static constexpr std::array<int, kChannelGridColumns - 1> kShares = {10, 11, 11, 11, 11, 8, 7, 8, 10};
    const double unit = gridWidthTwips / 100.0;
    std::array<int, kChannelGridColumns> widths{};
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    for (std::size_t c = 0; c < kShares.size(); ++c)
        widths[c] = static_cast<int>(std::nearbyint(unit * kShares[c]));
    widths[kChannelGridColumns - 1] = static_cast<int>(std::nearbyint(unit * 11 + gridWidthTwips / 110.0));
    return widths;
}

}  // namespace zx
