#include "platform/ui/NoContextMenu.h"

#include <QWidget>

namespace zx {

void NoContextMenu(QWidget* textBox)
{
    textBox->setContextMenuPolicy(Qt::NoContextMenu);
}

}  // namespace zx
