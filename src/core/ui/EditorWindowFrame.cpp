#include "core/ui/EditorWindowFrame.h"

#include "core/ui/AppIcons.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>

#include "core/AppCore.h"
#include "core/EditorFrameRules.h"
#include "core/StringTable.h"
#include "core/ui/HelpWindow.h"
#include "platform/Twips.h"
#include "platform/ui/ScreenTwips.h"

namespace zx {

EditorWindowFrame::EditorWindowFrame(const EditorWindowSetup& setup, QWidget* parent)
    : QMdiSubWindow(parent), setup_(setup)
{
    setAttribute(Qt::WA_DeleteOnClose);
    client_ = new QWidget;
    client_->installEventFilter(this);
    setWidget(client_);
    panel_ = new QFrame(client_);
    panel_->setObjectName(QStringLiteral("BackingPanel"));
    panel_->move(0, 0);
    panel_->setFrameShape(QFrame::Box);
    panel_->setFrameShadow(QFrame::Plain);
    panel_->setLineWidth(1);

    resize(TwipsToPixelsX(setup_.widthTwips), TwipsToPixelsY(setup_.heightTwips));
    setWindowIcon(WindowIcon());
    if (setup_.captionId != 0)
        setWindowTitle(LoadLangString(setup_.captionId));

    cmdClose_ = new QPushButton(LoadLangString(1075), panel_);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdHelp_ = new QPushButton(LoadLangString(1076), panel_);
    cmdHelp_->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp_->hide();

    setProperty(kHelpContextIdProperty, setup_.helpContextId);
    setProperty(kHelpPageProperty, setup_.helpPage);
    cmdClose_->setProperty(kHelpContextIdProperty, setup_.helpContextId);
    cmdHelp_->setProperty(kHelpContextIdProperty, setup_.helpContextId);

    // Qt gives the sub-window's Close item Ctrl+W besides Ctrl+F4; Ctrl+W is
    // the main menu's Write to Radio. Keep only keys no menu item uses.
    if (QMenu* menu = systemMenu()) {
        for (QAction* item : menu->actions()) {
            QList<QKeySequence> keys = item->shortcuts();
            keys.removeIf([](const QKeySequence& k) {
                const int code = k[0].key();
                return k.count() == 1 && k[0].keyboardModifiers() == Qt::ControlModifier && code >= Qt::Key_A &&
                       code <= Qt::Key_Z;
            });
            item->setShortcuts(keys);
        }
    }

    connect(cmdClose_, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
                if (!(oldState & Qt::WindowActive) && (newState & Qt::WindowActive))
                    Form_Activate();
            });
}

void EditorWindowFrame::FreeSlot()
{
    WindowSlotTable& table = Core().windowSlots;
    if (setup_.slot >= 0) {
        table.FreeWindowSlot(setup_.slot);
    } else {
        table.setOpen(setup_.flag(), false);
        table.HideWindowMenuIfNoEditor();
    }
}

void EditorWindowFrame::cmdClose_Click()
{
    FreeSlot();
    close();  // unloads (Form_Unload) and, through WA_DeleteOnClose, discards the instance
}

void EditorWindowFrame::cmdHelp_Click() { ShowHelpTopic(this, setup_.helpPage); }

void EditorWindowFrame::Form_Activate()
{
    if (setup_.checksSlotOnActivate && setup_.slot >= 0)
        Core().windowSlots.CheckWindowSlot(setup_.slot);
}

void EditorWindowFrame::Form_Resize()
{
    if (isMinimized())
        return;
    panel_->setFrameShape(isMaximized() ? QFrame::NoFrame : QFrame::Box);
    const QSize client = client_->size();
    const int widthTwips = BackingPanelExtent(static_cast<int>(PixelsToTwips(client.width(), ScreenLogicalDpiX()) + 0.5));
    const int heightTwips =
        BackingPanelExtent(static_cast<int>(PixelsToTwips(client.height(), ScreenLogicalDpiY()) + 0.5));
    panel_->setGeometry(0, 0, TwipsToPixelsX(widthTwips), TwipsToPixelsY(heightTwips));
}

void EditorWindowFrame::Form_Unload() { FreeSlot(); }

void EditorWindowFrame::UnloadByProgram()
{
    programUnload_ = true;
    close();
}

void EditorWindowFrame::CommitEditBeforeCommand()
{
    if (!unloaded_)
        CommitFieldBeingEdited();
}

QWidget* EditorWindowFrame::FocusedField() const
{
    QWidget* focus = window()->focusWidget();
    return focus && isAncestorOf(focus) ? focus : nullptr;
}

bool EditorWindowFrame::unloadingByProgram() const { return programUnload_ || Core().life.AppExiting; }

void EditorWindowFrame::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        if (!unloadingByProgram())
            CommitFieldBeingEdited();
        // From here on a field losing its focus (the window hiding) commits
        // nothing.
        unloaded_ = true;
        Form_Unload();
        emit unloaded();
    }
    QMdiSubWindow::closeEvent(event);
    event->accept();
}

void EditorWindowFrame::showEvent(QShowEvent* event)
{
    QMdiSubWindow::showEvent(event);
    // The frame makes its Close button before the window makes its fields,
    // so Qt would start on Close; a window opens on its first field, ready
    // for typing.
    if (event->spontaneous())
        return;
    if (QWidget* first = FirstField(); first && first->isEnabled())
        first->setFocus(Qt::OtherFocusReason);
}

void EditorWindowFrame::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

bool EditorWindowFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        Form_Resize();
    return QMdiSubWindow::eventFilter(watched, event);
}

}  // namespace zx
