#pragma once
// The in-place editor of the autodial and fleet-list grids: a text box laid
// over a grid cell. It reports Enter, Esc and losing the focus to its window
// instead of acting on them; every typed character passes the window's key
// filter, and text that arrives without typing (pasted, dropped) passes the
// window's text filter, so the editor never holds what typing could not give.
#include <functional>

#include <QLineEdit>

namespace zx {

class CellEditorBox : public QLineEdit {
    Q_OBJECT
public:
    // The character a typed one becomes, or a null QChar to refuse it.
    using KeyFilter = std::function<QChar(QChar typed)>;
    using TextFilter = std::function<QString(const QString& text)>;

    explicit CellEditorBox(QWidget* parent = nullptr);

    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }
    void setTextFilter(TextFilter filter) { textFilter_ = std::move(filter); }
    // True while a whole-text selection covers the text (or it is empty).
    bool wholeTextSelected() const;

signals:
    void enterPressed();
    void escapePressed();
    // The focus went to another control of the program (not to a popup or a
    // message box's own window activation).
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Sanitize();

    KeyFilter keyFilter_;
    TextFilter textFilter_;
    bool sanitizing_ = false;
};

}  // namespace zx
