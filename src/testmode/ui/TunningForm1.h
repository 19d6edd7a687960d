#pragma once
// The power dialog: RF High Power and RF Low Power at the Test point and five points of the band (Low, Low', Center, High', High).
#include "testmode/ui/TuningPointsForm.h"

namespace zx {

class TunningForm1 : public TuningPointsForm {
    Q_OBJECT
public:
    // Built from the test window's choices and the image as they are now.
    explicit TunningForm1(const TuningHandOver& handOver);
};

}  // namespace zx
