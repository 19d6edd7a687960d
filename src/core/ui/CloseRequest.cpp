#include "core/ui/CloseRequest.h"

#include <QApplication>
#include <QWidget>

namespace zx {

bool CloseRequestRefused(const QWidget& window)
{
    if (!window.isEnabled())
        return true;
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != window.window();
}

}  // namespace zx
