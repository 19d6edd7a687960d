#pragma once
// The signalling windows take their Window-menu slots: DTMF (slot 4) and
// FleetSync (slot 5), so the Edit menu, the tree view and the Window menu
// open them.
namespace zx {

class EditorWindowRegistry;

void RegisterSignallingWindows(EditorWindowRegistry& windows);

}  // namespace zx
