#pragma once
// The band-point dialog: a tuning item at the Test point and three points of the band (Low, Center, High).
#include "testmode/ui/TuningPointsForm.h"

namespace zx {

class TunningForm3 : public TuningPointsForm {
    Q_OBJECT
public:
    // Built from the test window's choices and the image as they are now.
    explicit TunningForm3(const TuningHandOver& handOver);
};

}  // namespace zx
