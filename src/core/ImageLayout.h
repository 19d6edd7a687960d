#pragma once
// Addresses of the fields of the radio's 1024-byte memory image. This is the
// one place that knows where a field lives; everything else asks RadioImage
// for a field by these names.
#include <cstdint>

namespace zx::layout {

using Address = int;

inline constexpr int kImageSize = 1024;
inline constexpr int kBlockSize = 64;
inline constexpr int kBlockCount = 16;

inline constexpr Address HeaderBlock = 0x000;        // 16 bytes nothing interprets
inline constexpr int kHeaderBlockSize = 16;

// Channel n (1..16) at n*16, 16 bytes each.
inline constexpr Address ChannelTable = 0x010;
inline constexpr int kChannelRecordSize = 16;
inline constexpr int kMaxChannels = 16;
// The channels a model holds: an eight-channel model uses only the first 8.
inline constexpr int ChannelCountOf(bool eightChannel) { return eightChannel ? 8 : kMaxChannels; }
inline constexpr Address ChannelRecord(int channel) { return channel * kChannelRecordSize; }
// Byte 14 of a channel record: 0xB0 + the PTT ID list position, 0xFF unset.
inline constexpr Address ChannelPttIdCode(int channel) { return ChannelRecord(channel) + 14; }

// DTMF settings, one byte each.
inline constexpr Address DtmfSettings = 0x110;
inline constexpr Address DtmfSpeed = 0x110;
inline constexpr Address FirstDigitTime = 0x111;
inline constexpr Address FirstDigitDelay = 0x112;
inline constexpr Address StarHashTone = 0x113;
inline constexpr Address DCodeAssignment = 0x114;
inline constexpr Address DtmfSideTone = 0x115;
inline constexpr Address GroupCode = 0x116;
inline constexpr Address AutoResetTimer = 0x117;
inline constexpr Address CallAlert = 0x118;
inline constexpr Address Transpond = 0x119;
inline constexpr Address ClearToTranspond = 0x11A;

inline constexpr Address KeyPf1 = 0x11D;
inline constexpr Address KeyPf2 = 0x11E;

inline constexpr Address DtmfIdCode = 0x120;          // up to 10 characters
inline constexpr int kDtmfIdCodeSize = 10;

// Optional features, one byte each.
inline constexpr Address OptionalFeatures = 0x12C;
inline constexpr Address ScramblerActivation = 0x12C;
inline constexpr Address ScramblerBackup = 0x12D;
inline constexpr Address Reserved12E = 0x12E;
inline constexpr Address VoiceAnnunciation = 0x12F;
inline constexpr Address TimeOutTimer = 0x130;
inline constexpr Address TotPreAlert = 0x131;
inline constexpr Address PttIdTiming = 0x132;
inline constexpr Address PttIdType = 0x133;
inline constexpr Address SquelchLevel = 0x134;
inline constexpr Address BatterySave = 0x135;
inline constexpr Address Beep = 0x136;
inline constexpr Address CancelOperation = 0x137;
inline constexpr Address VoxInhibitOnReceive = 0x138;
inline constexpr Address VoxFunction = 0x139;
inline constexpr Address VoxGainLevel = 0x13A;
inline constexpr Address VoxDelayTime = 0x13B;
inline constexpr Address VoxProceedTone = 0x13C;
inline constexpr Address MicSensitivity = 0x13D;
inline constexpr Address CloneMode = 0x13E;
inline constexpr Address Reserved13F = 0x13F;

inline constexpr Address BotCode = 0x140;             // Begin of TX code, 16 bytes
inline constexpr Address EotCode = 0x150;             // End of TX code, 16 bytes
inline constexpr int kPttCodeSize = 16;

// Scan information.
inline constexpr Address ScanInfo = 0x160;
inline constexpr Address PriorityMode = 0x160;
inline constexpr Address PriorityChannel = 0x161;
inline constexpr Address LookBackTimeA = 0x162;
inline constexpr Address LookBackTimeB = 0x163;
inline constexpr Address RevertChannel = 0x164;
inline constexpr Address DropoutDelayTime = 0x165;    // LeWord
inline constexpr Address TxDwellTime = 0x167;         // LeWord

// FleetSync settings.
inline constexpr Address FleetSyncSettings = 0x170;
inline constexpr Address OwnFleet = 0x170;
inline constexpr Address OwnId = 0x171;               // LeWord
inline constexpr Address OwnIdHigh = 0x172;
inline constexpr Address DataTxDelay = 0x173;         // LeWord
inline constexpr Address FleetSyncBaudRate = 0x175;
inline constexpr Address MessageModeTimer = 0x176;    // LeWord
inline constexpr Address PttIdSideTone = 0x178;
inline constexpr Address Reserved179 = 0x179;
inline constexpr Address Reserved17C = 0x17C;

// Scan-add flags: channel 1-8 in bits 0-7 of 0x17E, 9-16 in bits 0-7 of 0x17F.
inline constexpr Address ScanAddBits = 0x17E;
inline constexpr Address ScanAddBitsHigh = 0x17F;

inline constexpr Address TuningData = 0x180;          // 0x180-0x1B7, never written to the radio
inline constexpr Address TuningDataEnd = 0x1B7;

// Model identification (RadioIdent) as the image stores it.
inline constexpr Address StoredIdent = 0x1B8;
inline constexpr int kIdentSize = 8;
inline constexpr Address ModelCode = 0x1B8;           // 5 ASCII characters
inline constexpr int kModelCodeSize = 5;
inline constexpr Address ModelBandCode = 0x1BD;
inline constexpr Address ModelVariant = 0x1BE;
inline constexpr Address IdentReserved = 0x1BF;

// Fleet list: 8 entries of 3 bytes with a 4-byte gap after the fourth.
inline constexpr Address FleetList = 0x1C0;
inline constexpr int kFleetListEntries = 8;
inline constexpr Address FleetListEntry(int index /*0..7*/)
{
    return FleetList + index * 3 + (index >= 4 ? 4 : 0);
}

inline constexpr Address StunCode = 0x1F0;            // up to 10 characters
inline constexpr int kStunCodeSize = 10;
inline constexpr Address StunType = 0x1FA;

inline constexpr Address AutodialMemories = 0x200;    // 8 entries of 16 bytes
inline constexpr int kAutodialEntrySize = 16;
inline constexpr int kAutodialEntries = 8;
inline constexpr Address AutodialEntry(int n /*1..8*/) { return AutodialMemories + 16 * (n - 1); }

inline constexpr Address TestFrequencyTable = 0x280;  // 16 entries of 8 bytes
inline constexpr int kTestFrequencyEntries = 16;
inline constexpr int kTestFrequencyEntrySize = 8;
inline constexpr Address TestFrequencyEntry(int n /*1..16*/) { return TestFrequencyTable + 8 * (n - 1); }

inline constexpr Address EmbeddedMessage = 0x300;     // two lines of 32 bytes
inline constexpr int kMessageLineSize = 32;

inline constexpr Address ReservedTail = 0x340;        // 0x340-0x3FF, never written to the radio

}  // namespace zx::layout
