#include "core/ui/EditorWindowRegistry.h"

#include <QAction>
#include <QMdiArea>

#include "core/AppCore.h"
#include "core/MainCaption.h"
#include "core/StringTable.h"
#include "core/ui/EditorWindowFrame.h"
#include "core/ui/WindowArranger.h"

namespace zx {

EditorWindowRegistry::EditorWindowRegistry(QMdiArea* area, QObject* parent) : QObject(parent), area_(area)
{
    connect(&Core().windowSlots, &WindowSlotTable::changed, this, &EditorWindowRegistry::SyncMenu);
}

void EditorWindowRegistry::RegisterWindow(int slot, Factory factory)
{
    factories_.at(static_cast<std::size_t>(slot)) = std::move(factory);
}

void EditorWindowRegistry::RegisterTreeView(Factory factory) { factories_[kTreeViewIndex] = std::move(factory); }

EditorWindowFrame* EditorWindowRegistry::Alive(int index) const
{
    EditorWindowFrame* w = windows_.at(static_cast<std::size_t>(index));
    return (w && !w->isUnloaded()) ? w : nullptr;
}

EditorWindowFrame* EditorWindowRegistry::window(int slot) const { return Alive(slot); }

EditorWindowFrame* EditorWindowRegistry::treeView() const { return Alive(kTreeViewIndex); }

EditorWindowFrame* EditorWindowRegistry::LoadAt(int index)
{
    if (EditorWindowFrame* w = Alive(index))
        return w;
    const Factory& factory = factories_.at(static_cast<std::size_t>(index));
    if (!factory)
        return nullptr;
    EditorWindowFrame* w = factory();
    if (!w)
        return nullptr;
    windows_.at(static_cast<std::size_t>(index)) = w;
    area_->addSubWindow(w);
    return w;
}

EditorWindowFrame* EditorWindowRegistry::Load(int slot) { return LoadAt(slot); }

EditorWindowFrame* EditorWindowRegistry::LoadTreeView() { return LoadAt(kTreeViewIndex); }

bool EditorWindowRegistry::CanLoad(int slot) const
{
    return window(slot) || factories_.at(static_cast<std::size_t>(slot));
}

QString EditorWindowRegistry::SlotCaption(int k) const
{
    if (k != 0)
        return LoadLangString(WindowSlotTable::SlotCaptionId(k));
    return ChannelWindowCaption(Core().GridChannel, Core().LanguageChinese);
}

void EditorWindowRegistry::OpenEditorWindow(int k)
{
    // A window nobody has registered yet cannot be opened; its slot must not
    // list a window that does not exist.
    if (!CanLoad(k))
        return;
    WindowSlotTable& table = Core().windowSlots;
    if (k == 0)
        table.setOpen(ChannelFormOpen, true);
    table.setWindowMenuVisible(true);
    table.setOpen(k, true);
    table.ShowSlotChecked(k, SlotCaption(k));
    EditorWindowFrame* w = Load(k);
    if (!w)
        return;
    w->show();
    area_->setActiveSubWindow(w);
    w->raise();
}

void EditorWindowRegistry::OpenTreeView()
{
    if (!treeView() && !factories_[kTreeViewIndex])
        return;
    Core().windowSlots.setOpen(TreeViewFormOpen, true);
    EditorWindowFrame* w = LoadTreeView();
    if (!w)
        return;
    w->show();
    area_->setActiveSubWindow(w);
    w->raise();
}

void EditorWindowRegistry::MnuWindowSub_Click(int k)
{
    WindowSlotTable& table = Core().windowSlots;
    table.setSlotChecked(k, true);
    if (EditorWindowFrame* w = window(k)) {
        w->raise();
        if (!w->isMinimized())
            area_->setActiveSubWindow(w);
    }
    for (int j = 0; j < kWindowSlotCount; ++j) {
        if (j != k && table.slot(j).visible)
            table.setSlotChecked(j, false);
    }
}

void EditorWindowRegistry::CloseAll()
{
    WindowSlotTable& table = Core().windowSlots;
    // Hiding the active window activates another one, whose activation would
    // move the check mark; Close All leaves the marks as they were.
    const auto marks = table.checkMarks();
    for (int k = 0; k < kWindowSlotCount; ++k) {
        if (!table.isOpen(k))
            continue;
        if (EditorWindowFrame* w = window(k))
            w->hide();
        table.setSlotVisible(k, false);
    }
    if (table.isOpen(TreeViewFormOpen)) {
        if (EditorWindowFrame* w = treeView())
            w->hide();
    }
    table.setWindowMenuVisible(false);
    table.setCheckMarks(marks);
}

void EditorWindowRegistry::CloseEditorWindows()
{
    WindowSlotTable& table = Core().windowSlots;
    static constexpr int kOrder[] = {OptionalFormOpen,    KeyAssignOpen,     ScanFormOpen,
                                     DTMFFormOpen,        FleetsyncFormOpen, TestChannelFormOpen,
                                     EmbedInfoFormOpen,   TreeViewFormOpen,  ChannelEditFormOpen};
    for (int flag : kOrder) {
        if (!table.isOpen(flag))
            continue;
        const int index = flag == TreeViewFormOpen ? kTreeViewIndex : flag;
        if (EditorWindowFrame* w = Alive(index)) {
            w->UnloadByProgram();
        } else if (flag == TreeViewFormOpen) {
            table.setOpen(flag, false);
            table.HideWindowMenuIfNoEditor();
        } else {
            table.FreeWindowSlot(flag);
        }
    }
    // The channel editor's Close only hides it: hidden, it still holds the
    // channel of the image it was closed on, which a later opening on the
    // same channel number would show and store over the new image.
    if (EditorWindowFrame* w = Alive(ChannelEditFormOpen))
        w->UnloadByProgram();
}

void EditorWindowRegistry::RestoreChannelWindow()
{
    EditorWindowFrame* w = window(0);
    if (!w)
        return;
    const Qt::WindowStates state = w->windowState();
    if (state & (Qt::WindowMinimized | Qt::WindowMaximized)) {
        // A child window shows itself when its state changes; a hidden
        // channel list must stay hidden.
        const bool hidden = w->isHidden();
        w->setWindowState(state & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        if (hidden)
            w->hide();
    }
    w->move(0, 0);
}

void EditorWindowRegistry::Cascade() { WindowArranger::Cascade(area_); }
void EditorWindowRegistry::TileHorizontally() { WindowArranger::TileHorizontally(area_); }
void EditorWindowRegistry::TileVertically() { WindowArranger::TileVertically(area_); }
void EditorWindowRegistry::ArrangeIcons() { WindowArranger::ArrangeIcons(area_); }

void EditorWindowRegistry::BindWindowMenu(QAction* windowMenuAction, const QList<QAction*>& slotActions)
{
    windowMenuAction_ = windowMenuAction;
    slotActions_.clear();
    for (int k = 0; k < slotActions.size() && k < kWindowSlotCount; ++k) {
        QAction* action = slotActions[k];
        slotActions_ << action;
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, k] {
            MnuWindowSub_Click(k);
            // A click on the marked slot toggles the action's own mark off
            // while the table does not change: mirror it again.
            SyncMenu();
        });
    }
    SyncMenu();
}

void EditorWindowRegistry::SyncMenu()
{
    const WindowSlotTable& table = Core().windowSlots;
    if (windowMenuAction_)
        windowMenuAction_->setVisible(table.windowMenuVisible());
    for (int k = 0; k < slotActions_.size(); ++k) {
        QAction* action = slotActions_[k];
        if (!action)
            continue;
        const WindowSlot& s = table.slot(k);
        action->setText(s.caption);
        action->setChecked(s.checked);
        action->setVisible(s.visible);
    }
}

}  // namespace zx
