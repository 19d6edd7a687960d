#include "app/MDIForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QToolBar>

#include "channels/ui/ChannelEditForm.h"
#include "channels/ui/ChannelForm.h"
#include "channels/ui/TestChannelForm.h"
#include "core/AppCore.h"
#include "core/ClockText.h"
#include "core/MainCaption.h"
#include "core/StoredSettings.h"
#include "core/StringTable.h"
#include "core/ui/AboutForm.h"
#include "core/ui/AppIcons.h"
#include "core/ui/CloseRequest.h"
#include "core/ui/CoreCommands.h"
#include "core/ui/EditorWindowFrame.h"
#include "core/ui/HelpWindow.h"
#include "link/ExchangeLock.h"
#include "link/ui/MainLinkController.h"
#include "link/ui/TransferCommands.h"
#include "platform/Prompt.h"
#include "platform/Twips.h"
#include "core/ui/MenuKeyPriority.h"
#include "platform/ui/ScreenTwips.h"
#include "printing/ui/PrintCommands.h"
#include "settings/ui/ScanForm.h"
#include "settings/ui/SettingsWindows.h"
#include "signalling/ui/SignallingWindows.h"
#include "testmode/ui/TestModeCommands.h"
#include "testmode/ui/TuningDialogs.h"

namespace zx {

namespace {
// The gesture's rectangle on the client area, in twips; both bounds strict.
constexpr double kGestureLeft = 9400, kGestureRight = 9650, kGestureTop = 45, kGestureBottom = 260;
// How often a keyboard return waits for a dialog or menu to close.
constexpr int kKeyboardReturnRetryMs = 20;
}  // namespace

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MDIClient"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->viewport()->installEventFilter(this);
    setCentralWidget(mdiArea_);
    setProperty("helpContextId", 0);

    BuildMenus();
    new MenuKeyPriority(this);
    BuildToolbar();
    BuildStatusBar();
    BuildWindowMenu();

    // Each subsystem attaches its own windows and commands.
    AttachMainWindowCommands();
    windows_->RegisterWindow(0, [this] {
        auto* list = new ChannelForm();
        list->setChannelEditor([this] { return LoadLinkedChannelEditor(); });
        return list;
    });
    AttachChannelEditForm(*windows_);
    AttachTestChannelForm(*windows_);
    RegisterSignallingWindows(*windows_);
    AttachSettingsWindows(*windows_,
                          {[this](int row, int column) { return channelForm()->CellText(row, column); },
                           [this] { channelForm()->RefreshPttIdColumn(); }},
                          [this] { return ChannelEditorPttId(); });
    AttachScanForm(*windows_, [this] { return ChannelEditorPriority(); });
    AttachCoreCommands(*this, *this, *windows_, documents_);
    AttachTransferCommands(*this, *this);
    AttachPrintCommands(*this, *this);
    mainLink_ = std::make_unique<MainLinkController>(*this, panels_[0]);
    AttachMainLinkCommands(*this, *mainLink_);
    AttachTuningDialogs(tuningDialogs_);
    testMode_ = AttachTestModeCommands(*this, *this, *mainLink_, tuningDialogs_, this);
    MDIForm_Load();
}

MDIForm1::~MDIForm1() = default;

QAction* MDIForm1::AddItem(QMenu* menu, const char* name, int captionId, int helpId, QKeySequence key)
{
    auto* item = menu->addAction(QString());
    item->setObjectName(QString::fromLatin1(name));
    item->setProperty("helpContextId", helpId);
    if (!key.isEmpty())
        item->setShortcut(key);
    actions_[item->objectName()] = item;
    captionIds_[item->objectName()] = captionId;
    const QString itemName = item->objectName();
    connect(item, &QAction::triggered, this, [this, itemName] { RunCommand(itemName); });
    return item;
}

