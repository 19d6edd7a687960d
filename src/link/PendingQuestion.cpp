#include "link/PendingQuestion.h"

#include <utility>

namespace zx {

PendingQuestion::PendingQuestion(std::function<void(const QString&)> endOnLoss) : endOnLoss_(std::move(endOnLoss)) {}

void PendingQuestion::Ask()
{
    up_ = true;
}

bool PendingQuestion::Answered()
{
    if (!up_)
        return false;
    up_ = false;
    if (!lost_)
        return true;
    // Nothing can be retried, cancelled or written on a device that has
    // gone: whatever was answered, the exchange ends on the loss.
    lost_ = false;
    endOnLoss_(std::exchange(lostPortName_, QString()));
    return false;
}

bool PendingQuestion::HoldLoss(const QString& portName)
{
    if (!up_)
        return false;
    if (!lost_) {
        lost_ = true;
        lostPortName_ = portName;
    }
    return true;
}

void PendingQuestion::Lost(const QString& portName)
{
    if (!HoldLoss(portName))
        endOnLoss_(portName);
}

void PendingQuestion::Reset()
{
    up_ = false;
    lost_ = false;
    lostPortName_.clear();
}

}  // namespace zx
