#include "testmode/ui/TunningForm4.h"

#include "core/AppCore.h"

namespace zx {

TunningForm4::TunningForm4(const TuningHandOver& handOver)
    : TuningPointsForm(handOver, SingleValueSetup(Core().testMode, Core().image), "TunningForm4")
{
}

}  // namespace zx
