#include "settings/ui/KeyAssign.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "core/AppCore.h"
#include "core/HelpTopicTable.h"
#include "core/ImageLayout.h"
#include "core/StringTable.h"
#include "platform/ui/ScreenTwips.h"
#include "settings/KeyFunctionCode.h"
#include "settings/ui/EnterAsTab.h"
#include "settings/ui/KeyPictures.h"

namespace zx {

namespace {

constexpr int kKeyAddress[2] = {layout::KeyPf1, layout::KeyPf2};
constexpr int kListHelpId[2] = {4301, 4302};

}  // namespace

EditorWindowSetup KeyAssign::Setup() { return {2, -1, 4905, 6600, 1141, QStringLiteral("keyassign"), 4300}; }

KeyAssign::KeyAssign(QWidget* parent) : EditorWindowFrame(Setup(), parent)
{
    setObjectName(QStringLiteral("KeyAssign"));
    BuildControls();
    Form_Load();
}

void KeyAssign::BuildControls()
{
    QWidget* pic = panel();
    pic->setObjectName(QStringLiteral("picKeyAssign"));
    for (int i = 0; i < 2; ++i) {
        lblKey_[i] = new QLabel(i == 0 ? QStringLiteral("PF1") : QStringLiteral("PF2"), pic);
        lblKey_[i]->setObjectName(QStringLiteral("lblKey%1").arg(i));
        PlaceTwips(lblKey_[i], 360, 600 + 900 * i, 600, 330);
        cboKey_[i] = new QComboBox(pic);
        cboKey_[i]->setObjectName(QStringLiteral("cboKey%1").arg(i));
        cboKey_[i]->setEditable(false);
        cboKey_[i]->setProperty(kHelpContextIdProperty, kListHelpId[i]);
        cboKey_[i]->installEventFilter(this);
        PlaceTwips(cboKey_[i], 1020, 560 + 900 * i, 3000, 330);
        lblKey_[i]->setBuddy(cboKey_[i]);
    }
    picKey_ = new QLabel(pic);
    picKey_->setObjectName(QStringLiteral("picKey"));
    picKey_->setGeometry(TwipsToPixelsX(4500), TwipsToPixelsY(240), kKeyPictureWidth, kKeyPictureHeight);

    PlaceTwips(cmdClose(), 1020, 3480, 1215, 375);
    PlaceTwips(cmdHelp(), 2640, 3480, 1215, 375);
    QWidget::setTabOrder(cboKey_[0], cboKey_[1]);
    QWidget::setTabOrder(cboKey_[1], cmdClose());
    QWidget::setTabOrder(cmdClose(), cmdHelp());
}

void KeyAssign::Form_Load()
{
    // Size, icon, caption and the buttons come with the frame.
    const QStringList items = KeyFunctionItems();
    for (QComboBox* list : cboKey_)
        list->addItems(items);
    // A byte that names no function selects no entry.
    for (int i = 0; i < 2; ++i)
        cboKey_[i]->setCurrentIndex(KeyFunctionPosition(Core().image.at(kKeyAddress[i])).value_or(-1));
}

int KeyAssign::ListIndex(QObject* watched) const
{
    for (int i = 0; i < 2; ++i)
        if (watched == cboKey_[i])
            return i;
    return -1;
}

void KeyAssign::cboKey_GotFocus(int i)
{
    if (shownKey_ == i)
        return;
    shownKey_ = i;
    picKey_->setPixmap(KeyPicture(i));
}

void KeyAssign::CommitOnLeave(int i)
{
    if (isUnloaded())
        return;
    const int position = cboKey_[i]->currentIndex();
    if (position >= 0)
        Core().image.set(kKeyAddress[i], KeyFunctionCode(position));
}

QWidget* KeyAssign::FirstField() const { return cboKey_[0]; }

void KeyAssign::CommitFieldBeingEdited()
{
    if (const int i = ListIndex(FocusedField()); i >= 0)
        CommitOnLeave(i);
}

bool KeyAssign::eventFilter(QObject* watched, QEvent* event)
{
    const int i = ListIndex(watched);
    if (i < 0)
        return EditorWindowFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        cboKey_GotFocus(i);
        break;
    case QEvent::FocusOut:
        // Opening the list's own drop-down is no leaving.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            CommitOnLeave(i);
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EnterAsTab(cboKey_[i]);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return EditorWindowFrame::eventFilter(watched, event);
}

}  // namespace zx