void MDIForm1::BuildMenus()
{
    QMenuBar* bar = menuBar();
    auto addMenu = [&](const char* name, int captionId) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setProperty("helpContextId", 2);
        actions_[menu->objectName()] = menu->menuAction();
        captionIds_[menu->objectName()] = captionId;
        return menu;
    };
    auto separator = [&](QMenu* menu, const char* name) {
        QAction* s = menu->addSeparator();
        s->setObjectName(QString::fromLatin1(name));
        actions_[s->objectName()] = s;
        return s;
    };

    QMenu* file = addMenu("MnuFile", 1001);
    AddItem(file, "MnuFileNew", 1002, 2100, QKeySequence(Qt::CTRL | Qt::Key_N));
    AddItem(file, "MnuFileOpen", 1003, 2200, QKeySequence(Qt::CTRL | Qt::Key_O));
    AddItem(file, "MnuFileSave", 1004, 2300, QKeySequence(Qt::CTRL | Qt::Key_S));
    AddItem(file, "MnuFileSaveAs", 1005, 2400);
    separator(file, "MnuFileBlank1");
    AddItem(file, "MnuFilePrint", 1006, 2500, QKeySequence(Qt::CTRL | Qt::Key_P));
    AddItem(file, "MnuFilePreview", 1007, 2600);
    separator(file, "MnuFileBlank2");
    AddItem(file, "MnuFileExit", 1008, 2700);

    QMenu* model = addMenu("MnuModel", 1009);
    AddItem(model, "MnuModelInformation", 1010, 3);

    QMenu* edit = addMenu("MnuEdit", 1011);
    AddItem(edit, "MnuEditChannelInformation", 1012, 4100);
    separator(edit, "MnuEditBlank1");
    AddItem(edit, "MnuEditOptionalFeatures", 1013, 4200);
    AddItem(edit, "MnuEditKeyAssignment", 1014, 4300);
    AddItem(edit, "MnuEditScanInformation", 1015, 4400);
    separator(edit, "MnuEditBlank2");
    AddItem(edit, "MnuEditDTMF", 1016, 4500);
    AddItem(edit, "MnuEditFleetSync", 1017, 4600);
    separator(edit, "MnuEditBlank3");
    AddItem(edit, "MnuEditTestFrequency", 1018, 4700);
    AddItem(edit, "MnuEditEmbeddedMessage", 1019, 4800);

    QMenu* program = addMenu("MnuProgram", 1020);
    AddItem(program, "MnuProgramRead", 1021, 5100, QKeySequence(Qt::CTRL | Qt::Key_R));
    AddItem(program, "MnuProgramWrite", 1022, 5200, QKeySequence(Qt::CTRL | Qt::Key_W));
    AddItem(program, "MnuProgramTestMode", 1023, 5200, QKeySequence(Qt::CTRL | Qt::Key_T));
    // Reached only through the hidden gesture; a hidden item's key does nothing.
    AddItem(program, "MnuProgramMemoryMap", 1024, 0, QKeySequence(Qt::CTRL | Qt::Key_M))->setVisible(false);

    QMenu* tool = addMenu("MnuTool", 1025);
    AddItem(tool, "MnuToolRadioInformation", 1026, 6100);

    QMenu* setup = addMenu("MnuSetup", 1027);
    AddItem(setup, "MnuSetupCommunicationPort", 1028, 7100);
    AddItem(setup, "MnuSetupLanguageFileSetup", 1029, 7200)->setVisible(false);

    QMenu* view = addMenu("MnuView", 1030);
    AddItem(view, "MnuViewTreeView", 1031, 8100);
    separator(view, "MnuViewBlank");
    QAction* toolbarItem = AddItem(view, "MnuViewToolbar", 1032, 8200);
    toolbarItem->setCheckable(true);
    toolbarItem->setChecked(true);
    QAction* statusItem = AddItem(view, "MnuViewStatusBar", 1033, 8300);
    statusItem->setCheckable(true);
    statusItem->setChecked(true);

    MnuWindow_ = addMenu("MnuWindow", 1034);
    AddItem(MnuWindow_, "MnuWindowCascade", 1035, 9100);
    AddItem(MnuWindow_, "MnuWindowHorizontally", 1036, 9200);
    AddItem(MnuWindow_, "MnuWindowVertically", 1037, 9300);
    AddItem(MnuWindow_, "MnuWindowArrangeIcon", 1038, 9400);
    separator(MnuWindow_, "MnuWindowBlank1");
    AddItem(MnuWindow_, "MnuWindowCloseAll", 1039, 9500);
    separator(MnuWindow_, "MnuWindowBlank2");
    for (int k = 0; k < 9; ++k) {
        QAction* slot = MnuWindow_->addAction(QString());
        slot->setObjectName(QStringLiteral("MnuWindowSub%1").arg(k));
        slot->setCheckable(true);
        slot->setVisible(false);
        actions_[slot->objectName()] = slot;
        const QString slotName = slot->objectName();
        connect(slot, &QAction::triggered, this, [this, slotName] { RunCommand(slotName); });
        MnuWindowSub_[static_cast<std::size_t>(k)] = slot;
    }

    QMenu* help = addMenu("MnuHelp", 1049);
    AddItem(help, "MnuHelpTopics", 1050, 0)->setVisible(false);
    separator(help, "MnuHelpBlank")->setVisible(false);
    AddItem(help, "MnuHelpAbout", 1051, 0);
}

