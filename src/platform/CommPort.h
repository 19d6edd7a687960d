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

    void output(const QByteArray& bytes);
    int inBufferCount() const;
    // Reads up to maxBytes received bytes.
    QByteArray input(int maxBytes);
    // Empties both the input and the output buffer.
    void clearBuffers();
    // Hands every byte still waiting in the output buffer to the device
    // (before a close, which would drop them); false when that fails.
    bool flushOutput();

    // The receive event comes when at least this many bytes are waiting;
    // 0 turns it off.
    void setRThreshold(int bytes);
    int rThreshold() const { return threshold_; }

signals:
    void received();

private:
    void CheckThreshold();

    QSerialPort port_;
    int comPort_ = 1;
    QString settings_;
    QString openError_;
    int threshold_ = 0;
    bool checkQueued_ = false;
};

// The message for a device that could not be opened: names the port, the
// device and the reason; for a permission problem also the group that owns
// the device.
QString DescribeOpenError(int comPort, const QString& device, QSerialPort::SerialPortError error,
                          const QString& systemText);

}  // namespace zx
