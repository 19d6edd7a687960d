#include "settings/ui/EmbedInfoForm.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "platform/ui/ScreenTwips.h"
#include "settings/MessageLine.h"
#include "settings/ui/EnterAsTab.h"

namespace zx {

namespace {

constexpr int kHelpId = 4800;
constexpr double kBoxFontPoints = 9.75;

// A face that shows Chinese as well as Latin text; Qt falls back on its own
// when none of these is installed.
QFont MessageFont(const QFont& base)
{
    QFont font = base;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback")});
    font.setPointSizeF(kBoxFontPoints);
    return font;
}

}  // namespace

EditorWindowSetup EmbedInfoForm::Setup() { return {7, -1, 2505, 4965, 1047, QStringLiteral("embmsg"), kHelpId}; }

EmbedInfoForm::EmbedInfoForm(QWidget* parent) : EditorWindowFrame(Setup(), parent)
{
    setObjectName(QStringLiteral("EmbedInfoForm"));
    BuildControls();
    Form_Load();
}

void EmbedInfoForm::BuildControls()
{
    QWidget* pic = panel();
    pic->setObjectName(QStringLiteral("picEmbeddedMsg"));
    for (int i = 0; i < kMessageLineCount; ++i) {
        // No length limit of the box's own: the key filter keeps typing to
        // 32 characters, the store keeps 32 of a longer paste. The standard
        // context menu with its clipboard commands stays.
        auto* box = new QLineEdit(pic);
        box->setObjectName(QStringLiteral("txtMsg%1").arg(i));
        box->setProperty(kHelpContextIdProperty, kHelpId);
        box->setFont(MessageFont(box->font()));
        box->installEventFilter(this);
        PlaceTwips(box, 120, 120 + 420 * i, 4500, 360);
        txtMsg_[i] = box;
    }
    PlaceTwips(cmdClose(), 3405, 1020, 1215, 375);
    PlaceTwips(cmdHelp(), 2070, 1020, 1215, 375);
    QWidget::setTabOrder(txtMsg_[0], txtMsg_[1]);
    QWidget::setTabOrder(txtMsg_[1], cmdClose());
    QWidget::setTabOrder(cmdClose(), cmdHelp());
}

void EmbedInfoForm::Form_Load()
{
    // Size, icon, caption and the buttons come with the frame.
    for (int i = 0; i < kMessageLineCount; ++i)
        txtMsg_[i]->setText(LoadMessageLine(Core().image, i));
}

int EmbedInfoForm::BoxIndex(QObject* watched) const
{
    for (int i = 0; i < kMessageLineCount; ++i)
        if (watched == txtMsg_[i])
            return i;
    return -1;
}

void EmbedInfoForm::StoreMessageLine(int i)
{
    if (!isUnloaded())
        zx::StoreMessageLine(Core().image, i, txtMsg_[i]->text());
}

QWidget* EmbedInfoForm::FirstField() const { return txtMsg_[0]; }

void EmbedInfoForm::CommitFieldBeingEdited()
{
    if (const int i = BoxIndex(FocusedField()); i >= 0)
        StoreMessageLine(i);
}

bool EmbedInfoForm::txtMsg_KeyPress(int i, QKeyEvent* key)
{
    QLineEdit* box = txtMsg_[i];
    const int code = key->key();
    if (code == Qt::Key_Backspace)
        return false;
    if (code == Qt::Key_Return || code == Qt::Key_Enter) {
        EnterAsTab(box);
        return true;
    }
    // Characters count, the clipboard keys (Ctrl+V and its siblings) among
    // them; keys that type nothing (Tab, caret keys, Delete) always pass.
    const bool controlLetter =
        (key->modifiers() & Qt::ControlModifier) && code >= Qt::Key_A && code <= Qt::Key_Z;
    const bool character = !key->text().isEmpty() && key->text().at(0).isPrint();
    if (!controlLetter && !character)
        return false;
    return !MessageCharacterAccepted(static_cast<int>(box->text().size()), box->hasSelectedText());
}

bool EmbedInfoForm::eventFilter(QObject* watched, QEvent* event)
{
    const int i = BoxIndex(watched);
    if (i < 0)
        return EditorWindowFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // Let the box take the focus first: a click would place the caret
        // and drop the selection.
        static_cast<QObject*>(txtMsg_[i])->event(event);
        txtMsg_[i]->selectAll();
        return true;
    case QEvent::FocusOut:
        // Its own context menu opening is no leaving.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            StoreMessageLine(i);
        break;
    case QEvent::KeyPress:
        return txtMsg_KeyPress(i, static_cast<QKeyEvent*>(event));
    default:
        break;
    }
    return EditorWindowFrame::eventFilter(watched, event);
}

}  // namespace zx
