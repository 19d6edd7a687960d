#pragma once
// For a window that runs its exchange on a port of its own: the port and
// timer half of the exchange's interface goes straight to the window's
// PortLink, so the window answers only what is its own (the questions, the
// lamps, the hand-overs). `Io` is that interface: LinkIo or one built on it.
#include <QByteArray>

#include "link/PortLink.h"

namespace zx {

template <class Io>
class PortLinkIo : public Io {
protected:
    void Send(const QByteArray& bytes, int replyLength) override { port_.Send(bytes, replyLength); }
    void ArmSendTimer(int milliseconds) override { port_.ArmSendTimer(milliseconds); }
    void StopSendTimer() override { port_.StopSendTimer(); }
    void ArmReplyTimer(int milliseconds) override { port_.ArmReplyTimer(milliseconds); }
    void StopReplyTimer() override { port_.StopReplyTimer(); }
    void ClearBuffers() override { port_.ClearBuffers(); }
    void DiscardInput() override { port_.DiscardInput(); }
    void ClosePort() override { port_.ClosePort(); }
    void Progress(int value) override { port_.Progress(value); }

    PortLink port_;
};

}  // namespace zx
