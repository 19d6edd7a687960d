#include "printing/ui/PrintCommands.h"

#include "app/MDIForm1.h"
#include "printing/ui/frmPrintList.h"

namespace zx {

void AttachPrintCommands(MDIForm1& main)
{
    MDIForm1* window = &main;
    main.setCommand(QStringLiteral("MnuFilePrint"), [window] { MnuFilePrint_Click(window); });
}

}  // namespace zx
