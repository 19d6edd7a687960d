#pragma once
// The tree view navigator: the model as root, the eight editor windows as
// its children. Enter on a node, or a double-click within 500 ms of a node
// click, opens the node's window and gives the focus back to the tree.
// It has an open flag but no Window-menu slot.
#include <functional>

#include <QElapsedTimer>

#include "core/ui/EditorWindowFrame.h"

class QTreeWidget;

namespace zx {

class EditorWindowRegistry;

class TreeViewForm : public EditorWindowFrame {
    Q_OBJECT
public:
    explicit TreeViewForm(EditorWindowRegistry& windows, QWidget* parent = nullptr);

    QTreeWidget* treView() const { return treView_; }
    bool NodeClicked() const { return NodeClicked_; }

    // The millisecond clock of the double-click rule (a monotonic
    // QElapsedTimer by default); tests put their own clock here.
    using TickSource = std::function<qint64()>;
    void setTickSource(TickSource source);

    void treView_NodeClick();
    void treView_DblClick();
    // Opens the window the selected node names (if any), shows the Window
    // menu and takes the focus back.
    void OpenSelectedNode();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    qint64 Tick() const;

    EditorWindowRegistry& windows_;
    QTreeWidget* treView_ = nullptr;
    bool NodeClicked_ = false;
    qint64 LastNodeClickTick_ = 0;
    QElapsedTimer clock_;
    TickSource tickSource_;
};

}  // namespace zx
