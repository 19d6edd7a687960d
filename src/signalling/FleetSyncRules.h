#pragma once
// The FleetSync window's own settings (0x170-0x178) as rules over the image:
// the own fleet and own ID pair, the data TX delay, the message mode timer,
// the baud rate and the PTT ID side tone. Loading only reads; the pair rules
// say what a commit or a step of an empty half writes at once.
#include <cstdint>

#include <QString>

#include "core/RadioImage.h"
#include "signalling/SpinState.h"

namespace zx {

enum class FleetSyncNumber { OwnFleet, OwnId, DataTxDelay, MessageModeTimer };

struct FleetSyncNumberSpec {
    int minimum;  // the up-down's range (step 1)
    int maximum;
    int maxLength;
};

const FleetSyncNumberSpec& NumberSpec(FleetSyncNumber field);

// What a value shows: own fleet value + 99, own ID value + 999, the delay
// as it is, the timer with the Off text for 0.
QString NumberDisplay(FleetSyncNumber field, int value);

SpinState NumberLoad(FleetSyncNumber field, const RadioImage& image);

// The outcome of a step of an empty own fleet or own ID.
struct OwnPairChange {
    SpinState fleet;
    SpinState id;
};

// Commit of an empty own fleet or own ID: both halves empty, FF at 0x170 and
// 00 00 at 0x171 (OwnFleetIdError stays as it is).
void EmptyOwnPair(RadioImage& image);

// A step of an empty own fleet or own ID: both halves become 100 and 1000,
// and the other half's bytes are written at once.
OwnPairChange FillOwnPair(FleetSyncNumber steppedField, RadioImage& image);

// The number a non-empty own fleet or own ID commit stores (clamped).
int OwnCode(FleetSyncNumber field, const QString& text);

// The delay and timer commits: the state shown after it; the value is what
// the LeWord gets.
SpinState CommitDelay(const QString& text);
SpinState CommitTimer(const QString& text);
void WriteNumber(FleetSyncNumber field, int value, RadioImage& image);

// Baud rate: FF and any byte but 0 and 1 show no choice (-1); no choice
// commits FF.
int BaudRatePosition(std::uint8_t byte);
std::uint8_t BaudRateByte(int position);
// PTT ID side tone: 0 and FF clear, any other byte ticked.
bool SideToneTicked(std::uint8_t byte);

}  // namespace zx
