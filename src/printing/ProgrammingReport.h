#pragma once
// The programming report: the chosen sections of the image, each on pages of
// its own under the page header, with numbered footers. It prints through a
// PrintPage; any failure aborts the document and is returned.
#include <array>
#include <cstdint>
#include <optional>

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "core/RadioImage.h"
#include "printing/PrintFailure.h"
#include "printing/PrintPage.h"

namespace zx {

inline constexpr int kReportSections = 8;  // 0..6 settings and signalling, 7 channels

struct ReportInput {
    RadioImage image;  // the report's own copy, taken when printing starts
    bool chinese = false;
    QString dataFilePath;
    QDateTime printedAt;  // date and time of the page header
    QLocale locale;       // their formats
    std::array<bool, kReportSections> sections{};
};

// "VHF" / "UHF" and the range ("136-174MHz") of the page header for a band
// code; an unknown code reads "UHF", "400-480MHz".
struct HeaderBand {
    QString family;
    QString range;
};
HeaderBand HeaderBandOf(std::uint8_t bandCode);

// The date in the locale's short form, two blanks, the time with seconds.
QString ReportDateTimeText(const QDateTime& at, const QLocale& locale);

// The title of section s (0..7) in the language.
QString ReportSectionTitle(int section, bool chinese);

// Prints the report and ends the document; on a failure the document is
// aborted and the failure returned.
std::optional<PrintFailure> PrintProgrammingReport(PrintPage& page, const ReportInput& input);

}  // namespace zx
