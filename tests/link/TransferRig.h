#pragma once
// A transfer run against the scripted radio on a virtual clock.
#include <memory>

#include "common/ScriptedPrompts.h"
#include "core/AppCore.h"
#include "link/PromptedTransferWindow.h"
#include "link/RadioTransfer.h"
#include "sim/RadioModel.h"
#include "sim/VirtualLink.h"

namespace zx::test {

struct TransferRig : PromptedTransferWindow {
    AppCore core;
    RadioModel radio;
    VirtualLink link{radio};
    ScriptedPrompts prompts;
    std::unique_ptr<RadioTransfer> owned;

    // A transfer of the program's image as it is now.
    void Make(RadioTransfer::Direction direction)
    {
        owned = std::make_unique<RadioTransfer>(link, *this, direction, core.image);
        transfer = owned.get();
        link.onBytes = [this](const QByteArray& b) { transfer->OnBytes(b); };
        link.onSendTimer = [this] { transfer->OnSendTimer(); };
        link.onReplyTimeout = [this] { transfer->OnReplyTimeout(); };
    }

    // The radio identifies as the model of the program's image.
    void RadioIsTheImagesModel()
    {
        radio.identBand = core.image.modelBandCode();
        radio.identVariant = core.image.modelVariant();
    }

    bool Run(RadioTransfer::Direction direction)
    {
        Make(direction);
        transfer->Start();
        return link.RunUntil([this] { return finishedCalls > 0; });
    }

    // Runs until the transfer puts a question (answerAtOnce off) or ends.
    bool RunUntilAsked()
    {
        const size_t before = questions.size();
        return link.RunUntil([this, before] { return questions.size() > before || finishedCalls > 0; }) &&
               finishedCalls == 0;
    }

    // The channel list was refilled after a completed read.
    int readCompletedCalls() const { return static_cast<int>(workspace.calls.count("DecodeAllChannels")); }

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
