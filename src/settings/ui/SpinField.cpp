#include "settings/ui/SpinField.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/HelpTopicTable.h"
#include "core/RadioImage.h"
#include "core/ui/EditorWindowFrame.h"
#include "platform/ui/NoContextMenu.h"
#include "settings/ui/EnterAsTab.h"
#include "settings/ui/FieldColours.h"
#include "settings/ui/UpDownControl.h"

namespace zx {

SpinField::SpinField(SpinFieldParams params, RadioImage& image, QWidget* parent)
    : QWidget(parent), params_(std::move(params)), image_(image)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    txt_ = new QLineEdit(this);
    txt_->setObjectName(params_.textBoxName);
    txt_->setProperty(kHelpContextIdProperty, params_.helpContextId);
    upd_ = new UpDownControl(params_.min, params_.max, params_.step, this);
    upd_->setObjectName(params_.upDownName);
    upd_->setProperty(kHelpContextIdProperty, params_.helpContextId);
    row->addWidget(txt_, 1);
    row->addWidget(upd_);
    // The field takes the focus through its text box (tab order, labels).
    setFocusProxy(txt_);
    setFocusPolicy(Qt::StrongFocus);

    txt_->installEventFilter(this);
    NoContextMenu(txt_);
    connect(upd_, &UpDownControl::UpClick, this, [this] { SpinButtonStep(true); });
    connect(upd_, &UpDownControl::DownClick, this, [this] { SpinButtonStep(false); });
}

int SpinField::value() const { return upd_->value(); }

QString SpinField::text() const { return txt_->text(); }

void SpinField::Load()
{
    const SpinLoad shown = params_.load(image_);
    txt_->setText(shown.text);
    upd_->setValue(shown.value);
}

bool SpinField::WindowUnloading() const
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* frame = qobject_cast<EditorWindowFrame*>(w))
            return frame->isUnloaded();
    return false;
}

void SpinField::CommitOnLeave()
{
    if (WindowUnloading())
        return;
    const SpinCommit c = params_.commit(txt_->text());
    if (txt_->text() != c.text)
        txt_->setText(c.text);
    upd_->setValue(c.value);
    params_.store(image_, c);
    emit committed(c.value);
}

void SpinField::SetUsable(bool usable)
{
    SetFieldUsable(txt_, usable);
    upd_->setEnabled(usable);
}

void SpinField::SelectAllOnFocus() { txt_->selectAll(); }

void SpinField::Show(const SpinStep& step)
{
    txt_->setText(step.text);
    upd_->setValue(step.value);
    txt_->selectAll();
}

bool SpinField::SpinKeyStep(int key)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    Show(zx::SpinKeyStep(params_, txt_->text(), upd_->value(), key == Qt::Key_Up));
    return true;
}

void SpinField::SpinButtonStep(bool up)
{
    Show(zx::SpinButtonStep(params_, txt_->text(), upd_->value(), up));
    txt_->setFocus(Qt::OtherFocusReason);
}

bool SpinField::DigitFilter(QKeyEvent* key)
{
    // Clipboard and other control-letter keys type nothing here.
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        const int k = key->key();
        return k >= Qt::Key_A && k <= Qt::Key_Z;
    }
    QChar typed;
    if (key->key() == Qt::Key_Backspace)
        typed = QChar(8);
    else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        typed = QChar(13);
    else if (key->text().size() == 1 && key->text()[0].isPrint())
        typed = key->text()[0];
    else
        return false;  // caret and Delete keys are no characters
    switch (SpinDigitFilter(params_, txt_->text(), static_cast<int>(txt_->selectedText().size()), typed)) {
    case TypedKey::Accept:
    case TypedKey::Backspace:
        return false;
    case TypedKey::EnterAsTab:
        EnterAsTab(txt_);
        return true;
    case TypedKey::Drop:
        return true;
    }
    return true;
}

bool SpinField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txt_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // Let the box take the focus first: a click would place the caret
        // and drop the selection.
        static_cast<QObject*>(txt_)->event(event);
        SelectAllOnFocus();
        return true;
    case QEvent::FocusOut:
        static_cast<QObject*>(txt_)->event(event);
        CommitOnLeave();
        return true;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (SpinKeyStep(key->key()))
            return true;
        return DigitFilter(key);
    }
    case QEvent::ShortcutOverride: {
        // The arrow keys belong to the field, not to a window shortcut.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)
            event->accept();
        return false;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

}  // namespace zx
