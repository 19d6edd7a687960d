#include "signalling/ui/SignallingWindows.h"

#include "core/ui/EditorWindowRegistry.h"
#include "signalling/ui/DTMFForm.h"

namespace zx {

void RegisterSignallingWindows(EditorWindowRegistry& windows)
{
    windows.RegisterWindow(4, [] { return new DTMFForm; });
}

}  // namespace zx
