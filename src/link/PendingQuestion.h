#pragma once
// The one rule for an exchange's question box (the reply time-out's Retry
// or Cancel, the write's other-model question) and a device that vanishes
// while the box is up. The box belongs to the user until it is answered:
// the exchange does not end under it, so the window that shows it is never
// closed or freed while the box is up. The loss is held instead; the
// answer, whatever it is, then ends the exchange on the loss, once: nothing
// is retried, nothing is sent, and the user is told of the loss after the
// box.
//
// Every exchange keeps one: each question goes through Ask(), each answer
// through Answered() before the exchange acts on it, and each loss through
// Lost() (or HoldLoss(), where how it ends depends on the moment).
#include <functional>

#include <QString>

namespace zx {

class PendingQuestion {
public:
    // `endOnLoss` ends the exchange on a vanished device named `portName`
    // ("COM<n> (<device>)"): both timers stopped, the port closed, the user
    // told, the end reported.
    explicit PendingQuestion(std::function<void(const QString& portName)> endOnLoss);

    // A question box goes up.
    void Ask();
    bool up() const { return up_; }

    // The box has been answered. True when the exchange now acts on the
    // answer. False when no question was up (the answer is stale), or when
    // the device vanished while it was: the exchange has then just ended on
    // the loss.
    bool Answered();

    // The device vanished. True when a question is up: the loss is held
    // until the answer. False: no question is up and the exchange ends on
    // the loss now, in its own way.
    bool HoldLoss(const QString& portName);
    // The same, for an exchange that ends on a loss the same way at any
    // moment: held under a question, else ended now.
    void Lost(const QString& portName);

    // A new start: no question up, no loss held.
    void Reset();

private:
    std::function<void(const QString&)> endOnLoss_;
    bool up_ = false;
    bool lost_ = false;
    QString lostPortName_;
};

}  // namespace zx
