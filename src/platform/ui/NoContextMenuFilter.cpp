#include "platform/ui/NoContextMenuFilter.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace zx {

bool NoContextMenuFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ContextMenu:
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse) {
            event->accept();
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // The middle button would paste the selection on some platforms; on a
        // text box it does what the right button does.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zx
