#include "core/ModelRules.h"

#include "core/BcdFrequency.h"

namespace zx {

BandLimits DefaultBandTable(std::uint8_t code)
{
    switch (code) {
    case 0x00:
    case 0x01: return {136, 174, 136, 174};
    case 0x02: return {136, 150, 136, 150};
    case 0x03: return {150, 174, 150, 174};
    case 0x04: return {245, 265, 245, 265};
    case 0x20:
    case 0x21: return {450, 490, 450, 490};
    case 0x33: return {440, 480, 440, 480};
    case 0x41:
    case 0x43: return {400, 430, 400, 430};
    case 0x53: return {350, 370, 350, 370};
    case 0x63: return {300, 390, 370, 390};
    case 0x70:
    case 0x71: return {470, 512, 470, 512};
    case 0x73: return {400, 480, 400, 480};
    case 0xF0: return {100, 550, 100, 550};
    default: return {440, 480, 440, 480};
    }
}

std::array<std::uint8_t, 5> ModelCodeRule(std::uint8_t bandCode, std::uint8_t variant)
{
    std::uint8_t type = 0xFF;
    switch (variant) {
    case 0xF8: type = '7'; break;
    case 0xF9: type = '2'; break;
    case 0xFC: type = '6'; break;
    default: break;
    }
    return {'K', static_cast<std::uint8_t>(bandCode < 2 ? '2' : '3'), '1', '6', type};
}

bool EightChannelRule(std::uint8_t bandCode, std::uint8_t variant)
{
    if (variant != 0xF9)
        return false;
    switch (bandCode) {
    case 0x00: case 0x01: case 0x20: case 0x21: case 0x70: case 0x71: return true;
    default: return false;
    }
}

std::array<TestFrequencyPair, 6> DefaultTestFrequencies(const BandLimits& limits)
{
    const qint64 l = limits.testLowerMHz * BcdFrequency::kUnitsPerMHz;
    const qint64 u = limits.testUpperMHz * BcdFrequency::kUnitsPerMHz;
    // Every row of the band table has an even L + U, so the midpoint is exact.
    const qint64 m = (l + u) / 2;
    return {{
        {m + 5000, m + 10000},
        {l + 5000, l + 10000},
        {u - 5000, u - 10000},
        {m, m},
        {m + 20000, m + 20000},
        {m + 40000, m + 40000},
    }};
}

BandLimits InitAllFrameData(RadioImage& image)
{
    using namespace layout;
    const std::uint8_t band = image.modelBandCode();
    const std::uint8_t variant = image.modelVariant();

    image.fill(0xFF);

    const std::uint8_t dtmf[] = {0x00, 0x00, 0x0A, 0x00, 0x00, 0x01, 0x00, 0x0A, 0x00, 0x00, 0x00};
    for (int i = 0; i < 11; ++i)
        image.set(DtmfSettings + i, dtmf[i]);
    image.set(KeyPf2, 0x0A);
    image.setFfPaddedText(DtmfIdCode, 3, QStringLiteral("000"));
    const std::uint8_t optional[] = {0x00, 0x00, 0x01, 0x00, 0x04, 0x00, 0x00, 0x00, 0x05, 0x00,
                                     0x01, 0x00, 0x00, 0x00, 0x05, 0x01, 0x00, 0x00, 0x00, 0x00};
    for (int i = 0; i < 20; ++i)
        image.set(OptionalFeatures + i, optional[i]);
    image.setFfPaddedText(BotCode, 5, QStringLiteral("12345"));
    image.set(PriorityMode, 0x00);
    const std::uint8_t scan[] = {0x1F, 0x33, 0x01, 0x03, 0x00, 0x03, 0x00};
    for (int i = 0; i < 7; ++i)
        image.set(LookBackTimeA + i, scan[i]);
    const std::uint8_t fleet[] = {0x00, 0x00, 0x90, 0x01, 0x00, 0x0A, 0x00, 0x01, 0x00};
    for (int i = 0; i < 9; ++i)
        image.set(OwnId + i, fleet[i]);
    for (int a = Reserved17C; a <= ScanAddBitsHigh; ++a)
        image.set(a, 0x00);
    image.set(StunType, 0x00);

    const auto code = ModelCodeRule(band, variant);
    for (int i = 0; i < kModelCodeSize; ++i)
        image.set(ModelCode + i, code[static_cast<std::size_t>(i)]);
    image.setModelBandCode(band);
    image.setModelVariant(variant);

    const BandLimits limits = DefaultBandTable(band);
    const auto tests = DefaultTestFrequencies(limits);
    for (int n = 1; n <= 6; ++n) {
        image.setBcdFrequency(TestFrequencyEntry(n), tests[static_cast<std::size_t>(n - 1)].rx);
        image.setBcdFrequency(TestFrequencyEntry(n) + 4, tests[static_cast<std::size_t>(n - 1)].tx);
    }
    return limits;
}

std::optional<QString> BandText(std::uint8_t bandCode)
{
    switch (bandCode) {
    case 0x01: return QStringLiteral("VHF: 136-174 MHz");
    case 0x02: return QStringLiteral("VHF: 136-150 MHz");
    case 0x03: return QStringLiteral("VHF: 150-174 MHz");
    case 0x04: return QStringLiteral("VHF: 245-265 MHz");
    case 0x73: return QStringLiteral("UHF: 350-390 MHz");
    case 0x53: return QStringLiteral("UHF: 350-370 MHz");
    case 0x63: return QStringLiteral("UHF: 370-390 MHz");
    case 0x21: return QStringLiteral("UHF: 400-480 MHz");
    case 0x43: return QStringLiteral("UHF: 400-440 MHz");
    case 0x33: return QStringLiteral("UHF: 440-480 MHz");
    case 0x83: return QStringLiteral("UHF: 460-520 MHz");
    default: return std::nullopt;
    }
}

std::optional<QString> BandCaptionText(std::uint8_t bandCode)
{
    const std::optional<QString> band = BandText(bandCode);
    if (!band)
        return std::nullopt;
    return QLatin1Char(' ') + *band + QStringLiteral("] [ ");
}

}  // namespace zx
