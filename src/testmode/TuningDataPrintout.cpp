#include "testmode/TuningDataPrintout.h"

#include <array>
#include <variant>

#include "core/StringTable.h"
#include "printing/PageGrid.h"
#include "printing/ProgrammingReport.h"

namespace zx {

namespace {

// The value columns: Test, Low, Low', Center, High', High and Narrow. There
// is no column at 85: Narrow stands apart.
constexpr std::array<int, 7> kValueColumns = {25, 35, 45, 55, 65, 75, 95};
constexpr std::array<int, 7> kColumnTitles = {1238, 1091, 1239, 1241, 1240, 1090, 1087};
constexpr int kFirstItemLine = 13;

// One cell: an image byte, a test value, or no value ("---").
struct None {};
using Cell = std::variant<None, int, std::uint8_t TestModeState::*>;

struct ItemLine {
    int label;  // a language pair, or a shared id 1903-1905
    std::array<Cell, 7> cells;
};

const std::array<ItemLine, 15>& ItemLines()
{
    using S = TestModeState;
    constexpr None n{};
    static const std::array<ItemLine, 15> lines = {{
        {1208, {&S::TestValueRfHighPower, 0x185, 0x184, 0x183, 0x182, 0x181, n}},
        {1209, {&S::TestValueRfLowPower, 0x18A, 0x189, 0x188, 0x187, 0x186, n}},
        {1210, {&S::TestValueDqtBalance, 0x18E, n, 0x18D, n, 0x18C, 0x18B}},
        {1211, {&S::TestValueMaxDeviation, 0x192, n, 0x191, n, 0x190, 0x18F}},
        {1212, {&S::TestValueQtFineDeviation, 0x196, n, 0x195, n, 0x194, 0x193}},
        {1213, {&S::TestValueDqtFineDeviation, 0x19A, n, 0x199, n, 0x198, 0x197}},
        // DTMF fine deviation: the wide value is the one at the test channel.
        {1214, {0x19C, n, n, n, n, n, 0x19B}},
        {1215, {&S::TestValueSensitivity, 0x19F, n, 0x19E, n, 0x19D, n}},
        {1216, {&S::TestValueSquelchTight, 0x1A3, n, 0x1A2, n, 0x1A1, 0x1A0}},
        {1217, {&S::TestValueSquelchOpen, 0x1A7, n, 0x1A6, n, 0x1A5, 0x1A4}},
        {1218, {0x1AA, n, n, n, n, n, 0x1A8}},
        {1219, {0x1AC, n, n, n, n, n, n}},
        {1903, {0x1AE, n, n, n, n, n, n}},
        {1904, {0x1AF, n, n, n, n, n, n}},
        {1905, {0x1B2, n, n, n, n, n, n}},
    }};
    return lines;
}

QString CellText(const Cell& cell, const TuningPrintInput& input)
{
    if (const int* address = std::get_if<int>(&cell))
        return QString::number(input.image.at(*address));
    if (const auto* value = std::get_if<std::uint8_t TestModeState::*>(&cell))
        return QString::number(input.values.**value);
    return QStringLiteral("---");
}

void PrintPageOut(PrintPage& page, const TuningPrintInput& input)
{
    const PageGrid grid = PageGrid::Compute(page);
    const auto text = [&input](int id) { return LoadLangString(id, input.chinese); };

    SetPrintFont(page, PrintFont::Title);
    PageGrid::PrintCentred(page, grid.TopMargin,
                           input.chinese ? QStringLiteral("ZOLT ZX-4100 对讲机编程信息")
                                         : QStringLiteral("ZOLT ZX-4100 Radio Programming Information"));
    SetPrintFont(page, PrintFont::Header);
    grid.PrintRight(page, 2, ReportDateTimeText(input.printedAt, input.locale));

    // The model is the same for every band; an unknown band has no label.
    const QString band = TuningBandLabel(input.image.modelBandCode());
    grid.RuleAt(page, 3.5);
    grid.PrintAtGrid(page, 4, 4, text(1094));
    grid.PrintAtGrid(page, 30, 4, QStringLiteral("ZX-4100"));
    grid.PrintAtGrid(page, 4, 5, text(1246));
    if (!band.isEmpty())
        grid.PrintAtGrid(page, 30, 5, band);
    // The band label already gives the range: nothing follows Frequency.
    grid.PrintAtGrid(page, 4, 6, text(1191));
    grid.PrintAtGrid(page, 4, 7, text(1247));
    grid.PrintAtGrid(page, 30, 7, input.dataFilePath);
    grid.RuleAt(page, 8);

    SetPrintFont(page, PrintFont::Body);
    page.PrintAt(grid.LeftMargin, grid.Y(10), text(1248));
    for (std::size_t c = 0; c < kValueColumns.size(); ++c)
        grid.PrintAtGrid(page, kValueColumns[c], 12, text(kColumnTitles[c]));
    int line = kFirstItemLine;
    for (const ItemLine& item : ItemLines()) {
        grid.PrintAtGrid(page, 0, line, text(item.label));
        for (std::size_t c = 0; c < kValueColumns.size(); ++c)
            grid.PrintAtGrid(page, kValueColumns[c], line, CellText(item.cells[c], input));
        ++line;
    }

    PageGrid::PrintCentred(page, RoundTwips(page.PageHeight() * 0.95), QStringLiteral("- 1 -"));
    page.EndDoc();
}

}  // namespace

QString TuningBandLabel(std::uint8_t bandCode)
{
    switch (bandCode) {
    case 0x01: return QStringLiteral("VHF: 136-174 MHz");
    case 0x02: return QStringLiteral("VHF: 136-150 MHz");
    case 0x03: return QStringLiteral("VHF: 150-174 MHz");
    case 0x04: return QStringLiteral("VHF: 245-265 MHz");
    case 0x21: return QStringLiteral("UHF: 400-480 MHz");
    case 0x33: return QStringLiteral("UHF: 440-480 MHz");
    case 0x43: return QStringLiteral("UHF: 400-440 MHz");
    case 0x53: return QStringLiteral("UHF: 350-370 MHz");
    case 0x63: return QStringLiteral("UHF: 370-390 MHz");
    case 0x73: return QStringLiteral("UHF: 350-390 MHz");
    case 0x83: return QStringLiteral("UHF: 460-520 MHz");
    default: return QString();
    }
}

std::optional<PrintFailure> PrintTuningDataPage(PrintPage& page, const TuningPrintInput& input)
{
    try {
        PrintPageOut(page, input);
    } catch (const PrintFailure& failure) {
        page.AbortDoc();
        return failure;
    }
    return std::nullopt;
}

}  // namespace zx
