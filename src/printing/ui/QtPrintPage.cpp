#include "printing/ui/QtPrintPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPen>
#include <QPrinter>

#include "platform/Twips.h"
#include "platform/ui/PrintAt.h"
#include "printing/PrintFailure.h"

namespace zx {

namespace {

constexpr double kTwipsPerPoint = 20;

QString Lang(bool chinese, const char* zh, const char* en)
{
    return QString::fromUtf8(chinese ? zh : en);
}

// Why a file cannot be written, asked of the file system without changing
// what is there.
QString FileWriteError(const QString& path)
{
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    file.close();
    if (!existed)
        QFile::remove(path);
    return QString();
}

}  // namespace

QtPrintPage::QtPrintPage(QPrinter& printer, bool chinese) : printer_(printer), chinese_(chinese)
{
    font_.setPointSize(10);
}

QtPrintPage::~QtPrintPage()
{
    if (painter_.isActive())
        AbortDoc();
}

void QtPrintPage::CheckPrinter()
{
    // A PDF printer without a file is what Qt gives when it knows no printer.
    if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty())
        throw PrintFailure{PrintFailure::Kind::NoPrinter, QString()};
    if (printer_.outputFormat() == QPrinter::NativeFormat && !printer_.isValid()) {
        const QString name = printer_.printerName();
        throw PrintFailure{PrintFailure::Kind::NoPrinter,
                           name.isEmpty() ? QString()
                                          : Lang(chinese_, "无法使用打印机“%1”。", "The printer \"%1\" cannot be used.")
                                                .arg(name)};
    }
}

double QtPrintPage::PageWidth()
{
    CheckPrinter();
    return printer_.pageRect(QPrinter::Point).width() * kTwipsPerPoint;
}

double QtPrintPage::PageHeight()
{
    CheckPrinter();
    return printer_.pageRect(QPrinter::Point).height() * kTwipsPerPoint;
}

void QtPrintPage::SetFont(int pointSize, bool bold)
{
    font_ = QFont();
    font_.setPointSize(pointSize);
    font_.setBold(bold);
    if (painter_.isActive())
        painter_.setFont(font_);
}

double QtPrintPage::TextWidth(const QString& text)
{
    const QFontMetricsF metrics(font_, &printer_);
    return metrics.horizontalAdvance(text) * kTwipsPerInch / printer_.logicalDpiX();
}

void QtPrintPage::Begin()
{
    if (begun_)
        return;
    CheckPrinter();
    if (!painter_.begin(&printer_)) {
        if (printer_.outputFormat() == QPrinter::PdfFormat) {
            const QString path = printer_.outputFileName();
            QString reason = FileWriteError(path);
            if (reason.isEmpty())
                reason = Lang(chinese_, "无法开始打印。", "Printing could not begin.");
            throw PrintFailure{PrintFailure::Kind::Device,
                               Lang(chinese_, "无法写入文件“%1”：%2", "Cannot write the file \"%1\": %2")
                                   .arg(QDir::toNativeSeparators(path), reason)};
        }
        throw PrintFailure{PrintFailure::Kind::NoPrinter,
                           Lang(chinese_, "无法使用打印机“%1”。", "The printer \"%1\" cannot be used.")
                               .arg(printer_.printerName())};
    }
    begun_ = true;
    painter_.setFont(font_);
}

void QtPrintPage::PrintAt(int x, int y, const QString& text)
{
    Begin();
    zx::PrintAt(painter_, x, y, text);
}

void QtPrintPage::Rule(int x1, int x2, double y)
{
    Begin();
    QPen pen(Qt::black);
    pen.setWidth(0);  // the thinnest line the device draws
    painter_.setPen(pen);
    const double deviceY = TwipsToDeviceY(painter_, y);
    painter_.drawLine(QPointF(TwipsToDeviceX(painter_, x1), deviceY), QPointF(TwipsToDeviceX(painter_, x2), deviceY));
}

void QtPrintPage::NewPage()
{
    Begin();
    if (!printer_.newPage())
        throw PrintFailure{PrintFailure::Kind::Device,
                           Lang(chinese_, "打印机无法开始新的一页。", "The printer could not start a new page.")};
    ++page_;
}

void QtPrintPage::EndDoc()
{
    Begin();
    if (!painter_.end())
        throw PrintFailure{PrintFailure::Kind::Device,
                           Lang(chinese_, "打印机无法结束文档。", "The printer could not finish the document.")};
    if (printer_.printerState() == QPrinter::Error)
        throw PrintFailure{PrintFailure::Kind::Device,
                           Lang(chinese_, "打印机报告了错误。", "The printer reported an error.")};
}

void QtPrintPage::AbortDoc()
{
    if (!painter_.isActive())
        return;
    printer_.abort();
    painter_.end();
    // A PDF file written part-way is no report: remove it.
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty())
        QFile::remove(printer_.outputFileName());
}

}  // namespace zx
