#include "core/ui/CoreDialogCommands.h"

#include "core/ui/CPUForm.h"
#include "core/ui/LanguageForm.h"
#include "app/MDIForm1.h"
#include "core/ui/ModelTypeForm.h"

namespace zx {

void AttachCoreDialogCommands(MDIForm1& main)
{
    MDIForm1* window = &main;
    main.setCommand(QStringLiteral("MnuModelInformation"),
                    [window] { MnuModelInformation_Click(*window, window->coreHooks()); });
    main.setCommand(QStringLiteral("MnuProgramMemoryMap"),
                    [window] { MnuProgramMemoryMap_Click(*window, window->coreHooks()); });
    main.setCommand(QStringLiteral("MnuSetupLanguageFileSetup"),
                    [window] { MnuSetupLanguageFileSetup_Click(*window, window->coreHooks()); });
}

}  // namespace zx
