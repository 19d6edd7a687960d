#include "settings/ui/EnterAsTab.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zx {

void EnterAsTab(QWidget* field)
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &tab);
}

}  // namespace zx
