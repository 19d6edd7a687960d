#pragma once
// Attaches printing to the main window: File > Print (Ctrl+P) and toolbar
// button 5 open the print selection dialog.
namespace zx {

class MenuCommands;
class Workspace;

void AttachPrintCommands(MenuCommands& commands, Workspace& workspace);

}  // namespace zx
