#include "signalling/DtmfDecodeRules.h"

#include "core/OneByteText.h"
#include "core/StringTable.h"

namespace zx {

namespace {

constexpr char kGroupCodes[] = {'A', 'B', 'C', 'D', '#', '*'};

void WriteCode(RadioImage& image, layout::Address address, const QString& text)
{
    const QByteArray codes = OneByteCodesPrefix(text.left(kDtmfCodeMaxLength));
    for (int i = 0; i < kDtmfCodeMaxLength; ++i)
        image.set(address + i, i < codes.size() ? static_cast<std::uint8_t>(codes.at(i)) : 0xFF);
}

}  // namespace

QString LoadIdCode(const RadioImage& image)
{
    QString text;
    for (int i = 0; i < layout::kDtmfIdCodeSize; ++i) {
        const std::uint8_t b = image.at(layout::DtmfIdCode + i);
        if (b < '0' || b > '9')
            break;
        text.append(QLatin1Char(static_cast<char>(b)));
    }
    return text;
}

QString LoadStunCode(const RadioImage& image)
{
    QString text;
    for (int i = 0; i < layout::kStunCodeSize; ++i) {
        const std::uint8_t b = image.at(layout::StunCode + i);
        if (b == 0xFF)
            break;
        text.append(OneByteChar(b));
    }
    return text;
}

bool IdCodeRefused(const QString& text) { return text.size() < kDtmfCodeMinLength; }

bool StunCodeRefused(const QString& text) { return !text.isEmpty() && text.size() < kDtmfCodeMinLength; }

void WriteIdCode(RadioImage& image, const QString& text) { WriteCode(image, layout::DtmfIdCode, text); }

void WriteStunCode(RadioImage& image, const QString& text) { WriteCode(image, layout::StunCode, text); }

int GroupCodePosition(std::uint8_t byte)
{
    if (byte == 0)
        return 0;
    for (int i = 0; i < 6; ++i) {
        if (byte == static_cast<std::uint8_t>(kGroupCodes[i]))
            return i + 1;
    }
    return -1;
}

std::optional<std::uint8_t> GroupCodeByte(int position)
{
    if (position == 0)
        return 0;
    if (position >= 1 && position <= 6)
        return static_cast<std::uint8_t>(kGroupCodes[position - 1]);
    return std::nullopt;
}

int CallAlertPosition(std::uint8_t byte)
{
    switch (byte) {
    case 0: return 1;  // Normal
    case 1: return 2;  // Continuous
    case 2: return 0;  // Off
    default: return -1;
    }
}

std::optional<std::uint8_t> CallAlertByte(int position)
{
    switch (position) {
    case 0: return 2;
    case 1: return 0;
    case 2: return 1;
    default: return std::nullopt;
    }
}

int TranspondPosition(std::uint8_t byte) { return byte <= 2 ? byte : -1; }

std::uint8_t TranspondByte(int position)
{
    return position >= 0 && position <= 2 ? static_cast<std::uint8_t>(position) : 0xFF;
}

int StunTypePosition(std::uint8_t byte)
{
    if (byte == 0xFF)
        return 0;
    return byte <= 1 ? byte : -1;
}

std::optional<std::uint8_t> StunTypeByte(int position)
{
    if (position == 0 || position == 1)
        return static_cast<std::uint8_t>(position);
    return std::nullopt;
}

bool ClearToTranspondTicked(std::uint8_t byte) { return byte != 0 && byte != 0xFF; }

bool DtmfSideToneTicked(std::uint8_t byte) { return byte != 0; }

QString AutoResetDisplay(int value) { return value == 0 ? LoadLangString(1085) : QString::number(value); }

SpinState AutoResetLoad(std::uint8_t byte)
{
    const int value = byte == 0xFF ? 10 : byte;
    return {AutoResetDisplay(value), std::min(value, kAutoResetMaximum)};
}

SpinState AutoResetCommit(const QString& text)
{
    const int n = LeadingNumber(text);
    if (n >= kAutoResetMaximum)
        return {QString::number(kAutoResetMaximum), kAutoResetMaximum};
    if (n == 0)
        return {AutoResetDisplay(0), 0};
    return {text, n};
}

}  // namespace zx
