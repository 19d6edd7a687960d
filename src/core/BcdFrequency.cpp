#include "core/BcdFrequency.h"

#include <QRegularExpression>

namespace zx::BcdFrequency {

std::array<std::uint8_t, 4> Encode(qint64 x)
{
    std::array<std::uint8_t, 4> out{};
    for (int i = 0; i < 4; ++i) {
        const int low = static_cast<int>(x % 10);
        const int high = static_cast<int>((x / 10) % 10);
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(high << 4 | low);
        x /= 100;
    }
    return out;
}

qint64 Decode(std::span<const std::uint8_t> bytes)
{
    qint64 value = 0;
    for (int i = 3; i >= 0; --i) {
        const std::uint8_t b = bytes[static_cast<std::size_t>(i)];
        value = value * 100 + (b >> 4) * 10 + (b & 0x0F);
    }
    return value;
}

bool IsEmpty(std::span<const std::uint8_t> bytes)
{
    return bytes[0] == 0xFF && bytes[1] == 0xFF && bytes[2] == 0xFF && bytes[3] == 0xFF;
}

QString ToText(qint64 tensOfHz)
{
    const qint64 mhz = tensOfHz / kUnitsPerMHz;
    const qint64 fraction = tensOfHz % kUnitsPerMHz;
    return QStringLiteral("%1.%2").arg(mhz, 3, 10, QLatin1Char('0')).arg(fraction, 5, 10, QLatin1Char('0'));
}

std::optional<qint64> FromText(const QString& input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? text : text.left(point);
    const QString decimals = point < 0 ? QString() : text.mid(point + 1);
    if (whole.isEmpty() && decimals.isEmpty())
        return std::nullopt;
    for (const QString& part : {whole, decimals})
        for (QChar c : part)
            if (!c.isDigit() || c.unicode() > '9')
                return std::nullopt;
    if (whole.size() > 6)
        return std::nullopt;
    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong() * kUnitsPerMHz;
    // Five decimals are whole 10 Hz units; the rest rounds half to even.
    const QString kept = decimals.left(5).leftJustified(5, QLatin1Char('0'));
    value += kept.toLongLong();
    const QString rest = decimals.mid(5);
    if (!rest.isEmpty()) {
        const int first = rest.at(0).digitValue();
        const bool beyondHalf = rest.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
        if (first > 5 || (first == 5 && (beyondHalf || (value % 2) == 1)))
            ++value;
    }
    return value;
}

}  // namespace zx::BcdFrequency
