#pragma once
// The tuning-data printout: one page with the page header (title, date and
// time, model, band, data file) and a table of every tuning value, one line
// per tuning item and one column per test point, on a page grid of its own.
// The values are the image's tuning area and the nine test values.
#include <cstdint>
#include <optional>

#include <QDateTime>
#include <QLocale>
#include <QString>

#include "core/RadioImage.h"
#include "core/TestModeState.h"
#include "printing/PrintFailure.h"
#include "printing/PrintPage.h"

namespace zx {

struct TuningPrintInput {
    RadioImage image;       // a copy taken when printing starts
    TestModeState values;   // the test values as the radio last reported them
    bool chinese = false;
    QString dataFilePath;
    QDateTime printedAt;
    QLocale locale;
};

// "VHF: 136-174 MHz" ... for the eleven band codes; empty for any other.
QString TuningBandLabel(std::uint8_t bandCode);

// Lays the page out and ends the document; on a failure the document is
// aborted and the failure returned.
std::optional<PrintFailure> PrintTuningDataPage(PrintPage& page, const TuningPrintInput& input);

}  // namespace zx
