#pragma once
// The memory map's grid and cell rules. Rows 1-64 and columns 1-16 address
// the image's bytes (row 0 and column 0 are the headers): the byte of row r,
// column c is at (r - 1) x 16 + (c - 1).
#include <cstdint>
#include <optional>

#include <QString>

namespace zx {

inline constexpr int kMemoryMapRows = 65;     // header row included
inline constexpr int kMemoryMapColumns = 17;  // label column included

int MemoryMapAddress(int row, int column);
// "000_" .. "03F_": the first three hex digits of the row's address and "_".
QString MemoryMapRowLabel(int row);
// "0" .. "F" for columns 1-16.
QString MemoryMapColumnHeader(int column);
// lblAddr: "0000" .. "03FF".
QString MemoryMapAddressText(int row, int column);

// Two upper-case hex digits.
QString MemoryCellText(std::uint8_t value);
// The byte a cell's first two characters give ("A"-"F" above "9").
std::uint8_t MemoryCellByte(const QString& text);

// True for zero, one or two hexadecimal digits of either case; anything else
// never reaches a cell.
bool IsHexCellText(const QString& text);
// What a commit writes into the cell: "FF" for an empty text, "0c" for a
// single character c, the text otherwise (upper case).
QString CommitMemoryCellText(const QString& text);

// Whether a typed character may go into the editor: a hex digit unless the
// text already holds two or more characters and nothing is selected.
bool MemoryEditorAcceptsDigit(QChar c, int textLength, bool hasSelection);
bool IsHexDigitChar(QChar c);

struct MemoryCell {
    int row;
    int column;
    bool operator==(const MemoryCell&) const = default;
};
// The cell Enter moves to: one column right, from column 16 to column 1 of
// the next row; the last cell stays.
MemoryCell NextMemoryCell(MemoryCell cell);

}  // namespace zx
