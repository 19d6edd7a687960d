#include "signalling/DtmfEncodeRules.h"

#include <algorithm>
#include <array>

#include "core/StringTable.h"

namespace zx {

namespace {

constexpr std::array<DtmfEncodeSpec, 5> kSpecs{{
    {DtmfEncodeField::Speed, layout::DtmfSpeed, 0, 3, 1, 2},
    {DtmfEncodeField::FirstDigitTime, layout::FirstDigitTime, 0, 3, 1, 4},
    {DtmfEncodeField::FirstDigitDelay, layout::FirstDigitDelay, 10, 100, 5, 4},
    {DtmfEncodeField::StarHashTone, layout::StarHashTone, 0, 3, 1, 4},
    {DtmfEncodeField::DCodeAssign, layout::DCodeAssignment, 0, 16, 1, 2},
}};

bool IsList(DtmfEncodeField field)
{
    return field == DtmfEncodeField::Speed || field == DtmfEncodeField::FirstDigitTime
           || field == DtmfEncodeField::StarHashTone;
}

// The smallest number of each list code, and the largest number any code takes.
struct ListMap {
    std::array<int, 4> lowest;
    int highest;
};

ListMap MapOf(DtmfEncodeField field)
{
    if (field == DtmfEncodeField::Speed)
        return {{0, 8, 10, 15}, 99};
    return {{0, 100, 500, 1000}, 9999};
}

int Clamp(DtmfEncodeField field, int value)
{
    const DtmfEncodeSpec& fieldRule = EncodeSpec(field);
    return std::clamp(value, fieldRule.minimum, fieldRule.maximum);
}

QString DCodeText() { return LoadLangString(1175); }

}  // namespace

const DtmfEncodeSpec& EncodeSpec(DtmfEncodeField field) { return kSpecs.at(static_cast<std::size_t>(field)); }

QStringList EncodeList(DtmfEncodeField field)
{
    if (field == DtmfEncodeField::Speed)
        return {QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("15")};
    if (IsList(field))
        return {QStringLiteral("0"), QStringLiteral("100"), QStringLiteral("500"), QStringLiteral("1000")};
    return {};
}

QString EncodeDisplay(DtmfEncodeField field, int code)
{
    if (IsList(field)) {
        const QStringList list = EncodeList(field);
        return code >= 0 && code < list.size() ? list.at(code) : QString();
    }
    if (field == DtmfEncodeField::FirstDigitDelay)
        return QString::number(code * 10);
    if (code == 0)
        return DCodeText();
    return code > 0 && code <= 16 ? QString::number(code) + QLatin1Char('s') : QString();
}

SpinState EncodeLoad(DtmfEncodeField field, std::uint8_t byte)
{
    if (field == DtmfEncodeField::FirstDigitDelay) {
        const int code = byte == 0xFF ? 10 : byte;
        return {EncodeDisplay(field, code), Clamp(field, code)};
    }
    const int code = byte == 0xFF ? 0 : byte;
    return {EncodeDisplay(field, code), Clamp(field, code)};
}

std::optional<int> EncodeCommitCode(DtmfEncodeField field, const QString& text)
{
    if (IsList(field)) {
        const int n = LeadingNumber(text);
        const ListMap map = MapOf(field);
        if (n > map.highest)
            return std::nullopt;
        int code = 0;
        for (int i = 0; i < 4; ++i) {
            if (n >= map.lowest.at(static_cast<std::size_t>(i)))
                code = i;
        }
        return code;
    }
    if (field == DtmfEncodeField::FirstDigitDelay) {
        const int n = LeadingNumber(text);
        if (n <= 149)
            return 10;
        if (n >= 1000)
            return 100;
        return n / 10;
    }
    if (text.startsWith(QLatin1Char('D')))
        return 0;
    const int n = LeadingNumber(text);
    return n > 16 ? 0 : n;
}

}  // namespace zx
