#include "printing/ui/PrintCommands.h"

#include "core/MenuCommands.h"
#include "core/Workspace.h"
#include "printing/ui/frmPrintList.h"

namespace zx {

void AttachPrintCommands(MenuCommands& commands, Workspace& workspace)
{
    Workspace* owner = &workspace;
    commands.setCommand(QStringLiteral("MnuFilePrint"), [owner] {
        owner->CommitFieldBeingEdited();
        MnuFilePrint_Click(owner->DialogOwner());
    });
}

}  // namespace zx
