#include "signalling/FleetSyncRules.h"

#include <algorithm>
#include <array>

#include "core/StringTable.h"
#include "signalling/FleetCode.h"
#include "signalling/UnitIdCode.h"

namespace zx {

namespace {

constexpr std::array<FleetSyncNumberSpec, 4> kSpecs{{
    {1, 250, 3},  // a step never shows 99: the lowest shown fleet is 100
    {1, 4000, 4},
    {0, 6000, 4},
    {0, 300, 3},
}};

}  // namespace

const FleetSyncNumberSpec& NumberSpec(FleetSyncNumber field) { return kSpecs.at(static_cast<std::size_t>(field)); }

QString NumberDisplay(FleetSyncNumber field, int value)
{
    switch (field) {
    case FleetSyncNumber::OwnFleet: return QString::number(FleetCode::Fleet(static_cast<std::uint8_t>(value)));
    case FleetSyncNumber::OwnId: return QString::number(UnitIdCode::Id(value));
    case FleetSyncNumber::DataTxDelay: return QString::number(value);
    case FleetSyncNumber::MessageModeTimer: return value == 0 ? LoadLangString(1085) : QString::number(value);
    }
    return {};
}

SpinState NumberLoad(FleetSyncNumber field, const RadioImage& image)
{
    const FleetSyncNumberSpec& fieldRule = NumberSpec(field);
    auto clamp = [&](int v) { return std::clamp(v, fieldRule.minimum, fieldRule.maximum); };
    switch (field) {
    case FleetSyncNumber::OwnFleet: {
        const std::uint8_t c = image.at(layout::OwnFleet);
        if (c == FleetCode::kEmpty)
            return {QString(), 0};
        return {QString::number(FleetCode::Fleet(c)), clamp(c)};
    }
    case FleetSyncNumber::OwnId: {
        if (image.at(layout::OwnIdHigh) == 0xFF)
            return {QString(), 0};
        const int v = image.leWord(layout::OwnId);
        if (v == 0)
            return {QString(), 0};
        return {QString::number(UnitIdCode::Id(v)), clamp(v)};
    }
    case FleetSyncNumber::DataTxDelay: {
        if (image.at(layout::DataTxDelay + 1) == 0xFF)
            return {QStringLiteral("400"), 400};
        const int v = image.leWord(layout::DataTxDelay);
        return {QString::number(v), clamp(v)};
    }
    case FleetSyncNumber::MessageModeTimer: {
        if (image.at(layout::MessageModeTimer + 1) == 0xFF)
            return {QStringLiteral("300"), 300};
        const int v = image.leWord(layout::MessageModeTimer);
        return {NumberDisplay(field, v), clamp(v)};
    }
    }
    return {};
}

void EmptyOwnPair(RadioImage& image)
{
    image.set(layout::OwnFleet, FleetCode::kEmpty);
    image.setLeWord(layout::OwnId, 0);
}

int OwnCode(FleetSyncNumber field, const QString& text)
{
    const int n = LeadingNumber(text);
    return field == FleetSyncNumber::OwnFleet ? FleetCode::Encode(n) : UnitIdCode::Encode(n);
}

OwnPairChange FillOwnPair(FleetSyncNumber steppedField, RadioImage& image)
{
    if (steppedField == FleetSyncNumber::OwnFleet)
        image.setLeWord(layout::OwnId, 1);
    else
        image.set(layout::OwnFleet, 1);
    return {{NumberDisplay(FleetSyncNumber::OwnFleet, 1), 1}, {NumberDisplay(FleetSyncNumber::OwnId, 1), 1}};
}

SpinState CommitDelay(const QString& text)
{
    const int v = std::min(LeadingNumber(text), NumberSpec(FleetSyncNumber::DataTxDelay).maximum);
    return {QString::number(v), v};
}

SpinState CommitTimer(const QString& text)
{
    const int maximum = NumberSpec(FleetSyncNumber::MessageModeTimer).maximum;
    const int n = LeadingNumber(text);
    if (n >= maximum)
        return {QString::number(maximum), maximum};
    if (n == 0)
        return {NumberDisplay(FleetSyncNumber::MessageModeTimer, 0), 0};
    return {text, n};
}

void WriteNumber(FleetSyncNumber field, int value, RadioImage& image)
{
    switch (field) {
    case FleetSyncNumber::OwnFleet: image.set(layout::OwnFleet, static_cast<std::uint8_t>(value)); break;
    case FleetSyncNumber::OwnId: image.setLeWord(layout::OwnId, static_cast<std::uint16_t>(value)); break;
    case FleetSyncNumber::DataTxDelay: image.setLeWord(layout::DataTxDelay, static_cast<std::uint16_t>(value)); break;
    case FleetSyncNumber::MessageModeTimer:
        image.setLeWord(layout::MessageModeTimer, static_cast<std::uint16_t>(value));
        break;
    }
}

int BaudRatePosition(std::uint8_t byte) { return byte <= 1 ? byte : -1; }

std::uint8_t BaudRateByte(int position) { return position == 0 || position == 1 ? static_cast<std::uint8_t>(position) : 0xFF; }

bool SideToneTicked(std::uint8_t byte) { return byte != 0 && byte != 0xFF; }

}  // namespace zx
