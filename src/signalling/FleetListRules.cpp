#include "signalling/FleetListRules.h"

#include "core/StringTable.h"
#include "signalling/DtmfCharacters.h"
#include "signalling/FleetCode.h"
#include "signalling/SpinState.h"
#include "signalling/UnitIdCode.h"

namespace zx {

namespace {

QString AllText() { return LoadLangString(1184); }

void SetFleet(RadioImage& image, int n, std::uint8_t code) { image.set(FleetListEntryAddress(n), code); }

void SetId(RadioImage& image, int n, std::uint16_t value) { image.setLeWord(FleetListEntryAddress(n) + 1, value); }

}  // namespace

layout::Address FleetListEntryAddress(int n) { return layout::FleetListEntry(n - 1); }

QString FleetCellText(const RadioImage& image, int n)
{
    const std::uint8_t b = image.at(FleetListEntryAddress(n));
    if (b == FleetCode::kEmpty)
        return {};
    if (b == FleetCode::kAll)
        return AllText();
    return QString::number(FleetCode::Fleet(b));
}

QString IdCellText(const RadioImage& image, int n)
{
    const layout::Address a = FleetListEntryAddress(n);
    const std::uint8_t low = image.at(a + 1);
    const std::uint8_t high = image.at(a + 2);
    if (low == 0xFF && high == 0xFF)
        return {};
    if (low == 0 && high == 0)
        return AllText();
    return QString::number(UnitIdCode::Id(high * 256 + low));
}

int FleetListMaxLength(int column) { return column == kFleetColumn ? 3 : 4; }

QChar FleetListKey(QChar typed, const QString& text, int column, bool hasSelection, bool wholeSelected)
{
    if (typed == QLatin1Char('A') || typed == QLatin1Char('a'))
        return text.isEmpty() || wholeSelected ? QChar(QLatin1Char('A')) : QChar();
    if (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')) {
        if (text == QLatin1String("A") && !wholeSelected)
            return {};
        return RoomForCharacter(static_cast<int>(text.size()), FleetListMaxLength(column), hasSelection) ? typed : QChar();
    }
    return {};
}

QString FilterFleetListText(const QString& text, int column)
{
    if (text.startsWith(QLatin1Char('A')) || text.startsWith(QLatin1Char('a')))
        return QStringLiteral("A");
    return FilterDigits(text, FleetListMaxLength(column));
}

FleetListCommit CommitFleetListCell(RadioImage& image, int n, int column, const QString& text,
                                    const QString& otherText)
{
    const layout::Address a = FleetListEntryAddress(n);
    if (text.isEmpty()) {
        image.set(a, 0xFF);
        image.set(a + 1, 0xFF);
        image.set(a + 2, 0xFF);
        return {QString(), QString()};
    }
    const int v = StartsWithDigit(text) ? LeadingNumber(text) : 0;
    FleetListCommit result{QString(), otherText};
    if (v == 0) {
        result.text = AllText();
        if (column == kFleetColumn)
            SetFleet(image, n, FleetCode::kAll);
        else
            SetId(image, n, 0);
    } else if (column == kFleetColumn) {
        const std::uint8_t code = FleetCode::Encode(v);
        SetFleet(image, n, code);
        result.text = QString::number(FleetCode::Fleet(code));
    } else {
        const std::uint16_t value = UnitIdCode::Encode(v);
        SetId(image, n, value);
        result.text = QString::number(UnitIdCode::Id(value));
    }
    if (otherText.isEmpty()) {
        result.otherText = AllText();
        if (column == kFleetColumn)
            SetId(image, n, 0);
        else
            SetFleet(image, n, FleetCode::kAll);
    }
    return result;
}

}  // namespace zx
