#pragma once
// Attaches the model dialog, the memory map and the language switch to their
// menu items of the main window.
#include "core/CoreWindowHooks.h"

namespace zx {

class MDIForm1;

// "MnuModelInformation", "MnuProgramMemoryMap" (also the hidden gesture) and
// "MnuSetupLanguageFileSetup"; each command uses the main window's hooks as
// they are when it runs.
void AttachCoreDialogCommands(MDIForm1& main);

}  // namespace zx
