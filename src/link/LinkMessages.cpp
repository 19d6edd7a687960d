#include "link/LinkMessages.h"

#include "core/AppCore.h"
#include "core/ErrorBox.h"
#include "core/StringTable.h"

namespace zx {

MsgResult ReplyTimeoutBox()
{
    MessageRequest r;
    r.text = LangText("检查所有连接及通信端口设置。",
                  "please check all connections and communication port settings.");
    r.title = LangText("错误", "Error");
    r.icon = MsgIcon::Critical;
    r.buttons = MsgButtons::RetryCancel;
    r.defaultButton = MsgResult::Retry;
    return Ask(r);
}

bool AskOverwriteOtherModel()
{
    MessageRequest r;
    r.text = LangText("机型类型错误。是否改写？", "Model type is wrong.Overwrite?");
    r.title = LangText("警告", "Warning");
    r.icon = MsgIcon::Exclamation;
    r.buttons = MsgButtons::OkCancel;
    r.defaultButton = MsgResult::Cancel;
    return Ask(r) == MsgResult::Ok;
}

void ShowTransferCompleted(bool read)
{
    MessageRequest r;
    r.text = read ? LangText("读取完毕", "Reading Completed") : LangText("写入完毕", "Writing Completed");
    r.title = QString();
    r.icon = MsgIcon::Information;
    r.buttons = MsgButtons::Ok;
    r.defaultButton = MsgResult::Ok;
    Ask(r);
}

void ShowPortOpenError(const QString& reason)
{
    ShowErrorBox(reason);
}

}  // namespace zx
