#include "link/PortProbe.h"

#include "platform/CommPort.h"
#include "platform/PortSettings.h"

namespace zx {

const QByteArray PortProbe::kProbeText = QByteArrayLiteral("ATI1\r");

PortProbe::PortProbe(QObject* parent) : QObject(parent)
{
    hold_.setSingleShot(true);
    connect(&hold_, &QTimer::timeout, this, &PortProbe::Finish);
}

PortProbe::~PortProbe() = default;

void PortProbe::Start()
{
    if (running_)
        return;
    running_ = true;
    usable_.fill(false);
    held_.clear();
    for (int port = kFirstComPort; port <= kLastComPort; ++port) {
        auto comm = std::make_unique<CommPort>();
        comm->setCommPort(port);
        comm->setSettings(kProbePortSettings);
        if (!comm->open())
            continue;
        comm->output(kProbeText);
        if (!comm->isOpen() || comm->isLost())
            continue;  // the write failed: the device is no use
        usable_[static_cast<std::size_t>(port - kFirstComPort)] = true;
        held_.push_back(std::move(comm));
    }
    hold_.start(held_.empty() ? 0 : kHoldMs);
}

void PortProbe::Finish()
{
    for (const auto& comm : held_) {
        const int index = comm->commPort() - kFirstComPort;
        if (comm->isLost() || !comm->flushOutput())
            usable_[static_cast<std::size_t>(index)] = false;
        comm->close();
    }
    held_.clear();
    running_ = false;
    emit finished();
}

bool PortProbe::usable(int comPort) const
{
    if (comPort < kFirstComPort || comPort > kLastComPort)
        return false;
    return usable_[static_cast<std::size_t>(comPort - kFirstComPort)];
}

}  // namespace zx
