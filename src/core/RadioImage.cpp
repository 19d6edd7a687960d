#include "core/RadioImage.h"

#include <stdexcept>

#include "core/BcdFrequency.h"

namespace zx {

namespace {
void CheckRange(int address, int size)
{
    if (address < 0 || size < 0 || address + size > layout::kImageSize)
        throw std::out_of_range("image range outside 0x000-0x3FF");
}
}  // namespace

std::span<const std::uint8_t> RadioImage::range(int address, int size) const
{
    CheckRange(address, size);
    return {bytes_.data() + address, static_cast<std::size_t>(size)};
}

std::span<std::uint8_t> RadioImage::range(int address, int size)
{
    CheckRange(address, size);
    return {bytes_.data() + address, static_cast<std::size_t>(size)};
}

QByteArray RadioImage::toByteArray(int address, int size) const
{
    const auto r = range(address, size);
    return QByteArray(reinterpret_cast<const char*>(r.data()), size);
}

void RadioImage::write(int address, const QByteArray& data)
{
    auto r = range(address, static_cast<int>(data.size()));
    std::copy(data.begin(), data.end(), r.begin());
}

void RadioImage::setBlock(int b, std::span<const std::uint8_t> data)
{
    auto r = range(b * layout::kBlockSize, layout::kBlockSize);
    if (data.size() != r.size())
        throw std::invalid_argument("a block is 64 bytes");
    std::copy(data.begin(), data.end(), r.begin());
}

void RadioImage::setBit(int address, int bit, bool on)
{
    const std::uint8_t mask = static_cast<std::uint8_t>(1u << bit);
    set(address, on ? (at(address) | mask) : (at(address) & ~mask));
}

std::uint16_t RadioImage::leWord(int address) const
{
    return static_cast<std::uint16_t>(at(address) | at(address + 1) << 8);
}

void RadioImage::setLeWord(int address, std::uint16_t value)
{
    set(address, static_cast<std::uint8_t>(value & 0xFF));
    set(address + 1, static_cast<std::uint8_t>(value >> 8));
}

QString RadioImage::ffPaddedText(int address, int size) const
{
    QString text;
    for (std::uint8_t b : range(address, size)) {
        if (b == 0xFF)
            break;
        text.append(QChar(b));
    }
    return text;
}

void RadioImage::setFfPaddedText(int address, int size, const QString& text)
{
    auto r = range(address, size);
    for (int i = 0; i < size; ++i)
        r[static_cast<std::size_t>(i)] = i < text.size() ? static_cast<std::uint8_t>(text.at(i).unicode() & 0xFF) : 0xFF;
}

qint64 RadioImage::bcdFrequency(int address) const
{
    const auto r = range(address, 4);
    if (r[0] == 0xFF)
        return -1;
    return BcdFrequency::Decode(r);
}

void RadioImage::setBcdFrequency(int address, qint64 tensOfHz)
{
    const auto bytes = BcdFrequency::Encode(tensOfHz);
    auto r = range(address, 4);
    std::copy(bytes.begin(), bytes.end(), r.begin());
}

}  // namespace zx
