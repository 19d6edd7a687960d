#include "printing/ReportContext.h"

#include <QStringList>

#include "core/OneByteText.h"
#include "core/StringTable.h"
#include "printing/PrintFailure.h"

namespace zx {

namespace {
constexpr int kEnabled = 1250;
constexpr int kDisabled = 1249;
}  // namespace

QString ReportContext::Text(int pair) const
{
    return LoadLangString(pair, chinese);
}

QString HexBytes(std::initializer_list<std::uint8_t> bytes)
{
    QStringList pairs;
    for (std::uint8_t b : bytes)
        pairs << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return pairs.join(QLatin1Char(' '));
}

QString UnknownByteText(std::uint8_t byte)
{
    return QLatin1Char('?') + HexBytes({byte});
}

void FailOnValue(const QString& label, std::initializer_list<std::uint8_t> bytes)
{
    throw PrintFailure{PrintFailure::Kind::Value, label + QStringLiteral(": ") + HexBytes(bytes)};
}

QString EnabledText(const ReportContext& context, std::uint8_t byte)
{
    return context.Text(byte == 0 ? kDisabled : kEnabled);
}

int ReportWord(const QString& label, std::uint8_t low, std::uint8_t high)
{
    const int h = high == 0xFF ? 0 : high;
    if (h >= 0x80)
        FailOnValue(label, {low, high});
    return h * 256 + low;
}

QString FfText(const RadioImage& image, int address, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i) {
        const std::uint8_t b = image.at(address + i);
        if (b == 0xFF)
            break;
        bytes.append(static_cast<char>(b));
    }
    return OneByteCharacters(bytes);
}

}  // namespace zx
