#include "platform/ComPortMap.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include <QFile>

#include "platform/SettingsStore.h"

namespace zx {

QString DefaultComDevice(int comPort)
{
    if (comPort >= 1 && comPort <= 8)
        return QStringLiteral("/dev/ttyUSB%1").arg(comPort - 1);
    if (comPort >= 9 && comPort <= 12)
        return QStringLiteral("/dev/ttyACM%1").arg(comPort - 9);
    if (comPort >= 13 && comPort <= 20)
        return QStringLiteral("/dev/ttyS%1").arg(comPort - 13);
    return {};
}

QString ComPortDevice(int comPort)
{
    const QByteArray variable = QByteArrayLiteral("ZX4100_COM") + QByteArray::number(comPort);
    // Only the beginning of an over-long value is taken: PATH_MAX bytes are
    // enough to refuse it and to show its beginning, and a value of
    // megabytes is then never copied or decoded.
    if (const char* raw = std::getenv(variable.constData()); raw && *raw)
        return QString::fromLocal8Bit(raw, static_cast<qsizetype>(::strnlen(raw, PATH_MAX)));
    const auto settings = OpenSettings();
    const QString fromSettings =
        settings->value(QStringLiteral("Ports/COM%1").arg(comPort)).toString().trimmed();
    if (!fromSettings.isEmpty())
        return fromSettings;
    return DefaultComDevice(comPort);
}

bool DevicePathFits(const QString& device)
{
    // Every character takes at least one byte: a value of PATH_MAX
    // characters fails without being encoded.
    return device.size() < PATH_MAX && QFile::encodeName(device).size() < PATH_MAX;
}

QString ShownDevice(const QString& device)
{
    constexpr int kShownCharacters = 48;
    if (DevicePathFits(device))
        return device;
    return device.left(kShownCharacters) + QStringLiteral("...");
}

}  // namespace zx
