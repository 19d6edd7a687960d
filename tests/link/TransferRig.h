#pragma once
// A transfer run against the scripted radio on a virtual clock.
#include <memory>

#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "link/RadioTransfer.h"
#include "sim/RadioModel.h"
#include "sim/VirtualLink.h"

namespace zx::test {

struct TransferRig {
    AppCore core;
    RadioModel radio;
    VirtualLink link{radio};
    ScriptedPrompts prompts;
    std::unique_ptr<RadioTransfer> transfer;
    RadioTransfer::Outcome outcome = RadioTransfer::Outcome::None;
    int finishedCalls = 0;
    int readCompletedCalls = 0;

    void Make(RadioTransfer::Direction direction)
    {
        transfer = std::make_unique<RadioTransfer>(link, direction);
        transfer->onFinished = [this](RadioTransfer::Outcome o) {
            outcome = o;
            ++finishedCalls;
        };
        transfer->onReadCompleted = [this] { ++readCompletedCalls; };
        link.onBytes = [this](const QByteArray& b) { transfer->OnBytes(b); };
        link.onSendTimer = [this] { transfer->OnSendTimer(); };
        link.onReplyTimeout = [this] { transfer->OnReplyTimeout(); };
    }

    bool Run(RadioTransfer::Direction direction)
    {
        Make(direction);
        transfer->Start();
        return link.RunUntil([this] { return finishedCalls > 0; });
    }

    // The bytes the application sent, one entry per output.
    std::vector<QByteArray> Outputs() const
    {
        std::vector<QByteArray> out;
        for (const auto& s : link.sent)
            out.push_back(s.bytes);
        return out;
    }
    QByteArray AllSent() const
    {
        QByteArray all;
        for (const auto& s : link.sent)
            all += s.bytes;
        return all;
    }
};

inline QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

}  // namespace zx::test
