#pragma once
// Printouts in tests: the program's printer set to a known blank state, and
// PDF pages read back with pdftotext.
#include <map>
#include <vector>

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

#include "printing/ui/ReportPrinter.h"

namespace zx::test {

// The printer kept for the run with no file or queue chosen and a Letter
// page without margins, so positions on the page are the program's own.
inline void ResetReportPrinter()
{
    QPrinter& printer = ReportPrinter();
    printer.setOutputFileName(QString());
    printer.setPrinterName(QString());
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Point));
}

struct WordBox {
    double xMin, yMin;
};

// The words of a PDF with their boxes in points from the top left of the
// page, page by page.
inline std::vector<std::multimap<QString, WordBox>> PdfWords(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    std::vector<std::multimap<QString, WordBox>> pages;
    static const QRegularExpression token(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]+)</word>)re"));
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page")))
            pages.emplace_back();
        else if (!pages.empty())
            pages.back().insert({m.captured(3), {m.captured(1).toDouble(), m.captured(2).toDouble()}});
    }
    return pages;
}

// A PDF's text laid out as on the page: columns stay apart by blanks.
inline QString PdfLayoutText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace zx::test
