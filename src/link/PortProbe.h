#pragma once
// The port dialog's probe: every port COM1..COM20 is opened at
// "19200,N,8,1" and sent "ATI1" and a carriage return; the ports that opened
// are held for 200 ms (one wait serves them all, on a timer, so the program
// keeps running), their output is flushed and they are closed. A port that
// cannot be opened or written counts as unusable. Nothing is read: a port
// counts as usable whether or not anything answers.
#include <array>
#include <memory>
#include <vector>

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include "platform/ComPortMap.h"

namespace zx {

class CommPort;

class PortProbe : public QObject {
    Q_OBJECT
public:
    static constexpr int kHoldMs = 200;
    static constexpr int kPortCount = kLastComPort - kFirstComPort + 1;
    // "ATI1" and a carriage return.
    static const QByteArray kProbeText;

    explicit PortProbe(QObject* parent = nullptr);
    ~PortProbe() override;

    // Opens and writes every port now; finished() follows after the hold
    // (at once from the event loop when no port opened).
    void Start();
    bool running() const { return running_; }
    // Index 0 is COM1; valid once finished() has come.
    bool usable(int comPort) const;

signals:
    void finished();

private:
    void Finish();

    std::vector<std::unique_ptr<CommPort>> held_;
    std::array<bool, kPortCount> usable_{};
    QTimer hold_;
    bool running_ = false;
};

}  // namespace zx
