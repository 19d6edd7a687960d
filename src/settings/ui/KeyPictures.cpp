#include "settings/ui/KeyPictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace zx {

namespace {

const QColor kBackground(255, 255, 255);
const QColor kOutline(35, 38, 44);
const QColor kBody(72, 78, 90);
const QColor kBodyEdge(104, 111, 124);
const QColor kRubber(48, 50, 56);
const QColor kKeyIdle(150, 154, 162);
const QColor kKeyMarked(220, 20, 30);

// The keys on the radio's spine (its right edge here), top to bottom: PTT,
// upper side key (PF1), lower side key (PF2).
const QRectF kPtt(70, 118, 10, 40);
const QRectF kSideKey[2] = {QRectF(70, 166, 8, 16), QRectF(70, 188, 8, 16)};

QImage Draw(int key)
{
    QImage image(kKeyPictureWidth, kKeyPictureHeight, QImage::Format_RGB888);
    image.fill(kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOutline, 1.2));

    // The keys first: the body covers their inner ends.
    p.setBrush(kKeyIdle);
    p.drawRoundedRect(kPtt, 3, 3);
    for (int k = 0; k < 2; ++k) {
        p.setBrush(k == key ? kKeyMarked : kKeyIdle);
        p.drawRoundedRect(kSideKey[k], 2, 2);
    }

    // Antenna near the back: a rubber whip with a wider base; a knob in
    // front of it.
    p.setBrush(kRubber);
    p.drawRoundedRect(QRectF(52, 10, 8, 70), 4, 4);
    p.drawRoundedRect(QRectF(49, 72, 14, 22), 3, 3);
    p.drawRoundedRect(QRectF(28, 80, 12, 14), 2, 2);

    // Body seen from its left side: front face to the left.
    QPainterPath body;
    body.addRoundedRect(QRectF(20, 92, 52, 150), 9, 9);
    p.setBrush(kBody);
    p.drawPath(body);
    // Battery pack at the bottom, a lighter part.
    p.setBrush(kBodyEdge);
    p.drawRoundedRect(QRectF(20, 200, 52, 42), 9, 9);
    // Speaker grille edges on the front.
    p.setPen(QPen(kBodyEdge, 1));
    for (int y = 110; y <= 170; y += 8)
        p.drawLine(QPointF(23, y), QPointF(30, y));

    // A red pointer at the assigned key, its name above the pointer.
    const QRectF marked = kSideKey[key];
    const double y = marked.center().y();
    const double tip = marked.right() + 2;
    p.setPen(QPen(kKeyMarked, 2));
    p.drawLine(QPointF(tip + 6, y), QPointF(kKeyPictureWidth - 4, y));
    p.setBrush(kKeyMarked);
    p.setPen(Qt::NoPen);
    QPolygonF head;
    head << QPointF(tip, y) << QPointF(tip + 7, y - 4) << QPointF(tip + 7, y + 4);
    p.drawPolygon(head);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kKeyMarked);
    p.drawText(QRectF(tip + 4, y - 20, kKeyPictureWidth - tip - 4, 14), Qt::AlignLeft | Qt::AlignVCenter,
               key == 0 ? QStringLiteral("PF1") : QStringLiteral("PF2"));
    p.end();
    return image;
}

}  // namespace

QPixmap KeyPicture(int key) { return QPixmap::fromImage(Draw(key == 0 ? 0 : 1)); }

}  // namespace zx
