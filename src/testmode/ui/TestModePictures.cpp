#include "testmode/ui/TestModePictures.h"

#include <QPainter>
#include <QPolygonF>

namespace zx {

namespace {
constexpr int kSize = 16;
}  // namespace

QPixmap StartMarker()
{
    static const QPixmap marker = [] {
        QPixmap pm(kSize, kSize);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(0, 90, 0), 1));
            p.setBrush(QColor(0, 170, 0));
            // A play triangle: the loop is running.
            QPolygonF play;
            play << QPointF(3, 2) << QPointF(14, 8) << QPointF(3, 14);
            p.drawPolygon(play);
        }
        return pm;
    }();
    return marker;
}

}  // namespace zx
