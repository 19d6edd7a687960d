#pragma once
// The serial port as the exchanges use it: a port number (COM1..COM20,
// mapped to a device by ComPortDevice), a line setting such as "9600,N,8,2",
// open and close, output, the count of received bytes, and a receive event
// raised once the expected number of bytes (the threshold) is in the input
// buffer. A reply that arrives in pieces raises the event once, when it is
// complete; bytes beyond the threshold stay for the next read. No flow
// control; DTR and RTS are left as the driver has them.
#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>

namespace zx {

class CommPort : public QObject {
    Q_OBJECT
public:
    explicit CommPort(QObject* parent = nullptr);
    ~CommPort() override;

    void setCommPort(int comPort) { comPort_ = comPort; }
    int commPort() const { return comPort_; }
    // False (and the setting unchanged) for a text that is no line setting.
    bool setSettings(const QString& settings);
    QString settings() const { return settings_; }

    // The device the port number stands for.
    QString devicePath() const;

    // Opens the port with the held settings. On failure the port stays
    // closed and openErrorText() tells the user what went wrong.
    bool open();
    void close();
    bool isOpen() const;
    QString openErrorText() const { return openError_; }
    // "COM<n> (<device>)", for messages.
    QString portName() const;
    // The device failed under an open port (unplugged, a pty whose other end
    // closed): no byte goes out or comes in any more, and the port closes
    // as soon as the event loop runs, then lost() is emitted once.
    bool isLost() const { return lost_; }

    void output(const QByteArray& bytes);
    int inBufferCount() const;
    // Reads up to maxBytes received bytes.
    QByteArray input(int maxBytes);
    // Empties both the input and the output buffer.
    void clearBuffers();

    // The receive event comes when at least this many bytes are waiting;
    // 0 turns it off.
    void setRThreshold(int bytes);
    int rThreshold() const { return threshold_; }

signals:
    void received();
    // The device has gone; the port is closed.
    void lost();

private:
    void CheckThreshold();
    void OnError(QSerialPort::SerialPortError error);
    void MarkLost();

    QSerialPort port_;
    int comPort_ = 1;
    QString settings_;
    QString openError_;
    int threshold_ = 0;
    bool checkQueued_ = false;
    bool lost_ = false;
};

// The serial devices present: their /dev/serial/by-id names first (stable
// across replugging), then the other serial ports the system lists.
QStringList PresentSerialDevices();
// The line naming them that follows the message for a missing device.
QString PresentDevicesText(const QStringList& present);
// The reason a device could not be opened for lack of permission: names the
// device's group only when its members may read and write it and the user
// is not one of them (joining it would help).
QString PermissionDeniedText(unsigned mode, const QString& group, bool userInGroup, bool userHasAccess);

// The message for a device that could not be opened: names the port, the
// device and the reason; for a permission problem the group to join, if
// joining one would help; for a missing device the devices present.
QString DescribeOpenError(int comPort, const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText);

}  // namespace zx
