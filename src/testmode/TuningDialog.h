#pragma once
// Which of the four tuning dialogs serves a tuning item: the test window
// asks for it by this name once the radio has entered the item.
namespace zx {

enum class TuningDialog {
    TunningForm1 = 1,  // power: RF High Power, RF Low Power
    TunningForm2 = 2,  // measured value: Battery Warning Level, VOX1, VOX10, RSSI
    TunningForm3 = 3,  // band points
    TunningForm4 = 4,  // single value (narrow items, DTMF and MSK fine deviation)
};

}  // namespace zx
