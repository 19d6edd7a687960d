#include "core/ErrorBox.h"

#include "core/StringTable.h"
#include "platform/Prompt.h"

namespace zx {

void ShowErrorBox(const QString& text, QWidget* parent)
{
    MessageRequest box;
    box.text = text;
    box.title = LangText("错误", "Error");
    box.icon = MsgIcon::Critical;
    box.buttons = MsgButtons::Ok;
    box.defaultButton = MsgResult::Ok;
    box.parent = parent;
    Ask(box);
}

}  // namespace zx
