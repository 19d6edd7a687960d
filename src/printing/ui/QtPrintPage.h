#pragma once
// The printer page on a QPrinter: texts through PrintAt, sizes from the
// printable area. The document begins with the first thing drawn.
#include <QFont>
#include <QPainter>

#include "printing/PrintPage.h"

class QPrinter;

namespace zx {

class QtPrintPage : public PrintPage {
public:
    // `chinese` picks the language of the failures it describes.
    QtPrintPage(QPrinter& printer, bool chinese);
    ~QtPrintPage() override;
    QtPrintPage(const QtPrintPage&) = delete;
    QtPrintPage& operator=(const QtPrintPage&) = delete;

    double PageWidth() override;
    double PageHeight() override;
    void SetFont(int pointSize, bool bold) override;
    double TextWidth(const QString& text) override;
    void PrintAt(int x, int y, const QString& text) override;
    void Rule(int x1, int x2, double y) override;
    void NewPage() override;
    int PageNumber() const override { return page_; }
    void EndDoc() override;
    void AbortDoc() override;

private:
    void CheckPrinter();
    void Begin();

    QPrinter& printer_;
    bool chinese_;
    QPainter painter_;
    QFont font_;
    int page_ = 1;
    bool begun_ = false;
};

}  // namespace zx
