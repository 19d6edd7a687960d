#pragma once
// What follows the language dialog: when it changed the language, the other
// editor windows close and the main window and the channel list take the
// texts of the new language.
namespace zx {

class AppCore;
class Workspace;

// Does nothing unless LanguageChanged is set.
void ApplyLanguageSwitch(AppCore& core, Workspace& workspace);

}  // namespace zx
