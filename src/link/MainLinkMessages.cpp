#include "link/MainLinkMessages.h"

#include "core/ErrorBox.h"
#include "core/StringTable.h"
#include "platform/Prompt.h"

namespace zx {

QString TestFrequencyMismatchText()
{
    return LangText("测试频率不匹配。\r\n执行\"从对讲机读取数据\"\r\n或\"向对讲机写入数据\"。",
                    "Test Frequency mismatch.\r\nExecute read data from radio\r\nor write to radio.");
}

void ShowTestFrequencyMismatch()
{
    MessageRequest r;
    r.text = TestFrequencyMismatchText();
    r.title = LangText("警告", "Error");
    r.icon = MsgIcon::Critical;
    r.buttons = MsgButtons::Ok;
    r.defaultButton = MsgResult::Ok;
    Ask(r);
}

void ShowMainLinkPortLost(const QString& portName)
{
    ShowErrorBox(LangText("%1 已断开：与对讲机的通信已结束，未再发送任何数据。",
                          "%1 was disconnected: the exchange with the radio has ended and nothing more was sent.")
                     .arg(portName));
}

}  // namespace zx
