#include "channels/DecimalText.h"

namespace zx {

namespace {
// More integer digits than any field can use; keeps the arithmetic in range.
constexpr int kMaxWholeDigits = 12;

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
}  // namespace

DecimalText::DecimalText(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool afterPoint = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (IsDigit(c)) {
            digits_ = true;
            if (afterPoint)
                decimals_.append(c);
            else if (!(whole_.isEmpty() && c == QLatin1Char('0')))
                whole_.append(c);
        } else if (c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
    }
    if (whole_.size() > kMaxWholeDigits)
        whole_ = QString(kMaxWholeDigits, QLatin1Char('9'));
}

qint64 DecimalText::Scaled(int places) const
{
    qint64 value = whole_.isEmpty() ? 0 : whole_.toLongLong();
    for (int k = 0; k < places; ++k) {
        const int digit = k < decimals_.size() ? decimals_.at(k).digitValue() : 0;
        value = value * 10 + digit;
    }
    return value;
}

bool DecimalText::HasRemainder(int places) const
{
    for (qsizetype k = places; k < decimals_.size(); ++k)
        if (decimals_.at(k) != QLatin1Char('0'))
            return true;
    return false;
}

int DecimalText::CompareRemainderWithHalf(int places) const
{
    if (places >= decimals_.size())
        return -1;
    const int first = decimals_.at(places).digitValue();
    if (first != 5)
        return first < 5 ? -1 : 1;
    return HasRemainder(places + 1) ? 1 : 0;
}

qint64 DecimalText::Rounded(int places, bool halfToEven) const
{
    const qint64 value = Scaled(places);
    const int half = CompareRemainderWithHalf(places);
    if (half > 0 || (half == 0 && (!halfToEven || value % 2 == 1)))
        return value + 1;
    return value;
}

}  // namespace zx
