#include "testmode/ui/TunningForm3.h"

#include "core/AppCore.h"

namespace zx {

TunningForm3::TunningForm3(const TuningHandOver& handOver)
    : TuningPointsForm(handOver, BandPointSetup(Core().testMode, Core().image), "TunningForm3")
{
}

}  // namespace zx
