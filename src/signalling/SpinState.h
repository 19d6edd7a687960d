#pragma once
// What a number field shows and what its up-down holds. The two agree after
// a load, a step and a commit; typing changes only the text.
#include <QString>

namespace zx {

struct SpinState {
    QString text;
    int value = 0;

    bool operator==(const SpinState&) const = default;
};

// The number a typed text starts with: its leading decimal digits, 0 when it
// starts with none (an empty text, "Off", "D Code"). A long run of digits
// saturates instead of wrapping, so pasted text can never turn into a small
// or negative number.
int LeadingNumber(const QString& text);

// True when the text starts with a digit.
bool StartsWithDigit(const QString& text);

}  // namespace zx
