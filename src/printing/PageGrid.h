#pragma once
// The grid every printout lays its pages out on, derived from the page size:
// a left margin and a column unit across the page (130 columns after the
// margin), a top margin and a line height down the page (60 lines after the
// margin). Text is placed by column and line, centred on the page or
// right-aligned at 90 % of its width.
#include <QString>

#include "printing/PrintPage.h"

namespace zx {

// Rounds to the nearest whole twip, an exact half to the even neighbour.
int RoundTwips(double twips);

// The three fonts of a printout.
enum class PrintFont { Title, Header, Body };  // 16 bold, 11 bold, 10 regular
void SetPrintFont(PrintPage& page, PrintFont font);

struct PageGrid {
    int LeftMargin = 0;
    int ColumnUnit = 0;
    int TopMargin = 0;
    int LineHeight = 0;

    // Reads the page size (W twice, then H twice) and computes the grid.
    static PageGrid Compute(PrintPage& page);

    // Twips of column c and line l; a position outside 32-bit integers
    // throws PrintFailure (Arithmetic).
    int X(int column) const;
    int Y(int line) const;

    // The text at column c of line l.
    void PrintAtGrid(PrintPage& page, int column, int line, const QString& text) const;
    // The text centred on the page at y.
    static void PrintCentred(PrintPage& page, int y, const QString& text);
    // The text ending at 90 % of the page width, on line l.
    void PrintRight(PrintPage& page, int line, const QString& text) const;
    // A rule from LeftMargin to 9 x LeftMargin at a whole or half line.
    void RuleAt(PrintPage& page, double lines) const;
};

}  // namespace zx
