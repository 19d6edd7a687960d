#include "platform/CommPort.h"

#include <algorithm>
#include <vector>

#include <climits>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTimer>

#include "platform/ComPortMap.h"
#include "platform/PortSettings.h"

namespace zx {

namespace {

bool InGroup(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(got, 0), gid) != groups.begin() + std::max(got, 0);
}

QString GroupName(gid_t gid)
{
    if (const group* g = ::getgrgid(gid))
        return QString::fromLocal8Bit(g->gr_name);
    return QString::number(gid);
}

// False for a device that is certainly no serial port: not a character
// device, or one that is no terminal (/dev/null).
bool MayBeSerialPort(const QString& device)
{
    struct stat info {};
    if (::stat(QFile::encodeName(device).constData(), &info) != 0)
        return true;
    if (!S_ISCHR(info.st_mode))
        return false;
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return true;  // cannot tell
    const bool terminal = ::isatty(fd) != 0;
    ::close(fd);
    return terminal;
}

}  // namespace

QStringList PresentSerialDevices()
{
    QStringList present;
    QStringList covered;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::Files | QDir::System, QDir::Name)) {
        present << link.absoluteFilePath();
        covered << link.canonicalFilePath();
    }
    QStringList others;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString path = info.systemLocation();
        if (!covered.contains(QFileInfo(path).canonicalFilePath()) && !others.contains(path))
            others << path;
    }
    others.sort();
    return present + others;
}

QString PermissionDeniedText(unsigned mode, const QString& group, bool userInGroup, bool userHasAccess)
{
    if (userHasAccess)
        return QStringLiteral("permission denied, or the port is in use.");
    const unsigned groupRw = S_IRGRP | S_IWGRP;
    if ((mode & groupRw) == groupRw && !userInGroup)
        return QStringLiteral("permission denied, or the port is in use.\r\nThe user must be a member of the "
                              "group \"%1\" that owns the device.")
            .arg(group);
    return QStringLiteral("permission denied.\r\nThe user has no access to the device.");
}

QString PresentDevicesText(const QStringList& present)
{
    if (present.isEmpty())
        return QStringLiteral("\r\nNo serial device is present.");
    return QStringLiteral("\r\nSerial devices present: %1.").arg(present.join(QStringLiteral(", ")));
}

QString DescribeOpenError(int comPort, const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText)
{
    const QString head = QStringLiteral("COM%1 (%2) cannot be opened: ").arg(comPort).arg(device);
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return head + QStringLiteral("the device does not exist.\r\nCheck that the cable is plugged in, "
                                     "or map COM%1 to another device.")
                          .arg(comPort) +
               PresentDevicesText(PresentSerialDevices());
    case QSerialPort::PermissionError: {
        struct stat info {};
        if (::stat(QFile::encodeName(device).constData(), &info) != 0)
            return head + QStringLiteral("permission denied, or the port is in use.");
        const bool access = ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
        return head + PermissionDeniedText(info.st_mode, GroupName(info.st_gid), InGroup(info.st_gid), access);
    }
    default:
        if (!MayBeSerialPort(device))
            return head + QStringLiteral("the device is not a serial port.");
        return head + (systemText.isEmpty() ? QStringLiteral("unknown error.") : systemText + QLatin1Char('.'));
    }
}

CommPort::CommPort(QObject* parent) : QObject(parent), settings_(kProgrammingPortSettings)
{
    connect(&port_, &QSerialPort::readyRead, this, &CommPort::CheckThreshold);
    connect(&port_, &QSerialPort::errorOccurred, this, &CommPort::OnError);
}

CommPort::~CommPort()
{
    close();
}

bool CommPort::setSettings(const QString& settings)
{
    if (!PortSettings::Parse(settings))
        return false;
    settings_ = settings;
    return true;
}

QString CommPort::devicePath() const
{
    return ComPortDevice(comPort_);
}

QString CommPort::portName() const
{
    return QStringLiteral("COM%1 (%2)").arg(comPort_).arg(ShownDevice(devicePath()));
}

