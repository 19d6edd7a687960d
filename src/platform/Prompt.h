#pragma once
// Every message box and file dialog of the program goes through these calls.
// The application installs handlers that show real dialogs; tests install
// scripted ones, so no test ever blocks on a modal box.
#include <functional>

#include <QString>

class QWidget;

namespace zx {

enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

struct MessageRequest {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgResult defaultButton = MsgResult::Ok;
    QWidget* parent = nullptr;
};

struct FileRequest {
    enum class Kind { Open, Save } kind = Kind::Open;
    QString title;
    QString directory;  // the folder the dialog starts in
    QString fileName;   // the proposed name (Save)
    QString filter;     // "Data Files (*.dat);;All Files (*)"
    bool confirmOverwrite = false;  // Save: ask before replacing an existing file
    QWidget* parent = nullptr;
};

using MessageHandler = std::function<MsgResult(const MessageRequest&)>;
// Returns the chosen path, or an empty text when the user cancelled.
using FileHandler = std::function<QString(const FileRequest&)>;

MsgResult Ask(const MessageRequest& request);
QString AskFileName(const FileRequest& request);

// The path a file dialog opens on: the proposed name in the start folder,
// or the proposed name as it is when it holds its own folder.
QString FileDialogStartPath(const FileRequest& request);

// Installs the handlers; returns the ones they replace.
MessageHandler SetMessageHandler(MessageHandler handler);
FileHandler SetFileHandler(FileHandler handler);

}  // namespace zx
