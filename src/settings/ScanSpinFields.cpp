#include "settings/ScanSpinFields.h"

#include <algorithm>

#include "core/ImageLayout.h"
#include "core/RadioImage.h"

namespace zx {

namespace {

constexpr int kLookBackMin = 1;
constexpr int kLookBackMax = 91;
constexpr int kTimeMax = 300;
// Whole seconds kept while reading a look back text: anything from 5 s on
// commits as the top, so far more than this never matters.
constexpr std::int64_t kSecondsLimit = 1000000;

bool AsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
int DigitValue(QChar c) { return c.unicode() - '0'; }

SpinFieldParams LookBackField(const char* textBox, const char* upDown, int helpId, int address)
{
    SpinFieldParams p;
    p.textBoxName = QString::fromLatin1(textBox);
    p.upDownName = QString::fromLatin1(upDown);
    p.helpContextId = helpId;
    p.min = kLookBackMin;
    p.max = kLookBackMax;
    p.shownText = LookBackText;
    p.typedCharacters = QStringLiteral("0123456789.");
    p.maxTypedLength = 4;
    p.readsDecimal = true;
    p.commit = [](const QString& text) -> SpinCommit {
        const int v = LookBackCode(text);
        return {v, LookBackText(v)};
    };
    p.store = [address](RadioImage& image, const SpinCommit& c) {
        image.set(address, static_cast<std::uint8_t>(c.value));
    };
    p.load = [address](const RadioImage& image) -> SpinLoad {
        const int b = image.at(address);
        if (b == 0 || b == 0xFF)
            return {QString(), kLookBackMin};
        return {LookBackText(b), b};
    };
    return p;
}

SpinFieldParams SecondsField(const char* textBox, const char* upDown, int helpId, int address)
{
    SpinFieldParams p;
    p.textBoxName = QString::fromLatin1(textBox);
    p.upDownName = QString::fromLatin1(upDown);
    p.helpContextId = helpId;
    p.min = 0;
    p.max = kTimeMax;
    p.shownText = [](int v) { return QString::number(v); };
    p.downWrapsWhenZero = true;
    p.maxTypedLength = 3;
    p.commit = [](const QString& text) -> SpinCommit {
        // A pasted number of any length stops at the top.
        const int v = std::min(ReadSpinInteger(text), kTimeMax);
        return {v, QString::number(v)};
    };
    p.store = [address](RadioImage& image, const SpinCommit& c) {
        image.setLeWord(address, static_cast<std::uint16_t>(c.value));
    };
    p.load = [address](const RadioImage& image) -> SpinLoad {
        if (image.at(address + 1) == 0xFF)
            return {QString(), 0};
        const int v = image.leWord(address);
        return {QString::number(v), v};
    };
    return p;
}

}  // namespace

QString LookBackText(int code)
{
    const int hundredths = code * 5 + 45;
    return QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

std::int64_t ReadHundredths(const QString& text)
{
    const int n = static_cast<int>(text.size());
    int i = 0;
    std::int64_t whole = 0;
    for (; i < n && AsciiDigit(text[i]); ++i)
        whole = std::min(whole * 10 + DigitValue(text[i]), kSecondsLimit);
    std::int64_t hundredths = whole * 100;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        // Tenths and hundredths, then what decides the rounding.
        for (int scale = 10; scale >= 1 && i < n && AsciiDigit(text[i]); scale /= 10, ++i)
            hundredths += DigitValue(text[i]) * scale;
        if (i < n && AsciiDigit(text[i])) {
            const int next = DigitValue(text[i++]);
            bool moreThanHalf = next > 5;
            if (next == 5) {
                for (; i < n && AsciiDigit(text[i]); ++i)
                    if (text[i] != QLatin1Char('0'))
                        moreThanHalf = true;
            }
            const bool exactHalf = next == 5 && !moreThanHalf;
            if (moreThanHalf || (exactHalf && hundredths % 2 != 0))
                ++hundredths;
        }
    }
    return hundredths;
}

int LookBackCode(const QString& text)
{
    const std::int64_t n = ReadHundredths(text);
    if (n <= 50)
        return kLookBackMin;
    if (n >= 500)
        return kLookBackMax;
    return static_cast<int>(n / 5 - 9);
}

SpinFieldParams LookBackTimeAField() { return LookBackField("txtLookBackTimeA", "updLookBackTimeA", 4403, layout::LookBackTimeA); }

SpinFieldParams LookBackTimeBField() { return LookBackField("txtLookBackTimeB", "updLookBackTimeB", 4404, layout::LookBackTimeB); }

SpinFieldParams DropoutDelayTimeField()
{
    return SecondsField("txtDropoutDelayTime", "updDropoutDelayTime", 4406, layout::DropoutDelayTime);
}

SpinFieldParams TxDwellTimeField() { return SecondsField("txtTXDwellTime", "updTXDwellTime", 4407, layout::TxDwellTime); }

}  // namespace zx
