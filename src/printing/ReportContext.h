#pragma once
// What every section of the programming report prints with: the page, its
// grid, the report's own copy of the image and the language.
#include <cstdint>
#include <initializer_list>

#include <QString>

#include "core/RadioImage.h"
#include "printing/PageGrid.h"
#include "printing/PrintPage.h"

namespace zx {

struct ReportContext {
    PrintPage& page;
    PageGrid grid;
    const RadioImage& image;
    bool chinese = false;

    // Pair n in the report's language (LoadLangString).
    QString Text(int pair) const;
    void Print(int column, int line, const QString& text) const { grid.PrintAtGrid(page, column, line, text); }
    std::uint8_t Byte(int address) const { return image.at(address); }
};

// The bytes as upper-case hex pairs separated by blanks ("2C 01").
QString HexBytes(std::initializer_list<std::uint8_t> bytes);
// A byte that has no text of its own: "?" and its hex pair ("?0C").
QString UnknownByteText(std::uint8_t byte);
// Ends the report: `label` names the value, the bytes are what it holds.
[[noreturn]] void FailOnValue(const QString& label, std::initializer_list<std::uint8_t> bytes);
// "Enabled" for any byte but 0, else "Disabled".
QString EnabledText(const ReportContext& context, std::uint8_t byte);
// A 16-bit value read low then high, a high byte of FF counting as 0; a high
// byte of 80-FE has no value in 16 signed bits and ends the report.
int ReportWord(const QString& label, std::uint8_t low, std::uint8_t high);
// The characters of `size` bytes from `address`, up to the first FF.
QString FfText(const RadioImage& image, int address, int size);

}  // namespace zx
