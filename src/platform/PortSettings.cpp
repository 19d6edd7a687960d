#include "platform/PortSettings.h"

#include <QStringList>

namespace zx {

std::optional<PortSettings> PortSettings::Parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    bool ok = false;
    PortSettings s;
    s.baudRate = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baudRate <= 0)
        return std::nullopt;
    const QString parity = parts[1].trimmed().toUpper();
    if (parity.size() != 1 || !QStringLiteral("NEOMS").contains(parity[0]))
        return std::nullopt;
    s.parity = parity[0];
    s.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8)
        return std::nullopt;
    s.stopBits = parts[3].trimmed().toInt(&ok);
    if (!ok || (s.stopBits != 1 && s.stopBits != 2))
        return std::nullopt;
    return s;
}

QString PortSettings::toString() const
{
    return QStringLiteral("%1,%2,%3,%4").arg(baudRate).arg(parity).arg(dataBits).arg(stopBits);
}

}  // namespace zx
