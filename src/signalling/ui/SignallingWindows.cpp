#include "signalling/ui/SignallingWindows.h"

#include "core/ui/EditorWindowRegistry.h"
#include "signalling/ui/DTMFForm.h"
#include "signalling/ui/FleetsyncForm.h"

namespace zx {

void RegisterSignallingWindows(EditorWindowRegistry& windows)
{
    windows.RegisterWindow(4, [] { return new DTMFForm; });
    windows.RegisterWindow(5, [] { return new FleetsyncForm; });
}

}  // namespace zx
