#include "sim/VirtualLink.h"

#include <algorithm>

namespace zx::test {

void VirtualLink::Send(const QByteArray& bytes, int replyLength)
{
    portOpen = true;
    expected_ = replyLength;
    threshold_ = replyLength > 0 ? replyLength : 1;
    sent.push_back({now_, bytes});
    qint64 at = now_;
    for (const QByteArray& reply : radio_.Feed(bytes)) {
        if (splitChunk <= 0) {
            deliveries_.push_back({at, reply});
            continue;
        }
        for (qsizetype i = 0; i < reply.size(); i += splitChunk) {
            deliveries_.push_back({at, reply.mid(i, splitChunk)});
            at += pieceGapMs;
        }
    }
    // Bytes already waiting may complete the reply; like the port, look once
    // the send step has returned, not inside it.
    deliveries_.push_back({now_, {}});
}

void VirtualLink::Arrive(const QByteArray& bytes)
{
    input_ += bytes;
    CheckThreshold();
}

void VirtualLink::CheckThreshold()
{
    if (threshold_ <= 0 || input_.size() < threshold_)
        return;
    const int n = expected_ > 0 ? expected_ : static_cast<int>(input_.size());
    const QByteArray reply = input_.left(n);
    input_.remove(0, n);
    if (onBytes)
        onBytes(reply);
}

void VirtualLink::ClearBuffers()
{
    ++clears;
    input_.clear();
    deliveries_.clear();
}

void VirtualLink::DiscardInput()
{
    ++discards;
    input_.clear();
}

void VirtualLink::ClosePort()
{
    ++closes;
    portOpen = false;
}

bool VirtualLink::RunUntil(const std::function<bool()>& done, qint64 limitMs)
{
    while (!done()) {
        // The earliest event; arrivals before timers at the same instant.
        std::optional<qint64> next;
        for (const Delivery& d : deliveries_)
            next = next ? std::min(*next, d.at) : d.at;
        const bool delivery = next.has_value();
        for (const auto& due : {sendDue_, replyDue_})
            if (due && (!next || *due < *next))
                next = due;
        if (!next || *next > limitMs)
            return false;
        now_ = std::max(now_, *next);
        auto firstDelivery = std::min_element(deliveries_.begin(), deliveries_.end(),
                                              [](const Delivery& a, const Delivery& b) { return a.at < b.at; });
        if (delivery && firstDelivery->at <= now_) {
            const QByteArray bytes = firstDelivery->bytes;
            deliveries_.erase(firstDelivery);
            if (portOpen)
                Arrive(bytes);
            continue;
        }
        if (sendDue_ && *sendDue_ <= now_) {
            sendDue_.reset();
            if (onSendTimer)
                onSendTimer();
            continue;
        }
        if (replyDue_ && *replyDue_ <= now_) {
            replyDue_.reset();
            if (onReplyTimeout)
                onReplyTimeout();
        }
    }
    return true;
}

}  // namespace zx::test
