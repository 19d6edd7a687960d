#pragma once
// The printer page as a printout sees it: sizes and positions in twips
// (1/1440 inch) from the top left corner of the printable area. A printout
// writes only through this interface; the Qt back-end draws on a QPrinter,
// the recording back-end keeps what was printed for a later replay or a test.
// Any call may throw PrintFailure.
#include <QString>

namespace zx {

class PrintPage {
public:
    virtual ~PrintPage() = default;

    // The printable area, in twips.
    virtual double PageWidth() = 0;
    virtual double PageHeight() = 0;

    // Size in points and weight; the face stays the printer's default.
    virtual void SetFont(int pointSize, bool bold) = 0;
    // The width of `text` in the current font, in twips.
    virtual double TextWidth(const QString& text) = 0;

    // The text with its top left corner at (x, y).
    virtual void PrintAt(int x, int y, const QString& text) = 0;
    // A thin black horizontal line from x1 to x2 at y (y may lie between
    // two whole twips).
    virtual void Rule(int x1, int x2, double y) = 0;

    virtual void NewPage() = 0;
    // 1 on the first page, one more after each NewPage.
    virtual int PageNumber() const = 0;

    // Ends the document: the pages go to the printer or file.
    virtual void EndDoc() = 0;
    // Drops the document begun so far; nothing of it is printed. Never throws.
    virtual void AbortDoc() = 0;
};

}  // namespace zx
