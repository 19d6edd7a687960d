#include "link/PortLink.h"

#include <QPointer>

#include "core/AppCore.h"
#include "link/LinkMessages.h"
#include "platform/PortSettings.h"

namespace zx {

PortLink::PortLink(QObject* parent) : QObject(parent)
{
    for (QTimer* t : {&sendTimer_, &replyTimer_}) {
        t->setSingleShot(true);
        t->setTimerType(Qt::PreciseTimer);
    }
    connect(&sendTimer_, &QTimer::timeout, this, [this] {
        if (onSendTimer)
            onSendTimer();
    });
    connect(&replyTimer_, &QTimer::timeout, this, [this] {
        if (onReplyTimeout)
            onReplyTimeout();
    });
    connect(&port_, &CommPort::received, this, &PortLink::OnReceived);
    connect(&port_, &CommPort::lost, this, &PortLink::OnPortLost);
}

bool PortLink::PortSetup()
{
    lost_ = false;
    if (!port_.isOpen()) {
        port_.setCommPort(Core().link.ComPortNumber);
        port_.setSettings(kProgrammingPortSettings);
        if (!port_.open())
            return false;
    }
    port_.clearBuffers();
    return true;
}

void PortLink::Send(const QByteArray& bytes, int replyLength)
{
    if (lost_ || port_.isLost())
        return;  // a vanished device gets no more writes
    if (!port_.isOpen())
        port_.open();
    expected_ = replyLength;
    port_.setRThreshold(replyLength > 0 ? replyLength : 1);
    port_.output(bytes);
}

void PortLink::OnReceived()
{
    const int count = expected_ > 0 ? expected_ : port_.inBufferCount();
    const QByteArray reply = port_.input(count);
    if (onBytes)
        onBytes(reply);
}

void PortLink::OnPortLost()
{
    lost_ = true;
    sendTimer_.stop();
    replyTimer_.stop();
    port_.close();
    if (onPortLost)
        onPortLost(port_.portName());
}

void PortLink::ArmSendTimer(int milliseconds)
{
    sendTimer_.start(milliseconds);
}

void PortLink::StopSendTimer()
{
    sendTimer_.stop();
}

void PortLink::ArmReplyTimer(int milliseconds)
{
    replyTimer_.start(milliseconds);
}

void PortLink::StopReplyTimer()
{
    replyTimer_.stop();
}

void PortLink::ClearBuffers()
{
    port_.clearBuffers();
}

void PortLink::DiscardInput()
{
    port_.input(port_.inBufferCount());
}

void PortLink::ClosePort()
{
    port_.close();
}

void PortLink::Progress(int value)
{
    if (onProgress)
        onProgress(value);
}

void PortLink::AskReplyTimeout(std::function<void()> onRetry, std::function<void()> onCancel)
{
    QTimer::singleShot(0, this, [this, onRetry = std::move(onRetry), onCancel = std::move(onCancel)] {
        // The answer goes through copies: nothing of the timer's call may
        // be needed once the box has returned.
        const std::function<void()> retry = onRetry;
        const std::function<void()> cancel = onCancel;
        const QPointer<PortLink> self(this);
        questionUp_ = true;
        const bool retried = ReplyTimeoutBox() == MsgResult::Retry;
        if (!self)
            return;  // the window went under the box: no exchange is left to answer
        questionUp_ = false;
        if (retried)
            retry();
        else
            cancel();
    });
}

void PortLink::Shutdown()
{
    sendTimer_.stop();
    replyTimer_.stop();
    port_.close();
}

}  // namespace zx
