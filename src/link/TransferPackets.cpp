#include "link/TransferPackets.h"

namespace zx {

QByteArray ReadRequest(int address)
{
    QByteArray r;
    r.append(static_cast<char>(kReadCommand));
    r.append(static_cast<char>((address >> 8) & 0xFF));
    r.append(static_cast<char>(address & 0xFF));
    r.append(static_cast<char>(kReadBlockLength));
    return r;
}

int WritePacketAddress(int packet)
{
    if (packet <= 24)
        return (packet - 1) * 0x10;                 // 0x000 .. 0x170
    if (packet <= 29)
        return layout::StoredIdent + (packet - 25) * 0x10;  // 0x1B8 .. 0x1F8
    return 0x200 + (packet - 30) * 0x10;             // 0x200 .. 0x330
}

int WritePacketLength(int packet)
{
    return packet == 29 ? 8 : 16;
}

QByteArray MakeWritePacket(int packet, const RadioImage& image)
{
    return MakeWritePacket(packet, WritePacketAddress(packet), image);
}

QByteArray MakeWritePacket(int packet, int address, const RadioImage& image)
{
    const int length = WritePacketLength(packet);
    QByteArray p;
    p.append(static_cast<char>(kBlockMarker));
    p.append(static_cast<char>((address >> 8) & 0xFF));
    p.append(static_cast<char>(address & 0xFF));
    p.append(static_cast<char>(length));
    if (packet == 1) {
        for (std::uint8_t b : kFixedHeaderData)
            p.append(static_cast<char>(b));
    } else {
        p.append(image.toByteArray(address, length));
    }
    return p;
}

bool StoreReadBlock(const QByteArray& reply, int block, RadioImage& image)
{
    if (reply.size() < kReadReplyLength || static_cast<std::uint8_t>(reply[0]) != kBlockMarker)
        return false;
    if (block >= 1 && block <= kReadBlocks)
        image.write((block - 1) * layout::kBlockSize, reply.mid(4, layout::kBlockSize));
    return true;
}

}  // namespace zx