void MDIForm1::AttachMainWindowCommands()
{
    // Each click inverts the check (Qt does that) and copies it to the bar.
    QAction* toolbarItem = action(QStringLiteral("MnuViewToolbar"));
    QAction* statusItem = action(QStringLiteral("MnuViewStatusBar"));
    setCommand(QStringLiteral("MnuViewToolbar"), [this, toolbarItem] { Toolbar1_->setVisible(toolbarItem->isChecked()); });
    setCommand(QStringLiteral("MnuViewStatusBar"), [this, statusItem] { statusBar()->setVisible(statusItem->isChecked()); });
    setCommand(QStringLiteral("MnuHelpAbout"), [this] { MnuHelpAbout_Click(); });
    setCommand(QStringLiteral("MnuFileExit"), [this] { close(); });
}

void MDIForm1::BuildToolbar()
{
    Toolbar1_ = addToolBar(QString());
    Toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1_->setMovable(false);
    Toolbar1_->setIconSize(QSize(16, 16));
    Toolbar1_->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);  // no toolbar-hiding menu beside View

    struct Button {
        const char* name;   // toolbar button name
        const char* image;  // picture key
        int tooltipId;
        const char* command;  // menu item it runs
    };
    const Button buttons[] = {
        {"Toolbar1Button1", "New", 1052, "MnuFileNew"},
        {"Toolbar1Button2", "Open", 1053, "MnuFileOpen"},
        {"Toolbar1Button3", "Save", 1054, "MnuFileSave"},
        {nullptr, nullptr, 0, nullptr},
        {"Toolbar1Button5", "Print", 1055, "MnuFilePrint"},
        {nullptr, nullptr, 0, nullptr},
        {"Toolbar1Button7", "Read", 1056, "MnuProgramRead"},
        {nullptr, nullptr, 0, nullptr},
        {"Toolbar1Button9", "Write", 1057, "MnuProgramWrite"},
        {nullptr, nullptr, 0, nullptr},
        {"Toolbar1Button11", "Help", 1058, "MnuHelpAbout"},
    };
    int index = 1;
    for (const Button& b : buttons) {
        if (!b.name) {
            Toolbar1_->addSeparator()->setObjectName(QStringLiteral("Toolbar1Button%1").arg(index));
        } else {
            QAction* button = Toolbar1_->addAction(ToolbarPicture(QString::fromLatin1(b.image)), QString());
            button->setObjectName(QString::fromLatin1(b.name));
            actions_[button->objectName()] = button;
            captionIds_[button->objectName()] = b.tooltipId;
            const QString command = QString::fromLatin1(b.command);
            connect(button, &QAction::triggered, this, [this, command] { RunCommand(command); });
        }
        ++index;
    }
}

