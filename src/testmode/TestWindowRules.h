#pragma once
// What the test window shows, as plain rules over the test-mode state: the
// test channels it offers, the texts beside them, the tuning items' names
// and what each test signalling decodes and sends.
#include <array>
#include <vector>

#include <QString>

#include "core/TestModeState.h"

namespace zx {

// The test channels the window lists, ascending: those whose RX text reads
// as a number above 0 and below 600 (MHz). Empty channels ("0"), channels
// not yet read ("") and those at 600 MHz or more are left out.
std::vector<int> ListedTestChannels(const TestModeState& state);

// The leading number of a text, as the test channel list reads it ("146.125"
// of "146.12500", 0 for "" or "0"); reading stops at the first character
// that cannot continue it.
double LeadingMegahertz(const QString& text);

// A frequency label: the list's text followed by "MHz" ("146.12500MHz").
QString FrequencyLabel(const QString& listText);

// The RX label of the channel list's single "1" when no test channel can be
// listed.
inline const QString kNoTestChannelRxText = QStringLiteral("FFF.FFFFFMHz");

// The resource ids of what the radio decodes (RX) and sends (TX) with test
// signalling s (1..9): a language pair (1077 "None", 1220 "DTMF Tone 9") or
// a shared text (1906-1913).
struct SignalLabelIds {
    int rx;
    int tx;
};
SignalLabelIds TestSignalLabels(int s);

// The resource id of tuning item `item` (1..15) in the tuning list: the
// pairs 1208-1219, then the shared texts 1903-1905 (VOX1, VOX10, RSSI).
int TuningItemTextId(int item);

}  // namespace zx
