#pragma once
// The frame every editor window is built on: a child window of the main
// window's MDI area with a fixed starting size, a backing panel at the top
// left that carries every control, a Close button and a hidden Help button.
// Activation marks the window's Window-menu slot; closing frees it and
// destroys the instance, so the next opening loads a fresh window from the
// image.
//
// A window derives from it, passes its EditorWindowSetup and builds its
// fields on panel().
#include <QMdiSubWindow>
#include <QString>

class QFrame;
class QPushButton;

namespace zx {

struct EditorWindowSetup {
    int slot = -1;         // Window-menu slot 0-8; -1 for the tree view (no slot)
    int openFlag = -1;     // EditorFlag; -1 means the flag of the slot
    int heightTwips = 0;   // outer size at load
    int widthTwips = 0;
    int captionId = 0;     // LoadLangString id of the window caption
    QString helpPage;      // e.g. "keyassign"
    int helpContextId = 0; // the window's help context id, e.g. 4300
    // False for the channel editor: its opener marks slot 8.
    bool checksSlotOnActivate = true;

    int flag() const { return openFlag >= 0 ? openFlag : slot; }
};

class EditorWindowFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit EditorWindowFrame(const EditorWindowSetup& setup, QWidget* parent = nullptr);

    const EditorWindowSetup& setup() const { return setup_; }
    int slot() const { return setup_.slot; }
    // The backing panel (picture box): every control of the window lies on it.
    QFrame* panel() const { return panel_; }
    QWidget* client() const { return client_; }
    QPushButton* cmdClose() const { return cmdClose_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }
    // True once the window has been unloaded (it is deleted soon after).
    bool isUnloaded() const { return unloaded_; }
    // The program unloads the window (CloseEditorWindows): unlike the user's
    // own close, it commits nothing that is being edited.
    void UnloadByProgram();
    // A command that takes the whole image (Save, Write, Print) commits the
    // field being edited first, as the user's own close does; a window
    // already unloaded commits nothing.
    void CommitEditBeforeCommand();

signals:
    // The window has been unloaded; its slot and flag are free.
    void unloaded();

protected:
    // Close button: frees the slot, unloads the window and discards it.
    virtual void cmdClose_Click();
    virtual void cmdHelp_Click();
    // The window became the active child window.
    virtual void Form_Activate();
    // Fits the backing panel to the client area.
    virtual void Form_Resize();
    // Runs on every unload: Close button, close box, CloseEditorWindows, exit.
    virtual void Form_Unload();
    // True while the program, not the user, unloads the window: through
    // UnloadByProgram or because the application is exiting.
    bool unloadingByProgram() const;
    // The control of this window that has the keyboard focus, or takes it
    // again when the main window is next active (a dialog of the main window
    // may be up); nullptr when the focus lies in no control of this window.
    QWidget* FocusedField() const;
    // The user's own close (Close or the close box) first commits the field
    // being edited, as leaving it would; an unload by the program does not.
    virtual void CommitFieldBeingEdited() {}
    // The first control of the window's tab order, which takes the focus
    // whenever the window is shown; nullptr leaves the focus to Qt.
    virtual QWidget* FirstField() const { return nullptr; }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FreeSlot();

    EditorWindowSetup setup_;
    QWidget* client_ = nullptr;
    QFrame* panel_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    bool unloaded_ = false;
    bool programUnload_ = false;
};

}  // namespace zx
