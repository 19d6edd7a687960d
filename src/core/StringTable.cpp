#include "core/StringTable.h"

#include <QHash>

#include "core/AppCore.h"

namespace zx {

QString StringResource(int id)
{
    static const QHash<int, QString> table = [] {
        QHash<int, QString> t;
        for (int i = 0; i < kStringResourceCount; ++i)
            t.insert(kStringResources[i].id, QString::fromUtf8(kStringResources[i].text));
        return t;
    }();
    return table.value(id);
}

QString LoadLangString(int n, bool chinese)
{
    if (n >= kFirstSharedId && n <= kLastSharedId)
        return StringResource(n);
    return StringResource(chinese ? n : n + 1000);
}

QString LoadLangString(int n)
{
    return LoadLangString(n, Core().LanguageChinese);
}

QString LangText(const char* chinese, const char* english)
{
    return QString::fromUtf8(Core().LanguageChinese ? chinese : english);
}

}  // namespace zx
