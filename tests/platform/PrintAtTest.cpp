#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/ui/PrintAt.h"

using namespace zx;

namespace {

struct Box {
    double xMin, yMin;
};

// Positions of words on the first page, in points, read back with pdftotext.
std::map<QString, Box> WordBoxes(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    std::map<QString, Box> boxes;
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]+)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        boxes[m.captured(3)] = {m.captured(1).toDouble(), m.captured(2).toDouble()};
    }
    return boxes;
}

}  // namespace

TEST(PrintAt, PlacesTextInTwipsFromTheTopLeftOfThePrintableArea)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    // Margins of 36 pt on the left and 72 pt at the top.
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(36, 72, 36, 36),
                                      QPageLayout::Point));
    {
        QPainter painter(&printer);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        PrintAt(painter, 1440, 720, QStringLiteral("INCH"));      // 1 inch right, half an inch down
        PrintAt(painter, 0, 0, QStringLiteral("ORIGIN"));
        PrintAt(painter, 2880, 2880, QStringLiteral("TWO"));
    }
    const auto boxes = WordBoxes(pdf);
    ASSERT_TRUE(boxes.count("INCH")) << "pdftotext found no text";
    // The text's top lies at y: pdftotext's box starts at the font's ascent.
    EXPECT_NEAR(boxes.at("INCH").xMin, 36 + 72, 1.5);
    EXPECT_NEAR(boxes.at("INCH").yMin, 72 + 36, 1.5);
    EXPECT_NEAR(boxes.at("ORIGIN").xMin, 36, 1.5);
    EXPECT_NEAR(boxes.at("ORIGIN").yMin, 72, 1.5);
    EXPECT_NEAR(boxes.at("TWO").xMin, 36 + 144, 1.5);
    EXPECT_NEAR(boxes.at("TWO").yMin, 72 + 144, 1.5);
}
