#pragma once
// Test stand-in for message boxes and file dialogs: records every request
// and answers from a queue. A box that comes with no answer queued gets its
// default button and is recorded, so a test never blocks.
#include <deque>
#include <functional>
#include <vector>

#include "platform/Prompt.h"

namespace zx::test {

class ScriptedPrompts {
public:
    ScriptedPrompts();
    ~ScriptedPrompts();
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    // Queues the answer to the next message box.
    void answer(MsgResult result) { answers_.push_back({result, {}}); }
    // The same, given only once `whileUp` has returned: the box stays on
    // the screen while it runs, as a real one would while the user looks at
    // it. `whileUp` may run events (the world goes on under a modal box),
    // and boxes that come meanwhile are answered from the queue in turn.
    void answerAfter(MsgResult result, std::function<void()> whileUp)
    {
        answers_.push_back({result, std::move(whileUp)});
    }
    // Queues the path the next file dialog returns ("" = cancelled).
    void chooseFile(const QString& path) { files_.push_back(path); }

    const std::vector<MessageRequest>& messages() const { return messages_; }
    const std::vector<FileRequest>& fileRequests() const { return fileRequests_; }
    // The path each file dialog was given to open on, as the real one is.
    QString startPath(std::size_t request) const { return FileDialogStartPath(fileRequests_.at(request)); }
    void clear() { messages_.clear(); fileRequests_.clear(); }
    int unansweredMessages() const { return unanswered_; }

private:
    struct Answer {
        MsgResult result;
        std::function<void()> whileUp;
    };
    std::deque<Answer> answers_;
    std::deque<QString> files_;
    std::vector<MessageRequest> messages_;
    std::vector<FileRequest> fileRequests_;
    int unanswered_ = 0;
    MessageHandler previousMessage_;
    FileHandler previousFile_;
};

}  // namespace zx::test
