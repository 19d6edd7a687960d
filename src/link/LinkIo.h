#pragma once
// What an exchange's state machine asks of whoever drives it: the real
// port and timers in the program, a scripted radio and a virtual clock in
// the tests. The driver feeds the machine's inputs back (received replies,
// timer ticks).
#include <QByteArray>

namespace zx {

class LinkIo {
public:
    virtual ~LinkIo() = default;

    // Outputs `bytes`; the next receive event is wanted once `replyLength`
    // bytes are waiting (0: no reply is awaited).
    virtual void Send(const QByteArray& bytes, int replyLength) = 0;
    virtual void ArmSendTimer(int milliseconds) = 0;
    virtual void StopSendTimer() = 0;
    virtual void ArmReplyTimer(int milliseconds) = 0;
    virtual void StopReplyTimer() = 0;
    // Empties the input and output buffers.
    virtual void ClearBuffers() = 0;
    // Reads and drops whatever has arrived (a late acknowledgement).
    virtual void DiscardInput() = 0;
    virtual void ClosePort() = 0;
    virtual void Progress(int value) = 0;
};

}  // namespace zx
