#pragma once
// What each tuning dialog shows and sends for the open tuning item: the
// window caption, the tab captions, the points with their codes, start
// values and frequency texts, the PTT button's state, and the configuration
// of its TuningLink. Built from the test window's choices (TuneItem,
// TestChannelNo, NarrowBandTest), the test values and TestFreqList of the
// last Tune step, and the image's TuningData bytes and ModelBandCode; the
// dialogs read the image only here and never write it.
#include <cstdint>
#include <vector>

#include <QString>

#include "core/RadioImage.h"
#include "core/TestModeState.h"
#include "testmode/TuningDialog.h"
#include "testmode/TuningLink.h"

namespace zx {

// Tuning item numbers (TuneItem) and their TuningItemCode.
enum TuningItemNumber : int {
    kItemRfHighPower = 1,
    kItemRfLowPower = 2,
    kItemDqtBalance = 3,
    kItemMaxDeviation = 4,
    kItemQtFineDeviation = 5,
    kItemDqtFineDeviation = 6,
    kItemDtmfFineDeviation = 7,
    kItemSensitivity = 8,
    kItemSquelchTight = 9,
    kItemSquelchOpen = 10,
    kItemMskFineDeviation = 11,
    kItemBatteryWarningLevel = 12,
    kItemVox1 = 13,
    kItemVox10 = 14,
    kItemRssi = 15,
};
inline constexpr int kTuningItemCount = 15;

// The item's code (0 for a number outside 1..15).
std::uint8_t TuningItemCode(int tuneItem);

// The dialog that tunes `item`; `narrow` (test mode in narrow bandwidth)
// sends DQT Balance, Max Deviation, QT and DQT Fine Deviation and both
// squelch levels to the single-value dialog instead of the band points.
TuningDialog TuningDialogFor(int item, bool narrow);

struct TuningPointSetup {
    int tabCaptionId = 0;        // LoadLangString id of the tab ("Test", "Low", ...)
    std::uint8_t code = 0;       // TuningItemCode (Test point) or TuningPointCode
    std::uint8_t startValue = 0;
    QString rxText;              // "000.00000MHz"
    QString txText;
};

struct TuningSetup {
    // LoadLangString id of the window caption (a shared id 1903-1905 for
    // VOX1, VOX10, RSSI); 0: the item is not one of this dialog's, no caption.
    int captionId = 0;
    bool pttEnabled = true;
    std::vector<TuningPointSetup> points;  // in tab order
    TuningLinkConfig link;
};

// TunningForm3: Test, Low, Center, High for items 3-6, 8, 9, 10 (wide).
TuningSetup BandPointSetup(const TestModeState& testMode, const RadioImage& image);
// TunningForm1: Test, Low, Low', Center, High', High for items 1 and 2.
TuningSetup PowerSetup(const TestModeState& testMode, const RadioImage& image);
// TunningForm4: the Test point only; items 3-6, 9, 10 take their narrow row,
// items 7 and 11 choose by NarrowBandTest. The start value always comes from
// the image.
TuningSetup SingleValueSetup(const TestModeState& testMode, const RadioImage& image);
// TunningForm2: items 12-15, the start value from the image.
TuningSetup MeasuredValueSetup(const TestModeState& testMode, const RadioImage& image);

// Resource ids of the dialogs' fixed captions.
inline constexpr int kCaptionRx = 1202;
inline constexpr int kCaptionTx = 1203;
inline constexpr int kCaptionOk = 1096;
inline constexpr int kCaptionCancel = 1097;
inline constexpr int kCaptionStart = 1237;
inline constexpr int kTabTest = 1238;
inline constexpr int kTabLow = 1091;
inline constexpr int kTabLowQuarter = 1239;
inline constexpr int kTabCenter = 1241;
inline constexpr int kTabHighQuarter = 1240;
inline constexpr int kTabHigh = 1090;

}  // namespace zx
