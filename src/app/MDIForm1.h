#pragma once
// The main window: a multiple-document frame with the menu bar, the toolbar,
// the status bar and the editor windows inside it.
#include <array>
#include <functional>
#include <map>

#include <QMainWindow>
#include <QPointer>

#include "core/CoreWindowHooks.h"
#include "core/DocumentCommands.h"
#include "core/ui/AboutForm.h"
#include "core/ui/EditorWindowRegistry.h"
#include "link/TransferHooks.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;

namespace zx {

class ChannelForm;



class MDIForm1 : public QMainWindow {
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

    void SetMenuCaptions();
    void RefreshCaption();
    // Writes the date and time panels from the local clock.
    void tmrStatusBar_Timer();

    // Entry points of commands whose windows live elsewhere. Each does
    // nothing until its window registers a handler.
    using Command = std::function<void()>;
    void setCommand(const QString& actionName, Command command);

    // The hidden gesture on the client area (button, modifiers and position in
    // pixels of the client area); true when it opened the memory map.
    bool MDIForm_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

    // Shows the about box, not modal; a second call brings the same box forward.
    void MnuHelpAbout_Click();
    AboutForm* aboutForm() const { return about_; }

    EditorWindowRegistry& windows() { return *windows_; }
    DocumentCommands& documents() { return documents_; }
    TransferHooks& transferHooks() { return transferHooks_; }
    CoreWindowHooks& coreHooks() { return coreHooks_; }

    // The channel list window, loaded on first use; it lives for the run.
    ChannelForm* channelForm();
    // Makes the channel list visible without touching its slot.
    void ShowChannelWindow();

    // Shows the Window menu and, when it is hidden, slot 0 for channel 1,
    // unchecked.
    void RestoreChannelSlot();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddItem(QMenu* menu, const char* name, int captionId, int helpId, QKeySequence key = {});
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void ConnectWindowsAndDocuments();
    void ConnectRadioLink();
    void ConnectCoreDialogs();
    void ConnectChannelList();
    void MDIForm_Load();
    bool MDIForm_QueryUnload();
    void MDIForm_Unload();
    void RunCommand(const QString& actionName);

    QMdiArea* mdiArea_ = nullptr;
    QToolBar* Toolbar1_ = nullptr;
    QMenu* MnuWindow_ = nullptr;
    std::array<QAction*, 9> MnuWindowSub_{};
    std::array<QLabel*, 3> panels_{};
    QTimer* tmrStatusBar_ = nullptr;
    QPointer<AboutForm> about_;
    std::map<QString, QAction*> actions_;
    std::map<QString, int> captionIds_;
    std::map<QString, Command> commands_;
    std::unique_ptr<EditorWindowRegistry> windows_;
    DocumentCommands documents_;
    TransferHooks transferHooks_;
    CoreWindowHooks coreHooks_;
};

}  // namespace zx
