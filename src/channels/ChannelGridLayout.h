#pragma once
// The channel grid's header texts and column widths. The grid has a fixed
// header row 0 and a fixed label column 0; row r is channel r and column c
// (1..9) a channel setting, so its cells are addressed as the codec numbers
// the columns.
#include <array>

#include <QString>

#include "core/GridHeaderCaller.h"

namespace zx {

inline constexpr int kChannelGridColumns = 10;  // the label column and columns 1..9

// The setting columns 1..9, numbered as the codec numbers a row's texts.
enum GridColumn : int {
    kRxFreqColumn = 1,
    kTxFreqColumn,
    kDecodeColumn,
    kEncodeColumn,
    kTxPowerColumn,
    kWideNarrowColumn,
    kScanAddColumn,
    kOptSignalColumn,
    kPttIdColumn,
};
inline constexpr int kChannelGridWidthTwips = 10650;
inline constexpr int kChannelGridLeftTwips = 120;
inline constexpr int kChannelGridTopTwips = 75;
inline constexpr int kChannelGridHeight8Twips = 2400;
inline constexpr int kChannelGridHeight16Twips = 4440;
inline constexpr int kChannelGridMinRowHeightTwips = 250;

// The format string of the caller in the language: "^" centres a column,
// "|" separates columns, and the text after ";" is the corner title.
QString GridHeaderFormat(GridHeaderCaller caller, bool chinese);

struct GridHeader {
    // The texts of header cells (0, 0)..(0, 9); (0, 0) is the corner title.
    std::array<QString, kChannelGridColumns> cells;
};

// The header cells of a format string: each column caption without its "^"
// mark, blanks kept; the corner cell takes the row title after ";".
GridHeader ParseGridHeader(const QString& format);

// The column widths in twips for a grid of `gridWidthTwips`: W/100 times 10,
// 11, 11, 11, 11, 8, 7, 8, 10 for columns 0..8 and W/100 x 11 + W/110 for
// column 9, each rounded to the nearest twip, halves to the even one.
std::array<int, kChannelGridColumns> GridColumnWidths(int gridWidthTwips = kChannelGridWidthTwips);

}  // namespace zx
