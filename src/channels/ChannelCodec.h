#pragma once
// The channel codec: a 16-byte channel record and its scan-add bit become a
// ChannelRegisters value of texts, and back. Pure functions of their inputs;
// the language decides which form of each word is written and recognised.
#include <cstdint>

#include <QString>

#include "core/ChannelRecord.h"
#include "channels/ScanAddBytes.h"
#include "core/ChannelRegisters.h"

namespace zx {

// The texts of one record. `pttIdType` is image byte 0x133 (0 DTMF,
// 1 FleetSync). An empty record reads RX "000.00000"; bytes the encoder never
// writes (BCD nibbles above 9, odd tone codes) still read as some text.
ChannelRegisters DecodeChannel(const ChannelRecordBytes& record, bool scanAdd, std::uint8_t pttIdType,
                               bool chinese);

// The RX text of a record ("000.00000" when empty) and the TX text (empty
// when there is none).
QString RxFrequencyText(const ChannelRecordBytes& record);
QString TxFrequencyText(const ChannelRecordBytes& record);

// The PTT ID text of byte 14 for a PTT ID type, by its low nibble: type 0
// 1-10 (a set PTT ID) On, else Off; type 1 0 Off, 1 Own, 2-9 Fleet List 1-8,
// 10-15 Off; Off for any other type. The one reading of the byte wherever
// the channel list shows it.
QString PttIdText(std::uint8_t code, std::uint8_t pttIdType, bool chinese);

struct EncodedChannel {
    ChannelRecordBytes record{};
    ScanAddBytes scanAdd;  // filled by EncodeChannelWithScanAdd only
    bool pttIdOn = false;  // the channel has PTT ID On: set PttCodeCheck
};

// The record for `registers`, given the channel's stored record. Every field
// is rebuilt from its text or flag, except that:
// - a frequency or tone whose text still reads as the stored bytes keeps
//   those bytes (so an unedited field is written back unchanged, whatever
//   odd bytes it held);
// - busy lockout, SP unmute and bit 7 of byte 12 are the stored bits, which
//   the channel editor sets directly; a channel created from an empty record
//   takes busy lockout Off and SP unmute Carrier (bits 3-6 = 0) instead;
// - a signalling, power, bandwidth or PTT ID text that matches no word of
//   its field keeps the stored bits of that field;
// - a PTT ID text that still reads as the stored byte (PttIdText) keeps it;
// - byte 13 always has bits 0-3 and 7 set; byte 15 is 0xF7 + autodial
//   memory ("1" to "8", empty gives 0xF8).
EncodedChannel EncodeChannelRecord(const ChannelRegisters& registers, const ChannelRecordBytes& stored,
                                   std::uint8_t pttIdType, bool chinese);

// The scan-add bytes after channel `channel` was given `scanAddText`: Yes sets
// and No clears its bit; any other text changes nothing; an 8-channel model
// also sets 0x17F to FF.
ScanAddBytes ApplyScanAdd(ScanAddBytes bits, int channel, const QString& scanAddText, bool eightChannel,
                          bool chinese);

// Both at once: the new record of `channel` and the scan-add bytes after it.
EncodedChannel EncodeChannelWithScanAdd(const ChannelRegisters& registers, int channel,
                                        const ChannelRecordBytes& stored, ScanAddBytes scanAdd,
                                        std::uint8_t pttIdType, bool eightChannel, bool chinese);

// The defaults of a channel that has just got its first RX frequency:
// ChRxFreq becomes rxText in the "000.00000" form and every empty text its
// default (None tones, High, Wide, Yes, None signalling, PTT ID Off, SP unmute
// Carrier, autodial "1", busy lockout Off); the encode tone is None whenever
// there is no TX; ChPttId is emptied for a PTT ID type above 1.
void ApplyChannelDefaults(ChannelRegisters& registers, const QString& rxText, std::uint8_t pttIdType,
                          bool chinese);

// Loads a grid row into the registers before a cell edit: the nine texts,
// and for a programmed row (RX not empty) ChAutoDial, ChCompander and
// ChBeatShift from the stored record; for an empty row "", false, false.
// ChSpMute and ChBusyLock are left as they are.
void LoadRowIntoRegisters(ChannelRegisters& registers, const ChannelColumns& row,
                          const ChannelRecordBytes& stored);

}  // namespace zx
