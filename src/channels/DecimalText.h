#pragma once
// Reads the leading decimal number of a typed text the way the entry fields
// expect: optional blanks, digits with at most one point; reading stops at the
// first character that cannot continue the number, so "12.5.3" reads 12.5,
// "." and "abc" read 0. The value is kept as digits, so scaling it to 10 Hz or
// tenth-of-a-Hz units never goes through floating point.
#include <QString>
#include <QtGlobal>

namespace zx {

class DecimalText {
public:
    explicit DecimalText(const QString& text);

    // True when at least one digit was read.
    bool hasDigits() const { return digits_; }

    // The value times 10^places, cut towards zero.
    qint64 Scaled(int places) const;
    // The value times 10^places, rounded to the nearest whole number; a half
    // goes up, or to the even neighbour when halfToEven is set.
    qint64 Rounded(int places, bool halfToEven) const;
    // True when digits other than 0 follow the first `places` decimals.
    bool HasRemainder(int places) const;

private:
    // -1, 0 or 1: the digits beyond `places` compared with one half.
    int CompareRemainderWithHalf(int places) const;

    QString whole_;     // integer digits without leading zeros
    QString decimals_;  // decimal digits as typed
    bool digits_ = false;
};

}  // namespace zx
