#include "common/ScriptedPrompts.h"

namespace zx::test {

ScriptedPrompts::ScriptedPrompts()
{
    previousMessage_ = SetMessageHandler([this](const MessageRequest& r) {
        messages_.push_back(r);
        if (answers_.empty()) {
            ++unanswered_;
            return r.defaultButton;
        }
        const Answer a = answers_.front();
        answers_.pop_front();
        if (a.whileUp)
            a.whileUp();
        return a.result;
    });
    previousFile_ = SetFileHandler([this](const FileRequest& r) {
        fileRequests_.push_back(r);
        if (files_.empty())
            return QString();
        const QString f = files_.front();
        files_.pop_front();
        return f;
    });
}

ScriptedPrompts::~ScriptedPrompts()
{
    SetMessageHandler(previousMessage_);
    SetFileHandler(previousFile_);
}

}  // namespace zx::test
