#pragma once
// ChannelRecord: the 16 bytes of one channel at image address channel * 16
// (channels 1..16), with its field offsets and image access.
#include <array>
#include <cstdint>

#include "core/RadioImage.h"

namespace zx {

using ChannelRecordBytes = std::array<std::uint8_t, 16>;

namespace record {
inline constexpr int kRxFreq = 0;        // BcdFrequency, 4 bytes
inline constexpr int kTxFreq = 4;        // BcdFrequency, 4 bytes; FF FF FF FF none
inline constexpr int kDecodeLow = 8;     // ToneCode of the decode tone
inline constexpr int kDecodeHigh = 9;
inline constexpr int kEncodeLow = 10;    // ToneCode of the encode tone
inline constexpr int kEncodeHigh = 11;
inline constexpr int kFlagsA = 12;       // compander, signalling, busy lockout, SP unmute
inline constexpr int kFlagsB = 13;       // wide, high power, beat shift
inline constexpr int kPttIdCode = 14;
inline constexpr int kAutoDialCode = 15;
}  // namespace record

inline ChannelRecordBytes EmptyChannelRecord()
{
    ChannelRecordBytes r;
    r.fill(0xFF);
    return r;
}

// A channel is programmed unless byte 3 of its RX frequency is 00 or FF.
inline bool IsProgrammedRecord(const ChannelRecordBytes& r)
{
    return r[3] != 0x00 && r[3] != 0xFF;
}

inline bool IsValidChannelNumber(int channel)
{
    return channel >= 1 && channel <= layout::kMaxChannels;
}

inline ChannelRecordBytes ReadChannelRecord(const RadioImage& image, int channel)
{
    ChannelRecordBytes r;
    const auto bytes = image.range(layout::ChannelRecord(channel), layout::kChannelRecordSize);
    std::copy(bytes.begin(), bytes.end(), r.begin());
    return r;
}

inline void WriteChannelRecord(RadioImage& image, int channel, const ChannelRecordBytes& r)
{
    auto bytes = image.range(layout::ChannelRecord(channel), layout::kChannelRecordSize);
    std::copy(r.begin(), r.end(), bytes.begin());
}

}  // namespace zx
