#include "link/PreWriteCheck.h"

#include "core/AppCore.h"
#include "core/ErrorBox.h"
#include "core/StringTable.h"
#include "platform/Prompt.h"

namespace zx {

namespace {

QString Quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString CheckMessage(const QStringList& lines)
{
    const QString crlf = QStringLiteral("\r\n");
    return LangText("以下设置错误。", "The following setting is incorrect.") + crlf + lines.join(crlf);
}

}  // namespace

bool SomeChannelHasPttId(const RadioImage& image, int channelCount)
{
    for (int ch = 1; ch <= channelCount; ++ch) {
        const std::uint8_t code = image.at(layout::ChannelPttIdCode(ch));
        const bool unset = (code & 0x0F) == 0x0F;
        const bool off = (code & 0x01) == 0;
        if (!unset && !off)
            return true;
    }
    return false;
}

QString PreWriteCheckMessage()
{
    AppCore& core = Core();
    PreWriteChecks& checks = core.checks;
    const QString begin = Quoted(LangText("发射开始代码", "Begin of TX code"));
    const QString end = Quoted(LangText("发射结束代码", "End of TX code"));
    if (checks.PriorityChannelError)
        return CheckMessage({QString(), Quoted(LangText("优先信道", "Priority Channel"))});
    if (checks.OwnFleetIdError)
        return CheckMessage({QString(), Quoted(LangText("队列（自身）", "Fleet(Own)")), Quoted(LangText("ID（自身）", "ID(Own)"))});
    if (checks.PttCodeCheck) {
        if (!SomeChannelHasPttId(core.image, core.ChannelCount())) {
            checks.PttCodeCheck = false;
            return {};
        }
        switch (checks.PttCodeMissing) {
        case 1: return CheckMessage({begin});
        case 2: return CheckMessage({QString(), end});
        case 3: return CheckMessage({begin, end});
        default: break;
        }
    }
    return {};
}

bool RunPreWriteChecks()
{
    const QString message = PreWriteCheckMessage();
    if (message.isEmpty())
        return true;
    ShowErrorBox(message);
    return false;
}

}  // namespace zx
