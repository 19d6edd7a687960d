#pragma once
// The byte layouts of the read and write transfer.
#include <array>
#include <cstdint>

#include <QByteArray>

#include "core/RadioImage.h"

namespace zx {

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kIdentRequest = 0x02;
inline constexpr std::uint8_t kEndCommand = 0x45;      // 'E'
inline constexpr std::uint8_t kReadCommand = 0x52;     // 'R'
inline constexpr std::uint8_t kBlockMarker = 0x57;     // 'W'
inline constexpr std::uint8_t kReadBlockLength = 0x40;
inline const QByteArray kWakeUp = QByteArrayLiteral("PROGRAM");

inline constexpr int kIdentReplyLength = 8;
inline constexpr int kReadReplyLength = 68;
inline constexpr int kReadBlocks = 16;        // blocks stored; a 17th request is dropped
inline constexpr int kReadRequests = 17;
inline constexpr int kWritePackets = 49;

// The 16 bytes packet 1 carries at 0x000 in place of the image's own.
inline constexpr std::array<std::uint8_t, 16> kFixedHeaderData = {
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0x03, 0xFF};

// 'R', address high, address low, 0x40.
QByteArray ReadRequest(int address);

// The radio address of write packet k (1..49).
int WritePacketAddress(int packet);
// The data length of write packet k: 16, or 8 for packet 29.
int WritePacketLength(int packet);
// 'W', address high, address low, length, data: packet 1 carries the fixed
// header, the others the image's bytes at the packet's address.
QByteArray MakeWritePacket(int packet, int address, const RadioImage& image);
QByteArray MakeWritePacket(int packet, const RadioImage& image);

// Stores reply bytes 5..68 of block k (1..16) at (k - 1) * 64; the 17th and
// a reply not starting with 'W' or shorter than 68 bytes store nothing.
// True when the reply passed the check.
bool StoreReadBlock(const QByteArray& reply, int block, RadioImage& image);

}  // namespace zx
