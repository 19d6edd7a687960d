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

QString PortLostText(const QString& portName, PortLoss loss)
{
    switch (loss) {
    case PortLoss::DuringRead:
        return LangText("%1 已断开连接，读取已停止。没有再向电台发送任何数据，也没有保存任何数据：程序中的数据未改变。",
                        "%1 was disconnected: the read was stopped. Nothing more was sent to the radio and "
                        "nothing was stored; the data in the program is unchanged.")
            .arg(portName);
    case PortLoss::BeforeWriteData:
        return LangText("%1 已断开连接，写入未开始。没有向电台写入任何数据：电台的存储内容未改变。",
                        "%1 was disconnected: the write did not start. No data was written to the radio; "
                        "its memory is unchanged.")
            .arg(portName);
    case PortLoss::DuringWriteData:
        break;
    }
    return LangText("%1 已断开连接，写入已停止。没有再向电台发送任何数据；电台可能只写入了部分数据，请重新连接后再写入。",
                    "%1 was disconnected: the write was stopped. Nothing more was sent to the radio; it may "
                    "hold part of the new data, so write again once it is connected.")
        .arg(portName);
}

void ShowPortLost(const QString& portName, PortLoss loss)
{
    ShowErrorBox(PortLostText(portName, loss));
}

}  // namespace zx
