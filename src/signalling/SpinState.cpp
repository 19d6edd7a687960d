#include "signalling/SpinState.h"

namespace zx {

namespace {
constexpr int kSaturated = 1'000'000'000;
}

int LeadingNumber(const QString& text)
{
    qint64 value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > kSaturated)
            return kSaturated;
    }
    return static_cast<int>(value);
}

bool StartsWithDigit(const QString& text)
{
    return !text.isEmpty() && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
}

}  // namespace zx
