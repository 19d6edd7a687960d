#include "core/ui/HelpKeyFilter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>

#include "core/HelpTopicTable.h"
#include "core/ui/HelpWindow.h"

namespace zx {

namespace {

int HelpId(const QObject* object)
{
    return object ? object->property(kHelpContextIdProperty).toInt() : 0;
}

// The window a control belongs to: its MDI child window, or its top-level
// window.
const QWidget* EnclosingWindow(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->isWindow() || qobject_cast<const QMdiSubWindow*>(w))
            return w;
    }
    return nullptr;
}

}  // namespace

HelpKeyFilter* HelpKeyFilter::Install()
{
    static HelpKeyFilter* filter = nullptr;
    if (!filter) {
        filter = new HelpKeyFilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
    return filter;
}

QString HelpKeyFilter::PageForWidget(const QWidget* widget)
{
    if (!widget)
        widget = QApplication::activeWindow();
    const QWidget* window = EnclosingWindow(widget);
    int controlId = 0;
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        controlId = HelpId(w);
        if (controlId != 0 || w == window)
            break;
    }
    const QString page = HelpPageForContext(controlId, HelpId(window));
    if (!page.isEmpty())
        return page;
    const QString windowPage = window ? window->property(kHelpPageProperty).toString() : QString();
    return windowPage.isEmpty() ? kGeneralHelpPage : windowPage;
}

QString HelpKeyFilter::PageForAction(const QAction* action)
{
    const QString page = HelpPageForContext(HelpId(action));
    return page.isEmpty() ? kGeneralHelpPage : page;
}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return QObject::eventFilter(watched, event);

    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        QAction* action = menu->activeAction();
        if (!action)
            action = menu->menuAction();
        const QString page = PageForAction(action);
        menu->close();
        ShowHelpTopic(menu, page);
        return true;
    }
    // The key goes to the focused control; when it reaches us through the
    // platform window first, ask the application for the focus.
    QWidget* focus = qobject_cast<QWidget*>(watched);
    if (!focus)
        focus = QApplication::focusWidget();
    ShowHelpTopic(focus, PageForWidget(focus));
    return true;
}

}  // namespace zx
