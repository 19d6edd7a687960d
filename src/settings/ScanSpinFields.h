#pragma once
// The four numeric fields of the scan information window, as spin fields:
// the look back times A and B (0x162, 0x163: code v for v x 0.05 + 0.45
// seconds, 1..91), the dropout delay time (0x165-0x166) and the TX dwell time
// (0x167-0x168), both whole seconds 0..300 stored low byte first.
#include <cstdint>

#include "settings/SpinRules.h"

namespace zx {

SpinFieldParams LookBackTimeAField();
SpinFieldParams LookBackTimeBField();
SpinFieldParams DropoutDelayTimeField();
SpinFieldParams TxDwellTimeField();

// The seconds of a look back code as shown: "0.50" for 1, "5.00" for 91.
QString LookBackText(int code);
// The text read as a decimal number (leading digits with a decimal point; an
// empty text reads 0), in hundredths, rounded half to even in exact decimal
// arithmetic; saturates far above any time.
std::int64_t ReadHundredths(const QString& text);
// The code a look back text commits as: 1 up to 0.50 s, 91 from 5.00 s, else
// the 0.05 s step at or below the time.
int LookBackCode(const QString& text);

}  // namespace zx
