#pragma once
// The tree view navigator: the model as root, the eight editor windows as
// its children. Enter on a node, or a double-click within 500 ms of a node
// click, opens the node's window and gives the focus back to the tree.
#include <functional>

#include <QElapsedTimer>
#include <QWidget>

#include "core/CoreWindowHooks.h"

class QMdiSubWindow;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zx {

class MDIForm1;

class TreeViewForm : public QWidget {
    Q_OBJECT
public:
    TreeViewForm(MDIForm1& main, CoreWindowHooks hooks, QWidget* parent = nullptr);

    QTreeWidget* treView() const { return treView_; }
    QPushButton* cmdClose() const { return cmdClose_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }
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
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    qint64 Tick() const;

    MDIForm1& main_;
    CoreWindowHooks hooks_;
    QTreeWidget* treView_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    bool NodeClicked_ = false;
    qint64 LastNodeClickTick_ = 0;
    QElapsedTimer clock_;
    TickSource tickSource_;
    bool unloaded_ = false;
};

// View > Tree View: sets TreeViewFormOpen, shows the navigator (building it
// on first use) and brings it to the front.
void MnuViewTreeView_Click(MDIForm1& main, const CoreWindowHooks& hooks);
// The loaded navigator and its sub-window, or nullptr.
TreeViewForm* LoadedTreeViewForm();
QMdiSubWindow* TreeViewSubWindow();
// Unloads the navigator when it is loaded (CloseEditorWindows).
void UnloadTreeViewForm();

}  // namespace zx