void MDIForm1::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setMinimumWidth(TwipsToPixelsX(1440));
        panel->setContentsMargins(4, 0, 4, 0);
        if (i == 0)
            bar->addWidget(panel, 1);
        else
            bar->addPermanentWidget(panel);
        panels_[static_cast<std::size_t>(i)] = panel;
    }
}

QAction* MDIForm1::action(const QString& name) const
{
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void MDIForm1::setCommand(const QString& actionName, Command command)
{
    if (!actions_.contains(actionName)) {
        unknownCommands_ << actionName;
        qWarning("MDIForm1: no menu item is named %s", qPrintable(actionName));
        return;
    }
    commands_[actionName] = std::move(command);
}

void MDIForm1::RunCommand(const QString& actionName)
{
    const auto it = commands_.find(actionName);
    if (it != commands_.end() && it->second)
        it->second();
}

void MDIForm1::SetMenuCaptions()
{
    for (const auto& [name, id] : captionIds_) {
        QAction* a = actions_.at(name);
        if (name.startsWith(QLatin1String("Toolbar1")))
            a->setToolTip(LoadLangString(id));
        else
            a->setText(LoadLangString(id));
    }
    // Tooltip texts double as the buttons' texts for screen readers.
    for (const auto& [name, id] : captionIds_)
        if (name.startsWith(QLatin1String("Toolbar1")))
            actions_.at(name)->setIconText(LoadLangString(id));
}

void MDIForm1::RemakeTitle()
{
    setWindowTitle(MakeMainCaption(Core()));
}

void MDIForm1::tmrStatusBar_Timer()
{
    const QDateTime now = QDateTime::currentDateTime();
    panels_[1]->setText(StatusDateText(now.date()));
    panels_[2]->setText(StatusTimeText(now.time()));
}

void MDIForm1::MDIForm_Load()
{
    AppCore& core = Core();
    action(QStringLiteral("MnuFilePreview"))->setVisible(false);
    core.life.ChannelFormUnloaded = false;
    core.life.AppExiting = false;
    core.checks = PreWriteChecks{};
    setWindowIcon(WindowIcon());
    core.link.ComPortNumber = 1;
    panels_[0]->setText(QStringLiteral("COM1"));

    tmrStatusBar_Timer();
    tmrStatusBar_ = new QTimer(this);
    tmrStatusBar_->setObjectName(QStringLiteral("tmrStatusBar"));
    tmrStatusBar_->setInterval(1000);
    connect(tmrStatusBar_, &QTimer::timeout, this, &MDIForm1::tmrStatusBar_Timer);
    tmrStatusBar_->start();

    keyboardReturn_ = new QTimer(this);
    keyboardReturn_->setObjectName(QStringLiteral("keyboardReturn"));
    keyboardReturn_->setSingleShot(true);
    connect(keyboardReturn_, &QTimer::timeout, this, &MDIForm1::TakeKeyboardBack);

    const ModelChoice model = RestoreLastModel();
    core.image.setModelBandCode(model.bandCode);
    core.image.setModelVariant(model.variant);

    // The program always starts in English; the stored language is not applied.
    core.LanguageChinese = false;
    SetMenuCaptions();

    core.windowSlots.setOpen(ChannelFormOpen, true);
    core.RestoreChannelSlot();

    core.ApplyEightChannelRule();
    core.InitAllFrameData();
    documents_.TakeSnapshot();
    core.document.DataFilePath = kDefaultDataFileName;
    core.document.hasFile = false;
    RemakeTitle();
    ShowChannelWindow();
    DecodeAllChannels();
}

bool MDIForm1::MDIForm_QueryUnload()
{
    AppCore& core = Core();
    const MsgResult sure = Ask({LangText("是否要退出ZX-4100程序？", "Do you wish to exit ZX-4100 program？"),
                                LangText("确认", "Confirmation"), MsgIcon::Question, MsgButtons::YesNo, MsgResult::Yes,
                                this});
    if (sure != MsgResult::Yes)
        return false;
    // What the user typed last counts as a change and is saved with the rest.
    CommitFieldBeingEdited();
    core.life.AppExiting = true;
    if (!documents_.OfferSaveAtExit()) {
        // Nothing is half-exited: closing the channel list only hides it again.
        core.life.AppExiting = false;
        return false;
    }
    return true;
}

void MDIForm1::MDIForm_Unload()
{
    AppCore& core = Core();
    StoreSettingsAtExit(core.image, core.LanguageChinese);
    core.life.ChannelFormUnloaded = false;
    // The program ends here, whatever other window (the help window has no
    // owner) is still open. Without a running event loop there is nothing to
    // end, and exit() would make the next loop return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // Disabled under the test window, a tuning dialog or an exchange, or
    // held by a modal dialog: the exit question would come behind that
    // window, and an exit would leave the radio where that window has it.
    // The same holds while an exchange still runs with the main window
    // enabled again: the test window's exit step takes the radio out of
    // test mode only after the main window is back.
    if (CloseRequestRefused(*this) || ExchangeRunning()) {
        event->ignore();
        return;
    }
    if (!MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    mdiArea_->closeAllSubWindows();
    MDIForm_Unload();
    event->accept();
}

void MDIForm1::BuildWindowMenu()
{
    windows_ = std::make_unique<EditorWindowRegistry>(mdiArea_);
    QList<QAction*> slotActions;
    for (QAction* a : MnuWindowSub_)
        slotActions << a;
    windows_->BindWindowMenu(MnuWindow_->menuAction(), slotActions);
}

ChannelForm* MDIForm1::channelForm()
{
    return qobject_cast<ChannelForm*>(windows_->Load(0));
}

// ---------------------------------------------------------------------------
// The workspace the library's sequences act on.

void MDIForm1::CloseEditorWindows()
{
    windows_->CloseEditorWindows();
    // The window that held the keyboard may be gone. When a dialog closes in
    // the same moment (the model dialog, the memory map), the window manager
    // hands the activation back to a window that is going away and no window
    // takes the keyboard: the main window asks for it itself.
    keyboardReturn_->start(0);
}

void MDIForm1::TakeKeyboardBack()
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        keyboardReturn_->start(kKeyboardReturnRetryMs);  // the keyboard is the dialog's until it closes
        return;
    }
    if (!isVisible() || !isEnabled())
        return;
    if (QWidget* active = QApplication::activeWindow(); active && active != this && active->isVisible())
        return;
    activateWindow();
    QWidget* focus = focusWidget();
    if (focus && focus->isVisible())
        return;
    // The field that had the keyboard went with its window: the active
    // editor window's own field takes it, else the main window.
    if (QMdiSubWindow* sub = mdiArea_->activeSubWindow(); sub && sub->widget())
        sub->widget()->setFocus(Qt::ActiveWindowFocusReason);
    else
        setFocus(Qt::ActiveWindowFocusReason);
}

