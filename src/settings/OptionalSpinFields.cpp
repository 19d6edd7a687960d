#include "settings/OptionalSpinFields.h"

#include "core/ImageLayout.h"
#include "core/RadioImage.h"

namespace zx {

namespace {

constexpr int kTotSecondsPerUnit = 15;
constexpr int kTotMaxUnits = 40;

QString Number(int v) { return QString::number(v); }

QString OffOrNumber(int v) { return v == 0 ? OffText() : Number(v); }

// Typed text is digits only; a pasted text with anything else is shown again
// as the number it was read as.
bool AllDigits(const QString& text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

std::function<void(RadioImage&, const SpinCommit&)> StoreByte(int address)
{
    return [address](RadioImage& image, const SpinCommit& c) { image.set(address, static_cast<std::uint8_t>(c.value)); };
}

// TOT pre-alert and VOX gain level: 0 Off, 1..10.
SpinFieldParams OffToTenField(const char* textBox, const char* upDown, int helpId, int address)
{
    SpinFieldParams p;
    p.textBoxName = QString::fromLatin1(textBox);
    p.upDownName = QString::fromLatin1(upDown);
    p.helpContextId = helpId;
    p.min = 0;
    p.max = 10;
    p.shownText = OffOrNumber;
    p.downWrapsWhenZero = true;
    p.maxTypedLength = 2;
    p.commit = [](const QString& text) -> SpinCommit {
        const int n = ReadSpinInteger(text);
        if (n >= 10)
            return {10, QStringLiteral("10")};
        if (n == 0)
            return {0, OffText()};
        return {n, AllDigits(text) ? text : Number(n)};  // "05" stays "05"
    };
    p.store = StoreByte(address);
    p.load = [address](const RadioImage& image) -> SpinLoad {
        const int b = image.at(address);
        if (b == 0xFF)
            return {QString(), 0};
        if (b == 0)
            return {OffText(), 0};
        return {Number(b), b};
    };
    return p;
}

}  // namespace

SpinFieldParams TimeOutTimerField()
{
    SpinFieldParams p;
    p.textBoxName = QStringLiteral("txtTOT");
    p.upDownName = QStringLiteral("updTOT");
    p.helpContextId = 4201;
    p.min = 1;
    p.max = kTotMaxUnits;
    p.shownText = [](int v) { return Number(v * kTotSecondsPerUnit); };
    p.maxTypedLength = 3;
    p.commit = [](const QString& text) -> SpinCommit {
        const int seconds = ReadSpinInteger(text);
        int v = 0;
        if (seconds <= kTotSecondsPerUnit)
            v = 1;
        else if (seconds >= kTotMaxUnits * kTotSecondsPerUnit)
            v = kTotMaxUnits;
        else
            v = (seconds + kTotSecondsPerUnit - 1) / kTotSecondsPerUnit;  // rounded up
        return {v, Number(v * kTotSecondsPerUnit)};
    };
    p.store = StoreByte(layout::TimeOutTimer);
    p.load = [](const RadioImage& image) -> SpinLoad {
        const int b = image.at(layout::TimeOutTimer);
        return {Number(b * kTotSecondsPerUnit), b <= kTotMaxUnits ? b : 0};
    };
    return p;
}

SpinFieldParams TotPreAlertField() { return OffToTenField("txtTOTPreAlert", "updTOTPreAlert", 4202, layout::TotPreAlert); }

SpinFieldParams SquelchLevelField()
{
    SpinFieldParams p;
    p.textBoxName = QStringLiteral("txtSQLevel");
    p.upDownName = QStringLiteral("updSQLevel");
    p.helpContextId = 4203;
    p.min = 0;
    p.max = 9;
    p.shownText = Number;
    p.maxTypedLength = 1;
    p.commit = [](const QString& text) -> SpinCommit {
        if (text.isEmpty())
            return {0, QStringLiteral("0")};
        const int n = ReadSpinInteger(text);
        // Only a paste (or a loaded byte the radio never stores) gets past
        // the one typed digit: the radio has no level above 9.
        if (n > 9)
            return {9, QStringLiteral("9")};
        return {n, AllDigits(text) ? text : Number(n)};
    };
    p.store = StoreByte(layout::SquelchLevel);
    p.load = [](const RadioImage& image) -> SpinLoad {
        const int b = image.at(layout::SquelchLevel);
        if (b == 0xFF)
            return {QStringLiteral("0"), 0};
        return {Number(b), b};
    };
    return p;
}

SpinFieldParams VoxGainLevelField()
{
    return OffToTenField("txtVOXGainLevel", "updVOXGainLevel", 4222, layout::VoxGainLevel);
}

}  // namespace zx
