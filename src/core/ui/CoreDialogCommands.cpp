#include "core/ui/CoreDialogCommands.h"

#include "core/ui/CPUForm.h"
#include "core/ui/LanguageForm.h"
#include "core/ui/MDIForm1.h"
#include "core/ui/ModelTypeForm.h"
#include "core/ui/TreeViewForm.h"

namespace zx {

void AttachCoreDialogCommands(MDIForm1& main, const CoreWindowHooks& hooks)
{
    MDIForm1* window = &main;
    main.setCommand(QStringLiteral("MnuModelInformation"), [window, hooks] { MnuModelInformation_Click(*window, hooks); });
    main.setCommand(QStringLiteral("MnuViewTreeView"), [window, hooks] { MnuViewTreeView_Click(*window, hooks); });
    main.setCommand(QStringLiteral("MnuProgramMemoryMap"), [window, hooks] { MnuProgramMemoryMap_Click(*window, hooks); });
    main.setCommand(QStringLiteral("MnuSetupLanguageFileSetup"),
                    [window, hooks] { MnuSetupLanguageFileSetup_Click(*window, hooks); });
}

}  // namespace zx
