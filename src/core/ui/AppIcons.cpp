#include "core/ui/AppIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zx {

namespace {

QPixmap Canvas(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

// A hand-held radio: body, antenna, speaker grille and display.
QPixmap RadioPicture(int size)
{
    QPixmap pm = Canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(9, 1, 3, 9));                    // antenna
    p.setBrush(QColor(60, 64, 72));
    p.drawRoundedRect(QRectF(7, 8, 18, 23), 3, 3);     // body
    p.setBrush(QColor(120, 200, 120));
    p.drawRect(QRectF(10, 11, 12, 6));                 // display
    p.setPen(QPen(QColor(180, 180, 180), 1));
    for (int y = 20; y <= 28; y += 3)
        p.drawLine(QPointF(10, y), QPointF(22, y));    // speaker grille
    return pm;
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color)
{
    p.setPen(QPen(color, 2));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
    const QPointF n(-d.y(), d.x());
    QPolygonF head;
    head << to << to - d * 4 + n * 3 << to - d * 4 - n * 3;
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
}

QPixmap Picture(const QString& key)
{
    QPixmap pm = Canvas(16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(40, 40, 40), 1);
    if (key == QLatin1String("New")) {
        p.setPen(ink);
        p.setBrush(Qt::white);
        QPolygonF page;
        page << QPointF(3, 1) << QPointF(10, 1) << QPointF(13, 4) << QPointF(13, 15) << QPointF(3, 15);
        p.drawPolygon(page);
        p.drawLine(QPointF(10, 1), QPointF(10, 4));
        p.drawLine(QPointF(10, 4), QPointF(13, 4));
    } else if (key == QLatin1String("Open")) {
        p.setPen(ink);
        p.setBrush(QColor(230, 190, 80));
        p.drawRect(QRectF(1, 4, 12, 10));
        p.setBrush(QColor(250, 220, 120));
        QPolygonF flap;
        flap << QPointF(3, 7) << QPointF(15, 7) << QPointF(13, 14) << QPointF(1, 14);
        p.drawPolygon(flap);
    } else if (key == QLatin1String("Save")) {
        p.setPen(ink);
        p.setBrush(QColor(60, 90, 160));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 2, 8, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4, 10, 8, 4.5));
    } else if (key == QLatin1String("Print")) {
        p.setPen(ink);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 1, 8, 5));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1, 6, 14, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 10, 8, 5));
    } else if (key == QLatin1String("Read") || key == QLatin1String("Write")) {
        p.drawPixmap(QRect(0, 0, 10, 16), RadioPicture(16), QRect(4, 0, 10, 16));
        const bool read = key == QLatin1String("Read");
        const QColor color = read ? QColor(30, 140, 30) : QColor(200, 60, 30);
        Arrow(p, read ? QPointF(9, 8) : QPointF(15, 8), read ? QPointF(15, 8) : QPointF(9, 8), color);
    } else {  // Help / About
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 100, 200));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(12);
        p.setFont(f);
        p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
    }
    return pm;
}

}  // namespace

QIcon WindowIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 64})
            i.addPixmap(RadioPicture(size));
        return i;
    }();
    return icon;
}

QIcon ToolbarPicture(const QString& key)
{
    return QIcon(Picture(key));
}

QPixmap BitmapPicture(const QString& key)
{
    QColor color(40, 100, 200);
    if (key == QLatin1String("LampOff"))
        color = QColor(0, 200, 0);
    else if (key == QLatin1String("LampOn"))
        color = QColor(230, 0, 0);
    QPixmap pm(16, 16);
    pm.fill(color);
    return pm;
}

}  // namespace zx
