#include "testmode/TuneBandEdges.h"

#include <cmath>

namespace zx {

namespace {

constexpr qint64 kMHz = 100000;  // 10 Hz units per MHz
constexpr qint64 kRxOffset = 5000;   // 50 kHz
constexpr qint64 kTxOffset = 10000;  // 100 kHz

struct BandRow {
    std::uint8_t code;
    int lowMHz;
    int highMHz;
};

constexpr BandRow kBands[] = {
    {0x01, 136, 174}, {0x02, 136, 150}, {0x03, 150, 174}, {0x04, 245, 265},
    {0x21, 400, 480}, {0x33, 440, 480}, {0x43, 400, 440}, {0x63, 370, 390},
    {0x53, 350, 370}, {0x73, 350, 390}, {0x83, 460, 520},
};
constexpr BandRow kOtherBand = {0x00, 400, 480};

// numerator / denominator rounded to a whole number, a half to the even
// neighbour (denominator > 0).
qint64 RoundHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

QString MHzText(qint64 tensOfHz)
{
    const bool negative = tensOfHz < 0;
    const qint64 v = negative ? -tensOfHz : tensOfHz;
    return QStringLiteral("%1%2.%3")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(v / kMHz, 3, 10, QLatin1Char('0'))
        .arg(v % kMHz, 5, 10, QLatin1Char('0'));
}

}  // namespace

TuneBandEdges TuneBandEdges::For(std::uint8_t modelBandCode)
{
    BandRow row = kOtherBand;
    for (const BandRow& b : kBands)
        if (b.code == modelBandCode)
            row = b;
    return {row.lowMHz * kMHz, row.highMHz * kMHz};
}

std::vector<TunePointFrequency> BandPointFrequencies(const TuneBandEdges& edges)
{
    const qint64 center = RoundHalfEven(edges.L + edges.U, 2) + kRxOffset;
    return {
        {edges.L + kRxOffset, edges.L + kTxOffset},
        {center, center + kRxOffset},
        {edges.U - kRxOffset, edges.U - kTxOffset},
    };
}

std::vector<TunePointFrequency> PowerPointFrequencies(const TuneBandEdges& edges)
{
    const qint64 quarter = RoundHalfEven(edges.U - edges.L, 4);
    const qint64 center = RoundHalfEven(edges.L + edges.U, 2) + kRxOffset;
    return {
        {edges.L + kRxOffset, edges.L + kTxOffset},
        {edges.L + quarter + kRxOffset, edges.L + quarter + kTxOffset},
        {center, center + kRxOffset},
        {edges.U - quarter + kRxOffset, edges.U - quarter + kTxOffset},
        {edges.U - kRxOffset, edges.U - kTxOffset},
    };
}

QString TuneFrequencyText(qint64 tensOfHz)
{
    return MHzText(tensOfHz) + QStringLiteral("MHz");
}

QString TestPointFrequencyText(const QString& testFreqListText)
{
    bool ok = false;
    const double mhz = testFreqListText.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(mhz) || std::fabs(mhz) > 1e9)
        return testFreqListText + QStringLiteral("MHz");
    return TuneFrequencyText(std::llround(mhz * static_cast<double>(kMHz)));
}

}  // namespace zx
