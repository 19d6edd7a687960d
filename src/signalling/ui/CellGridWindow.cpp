#include "signalling/ui/CellGridWindow.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTabWidget>

#include "core/HelpTopicTable.h"
#include "platform/ui/ScreenTwips.h"
#include "settings/ui/SpinField.h"
#include "signalling/ui/CellEditorBox.h"
#include "signalling/ui/FieldFocus.h"
#include "signalling/ui/FixedCellGrid.h"
#include "signalling/ui/ShowCellEditor.h"

namespace zx {

namespace {

// A share of the grid's design width in twips, a half going to the even one.
int ShareTwips(int total, int parts, int of)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(total) * parts / of));
}

}  // namespace

CellGridWindow::CellGridWindow(const EditorWindowSetup& setup, QWidget* parent) : EditorWindowFrame(setup, parent) {}

void CellGridWindow::SetHelpId(QWidget* w, int id) { w->setProperty(kHelpContextIdProperty, id); }

bool CellGridWindow::IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

QList<QWidget*> CellGridWindow::BuildTabs(int helpId, int left, int top, int width, int height, int pages)
{
    SSTab1_ = new QTabWidget(panel());
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    SetHelpId(SSTab1_, helpId);
    PlaceTwips(SSTab1_, left, top, width, height);
    QList<QWidget*> made;
    for (int i = 0; i < pages; ++i) {
        made << new QWidget;
        SSTab1_->addTab(made.back(), QString());
    }
    return made;
}

void CellGridWindow::BuildCellGrid(QWidget* page, const CellGridSetup& setup)
{
    startChar_ = setup.startChar;
    grid_ = new FixedCellGrid(setup.rows, setup.titles, page);
    grid_->setObjectName(QString::fromLatin1(setup.gridName));
    SetHelpId(grid_, setup.helpId);
    grid_->move(TwipsToPixelsX(setup.leftTwips), TwipsToPixelsY(setup.topTwips));
    const int of = std::accumulate(setup.columnParts.begin(), setup.columnParts.end(), 0);
    QList<int> widths;
    for (int parts : setup.columnParts)
        widths << ShareTwips(setup.widthTwips, parts, of);
    grid_->SetColumnWidthsTwips(widths);
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);

    editor_ = new CellEditorBox(grid_->viewport());
    editor_->setObjectName(QString::fromLatin1(setup.editorName));
    SetHelpId(editor_, setup.helpId);
    connect(editor_, &CellEditorBox::enterPressed, this, [this] { EndCellEdit(false); });
    connect(editor_, &CellEditorBox::escapePressed, this, [this] { EndCellEdit(true); });
    connect(editor_, &CellEditorBox::focusLost, this, [this] {
        if (endingEdit_ || editor_->isHidden() || isUnloaded())
            return;
        CommitCellEdit();
        const QScopedValueRollback guard(endingEdit_, true);
        editor_->hide();
    });
}

void CellGridWindow::OpenCellEditor(const QString& typed)
{
    editRow_ = std::max(1, grid_->currentRow());
    editColumn_ = std::clamp(grid_->currentColumn(), 1, grid_->columnCount() - 1);
    editOldText_ = ShowCellEditor(grid_, editor_, editRow_, editColumn_);
    if (!typed.isEmpty())
        editor_->setText(typed);
}

bool CellGridWindow::CellGridKeyDown(QKeyEvent* event)
{
    if (IsEnter(event)) {
        OpenCellEditor();
        return true;
    }
    const QString text = event->text();
    if (text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (const auto c = startChar_(text.at(0))) {
            OpenCellEditor(QString(*c));
            return true;
        }
    }
    return false;
}

QWidget* CellGridWindow::FirstField() const
{
    for (QWidget* w : TabOrder())
        if (TakesFocus(w))
            return w;
    return nullptr;
}

void CellGridWindow::CommitFieldBeingEdited()
{
    QWidget* focus = FocusedField();
    if (!focus)
        return;
    if (focus == editor_) {
        if (!editor_->isHidden())
            CommitCellEdit();
        return;
    }
    // Every spin field of the window commits as its text box is left.
    for (SpinField* spin : panel()->findChildren<SpinField*>()) {
        if (focus == spin->txt()) {
            spin->CommitOnLeave();
            return;
        }
    }
    CommitField(focus, true);
}

bool CellGridWindow::focusNextPrevChild(bool next)
{
    QWidget* current = QApplication::focusWidget();
    if (current == editor_)
        current = grid_;
    if (MoveFocusInOrder(TabOrder(), current, next))
        return true;
    return EditorWindowFrame::focusNextPrevChild(next);
}

bool CellGridWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress)
        return CellGridKeyDown(static_cast<QKeyEvent*>(event));
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            OpenCellEditor();
        return false;
    }
    return EditorWindowFrame::eventFilter(watched, event);
}

}  // namespace zx
