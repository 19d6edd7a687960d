#pragma once
// The rules of the single-channel editor that need no window: the channel
// box's number, the shapes of the SP-mute and busy-lockout lists with the
// entries a stored byte 12 selects, the PTT ID and autodial entries, and the
// editor's channel commit.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringList>

namespace zx {

class AppCore;

// --- The channel box -------------------------------------------------------

// The channel a box text shows: its leading digits (none read 0), above 8 on
// an 8-channel model 8, then limited to 1..16 ("0" is 1, "99" is 16, "" is 1).
int NormaliseChannelNumber(const QString& text, bool eightChannel);
// Up: the last channel (8 or 16) wraps to 1. Down: 1 wraps to the last.
int NextChannel(int shown, bool eightChannel);
int PreviousChannel(int shown, bool eightChannel);

// --- SP mute and busy lockout ------------------------------------------------

// The four shapes of the two lists, chosen by whether the decode tone and the
// signalling type read the None word (an empty text counts as set).
enum class MuteLockShape {
    CarrierOnly,        // decode None, signalling None
    CarrierWithSignal,  // decode None, signalling set
    ToneOnly,           // decode set, signalling None
    ToneWithSignal,     // decode set, signalling set
};
MuteLockShape MuteLockShapeOf(const QString& decodeText, const QString& signalText, bool chinese);

// The entries of each list in the shape, in list order, in the language.
QStringList SpMuteEntries(MuteLockShape shape, bool chinese);
QStringList BusyLockEntries(MuteLockShape shape, bool chinese);

// Each busy-lockout entry stands for its code, whatever its position:
// Off 0, Carrier 1, "QT/DQT" 2, "Option Signalling" 3. The codes of a shape's
// entries in list order, and the code of one entry (-1 for no entry).
std::vector<int> BusyLockCodes(MuteLockShape shape);
int BusyLockCode(MuteLockShape shape, int position);

// The entries a record's byte 12 selects in a shape, and byte 12 as it must
// then be stored so that the record agrees with the window.
struct MuteLockChoice {
    int spMute = -1;    // SP-mute position, -1 no entry
    int busyLock = -1;  // busy-lockout position, -1 no entry
    std::uint8_t flagsA = 0;
};
// The channel load: the entry of the stored busy-lockout code, Off (code 0
// stored) when the shape lacks it; SP mute 0-2 by position, a position the
// shape lacks shows the first entry (code 0 stored), code 3 no entry (kept).
MuteLockChoice LoadMuteLockEntries(MuteLockShape shape, std::uint8_t flagsA);
// After a rebuild of the lists: as the load, except that an unset byte 12
// (FF) selects no entry in either list and stores nothing.
MuteLockChoice SelectMuteLockEntries(MuteLockShape shape, std::uint8_t flagsA);

// A choice stored into byte 12: SP-mute position 0-2 into bits 5-6, the
// busy-lockout entry's code 0-3 into bits 3-4; no entry (-1) changes nothing.
std::uint8_t StoreSpMute(std::uint8_t flagsA, int position);
std::uint8_t StoreBusyLock(std::uint8_t flagsA, int code);

// --- PTT ID and autodial -------------------------------------------------------

// The PTT ID entry the channel load selects for a column-9 text: FleetSync
// (type 1) Off 0, Own 1, "Fleet List n" n + 1, anything else 0; any other
// type On 1, anything else 0.
int PttIdEntryForText(const QString& text, std::uint8_t pttIdType, bool chinese);
// The FleetSync entry of a stored byte 14: its low four bits 0-9, 10-15 Off.
int PttIdEntryForCode(std::uint8_t pttIdCode);

// The autodial entry of byte 15 (memory (byte And 7) + 1 at that position)
// and the byte of an entry (0xF8 + position; 0xF8 with no entry).
int AutoDialEntry(std::uint8_t autoDialCode);
std::uint8_t AutoDialCode(int position);

// --- The commit ------------------------------------------------------------------

// CommitChannelEdit of the shown channel from the current-channel registers:
// ChScanAdd from the scan-add tick (Yes / No; empty for an empty RX), the
// channel's scan-add bit, EncodeChannel, CopyChannelRecords. A channel whose
// RX box is empty is emptied instead: its record becomes 16 x FF, its
// registers' nine column texts empty and its scan-add bit cleared. Returns
// the tick as the box must then show it (cleared for an empty RX). The caller
// writes core.channelRegisters.Columns() into the channel's row.
bool CommitChannelEdit(AppCore& core, int channel, bool rxEmpty, bool scanAddTicked);

}  // namespace zx