void MDIForm1::ShowChannelWindow()
{
    if (ChannelForm* form = channelForm()) {
        form->HideCellEditors();
        form->show();
        mdiArea_->setActiveSubWindow(form);
    }
}

void MDIForm1::RestoreChannelWindow() { windows_->RestoreChannelWindow(); }

void MDIForm1::LayoutChannelGrid(GridHeaderCaller caller) { channelForm()->LayoutChannelGrid(caller); }

void MDIForm1::DecodeAllChannels()
{
    channelForm()->HideCellEditors();
    channelForm()->DecodeAllChannels();
}

void MDIForm1::ResetGridCursor() { channelForm()->ChannelGrid()->setCurrentCell(1, 1); }

void MDIForm1::RetranslateChannelWindow() { channelForm()->ApplyLanguage(); }

void MDIForm1::EnableMainWindow(bool enabled) { setEnabled(enabled); }

void MDIForm1::ShowHelpPage(const QString& page) { ShowHelpTopic(this, page); }

void MDIForm1::CommitFieldBeingEdited()
{
    // The current window, not only the active one: the main window is not
    // active while a dialog of its own is up.
    auto* current = qobject_cast<EditorWindowFrame*>(mdiArea_->currentSubWindow());
    if (current)
        current->CommitEditBeforeCommand();
    // The channel editor's choices wait in its row while another window is
    // current: they count as much as the field being edited.
    auto* editor = windows_->window(8);
    if (editor && editor != current && editor->isVisible())
        editor->CommitEditBeforeCommand();
}

