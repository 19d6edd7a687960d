#include "platform/Prompt.h"

#include <utility>

#include <QDir>

namespace zx {

namespace {
MessageHandler& CurrentMessageHandler()
{
    static MessageHandler handler;
    return handler;
}
FileHandler& CurrentFileHandler()
{
    static FileHandler handler;
    return handler;
}
}  // namespace

MsgResult Ask(const MessageRequest& request)
{
    const MessageHandler& handler = CurrentMessageHandler();
    // Without a handler (a library test that expects no box), the safe answer
    // is the box's own default button.
    return handler ? handler(request) : request.defaultButton;
}

QString AskFileName(const FileRequest& request)
{
    const FileHandler& handler = CurrentFileHandler();
    return handler ? handler(request) : QString();
}

QString FileDialogStartPath(const FileRequest& request)
{
    if (request.fileName.isEmpty())
        return request.directory;
    if (request.directory.isEmpty())
        return request.fileName;
    return QDir(request.directory).filePath(request.fileName);
}

MessageHandler SetMessageHandler(MessageHandler handler)
{
    return std::exchange(CurrentMessageHandler(), std::move(handler));
}

FileHandler SetFileHandler(FileHandler handler)
{
    return std::exchange(CurrentFileHandler(), std::move(handler));
}

}  // namespace zx
