#include "sim/PtyRadio.h"

#include "core/AppCore.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QTimer>

namespace zx::test {

namespace {
QByteArray PortVariable(int comPort) { return "ZX4100_COM" + QByteArray::number(comPort); }
// Only ends a hang: bytes always come through the line.
constexpr int kThroughTheLineGuardMs = 30000;
}  // namespace

PtyRadio::PtyRadio(QObject* parent) : QObject(parent)
{
    clock_.start();
    radio.clock = [this] { return clock_.elapsed(); };
    char name[256] = {};
    termios raw {};
    cfmakeraw(&raw);
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtyRadio::OnReadable);
}

PtyRadio::~PtyRadio()
{
    delete notifier_;
    if (mappedPort_ > 0)
        qunsetenv(PortVariable(mappedPort_).constData());
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
}

void PtyRadio::MapComPort(int comPort)
{
    mappedPort_ = comPort;
    qputenv(PortVariable(comPort).constData(), slavePath_.toLocal8Bit());
}

void PtyRadio::Attach(int comPort, AppCore& core)
{
    MapComPort(comPort);
    core.link.ComPortNumber = comPort;
}

void PtyRadio::Inject(const QByteArray& bytes, int delayMs)
{
    if (delayMs <= 0) {
        WriteInjected(bytes);
        return;
    }
    QTimer::singleShot(delayMs, Qt::PreciseTimer, this, [this, bytes] { WriteInjected(bytes); });
}

void PtyRadio::WriteInjected(const QByteArray& bytes)
{
    if (master_ < 0)
        return;
    const int waitingBefore = unreadByProgram();
    (void)::write(master_, bytes.constData(), static_cast<size_t>(bytes.size()));
    // The kernel hands bytes from one end of a pty to the other on a work
    // queue of its own. Wait, without running the event loop (so the program
    // cannot read them meanwhile), until they have come through: from here
    // on unreadByProgram() counts them until the program's port takes them.
    const QDeadlineTimer guard(kThroughTheLineGuardMs);
    while (unreadByProgram() < waitingBefore + bytes.size() && !guard.hasExpired())
        (void)::poll(nullptr, 0, 1);
    ++injectsWritten_;
}

int PtyRadio::unreadByProgram() const
{
    int waiting = 0;
    if (slave_ < 0 || ::ioctl(slave_, FIONREAD, &waiting) != 0)
        return 0;
    return waiting;
}

void PtyRadio::HangUp()
{
    if (master_ < 0)
        return;
    notifier_->setEnabled(false);
    notifier_->deleteLater();  // it may be the caller
    notifier_ = nullptr;
    ::close(master_);
    master_ = -1;
}

void PtyRadio::OnReadable()
{
    char buffer[512];
    QByteArray in;
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        in.append(buffer, n);
    }
    if (in.isEmpty())
        return;
    const std::vector<QByteArray> replies = radio.Feed(in);
    if (hangUpAtCommand > 0 && static_cast<int>(radio.log.size()) >= hangUpAtCommand) {
        HangUp();
        emit bytesReceived();
        return;
    }
    for (const QByteArray& reply : replies)
        WriteOut(reply);
    emit bytesReceived();
}

void PtyRadio::WriteOut(const QByteArray& bytes)
{
    if (splitChunk <= 0 || bytes.size() <= splitChunk) {
        (void)::write(master_, bytes.constData(), static_cast<size_t>(bytes.size()));
        return;
    }
    int delay = 0;
    for (qsizetype at = 0; at < bytes.size(); at += splitChunk) {
        const QByteArray piece = bytes.mid(at, splitChunk);
        if (delay == 0)
            (void)::write(master_, piece.constData(), static_cast<size_t>(piece.size()));
        else
            QTimer::singleShot(delay, Qt::PreciseTimer, this, [this, piece] {
                (void)::write(master_, piece.constData(), static_cast<size_t>(piece.size()));
            });
        delay += pieceGapMs;
    }
}

}  // namespace zx::test
