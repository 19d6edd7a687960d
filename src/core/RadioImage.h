#pragma once
// The radio's 1024-byte memory image: 16 blocks of 64 bytes. Byte A of the
// radio lives in block A / 64, column A % 64. Typed accessors read and write
// the field encodings shared by several editors.
#include <array>
#include <cstdint>
#include <span>

#include <QByteArray>
#include <QString>

#include "core/ImageLayout.h"

namespace zx {

class RadioImage {
public:
    using Bytes = std::array<std::uint8_t, layout::kImageSize>;

    RadioImage() { bytes_.fill(0xFF); }

    std::uint8_t at(int address) const { return bytes_.at(static_cast<std::size_t>(address)); }
    void set(int address, std::uint8_t value) { bytes_.at(static_cast<std::size_t>(address)) = value; }
    std::uint8_t at(int block, int column) const { return at(block * layout::kBlockSize + column); }
    void set(int block, int column, std::uint8_t value) { set(block * layout::kBlockSize + column, value); }

    void fill(std::uint8_t value) { bytes_.fill(value); }
    const Bytes& bytes() const { return bytes_; }
    void assign(const Bytes& bytes) { bytes_ = bytes; }

    // A view of `size` bytes from `address` (bounds checked).
    std::span<const std::uint8_t> range(int address, int size) const;
    std::span<std::uint8_t> range(int address, int size);
    QByteArray toByteArray(int address, int size) const;
    void write(int address, const QByteArray& data);

    std::span<const std::uint8_t> block(int b) const { return range(b * layout::kBlockSize, layout::kBlockSize); }
    void setBlock(int b, std::span<const std::uint8_t> data);

    // Bit field: bit `bit` (0 = least significant) of the byte at `address`.
    bool bit(int address, int bit) const { return (at(address) >> bit) & 1; }
    void setBit(int address, int bit, bool on);

    // LeWord: a 16-bit value in two bytes, low byte first.
    std::uint16_t leWord(int address) const;
    void setLeWord(int address, std::uint16_t value);

    // FfPaddedText: one byte per character, unused positions 0xFF; the text
    // ends at the first 0xFF.
    QString ffPaddedText(int address, int size) const;
    void setFfPaddedText(int address, int size, const QString& text);

    // BcdFrequency at `address` in 10 Hz units; -1 when the first byte is FF.
    qint64 bcdFrequency(int address) const;
    void setBcdFrequency(int address, qint64 tensOfHz);

    // Model identification bytes.
    std::uint8_t modelBandCode() const { return at(layout::ModelBandCode); }
    std::uint8_t modelVariant() const { return at(layout::ModelVariant); }
    void setModelBandCode(std::uint8_t code) { set(layout::ModelBandCode, code); }
    void setModelVariant(std::uint8_t variant) { set(layout::ModelVariant, variant); }

    bool operator==(const RadioImage& other) const = default;

private:
    Bytes bytes_;
};

}  // namespace zx
