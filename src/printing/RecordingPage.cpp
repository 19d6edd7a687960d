#include "printing/RecordingPage.h"

namespace zx {

RecordingPage::RecordingPage(double width, double height, WidthRule widthRule)
    : width_(width), height_(height), widthRule_(std::move(widthRule))
{
    if (!widthRule_)
        widthRule_ = [](const QString& text, int pointSize, bool) { return double(text.size()) * pointSize * 10; };
}

RecordingPage::RecordingPage(PrintPage& measure) : measure_(&measure) {}

double RecordingPage::PageWidth()
{
    return measure_ ? measure_->PageWidth() : width_;
}

double RecordingPage::PageHeight()
{
    return measure_ ? measure_->PageHeight() : height_;
}

void RecordingPage::SetFont(int pointSize, bool bold)
{
    if (measure_)
        measure_->SetFont(pointSize, bold);
    pointSize_ = pointSize;
    bold_ = bold;
    steps_.push_back({Step::Kind::Font, 0, pointSize, bold});
}

double RecordingPage::TextWidth(const QString& text)
{
    return measure_ ? measure_->TextWidth(text) : widthRule_(text, pointSize_, bold_);
}

void RecordingPage::PrintAt(int x, int y, const QString& text)
{
    texts_.push_back({page_, x, y, text, pointSize_, bold_});
    steps_.push_back({Step::Kind::Text, texts_.size() - 1});
}

void RecordingPage::Rule(int x1, int x2, double y)
{
    rules_.push_back({page_, x1, x2, y});
    steps_.push_back({Step::Kind::Rule, rules_.size() - 1});
}

void RecordingPage::NewPage()
{
    ++page_;
    steps_.push_back({Step::Kind::NewPage});
}

std::vector<PrintedText> RecordingPage::textsOnPage(int page) const
{
    std::vector<PrintedText> result;
    for (const PrintedText& t : texts_)
        if (t.page == page)
            result.push_back(t);
    return result;
}

void RecordingPage::Replay(PrintPage& target) const
{
    for (const Step& step : steps_) {
        switch (step.kind) {
        case Step::Kind::Font:
            target.SetFont(step.pointSize, step.bold);
            break;
        case Step::Kind::Text: {
            const PrintedText& t = texts_[step.index];
            target.PrintAt(t.x, t.y, t.text);
            break;
        }
        case Step::Kind::Rule: {
            const PrintedRule& r = rules_[step.index];
            target.Rule(r.x1, r.x2, r.y);
            break;
        }
        case Step::Kind::NewPage:
            target.NewPage();
            break;
        }
    }
    target.EndDoc();
}

}  // namespace zx
