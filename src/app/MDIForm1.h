#pragma once
// The main window: a multiple-document frame with the menu bar, the toolbar,
// the status bar and the editor windows inside it. It is the composition
// root: the one place that knows every subsystem. It attaches each
// subsystem's commands and is the workspace the library's sequences act on.
#include <array>
#include <map>
#include <memory>

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include "core/DocumentCommands.h"
#include "core/MenuCommands.h"
#include "core/Workspace.h"
#include "core/ui/AboutForm.h"
#include "core/ui/EditorWindowRegistry.h"
#include "settings/ui/OptionalFormHooks.h"
#include "settings/ui/ScanFormHooks.h"
#include "testmode/ui/TuningDialogFactories.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace zx {

class ChannelEditor;
class ChannelForm;
class MainLinkController;
class TestModeCommand;

class MDIForm1 : public QMainWindow, public Workspace, public MenuCommands {
    Q_OBJECT
public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    // The menu item or toolbar button named as in the menu tables
    // ("MnuFileNew", "MnuWindowSub0", ...); nullptr for an unknown name.
    QAction* action(const QString& name) const;
    QAction* windowSlotAction(int slot) const { return MnuWindowSub_[static_cast<std::size_t>(slot)]; }
    QMenu* windowMenu() const { return MnuWindow_; }
    QToolBar* toolbar() const { return Toolbar1_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    QLabel* statusPanel(int panel /*1..3*/) const { return panels_[static_cast<std::size_t>(panel - 1)]; }

    // Writes the date and time panels from the local clock.
    void tmrStatusBar_Timer();

    // MenuCommands
    void setCommand(const QString& actionName, Command command) override;
    // Names given to setCommand that name no menu item or toolbar button.
    const QStringList& UnknownCommandNames() const { return unknownCommands_; }

    // The hidden gesture on the client area (button, modifiers and position in
    // pixels of the client area); true when it opened the memory map.
    bool MDIForm_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

    // Shows the about box, not modal; a second call brings the same box forward.
    void MnuHelpAbout_Click();
    AboutForm* aboutForm() const { return about_; }

    EditorWindowRegistry& windows() { return *windows_; }
    DocumentCommands& documents() { return documents_; }
    // Radio information, the port dialog and the test-mode entry.
    MainLinkController& mainLink() { return *mainLink_; }
    // Program > Test Mode and its test window.
    TestModeCommand& testMode() { return *testMode_; }
    // The tuning dialogs the test window hands the radio to, one factory
    // per dialog.
    TuningDialogFactories& tuningDialogs() { return tuningDialogs_; }

    // The channel list window, loaded on first use; it lives for the run.
    ChannelForm* channelForm();

    // Workspace
    void CloseEditorWindows() override;
    void ShowChannelWindow() override;
    void RestoreChannelWindow() override;
    void LayoutChannelGrid(GridHeaderCaller caller) override;
    void DecodeAllChannels() override;
    void ResetGridCursor() override;
    void RetranslateChannelWindow() override;
    void RemakeTitle() override;
    void SetMenuCaptions() override;
    void EnableMainWindow(bool enabled) override;
    void ShowHelpPage(const QString& page) override;
    QWidget* DialogOwner() override { return this; }
    void CommitFieldBeingEdited() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the optional features window needs of the channel editor's PTT ID list.
    ChannelEditorPttLink ChannelEditorPttId();
    // What the scan window needs of the channel editor's priority box.
    ChannelEditorPriorityLink ChannelEditorPriority();
    // The channel editor, loaded when it is not, with its priority box
    // writing into the scan window's priority field.
    ChannelEditor* LoadLinkedChannelEditor();
    QAction* AddItem(QMenu* menu, const char* name, int captionId, int helpId, QKeySequence key = {});
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void BuildWindowMenu();
    // The main window's own items: View's bars, About and Exit.
    void AttachMainWindowCommands();
    void MDIForm_Load();
    bool MDIForm_QueryUnload();
    void MDIForm_Unload();
    void RunCommand(const QString& actionName);
    // After the program closed windows of its own: the main window takes the
    // activation and the keyboard back once no dialog or menu is up, unless
    // the user is in another window of the program.
    void TakeKeyboardBack();

    QMdiArea* mdiArea_ = nullptr;
    QToolBar* Toolbar1_ = nullptr;
    QMenu* MnuWindow_ = nullptr;
    std::array<QAction*, 9> MnuWindowSub_{};
    std::array<QLabel*, 3> panels_{};
    QTimer* tmrStatusBar_ = nullptr;
    QTimer* keyboardReturn_ = nullptr;
    QPointer<AboutForm> about_;
    std::map<QString, QAction*> actions_;
    std::map<QString, int> captionIds_;
    std::map<QString, Command> commands_;
    QStringList unknownCommands_;
    std::unique_ptr<EditorWindowRegistry> windows_;
    DocumentCommands documents_{*this};
    std::unique_ptr<MainLinkController> mainLink_;
    TuningDialogFactories tuningDialogs_;
    TestModeCommand* testMode_ = nullptr;
};

}  // namespace zx
