#pragma once
// The radio's answer to test channel n (10 n) during the test-mode entry: 8
// bytes laid out as an entry of the image's test frequency table (RX then TX
// BcdFrequency, empty when byte 0 is FF). It is listed for the test window
// and compared with the image, which must agree before test mode opens.
#include <QByteArray>
#include <QString>

#include "core/RadioImage.h"
#include "core/TestModeState.h"

namespace zx {

// "0" for an empty channel, else the MHz text "000.00000". A BCD field with
// a nibble above 9 is read as its digits up to the first non-digit, so FF FF
// FF FF reads "000.00000".
QString TestFrequencyText(const QByteArray& fourBytes);

// Lists the answer for channel n (1..16) in state.TestFreqList. An answer
// shorter than 8 bytes lists what it holds, missing bytes read as FF.
void StoreTestFrequency(TestModeState& state, int n, const QByteArray& reply);

// True when the answer and entry n of the image are both empty (byte 0 FF,
// whatever follows), or both set with all eight bytes equal.
bool TestFrequencyMatches(const RadioImage& image, int n, const QByteArray& reply);

}  // namespace zx
