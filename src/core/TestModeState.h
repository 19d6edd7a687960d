#pragma once
// What test mode shares between the entry, the test window and the tuning
// dialogs: the radio's test channels as listed at the last entry, the nine
// values the radio reported for the selected test channel, and the choices
// the test window hands to a tuning dialog. One instance lives in the AppCore.
#include <array>
#include <cstdint>

#include <QString>

namespace zx {

inline constexpr int kTestChannels = 16;

struct TestModeState {
    // TestFreqList[side][n - 1] for test channel n: side 0 RX, side 1 TX.
    // "0" for an empty channel, else the frequency as "000.00000" (MHz);
    // empty until an entry has read channel n.
    std::array<std::array<QString, kTestChannels>, 2> TestFreqList{};

    // The radio's current value of each item at the selected test channel:
    // the "Test" point of the tuning dialogs. Set only by StoreTuningData.
    std::uint8_t TestValueRfHighPower = 0;
    std::uint8_t TestValueRfLowPower = 0;
    std::uint8_t TestValueDqtBalance = 0;
    std::uint8_t TestValueMaxDeviation = 0;
    std::uint8_t TestValueQtFineDeviation = 0;
    std::uint8_t TestValueDqtFineDeviation = 0;
    std::uint8_t TestValueSensitivity = 0;
    std::uint8_t TestValueSquelchTight = 0;
    std::uint8_t TestValueSquelchOpen = 0;

    int TuneItem = 1;       // the tuning item chosen in the test window, 1..15
    int TestChannelNo = 1;  // the test channel chosen in the test window, 1..16
    bool NarrowBandTest = false;
    // A Cancel in a reply time-out box of test mode: the window closes
    // without taking the radio out of test mode.
    bool LinkAborted = false;
};

}  // namespace zx
