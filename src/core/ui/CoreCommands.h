#pragma once
// Attaches the core's commands to the main window's menu items: the document
// commands, the Edit menu's windows, the tree view, the Window menu, the
// model dialog, the memory map and the language switch.
namespace zx {

class DocumentCommands;
class EditorWindowRegistry;
class MenuCommands;
class Workspace;

void AttachCoreCommands(MenuCommands& menu, Workspace& workspace, EditorWindowRegistry& windows,
                        DocumentCommands& documents);

}  // namespace zx