ChannelEditorPttLink MDIForm1::ChannelEditorPttId()
{
    // The optional features window reaches the editor's PTT ID list only
    // while the editor is loaded.
    auto editor = [this] { return qobject_cast<ChannelEditForm*>(windows_->window(8)); };
    ChannelEditorPttLink link;
    link.shownChannel = [editor] { return editor() ? editor()->ShownChannel() : 0; };
    link.RebuildPttIdList = [editor](const QStringList& items, int position) {
        if (ChannelEditForm* form = editor()) {
            // Only the FleetSync type lists more than Off and On.
            form->RebuildPttIdList(items.size() > 2 ? 1 : 0);
            form->ChoosePttIdEntry(position);
        }
    };
    link.ShowPttId = [editor](const QString& text) {
        if (ChannelEditForm* form = editor()) {
            // The register too, or the editor's next commit would store the
            // entry the rebuilt list chose instead of the one it shows.
            form->ShowPttIdEntry(form->ComPTTID()->findText(text));
            Core().channelRegisters.ChPttId = text;
        }
    };
    return link;
}

ChannelEditorPriorityLink MDIForm1::ChannelEditorPriority()
{
    // The scan window reaches the editor's priority box only while the
    // editor is loaded.
    auto editor = [this] { return qobject_cast<ChannelEditForm*>(windows_->window(8)); };
    ChannelEditorPriorityLink link;
    link.rxFrequencyText = [editor] { return editor() ? editor()->txtRxFreq()->text() : QString(); };
    link.channelText = [editor] { return editor() ? editor()->txtChannel()->text() : QString(); };
    link.setPriorityEnabled = [editor](bool enabled) {
        if (ChannelEditForm* form = editor())
            form->ChkPriorityChannel()->setEnabled(enabled);
    };
    link.showPriorityChecked = [editor](bool checked) {
        if (ChannelEditForm* form = editor()) {
            // A mirror of the committed channel: the box's click action
            // would change the priority channel.
            const QSignalBlocker blocker(form->ChkPriorityChannel());
            form->ChkPriorityChannel()->setChecked(checked);
        }
    };
    return link;
}

ChannelEditor* MDIForm1::LoadLinkedChannelEditor()
{
    ChannelEditor* loaded = LoadChannelEditor(*windows_);
    if (auto* form = dynamic_cast<ChannelEditForm*>(loaded)) {
        // The editor's priority box shows its channel in the scan window's
        // field; the field stores it when it is next committed there.
        form->setScanPriorityField([this](int channel) {
            if (auto* scan = qobject_cast<ScanForm*>(windows_->window(ScanForm::Setup().slot)))
                scan->txtPriorityCH()->setText(QString::number(channel));
        });
    }
    return loaded;
}

bool MDIForm1::MDIForm_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos)
{
    if (button != Qt::MiddleButton)
        return false;
    const Qt::KeyboardModifiers keys = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (keys != (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    const double x = PixelsToTwips(pos.x(), ScreenLogicalDpiX());
    const double y = PixelsToTwips(pos.y(), ScreenLogicalDpiY());
    if (!(x > kGestureLeft && x < kGestureRight && y > kGestureTop && y < kGestureBottom))
        return false;
    RunCommand(QStringLiteral("MnuProgramMemoryMap"));
    return true;
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdiArea_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        MDIForm_MouseUp(mouse->button(), mouse->modifiers(), mouse->position().toPoint());
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::MnuHelpAbout_Click()
{
    if (!about_)
        about_ = new AboutForm(this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

}  // namespace zx
