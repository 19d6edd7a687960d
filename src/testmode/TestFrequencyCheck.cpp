#include "testmode/TestFrequencyCheck.h"

#include <cstdint>

#include "core/ImageLayout.h"

namespace zx {

namespace {

constexpr int kEntrySize = layout::kTestFrequencyEntrySize;

std::uint8_t ByteOr(const QByteArray& bytes, int i, std::uint8_t missing)
{
    return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : missing;
}

}  // namespace

namespace {

// The BCD digits from the most significant pair down, as far as they are
// digits, as a number of 10 Hz units.
qint64 LeadingDigits(const QByteArray& fourBytes)
{
    qint64 tensOfHz = 0;
    for (int i = 3; i >= 0; --i) {
        const std::uint8_t b = ByteOr(fourBytes, i, 0xFF);
        for (int digit : {b >> 4, b & 0x0F}) {
            if (digit > 9)
                return tensOfHz;
            tensOfHz = tensOfHz * 10 + digit;
        }
    }
    return tensOfHz;
}

}  // namespace

QString TestFrequencyText(const QByteArray& fourBytes)
{
    const qint64 tensOfHz = LeadingDigits(fourBytes);
    return QStringLiteral("%1.%2")
        .arg(tensOfHz / 100000, 3, 10, QLatin1Char('0'))
        .arg(tensOfHz % 100000, 5, 10, QLatin1Char('0'));
}

void StoreTestFrequency(TestModeState& state, int n, const QByteArray& reply)
{
    if (n < 1 || n > kTestChannels)
        return;
    const auto index = static_cast<std::size_t>(n - 1);
    QByteArray entry = reply.left(kEntrySize);
    entry.append(QByteArray(kEntrySize - entry.size(), '\xFF'));
    if (static_cast<std::uint8_t>(entry[0]) == 0xFF) {
        state.TestFreqList[0][index] = QStringLiteral("0");
        state.TestFreqList[1][index] = QStringLiteral("0");
        return;
    }
    state.TestFreqList[0][index] = TestFrequencyText(entry.left(4));
    state.TestFreqList[1][index] = TestFrequencyText(entry.mid(4, 4));
}

bool TestFrequencyMatches(const RadioImage& image, int n, const QByteArray& reply)
{
    if (n < 1 || n > kTestChannels || reply.size() != kEntrySize)
        return false;
    const QByteArray own = image.toByteArray(layout::TestFrequencyEntry(n), kEntrySize);
    const bool radioEmpty = static_cast<std::uint8_t>(reply[0]) == 0xFF;
    const bool ownEmpty = static_cast<std::uint8_t>(own[0]) == 0xFF;
    if (radioEmpty || ownEmpty)
        return radioEmpty && ownEmpty;
    // Nibbles above 9 count like digits: only the bytes themselves matter.
    return reply == own;
}

}  // namespace zx
