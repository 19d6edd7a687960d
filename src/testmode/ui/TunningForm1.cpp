#include "testmode/ui/TunningForm1.h"

#include "core/AppCore.h"

namespace zx {

TunningForm1::TunningForm1(const TuningHandOver& handOver)
    : TuningPointsForm(handOver, PowerSetup(Core().testMode, Core().image), "TunningForm1")
{
}

}  // namespace zx
