#pragma once
// A page that keeps what is printed on it instead of printing it: for tests,
// and to lay a whole report out before any of it reaches the printer, so a
// report that fails part-way prints nothing. Sizes and text widths come from
// a measuring page (the real printer, which draws nothing for it) or from a
// fixed page size and a width rule.
#include <functional>
#include <vector>

#include <QString>

#include "printing/PrintPage.h"

namespace zx {

struct PrintedText {
    int page = 1;
    int x = 0;
    int y = 0;
    QString text;
    int pointSize = 0;
    bool bold = false;
};

struct PrintedRule {
    int page = 1;
    int x1 = 0;
    int x2 = 0;
    double y = 0;
};

class RecordingPage : public PrintPage {
public:
    using WidthRule = std::function<double(const QString& text, int pointSize, bool bold)>;

    // A page of a fixed size; without a rule every character is
    // pointSize x 10 twips wide.
    RecordingPage(double width, double height, WidthRule widthRule = {});
    // Sizes and widths from `measure`, on which nothing is printed.
    explicit RecordingPage(PrintPage& measure);

    double PageWidth() override;
    double PageHeight() override;
    void SetFont(int pointSize, bool bold) override;
    double TextWidth(const QString& text) override;
    void PrintAt(int x, int y, const QString& text) override;
    void Rule(int x1, int x2, double y) override;
    void NewPage() override;
    int PageNumber() const override { return page_; }
    void EndDoc() override { ended_ = true; }
    void AbortDoc() override { aborted_ = true; }

    const std::vector<PrintedText>& texts() const { return texts_; }
    const std::vector<PrintedRule>& rules() const { return rules_; }
    int pageCount() const { return page_; }
    bool ended() const { return ended_; }
    bool aborted() const { return aborted_; }
    // The texts of one page, in printing order.
    std::vector<PrintedText> textsOnPage(int page) const;

    // Prints everything recorded onto `target`, in the order it was printed,
    // and ends its document; throws what the target throws.
    void Replay(PrintPage& target) const;

private:
    struct Step {
        enum class Kind { Font, Text, Rule, NewPage } kind;
        std::size_t index = 0;  // into texts_ or rules_
        int pointSize = 0;
        bool bold = false;
    };

    PrintPage* measure_ = nullptr;
    double width_ = 0;
    double height_ = 0;
    WidthRule widthRule_;
    int pointSize_ = 10;
    bool bold_ = false;
    int page_ = 1;
    bool ended_ = false;
    bool aborted_ = false;
    std::vector<PrintedText> texts_;
    std::vector<PrintedRule> rules_;
    std::vector<Step> steps_;
};

}  // namespace zx
