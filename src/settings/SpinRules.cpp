#include "settings/SpinRules.h"

#include <algorithm>

#include "core/StringTable.h"

namespace zx {

QString OffText() { return LoadLangString(1085); }

QString SpinFieldParams::TopText() const { return topText ? *topText : shownText(max); }

QString SpinFieldParams::BottomText() const { return bottomText ? *bottomText : shownText(min); }

double ReadSpinNumber(const QString& text, bool decimal)
{
    double number = 0;
    int i = 0;
    const int n = static_cast<int>(text.size());
    if (n == 0 || !text[0].isDigit() || text[0].unicode() > 0x7F)
        return 0;
    for (; i < n && text[i].unicode() >= '0' && text[i].unicode() <= '9'; ++i) {
        // Pasted text may hold any number of digits: saturate, never wrap.
        number = std::min<double>(number * 10 + (text[i].unicode() - '0'), kSpinNumberLimit);
    }
    if (decimal && i < n && text[i] == QLatin1Char('.')) {
        double scale = 0.1;
        for (++i; i < n && text[i].unicode() >= '0' && text[i].unicode() <= '9'; ++i) {
            number += (text[i].unicode() - '0') * scale;
            scale /= 10;
        }
    }
    return number;
}

int ReadSpinInteger(const QString& text) { return static_cast<int>(ReadSpinNumber(text, false)); }

TypedKey SpinDigitFilter(const SpinFieldParams& params, const QString& text, int selectionLength, QChar typed)
{
    if (typed == QChar(8))
        return TypedKey::Backspace;
    if (typed == QChar(13))
        return TypedKey::EnterAsTab;
    if (!params.typedCharacters.contains(typed))
        return TypedKey::Drop;
    if (text.size() >= params.maxTypedLength && selectionLength <= 0)
        return TypedKey::Drop;
    return TypedKey::Accept;
}

namespace {
int Clamp(const SpinFieldParams& params, int value) { return std::clamp(value, params.min, params.max); }
}  // namespace

SpinStep SpinKeyStep(const SpinFieldParams& params, const QString& text, int upDownValue, bool up)
{
    int next = 0;
    if (up) {
        next = text == params.TopText() ? params.min : upDownValue + params.step;
    } else {
        const bool wraps =
            text == params.BottomText() || (params.downWrapsWhenZero && ReadSpinNumber(text, params.readsDecimal) == 0);
        next = wraps ? params.max : upDownValue - params.step;
    }
    // Typed over after the value reached a bound: stop at the bound.
    next = Clamp(params, next);
    return {next, params.shownText(next)};
}

SpinStep SpinButtonStep(const SpinFieldParams& params, const QString& text, int movedValue, bool up)
{
    if (up && text == params.TopText())
        return {params.min, params.shownText(params.min)};
    if (!up && text == params.BottomText())
        return {params.max, params.shownText(params.max)};
    return {movedValue, params.shownText(movedValue)};
}

}  // namespace zx
