#pragma once
// Drives an exchange's state machine from the real port: owns the serial
// port and the two one-shot timers (send and reply), and hands received
// replies, once complete, and timer ticks to the machine's inputs.
#include <functional>

#include <QObject>
#include <QTimer>

#include "link/LinkIo.h"
#include "platform/CommPort.h"

namespace zx {

class PortLink : public QObject, public LinkIo {
    Q_OBJECT
public:
    explicit PortLink(QObject* parent = nullptr);

    // The machine's inputs.
    std::function<void(const QByteArray&)> onBytes;
    std::function<void()> onSendTimer;
    std::function<void()> onReplyTimeout;
    std::function<void(int)> onProgress;
    // The device vanished under the open port: both timers are stopped and
    // the port closed before this is called with "COM<n> (<device>)".
    std::function<void(const QString&)> onPortLost;

    // Opens the port ComPortNumber names at "9600,N,8,2" (if closed) and
    // empties both buffers. False, with the port closed, when it cannot be
    // opened; openErrorText() then holds the message for the user.
    bool PortSetup();
    QString openErrorText() const { return port_.openErrorText(); }

    CommPort& port() { return port_; }
    bool sendTimerActive() const { return sendTimer_.isActive(); }
    bool replyTimerActive() const { return replyTimer_.isActive(); }

    // LinkIo
    void Send(const QByteArray& bytes, int replyLength) override;
    void ArmSendTimer(int milliseconds) override;
    void StopSendTimer() override;
    void ArmReplyTimer(int milliseconds) override;
    void StopReplyTimer() override;
    void ClearBuffers() override;
    void DiscardInput() override;
    void ClosePort() override;
    void Progress(int value) override;

    // Stops both timers and closes the port.
    void Shutdown();

    // The reply time-out question (ReplyTimeoutBox). The box runs its own
    // event loop, so it is put once the input that asked has returned; its
    // answer goes to `onRetry` or `onCancel`. While it is on the screen
    // questionUp() holds: the window that owns this link must stay until
    // it has been answered.
    void AskReplyTimeout(std::function<void()> onRetry, std::function<void()> onCancel);
    bool questionUp() const { return questionUp_; }

private:
    void OnReceived();
    void OnPortLost();

    CommPort port_;
    QTimer sendTimer_;
    QTimer replyTimer_;
    int expected_ = 0;
    // Set when the device vanished: nothing reopens the port until the next
    // PortSetup.
    bool lost_ = false;
    bool questionUp_ = false;
};

}  // namespace zx
