// The pictures of the main window and the games' windows: the title, key tiles, frame
// bars, arrows, the word's back, the exit door, dice, the easel, the B picture, the
// paint swatches, the tick and the buttons.
#include "designparts.h"
#include "paint.h"

#include <QPainterPath>

namespace ag {

void block(QPainter &p, const QRectF &r, const QColor &c, const QString &letter)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double d = r.width() * 0.16;
    QPolygonF top, side;
    top << r.topLeft() << r.topLeft() + QPointF(d, -d) << r.topRight() + QPointF(d, -d) << r.topRight();
    side << r.topRight() << r.topRight() + QPointF(d, -d) << r.bottomRight() + QPointF(d, -d) << r.bottomRight();
    p.setPen(QPen(c.darker(160), 2));
    p.setBrush(c.lighter(125));
    p.drawPolygon(top);
    p.setBrush(c.darker(120));
    p.drawPolygon(side);
    p.setBrush(c);
    p.drawRect(r);
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(5, 5, -5, -5));
    const QFont f = wordFont(r.height() * 0.72);
    const QFontMetricsF fm(f);
    QPainterPath path;
    path.addText(r.center().x() - fm.horizontalAdvance(letter) / 2, r.center().y() + (fm.ascent() - fm.descent()) / 2, f, letter);
    p.fillPath(path, Qt::white);
    p.restore();
}

namespace {

void cloudSmall(QPainter &p, QPointF c)
{
    p.setPen(QPen(QColor(200, 220, 240), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 26, 15);
    p.drawEllipse(c + QPointF(-18, 4), 16, 11);
    p.drawEllipse(c + QPointF(18, 4), 16, 11);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c + QPointF(0, 3), 30, 11);
}

} // namespace

