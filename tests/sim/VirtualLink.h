#pragma once
// Runs an exchange's state machine against a RadioModel on a virtual clock:
// no port, no real time. Replies reach the input buffer at once (or in
// pieces a few virtual milliseconds apart); the receive event follows the
// port's rule (once the expected count is waiting); timers fire in order of
// their due time.
#include <functional>
#include <optional>
#include <vector>

#include "link/LinkIo.h"
#include "sim/RadioModel.h"

namespace zx::test {

class VirtualLink : public LinkIo {
public:
    // The radio's command log takes its times from this link's clock.
    explicit VirtualLink(RadioModel& radio) : radio_(radio)
    {
        radio_.clock = [this] { return now_; };
    }
    ~VirtualLink() override { radio_.clock = nullptr; }
    VirtualLink(const VirtualLink&) = delete;
    VirtualLink& operator=(const VirtualLink&) = delete;

    std::function<void(const QByteArray&)> onBytes;
    std::function<void()> onSendTimer;
    std::function<void()> onReplyTimeout;

    int splitChunk = 0;
    int pieceGapMs = 1;

    struct Sent {
        qint64 at;
        QByteArray bytes;
    };
    std::vector<Sent> sent;
    std::vector<int> progress;
    int clears = 0;
    int discards = 0;
    int closes = 0;
    bool portOpen = true;

    qint64 now() const { return now_; }
    // Runs events until `done` holds or nothing is pending or the virtual
    // time passes `limitMs`; true when `done` held.
    bool RunUntil(const std::function<bool()>& done, qint64 limitMs = 60000);
    // Adds bytes to the input as if they had just arrived.
    void Arrive(const QByteArray& bytes);
    QByteArray inputBuffer() const { return input_; }
    bool sendTimerArmed() const { return sendDue_.has_value(); }
    bool replyTimerArmed() const { return replyDue_.has_value(); }

    // LinkIo
    void Send(const QByteArray& bytes, int replyLength) override;
    void ArmSendTimer(int ms) override { sendDue_ = now_ + ms; }
    void StopSendTimer() override { sendDue_.reset(); }
    void ArmReplyTimer(int ms) override { replyDue_ = now_ + ms; }
    void StopReplyTimer() override { replyDue_.reset(); }
    void ClearBuffers() override;
    void DiscardInput() override;
    void ClosePort() override;
    void Progress(int value) override { progress.push_back(value); }

private:
    void CheckThreshold();

    RadioModel& radio_;
    qint64 now_ = 0;
    std::optional<qint64> sendDue_;
    std::optional<qint64> replyDue_;
    struct Delivery {
        qint64 at;
        QByteArray bytes;
    };
    std::vector<Delivery> deliveries_;
    QByteArray input_;
    int expected_ = 0;
    int threshold_ = 0;
};

}  // namespace zx::test
