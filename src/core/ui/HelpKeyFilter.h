#pragma once
// F1 anywhere in the program: opens the help page of the highlighted menu
// item while a menu is open, else of the focused control or its window.
// Controls, windows and menu actions carry the dynamic property
// "helpContextId"; a window may carry "helpPage" for controls without an id.
#include <QObject>
#include <QString>

class QAction;
class QWidget;

namespace zx {

class HelpKeyFilter : public QObject {
    Q_OBJECT
public:
    // Installs one filter on the application (again: no effect).
    static HelpKeyFilter* Install();

    // The page F1 opens for a focused widget (or, with nullptr, the active
    // window): the id of the widget or its nearest ancestor within its window,
    // looked up with the window's id; else the window's own page; else the
    // main page.
    static QString PageForWidget(const QWidget* widget);
    // The page for a highlighted menu item.
    static QString PageForAction(const QAction* action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zx