bool CommPort::open()
{
    openError_.clear();
    if (port_.isOpen())
        return true;
    lost_ = false;
    const QString device = devicePath();
    const PortSettings s = PortSettings::Parse(settings_).value_or(PortSettings{});
    if (device.isEmpty()) {
        openError_ = QStringLiteral("COM%1 cannot be opened: no device is assigned to it.").arg(comPort_);
        return false;
    }
    if (!DevicePathFits(device)) {
        openError_ = QStringLiteral("COM%1 cannot be opened: the device \"%2\" is longer than the system's path "
                                    "limit of %3 bytes.")
                         .arg(QString::number(comPort_), ShownDevice(device), QString::number(PATH_MAX - 1));
        return false;
    }
    if (!QFileInfo::exists(device)) {
        openError_ = DescribeOpenError(comPort_, device, QSerialPort::DeviceNotFoundError, {});
        return false;
    }
    port_.setPortName(device);
    if (!port_.open(QIODevice::ReadWrite)) {
        openError_ = DescribeOpenError(comPort_, device, port_.error(), port_.errorString());
        port_.clearError();
        return false;
    }
    QSerialPort::Parity parity = QSerialPort::NoParity;
    switch (s.parity.toLatin1()) {
    case 'E': parity = QSerialPort::EvenParity; break;
    case 'O': parity = QSerialPort::OddParity; break;
    case 'M': parity = QSerialPort::MarkParity; break;
    case 'S': parity = QSerialPort::SpaceParity; break;
    default: break;
    }
    const bool configured = port_.setBaudRate(s.baudRate) &&
                            port_.setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits)) &&
                            port_.setParity(parity) &&
                            port_.setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        openError_ = DescribeOpenError(comPort_, device, port_.error(), port_.errorString());
        port_.clearError();
        port_.close();
        return false;
    }
    return true;
}

void CommPort::close()
{
    if (port_.isOpen())
        port_.close();
}

bool CommPort::flushOutput()
{
    if (!port_.isOpen())
        return false;
    while (port_.bytesToWrite() > 0 && port_.flush()) {
    }
    return port_.bytesToWrite() == 0 && port_.error() == QSerialPort::NoError;
}

bool CommPort::isOpen() const
{
    return port_.isOpen();
}

void CommPort::output(const QByteArray& bytes)
{
    if (!port_.isOpen() || lost_)
        return;
    // A failed flush reports itself through errorOccurred.
    if (port_.write(bytes) < 0) {
        MarkLost();
        return;
    }
    port_.flush();
}

void CommPort::OnError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::WriteError:
    case QSerialPort::ReadError:
        MarkLost();
        return;
    default:
        return;
    }
}

void CommPort::MarkLost()
{
    if (lost_ || !port_.isOpen())
        return;
    lost_ = true;
    threshold_ = 0;
    // A dead device keeps its descriptor readable: left open, the port
    // would report the same error over and over. It is closed once the
    // serial port's own handler has returned.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!lost_)
                return;
            port_.clearError();
            close();
            emit lost();
        },
        Qt::QueuedConnection);
}

int CommPort::inBufferCount() const
{
    return port_.isOpen() && !lost_ ? static_cast<int>(port_.bytesAvailable()) : 0;
}

QByteArray CommPort::input(int maxBytes)
{
    if (!port_.isOpen() || lost_ || maxBytes <= 0)
        return {};
    const QByteArray bytes = port_.read(maxBytes);
    if (bytes.isEmpty() && port_.error() != QSerialPort::NoError)
        OnError(port_.error());
    return bytes;
}

void CommPort::clearBuffers()
{
    if (!port_.isOpen() || lost_)
        return;
    port_.clear(QSerialPort::AllDirections);
    port_.readAll();  // anything already taken into the class's own buffer
}

void CommPort::setRThreshold(int bytes)
{
    threshold_ = bytes;
    // Bytes left over from an earlier reply may already complete the next
    // one; look once the caller has returned to the event loop.
    if (threshold_ > 0 && !checkQueued_) {
        checkQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            checkQueued_ = false;
            CheckThreshold();
        });
    }
}

void CommPort::CheckThreshold()
{
    if (threshold_ > 0 && port_.isOpen() && !lost_ && port_.bytesAvailable() >= threshold_)
        emit received();
}

}  // namespace zx
