#include "platform/ui/PrintAt.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include "platform/Twips.h"

namespace zx {

double TwipsToDeviceX(const QPainter& painter, double twips)
{
    return twips * painter.device()->logicalDpiX() / kTwipsPerInch;
}

double TwipsToDeviceY(const QPainter& painter, double twips)
{
    return twips * painter.device()->logicalDpiY() / kTwipsPerInch;
}

void PrintAt(QPainter& painter, int x, int y, const QString& text)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QPointF baseline(TwipsToDeviceX(painter, x), TwipsToDeviceY(painter, y) + metrics.ascent());
    painter.drawText(baseline, text);
}

}  // namespace zx