QImage title(const EmojiAtlas &atlas)
{
    return drawn(400, 400, [&](QPainter &p) {
        shadedCard(p, QRectF(5, 5, 390, 390), 40, QLineF(0, 0, 0, 400), QColor(255, 250, 225), QColor(255, 228, 170),
                   QPen(QColor(255, 170, 40), 6));
        // A whole rainbow over the name.
        const QColor bands[] = {QColor(240, 60, 60), QColor(250, 150, 30), QColor(250, 215, 40),
                                QColor(80, 190, 80), QColor(60, 150, 240), QColor(140, 90, 210)};
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 6; ++i) {
            const double r = 120 - i * 11;
            p.setPen(QPen(bands[i], 11, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(QRectF(200 - r, 150 - r, 2 * r, 2 * r), 0, 180 * 16);
        }
        cloudSmall(p, QPointF(86, 146));
        cloudSmall(p, QPointF(314, 146));
        atlas.draw(p, kStar, QRectF(22, 22, 56, 56));
        atlas.draw(p, kApple, QRectF(322, 22, 56, 56));
        // ZORBLA, each letter its own colour, hopping up and down a little.
        const QString name = QStringLiteral("ZORBLA");
        const QColor cols[] = {QColor(235, 60, 60), QColor(250, 140, 20), QColor(60, 170, 60),
                               QColor(40, 130, 230), QColor(150, 80, 210), QColor(240, 70, 150)};
        const QFont f = wordFont(96);
        const QFontMetricsF fm(f);
        double total = 0;
        for (const QChar c : name)
            total += fm.horizontalAdvance(c);
        double x = 200 - total / 2;
        for (int i = 0; i < name.size(); ++i) {
            QPainterPath path;
            path.addText(x, 232 + (i % 2 ? 10 : -6), f, QString(name[i]));
            p.strokePath(path, QPen(Qt::white, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.strokePath(path, QPen(cols[i].darker(150), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.fillPath(path, cols[i]);
            x += fm.horizontalAdvance(name[i]);
        }
        block(p, QRectF(70, 282, 72, 72), QColor(235, 70, 60), QStringLiteral("A"));
        block(p, QRectF(162, 292, 72, 72), QColor(60, 160, 240), QStringLiteral("B"));
        block(p, QRectF(254, 282, 72, 72), QColor(70, 185, 80), QStringLiteral("C"));
    });
}

// A key-shaped tile: rounded top face over a darker rim.
QImage keyTile(int w, int h, const QColor &face, const QString &label)
{
    return drawn(w, h, [&](QPainter &p) {
        p.setPen(QPen(face.darker(170), 1.2));
        p.setBrush(face.darker(130));
        p.drawRoundedRect(QRectF(0.8, 0.8, w - 1.6, h - 1.6), 7, 7);
        shadedCard(p, QRectF(4, 2.5, w - 8, h - 9), 5, QLineF(0, 2, 0, h - 6), face.lighter(125), face, Qt::NoPen);
        if (!label.isEmpty()) {
            const QFont f = wordFont(h * 0.62);
            const QFontMetricsF fm(f);
            QPainterPath path;
            path.addText(w / 2.0 - fm.horizontalAdvance(label) / 2, (h - 6) / 2.0 + (fm.ascent() - fm.descent()) / 2, f, label);
            p.fillPath(path, QColor(40, 40, 60));
        }
    });
}

QImage bar(int w, int h, bool horizontal)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    QLinearGradient g(0, 0, horizontal ? 0 : w, horizontal ? h : 0);
    g.setColorAt(0, QColor(90, 170, 250));
    g.setColorAt(1, QColor(20, 90, 200));
    p.fillRect(img.rect(), g);
    return img;
}

QImage arrow(bool right)
{
    return drawn(45, 45, [&](QPainter &p) {
        QRadialGradient g(QPointF(18, 15), 30);
        g.setColorAt(0, QColor(255, 190, 70));
        g.setColorAt(1, QColor(245, 120, 20));
        p.setPen(QPen(QColor(180, 80, 10), 2));
        p.setBrush(g);
        p.drawEllipse(QRectF(2, 2, 41, 41));
        QPolygonF a;
        a << QPointF(12, 18) << QPointF(23, 18) << QPointF(23, 10) << QPointF(35, 22.5)
          << QPointF(23, 35) << QPointF(23, 27) << QPointF(12, 27);
        if (!right)
            for (QPointF &pt : a)
                pt.setX(45 - pt.x());
        p.setPen(QPen(QColor(150, 70, 10), 1.5));
        p.setBrush(Qt::white);
        p.drawPolygon(a);
    });
}

QImage wordBack()
{
    return drawn(400, 40, [](QPainter &p) {
        shadedCard(p, QRectF(1, 1, 398, 38), 12, QLineF(0, 0, 0, 40), QColor(255, 252, 215), QColor(255, 232, 160),
                   QPen(QColor(230, 170, 60), 2));
    });
}

QImage exitDoor(const EmojiAtlas &atlas)
{
    return drawn(35, 35, [&](QPainter &p) {
        atlas.draw(p, kDoor, QRectF(11, 1, 23, 33));
        QPainterPath a;
        a.moveTo(1, 14);
        a.lineTo(10, 14);
        a.lineTo(10, 9);
        a.lineTo(19, 18);
        a.lineTo(10, 27);
        a.lineTo(10, 22);
        a.lineTo(1, 22);
        a.closeSubpath();
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(QColor(230, 40, 40));
        p.drawPath(a);
    });
}

QImage dice()
{
    return drawn(65, 66, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(QRectF(5, 7, 57, 57), 12, 12);
        shadedCard(p, QRectF(2, 2, 58, 58), 12, QLineF(0, 0, 60, 60), Qt::white, QColor(220, 225, 240),
                   QPen(QColor(90, 100, 140), 2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 40, 50));
        for (QPointF c : {QPointF(16, 16), QPointF(46, 16), QPointF(31, 31), QPointF(16, 46), QPointF(46, 46)})
            p.drawEllipse(c, 6, 6);
    });
}

QImage easel(const EmojiAtlas &atlas)
{
    return drawn(122, 108, [&](QPainter &p) {
        const QColor wood(170, 110, 60);
        p.setPen(QPen(wood.darker(130), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(30, 104), QPointF(52, 8));
        p.drawLine(QPointF(82, 104), QPointF(60, 8));
        p.drawLine(QPointF(56, 8), QPointF(56, 100));
        p.setPen(QPen(wood.darker(150), 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(22, 12, 68, 56));
        // A little painting on the board: sun and hill.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 200, 255));
        p.drawRect(QRectF(25, 15, 62, 34));
        p.setBrush(QColor(90, 190, 80));
        p.drawEllipse(QRectF(18, 40, 80, 30));
        p.setBrush(QColor(255, 210, 40));
        p.drawEllipse(QPointF(38, 27), 7, 7);
        p.setBrush(wood);
        p.drawRect(QRectF(16, 67, 80, 6));
        atlas.draw(p, kPalette, QRectF(66, 52, 56, 56));
    });
}

QImage letterB(const EmojiAtlas &atlas)
{
    return drawn(104, 69, [&](QPainter &p) {
        p.setPen(QPen(QColor(30, 60, 140), 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(1, 1, 102, 67), 10, 10);
        const QFont f = wordFont(66);
        QPainterPath path;
        path.addText(14, 58, f, QStringLiteral("B"));
        p.strokePath(path, QPen(QColor(20, 60, 160), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(path, QColor(60, 140, 240));
        atlas.draw(p, kPencil, QRectF(50, 8, 52, 52));
    });
}

QImage swatch(const QColor &c)
{
    return drawn(70, 45, [&](QPainter &p) {
        // A paint blob with a drip and a shine.
        QPainterPath blob;
        blob.moveTo(10, 22);
        blob.cubicTo(6, 6, 28, 2, 38, 6);
        blob.cubicTo(50, 1, 68, 8, 63, 22);
        blob.cubicTo(68, 36, 52, 43, 40, 38);
        blob.cubicTo(37, 44, 31, 44, 30, 38);
        blob.cubicTo(18, 43, 2, 36, 10, 22);
        p.setPen(QPen(c.darker(150), 2));
        p.setBrush(c);
        p.drawPath(blob);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawEllipse(QRectF(18, 10, 16, 8));
    });
}

QImage check()
{
    return drawn(38, 38, [&](QPainter &p) {
        QPainterPath path;
        path.moveTo(6, 20);
        path.lineTo(15, 30);
        path.lineTo(33, 8);
        p.strokePath(path, QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.strokePath(path, QPen(QColor(40, 170, 60), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    });
}

QImage button(const QString &label)
{
    return drawn(90, 40, [&](QPainter &p) {
        shadedCard(p, QRectF(1, 1, 88, 38), 10, QLineF(0, 0, 0, 40), QColor(215, 238, 255), QColor(150, 205, 250),
                   QPen(QColor(60, 130, 210), 2));
        drawWord(p, QRectF(6, 4, 78, 32), label, QColor(25, 60, 140), QColor(25, 60, 140), 20);
    });
}

} // namespace ag
