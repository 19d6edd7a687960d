#include "link/RadioInformation.h"

#include <algorithm>

#include "core/ModelRules.h"
#include "core/OneByteText.h"

namespace zx {

namespace {
QString Characters(const RadioInfoBytes& info, int first, int count)
{
    return OneByteCharacters(
        QByteArray(reinterpret_cast<const char*>(info.data()) + first, count));
}
}  // namespace

void GetDJJInfo(RadioInfoBytes& info, const QByteArray& reply)
{
    const auto n = std::min<qsizetype>(reply.size(), kRadioInfoSize);
    for (qsizetype i = 0; i < n; ++i)
        info[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(reply[i]);
}

QString RadioSerialNumber(const RadioInfoBytes& info)
{
    return Characters(info, 1, 7) + QLatin1Char(' ') + Characters(info, 13, 1) + QLatin1Char(' ') +
           Characters(info, 17, 8);
}

ModelBandText GetModelBandText(std::uint8_t bandCode)
{
    return {kProductName, BandText(bandCode).value_or(QStringLiteral("UHF: 400-480 MHz"))};
}

}  // namespace zx
