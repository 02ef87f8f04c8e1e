// The teddy bear of the counting game, waiting, glad or sad.
#include "bear.h"

#include <QPainterPath>

namespace ag {

void drawBear(QPainter &p, Mood mood, double wave)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fur(176, 112, 62), dark(120, 70, 35), light(232, 196, 150), ink(45, 28, 20);
    const QPen outline(dark.darker(120), 3);

    // Arms first so the body overlaps their roots.
    auto arm = [&](double side, double out) { // out: degrees away from hanging down
        p.save();
        p.translate(85 + side * 40, 122);
        p.rotate(-side * out);
        p.setPen(outline);
        p.setBrush(fur);
        p.drawRoundedRect(QRectF(-13, -6, 26, 52), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(QPointF(0, 38), 8, 6);
        p.restore();
    };
    const double out = mood == Mood::Happy ? 140 + 12 * wave : mood == Mood::Sad ? 6 : 30;
    arm(-1, out);
    arm(1, out);

    // Legs and feet.
    for (double side : {-1.0, 1.0}) {
        p.setPen(outline);
        p.setBrush(fur);
        p.drawEllipse(QPointF(85 + side * 28, 172), 20, 15);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(QPointF(85 + side * 28, 174), 10, 8);
    }
    // Body and belly.
    p.setPen(outline);
    p.setBrush(fur);
    p.drawEllipse(QPointF(85, 138), 44, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(QPointF(85, 146), 27, 25);

    // Ears, head, muzzle.
    const double headY = mood == Mood::Sad ? 70 : 64;
    for (double side : {-1.0, 1.0}) {
        p.setPen(outline);
        p.setBrush(fur);
        p.drawEllipse(QPointF(85 + side * 36, headY - 36), 17, 17);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 160, 150));
        p.drawEllipse(QPointF(85 + side * 36, headY - 36), 9, 9);
    }
    p.setPen(outline);
    p.setBrush(fur);
    p.drawEllipse(QPointF(85, headY), 49, 45);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(QPointF(85, headY + 18), 25, 19);
    p.setBrush(ink);
    p.drawEllipse(QPointF(85, headY + 9), 9, 6.5);
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QPointF(82, headY + 7), 3, 2);

    // The face carries the mood.
    const double eyeY = headY - 10;
    QPen inkPen(ink, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (mood == Mood::Happy) {
        p.setPen(inkPen);
        p.setBrush(Qt::NoBrush);
        for (double side : {-1.0, 1.0}) // closed, smiling eyes
            p.drawArc(QRectF(85 + side * 19 - 9, eyeY - 6, 18, 14), 20 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 130, 150));
        p.drawEllipse(QPointF(85 - 33, eyeY + 17), 9, 6);
        p.drawEllipse(QPointF(85 + 33, eyeY + 17), 9, 6);
        // Wide open smile with a tongue.
        QPainterPath mouth;
        mouth.moveTo(72, headY + 20);
        mouth.quadTo(85, headY + 25, 98, headY + 20);
        mouth.quadTo(97, headY + 40, 85, headY + 40);
        mouth.quadTo(73, headY + 40, 72, headY + 20);
        p.setPen(QPen(ink, 2.5));
        p.setBrush(QColor(150, 30, 40));
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 110, 120));
        p.drawEllipse(QPointF(85, headY + 35), 7, 4.5);
        // Hearts float above.
        auto heart = [&](QPointF c, double s) {
            QPainterPath h;
            h.moveTo(c.x(), c.y() + s * 0.9);
            h.cubicTo(c.x() - s * 1.4, c.y() - s * 0.1, c.x() - s * 0.6, c.y() - s * 1.1, c.x(), c.y() - s * 0.35);
            h.cubicTo(c.x() + s * 0.6, c.y() - s * 1.1, c.x() + s * 1.4, c.y() - s * 0.1, c.x(), c.y() + s * 0.9);
            p.setPen(QPen(QColor(180, 20, 60), 1.5));
            p.setBrush(QColor(240, 50, 90));
            p.drawPath(h);
        };
        heart(QPointF(18, 20 - 3 * wave), 11);
        heart(QPointF(153, 14 + 3 * wave), 9);
    } else {
        for (double side : {-1.0, 1.0}) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(85 + side * 19, eyeY), 9, 10);
            p.setBrush(ink);
            p.drawEllipse(QPointF(85 + side * 19, eyeY + (mood == Mood::Sad ? 3 : 1)), 5.5, 6.5);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(85 + side * 19 + 2, eyeY - 1), 1.8, 1.8);
        }
        if (mood == Mood::Sad) {
            p.setPen(inkPen);
            p.drawLine(QPointF(85 - 28, eyeY - 12), QPointF(85 - 12, eyeY - 18)); // worried brows
            p.drawLine(QPointF(85 + 28, eyeY - 12), QPointF(85 + 12, eyeY - 18));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(74, headY + 22, 22, 14), 30 * 16, 120 * 16); // frown
            QPainterPath tear;
            const QPointF t(85 + 24, eyeY + 12);
            tear.moveTo(t);
            tear.cubicTo(t.x() + 7, t.y() + 10, t.x() + 6, t.y() + 16, t.x(), t.y() + 16);
            tear.cubicTo(t.x() - 6, t.y() + 16, t.x() - 7, t.y() + 10, t.x(), t.y());
            p.setPen(QPen(QColor(40, 110, 200), 1.5));
            p.setBrush(QColor(110, 190, 255));
            p.drawPath(tear);
        } else {
            p.setPen(inkPen);
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(76, headY + 14, 18, 12), 220 * 16, 100 * 16); // calm little smile
        }
    }
    p.restore();
}

QImage bearImage(Mood mood, int scale)
{
    QImage img(170 * scale, 190 * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    if (scale != 1)  // even an identity scale sends the painter down other paths
        p.scale(scale, scale);
    drawBear(p, mood);
    return img;
}

} // namespace ag
