#include "testmode/TestWindowRules.h"

namespace zx {

namespace {
constexpr double kHighestListedMHz = 600.0;
constexpr int kNone = 1077;
}  // namespace

double LeadingMegahertz(const QString& text)
{
    QString number;
    bool point = false;
    for (const QChar c : text.trimmed()) {
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

std::vector<int> ListedTestChannels(const TestModeState& state)
{
    std::vector<int> channels;
    for (int k = 0; k < kTestChannels; ++k) {
        const double mhz = LeadingMegahertz(state.TestFreqList[0][static_cast<std::size_t>(k)]);
        if (mhz > 0.0 && mhz < kHighestListedMHz)
            channels.push_back(k + 1);
    }
    return channels;
}

QString FrequencyLabel(const QString& listText)
{
    return listText + QStringLiteral("MHz");
}

SignalLabelIds TestSignalLabels(int s)
{
    static constexpr std::array<SignalLabelIds, 9> kLabels{{
        {kNone, kNone},
        {kNone, 1906},
        {1907, 1907},
        {1908, 1908},
        {1909, 1909},
        {1910, 1910},
        {1911, 1911},
        {1912, 1913},
        {kNone, 1220},
    }};
    if (s < 1 || s > 9)
        return {kNone, kNone};
    return kLabels[static_cast<std::size_t>(s - 1)];
}

int TuningItemTextId(int item)
{
    if (item >= 1 && item <= 12)
        return 1207 + item;
    if (item >= 13 && item <= 15)
        return 1903 + (item - 13);
    return 0;
}

}  // namespace zx
