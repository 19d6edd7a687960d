#include "printing/PageGrid.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "printing/PrintFailure.h"

namespace zx {

namespace {

// The page size as the printer reports it: a single-precision number.
double ReadSize(double size)
{
    return static_cast<double>(static_cast<float>(size));
}

int Checked(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw PrintFailure{PrintFailure::Kind::Arithmetic, QStringLiteral("Overflow")};
    return static_cast<int>(value);
}

}  // namespace

int RoundTwips(double twips)
{
    // std::nearbyint rounds in the current mode, which is to nearest, ties
    // to even, unless someone changed it; say so explicitly.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(twips);
    std::fesetround(previous);
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw PrintFailure{PrintFailure::Kind::Arithmetic, QStringLiteral("Overflow")};
    return static_cast<int>(rounded);
}

void SetPrintFont(PrintPage& page, PrintFont font)
{
    switch (font) {
    case PrintFont::Title:
        page.SetFont(16, true);
        break;
    case PrintFont::Header:
        page.SetFont(11, true);
        break;
    case PrintFont::Body:
        page.SetFont(10, false);
        break;
    }
}

PageGrid PageGrid::Compute(PrintPage& page)
{
    PageGrid grid;
    grid.LeftMargin = RoundTwips(ReadSize(page.PageWidth()) * 0.2 / 2);
    grid.ColumnUnit = RoundTwips(ReadSize(page.PageWidth()) * 0.9 / 130);
    grid.TopMargin = RoundTwips(ReadSize(page.PageHeight()) * 0.1 / 2);
    grid.LineHeight = RoundTwips(ReadSize(page.PageHeight()) * 0.9 / 60);
    return grid;
}

int PageGrid::X(int column) const
{
    return Checked(qint64{LeftMargin} + Checked(qint64{column} * ColumnUnit));
}

int PageGrid::Y(int line) const
{
    return Checked(qint64{TopMargin} + Checked(qint64{line} * LineHeight));
}

void PageGrid::PrintAtGrid(PrintPage& page, int column, int line, const QString& text) const
{
    page.PrintAt(X(column), Y(line), text);
}

void PageGrid::PrintCentred(PrintPage& page, int y, const QString& text)
{
    const double width = page.TextWidth(text);
    const double half = static_cast<double>(static_cast<float>(page.PageWidth() / 2));
    page.PrintAt(RoundTwips(half - width / 2), y, text);
}

void PageGrid::PrintRight(PrintPage& page, int line, const QString& text) const
{
    const double width = page.TextWidth(text);
    page.PrintAt(RoundTwips(ReadSize(page.PageWidth()) * 0.9 - width), Y(line), text);
}

void PageGrid::RuleAt(PrintPage& page, double lines) const
{
    page.Rule(LeftMargin, Checked(9 * qint64{LeftMargin}), TopMargin + lines * LineHeight);
}

}  // namespace zx
