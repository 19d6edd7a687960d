#pragma once
// Stands in for the transfer dialog around a RadioTransfer: puts the
// transfer's questions to the program's message boxes (scripted in tests)
// and feeds the answers back at once, or leaves them for the test to
// answer; records what the transfer reported.
#include <vector>

#include <QString>

#include "common/RecordingWorkspace.h"
#include "core/AppCore.h"
#include "link/AfterTransfer.h"
#include "link/LinkMessages.h"
#include "link/RadioTransfer.h"

namespace zx::test {

class PromptedTransferWindow : public TransferWindow {
public:
    enum class Question { ReplyTimeout, OverwriteOtherModel };

    RadioTransfer* transfer = nullptr;
    RecordingWorkspace workspace;
    // False: a question waits in `questions` until the test answers it.
    bool answerAtOnce = true;
    std::vector<Question> questions;
    TransferOutcome outcome = TransferOutcome::None;
    int finishedCalls = 0;
    int completions = 0;

    void AskReplyTimeout() override
    {
        questions.push_back(Question::ReplyTimeout);
        if (!answerAtOnce)
            return;
        if (ReplyTimeoutBox() == MsgResult::Retry)
            transfer->OnRetry();
        else
            transfer->OnCancel();
    }
    void AskOverwriteOtherModel() override
    {
        questions.push_back(Question::OverwriteOtherModel);
        if (answerAtOnce)
            transfer->OnOverwriteAnswer(zx::AskOverwriteOtherModel());
    }
    void TransferCompleted(const RadioImage* received) override
    {
        ++completions;
        TakeCompletedTransfer(Core(), received);
    }
    void ReportCompleted() override
    {
        ShowTransferCompleted(read());
        AfterCompletedTransfer(Core(), workspace, read());
        transfer->OnCompletionReported();
    }
    void ReportPortLost(const QString& portName, PortLoss loss) override { ShowPortLost(portName, loss); }
    void TransferEnded(TransferOutcome o) override
    {
        outcome = o;
        ++finishedCalls;
    }

private:
    bool read() const { return transfer->direction() == RadioTransfer::Direction::Read; }
};

}  // namespace zx::test
