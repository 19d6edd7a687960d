#include "signalling/SpacePaddedText.h"

#include "core/OneByteText.h"

namespace zx {

QString SpacePaddedTextFromBytes(std::span<const std::uint8_t> bytes)
{
    QString text;
    if (bytes.empty() || bytes[0] == 0xFF)
        return text;
    for (std::uint8_t b : bytes) {
        if (b != 0x20)
            text.append(OneByteChar(b));
    }
    return text;
}

SpacePaddedBytes SpacePaddedTextBytes(const QString& text)
{
    SpacePaddedBytes bytes;
    const QByteArray codes = OneByteCodesPrefix(text.left(kSpacePaddedTextSize));
    if (codes.isEmpty()) {
        bytes.fill(0xFF);
        return bytes;
    }
    bytes.fill(0x20);
    for (int i = 0; i < codes.size(); ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(codes.at(i));
    return bytes;
}

}  // namespace zx
