#pragma once
// Runs the report on a recording page of US Letter size (12240 x 15840
// twips, so the grid is 1224 + 85 c across and 792 + 238 l down) and finds
// what it printed by column and line.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>

#include "common/ImageFixtures.h"
#include "common/QtPrinters.h"
#include "printing/ProgrammingReport.h"
#include "printing/RecordingPage.h"

namespace zx::test {

inline constexpr double kLetterWidth = 12240;
inline constexpr double kLetterHeight = 15840;
inline constexpr int GridX(int column) { return 1224 + 85 * column; }
inline constexpr int GridY(int line) { return 792 + 238 * line; }

// The default image of the 16-channel UHF 400-480 model.
inline RadioImage DefaultUhf() { return DefaultFor(0x21, 0xF8); }

inline ReportInput InputFor(const RadioImage& image, std::initializer_list<int> sections, bool chinese = false)
{
    ReportInput input;
    input.image = image;
    input.chinese = chinese;
    input.dataFilePath = QStringLiteral("ZX-4100.dat");
    input.printedAt = QDateTime(QDate(2026, 3, 4), QTime(13, 5, 9));
    input.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    for (int s : sections)
        input.sections[static_cast<std::size_t>(s)] = true;
    return input;
}

struct ReportRun {
    RecordingPage page{kLetterWidth, kLetterHeight};
    std::optional<PrintFailure> failure;

    // The text printed at (column, line) of a page; "<nothing>" when none.
    QString At(int pageNumber, int column, int line) const
    {
        for (const PrintedText& t : page.texts())
            if (t.page == pageNumber && t.x == GridX(column) && t.y == GridY(line))
                return t.text;
        return QStringLiteral("<nothing>");
    }
    QString At(int column, int line) const { return At(1, column, line); }
    // Every text of a page, in printing order.
    QStringList TextsOf(int pageNumber) const
    {
        QStringList texts;
        for (const PrintedText& t : page.textsOnPage(pageNumber))
            texts << t.text;
        return texts;
    }
    // The line a text stands on (-1 when it is not on that page).
    int LineOf(int pageNumber, const QString& text) const
    {
        for (const PrintedText& t : page.textsOnPage(pageNumber))
            if (t.text == text)
                return (t.y - 792) % 238 == 0 ? (t.y - 792) / 238 : -2;
        return -1;
    }
};

inline std::unique_ptr<ReportRun> RunReport(const ReportInput& input)
{
    auto run = std::make_unique<ReportRun>();
    run->failure = PrintProgrammingReport(run->page, input);
    return run;
}

}  // namespace zx::test
