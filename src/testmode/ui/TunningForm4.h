#pragma once
// The single-value dialog: one value at the Test point, for the narrow items and for DTMF and MSK fine deviation.
#include "testmode/ui/TuningPointsForm.h"

namespace zx {

class TunningForm4 : public TuningPointsForm {
    Q_OBJECT
public:
    // Built from the test window's choices and the image as they are now.
    explicit TunningForm4(const TuningHandOver& handOver);
};

}  // namespace zx
