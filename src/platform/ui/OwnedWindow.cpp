#include "platform/ui/OwnedWindow.h"

#include <QWidget>
#include <QWindow>

namespace zx {

void KeepAboveOwner(QWidget& window, const QWidget* owner)
{
    if (window.windowType() == Qt::Window)
        window.setWindowFlags((window.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    const QWidget* top = owner ? owner->window() : nullptr;
    if (!top || !top->windowHandle())
        return;
    window.winId();  // its native window, which carries the hint
    window.windowHandle()->setTransientParent(top->windowHandle());
}

}  // namespace zx
