#include "core/ui/MenuKeyPriority.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>

namespace zx {

namespace {

// The visible, enabled item of `menu` (or of its submenus) that holds `key`.
QAction* ItemWithKey(const QMenu* menu, const QKeySequence& key)
{
    for (QAction* a : menu->actions()) {
        if (!a->isVisible() || a->isSeparator())
            continue;
        if (a->menu()) {
            if (QAction* inner = ItemWithKey(a->menu(), key))
                return inner;
            continue;
        }
        if (a->isEnabled() && a->shortcuts().contains(key))
            return a;
    }
    return nullptr;
}

}  // namespace

MenuKeyPriority::MenuKeyPriority(QMainWindow* window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

MenuKeyPriority::~MenuKeyPriority()
{
    qApp->removeEventFilter(this);
}

bool MenuKeyPriority::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Shortcut || QApplication::activeWindow() != window_)
        return false;
    auto* shortcut = static_cast<QShortcutEvent*>(event);
    const QKeySequence key = shortcut->key();
    QMenuBar* bar = window_->menuBar();
    for (QAction* title : bar->actions()) {
        if (!title->menu() || !title->isVisible() || !title->isEnabled())
            continue;
        if (QKeySequence::mnemonic(title->text()) == key) {
            if (watched == bar && !shortcut->isAmbiguous())
                return false;  // the menu bar's own answer
            bar->setActiveAction(title);
            return true;
        }
        if (QAction* item = ItemWithKey(title->menu(), key)) {
            if (watched == item && !shortcut->isAmbiguous())
                return false;
            item->trigger();
            return true;
        }
    }
    return false;
}

}  // namespace zx
