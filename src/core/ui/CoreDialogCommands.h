#pragma once
// Attaches the model dialog, the tree view, the memory map and the language
// switch to their menu items of the main window.
#include "core/CoreWindowHooks.h"

namespace zx {

class MDIForm1;

// "MnuModelInformation", "MnuViewTreeView", "MnuProgramMemoryMap" (also the
// hidden gesture) and "MnuSetupLanguageFileSetup"; the commands keep their own
// copy of the hooks.
void AttachCoreDialogCommands(MDIForm1& main, const CoreWindowHooks& hooks);

}  // namespace zx
