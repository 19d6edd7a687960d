#include "platform/ui/NoContextMenu.h"

#include <QWidget>

#include "platform/ui/NoContextMenuFilter.h"

namespace zx {

void NoContextMenu(QWidget* textBox)
{
    if (textBox->findChild<NoContextMenuFilter*>(QString(), Qt::FindDirectChildrenOnly))
        return;  // one filter per box
    textBox->installEventFilter(new NoContextMenuFilter(textBox));
}

}  // namespace zx
