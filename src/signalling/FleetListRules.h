#pragma once
// FleetListEntry: the eight fleet-list entries (fleet FleetCode, unit ID
// UnitIdCode, 3 bytes each at 0x1C0 + 3(n - 1) for 1-4 and 0x1D0 + 3(n - 5)
// for 5-8), their cell texts and the commit of an edited cell.
#include <array>
#include <cstdint>

#include <QChar>
#include <QString>

#include "core/ImageLayout.h"
#include "core/RadioImage.h"

namespace zx {

inline constexpr int kFleetColumn = 1;
inline constexpr int kIdColumn = 2;

// The address of entry n (1-8).
layout::Address FleetListEntryAddress(int n);

// The cell texts of entry n: "" empty, the All text, or the number.
QString FleetCellText(const RadioImage& image, int n);
QString IdCellText(const RadioImage& image, int n);

// The characters a cell takes: 3 in the fleet column, 4 in the ID column.
int FleetListMaxLength(int column);

// The key filter of the cell editor: the character that goes in (a capital
// "A" for "a"), or a null QChar when it is refused. `wholeSelected` is true
// when the whole text is selected, `hasSelection` when any part is.
QChar FleetListKey(QChar typed, const QString& text, int column, bool hasSelection, bool wholeSelected);
// Text that arrived by pasting or dropping, kept to what typing could give:
// a leading "A" alone, or digits up to the column's length.
QString FilterFleetListText(const QString& text, int column);

struct FleetListCommit {
    QString text;       // the edited cell's text after the commit
    QString otherText;  // the other cell of the row
};

// Commits the editor's text into entry n: empty empties the entry; 0 or a
// text that starts with no digit is All; other numbers are clamped. An
// empty other cell (by its text) becomes All.
FleetListCommit CommitFleetListCell(RadioImage& image, int n, int column, const QString& text,
                                    const QString& otherText);

}  // namespace zx
