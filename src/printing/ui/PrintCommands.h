#pragma once
// Attaches printing to the main window: File > Print (Ctrl+P) and toolbar
// button 5 open the print selection dialog.
namespace zx {

class MDIForm1;

void AttachPrintCommands(MDIForm1& main);

}  // namespace zx
