#include "core/MainCaption.h"

#include "core/AppCore.h"
#include "core/ModelRules.h"

namespace zx {

QString GetFileName(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return slash < 0 ? path : path.mid(slash + 1);
}

QString MakeMainCaption(const AppCore& core)
{
    QString caption = QStringLiteral("ZX-4100 ");
    if (const auto band = BandCaptionText(core.image.modelBandCode())) {
        caption += *band;
        caption += core.LanguageChinese ? QStringLiteral("文件名:") : QStringLiteral("File Name:");
    }
    const QString& path = core.document.DataFilePath;
    caption += path == kDefaultDataFileName ? path : GetFileName(path);
    caption += QLatin1Char(']');
    return caption;
}

}  // namespace zx

namespace zx {

QString ChannelWindowCaption(int channel, bool chinese)
{
    return (chinese ? QStringLiteral(" 信道信息") : QStringLiteral(" Channel Information")) + QStringLiteral(" [") +
           (chinese ? QStringLiteral(" 信道") : QStringLiteral(" Channel")) + QStringLiteral(" -") + QLatin1Char(' ') +
           QString::number(channel) + QStringLiteral(" ]");
}

QString ChannelWindowFixedCaption(bool chinese)
{
    return chinese ? QStringLiteral(" 信道信息 [ 信道 - 1 ]") : QStringLiteral(" Channel Information [ Channel-1 ]");
}

}  // namespace zx
