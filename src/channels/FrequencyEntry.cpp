#include "channels/FrequencyEntry.h"

#include "channels/DecimalText.h"
#include "core/AppCore.h"
#include "core/BcdFrequency.h"

namespace zx {

namespace {
constexpr qint64 kMHz = BcdFrequency::kUnitsPerMHz;
constexpr qint64 k5kHz = 500;
constexpr qint64 k6p25kHz = 625;

struct BandRow {
    std::uint8_t code;
    int lowerMHz;
    int upperMHz;
};

// Tested in this order; the first match wins.
constexpr BandRow kGridBands[] = {
    {0x01, 136, 174}, {0x02, 136, 150}, {0x03, 150, 174}, {0x04, 245, 265},
    {0x21, 400, 480}, {0x33, 440, 480}, {0x43, 400, 440}, {0x63, 370, 390},
    {0x53, 350, 370}, {0x73, 350, 390}, {0x83, 460, 512},
};
constexpr BandRow kOtherBand = {0x00, 400, 480};
}  // namespace

GridBand GridBandTable(std::uint8_t bandCode)
{
    BandRow row = kOtherBand;
    for (const BandRow& candidate : kGridBands) {
        if (candidate.code == bandCode) {
            row = candidate;
            break;
        }
    }
    return {row.lowerMHz * kMHz, row.upperMHz * kMHz};
}

void GetBandLimits(AppCore& core)
{
    const GridBand band = GridBandTable(core.image.modelBandCode());
    core.BandLowerMHz = static_cast<int>(band.lower / kMHz);
    core.BandUpperMHz = static_cast<int>(band.upper / kMHz);
}

SnappedFrequency SnapFrequency(const QString& text, int lowerMHz, int upperMHz)
{
    const DecimalText value(text);
    const qint64 units = value.Scaled(5);
    const bool beyond = value.HasRemainder(5);
    const qint64 upper = upperMHz * kMHz;
    const qint64 lower = lowerMHz * kMHz;
    if (units > upper || (units == upper && beyond))
        return {BcdFrequency::ToText(upper), true};
    if (units < lower)
        return {BcdFrequency::ToText(lower), true};

    const qint64 n = value.Rounded(5, false);
    const qint64 p5 = (n + k5kHz / 2) / k5kHz * k5kHz;
    const qint64 p625 = (n + k6p25kHz / 2) / k6p25kHz * k6p25kHz;
    if (n == p5 || n == p625)
        return {BcdFrequency::ToText(n), false};
    const qint64 d5 = qAbs(n - p5);
    const qint64 d625 = qAbs(n - p625);
    return {BcdFrequency::ToText(d625 <= d5 ? p625 : p5), false};
}

QString RangeMessageText(bool chinese)
{
    return chinese ? QStringLiteral("频率超出范围。") : QStringLiteral("Frequency is out of range.");
}

QString RangeMessageTitle(bool chinese)
{
    return chinese ? QStringLiteral("注意") : QStringLiteral("Caution");
}

}  // namespace zx
