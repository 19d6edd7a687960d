#include "platform/CommPort.h"

#include <grp.h>
#include <sys/stat.h>

#include <QFileInfo>
#include <QTimer>

#include "platform/ComPortMap.h"
#include "platform/PortSettings.h"

namespace zx {

namespace {

QString OwningGroup(const QString& device)
{
    struct stat info {};
    if (::stat(QFile::encodeName(device).constData(), &info) != 0)
        return {};
    if (const group* g = ::getgrgid(info.st_gid))
        return QString::fromLocal8Bit(g->gr_name);
    return QString::number(info.st_gid);
}

}  // namespace

QString DescribeOpenError(int comPort, const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText)
{
    const QString head = QStringLiteral("COM%1 (%2) cannot be opened: ").arg(comPort).arg(device);
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return head + QStringLiteral("the device does not exist.\r\nCheck that the cable is plugged in, "
                                     "or map COM%1 to another device.")
                          .arg(comPort);
    case QSerialPort::PermissionError: {
        const QString group = OwningGroup(device);
        if (QFileInfo::exists(device) && !group.isEmpty())
            return head + QStringLiteral("permission denied, or the port is in use.\r\nThe user must be "
                                         "a member of the group \"%1\" that owns the device.")
                              .arg(group);
        return head + QStringLiteral("permission denied, or the port is in use.");
    }
    default:
        return head + (systemText.isEmpty() ? QStringLiteral("unknown error.") : systemText + QLatin1Char('.'));
    }
}

CommPort::CommPort(QObject* parent) : QObject(parent), settings_(kProgrammingPortSettings)
{
    connect(&port_, &QSerialPort::readyRead, this, &CommPort::CheckThreshold);
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

bool CommPort::open()
{
    openError_.clear();
    if (port_.isOpen())
        return true;
    const QString device = devicePath();
    const PortSettings s = PortSettings::Parse(settings_).value_or(PortSettings{});
    if (device.isEmpty()) {
        openError_ = QStringLiteral("COM%1 cannot be opened: no device is assigned to it.").arg(comPort_);
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
    if (!port_.isOpen())
        return;
    port_.write(bytes);
    port_.flush();
}

int CommPort::inBufferCount() const
{
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

QByteArray CommPort::input(int maxBytes)
{
    if (!port_.isOpen() || maxBytes <= 0)
        return {};
    return port_.read(maxBytes);
}

void CommPort::clearBuffers()
{
    if (!port_.isOpen())
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
    if (threshold_ > 0 && port_.isOpen() && port_.bytesAvailable() >= threshold_)
        emit received();
}

}  // namespace zx
