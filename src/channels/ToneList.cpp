#include "channels/ToneList.h"

#include "channels/ChannelWords.h"
#include "channels/ToneCode.h"
#include "core/AppCore.h"

namespace zx {

QStringList BuildToneList(bool chinese)
{
    QStringList list;
    list.reserve(kToneListSize);
    list.append(words::Word(words::kNone, chinese));
    for (int tenths : kQtToneTable)
        list.append(QtToneText(tenths));
    for (int code : kDqtCodeTable)
        list.append(DqtToneText(code, false));
    for (int code : kDqtCodeTable)
        list.append(DqtToneText(code, true));
    return list;
}

void BuildToneList(QStringList& list)
{
    list = BuildToneList(Core().LanguageChinese);
}

}  // namespace zx
