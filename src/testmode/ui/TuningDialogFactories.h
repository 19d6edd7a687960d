#pragma once
// How the test window hands the radio over to a tuning dialog. When the
// radio has acknowledged the item's enter command, the test window disables
// itself, closes its port and, 30 ms later, asks the factory of the item's
// dialog to show it. The dialog opens its own port, runs its own exchange
// and, once it has closed its port and gone, calls `closed` exactly once;
// the test window then clears LinkAborted and enables itself 30 ms later.
#include <array>
#include <functional>
#include <utility>

#include "testmode/TuningDialog.h"

class QWidget;

namespace zx {

struct TuningHandOver {
    QWidget* testWindow = nullptr;  // disabled while the dialog runs; never its parent
    std::function<void()> closed;
};

using TuningDialogFactory = std::function<void(const TuningHandOver&)>;

class TuningDialogFactories {
public:
    void Set(TuningDialog which, TuningDialogFactory factory)
    {
        factories_[Index(which)] = std::move(factory);
    }
    // Empty when no dialog is registered for `which`.
    const TuningDialogFactory& For(TuningDialog which) const { return factories_[Index(which)]; }

private:
    static int Index(TuningDialog which) { return static_cast<int>(which) - 1; }
    std::array<TuningDialogFactory, 4> factories_{};
};

}  // namespace zx
