#pragma once
// Opens, lists and closes the editor windows of the main window's MDI area
// through the Window-menu slot protocol. Each window registers a factory for
// its slot; the registry creates the window on first opening (its load) and
// forgets it when it unloads. The slot state lives in Core().windowSlots;
// BindWindowMenu mirrors it in the real menu.
#include <array>
#include <functional>

#include <QList>
#include <QObject>
#include <QPointer>

#include "core/WindowSlotTable.h"

class QAction;
class QMdiArea;

namespace zx {

class EditorWindowFrame;

class EditorWindowRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<EditorWindowFrame*()>;

    explicit EditorWindowRegistry(QMdiArea* area, QObject* parent = nullptr);

    QMdiArea* area() const { return area_; }

    // The window of a slot (0-8), built by the factory when it is loaded.
    void RegisterWindow(int slot, Factory factory);
    void RegisterTreeView(Factory factory);

    // The loaded window of a slot, nullptr while it is not loaded.
    EditorWindowFrame* window(int slot) const;
    EditorWindowFrame* treeView() const;
    // Loads the window of a slot without showing it (nullptr without factory).
    EditorWindowFrame* Load(int slot);
    EditorWindowFrame* LoadTreeView();
    // True when the window of a slot is loaded or can be loaded.
    bool CanLoad(int slot) const;

    // Edit menu: opens the window of slot k into its slot and brings it to
    // the front.
    void OpenEditorWindow(int k);
    // View > Tree View.
    void OpenTreeView();
    // A click on Window-menu slot k: marks it and brings its window to the
    // front without changing its state (a minimized window stays minimized).
    void MnuWindowSub_Click(int k);
    // Window > Close All Windows: hides every open window, its slot and the
    // Window menu; no flag and no check mark changes.
    void CloseAll();
    // Unloads every open editor window but the channel list, in the order
    // optional features, key assignment, scan, DTMF, FleetSync, test
    // frequencies, embedded message, tree view, channel editor.
    void CloseEditorWindows();
    // The channel list back in the normal state at the top left corner; it is
    // not shown.
    void RestoreChannelWindow();

    void Cascade();
    void TileHorizontally();
    void TileVertically();
    void ArrangeIcons();

    // Mirrors the slot table in the main window's menu: the Window menu's
    // visibility on windowMenuAction, each slot's visibility, caption and
    // check mark on slotActions[0..8]; a triggered slot action runs
    // MnuWindowSub_Click.
    void BindWindowMenu(QAction* windowMenuAction, const QList<QAction*>& slotActions);

private:
    static constexpr int kTreeViewIndex = kWindowSlotCount;  // index in windows_
    EditorWindowFrame* LoadAt(int index);
    QString SlotCaption(int k) const;
    void SyncMenu();
    EditorWindowFrame* Alive(int index) const;

    QMdiArea* area_;
    std::array<Factory, kWindowSlotCount + 1> factories_;
    std::array<QPointer<EditorWindowFrame>, kWindowSlotCount + 1> windows_;
    QPointer<QAction> windowMenuAction_;
    QList<QPointer<QAction>> slotActions_;
};

}  // namespace zx
