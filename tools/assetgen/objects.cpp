// The objects of the pictures, by name: the emoji, the few things drawn here that the
// emoji lack, and failing both the word on a card.
#include "pictures.h"
#include "pictureparts.h"

#include <QPainterPath>
#include <cmath>
#include <utility>

namespace ag {

namespace {

void drawXylophone(QPainter &p, const QRectF &box)
{
    const QColor bars[] = {QColor(235, 64, 52), QColor(250, 150, 30), QColor(250, 210, 40),
                           QColor(80, 190, 70), QColor(50, 140, 230), QColor(140, 80, 200)};
    const double bw = box.width() / 7.4, gap = bw * 0.22;
    const double x0 = box.left() + (box.width() - 6 * bw - 5 * gap) / 2;
    // Two wooden rails under the bars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 95, 50));
    QPolygonF rail1, rail2;
    const double top = box.top() + box.height() * 0.22, bottom = box.top() + box.height() * 0.80;
    rail1 << QPointF(x0 - 8, top + 20) << QPointF(x0 + 6 * bw + 5 * gap + 8, top + 48)
          << QPointF(x0 + 6 * bw + 5 * gap + 8, top + 60) << QPointF(x0 - 8, top + 32);
    rail2 << QPointF(x0 - 8, bottom - 30) << QPointF(x0 + 6 * bw + 5 * gap + 8, bottom - 62)
          << QPointF(x0 + 6 * bw + 5 * gap + 8, bottom - 50) << QPointF(x0 - 8, bottom - 18);
    p.drawPolygon(rail1);
    p.drawPolygon(rail2);
    for (int i = 0; i < 6; ++i) {
        const double shrink = i * box.height() * 0.045; // bars get shorter to the right
        const QRectF bar(x0 + i * (bw + gap), top + shrink, bw, bottom - top - 2 * shrink);
        p.setPen(QPen(bars[i].darker(140), 2.5));
        p.setBrush(bars[i]);
        p.drawRoundedRect(bar, bw * 0.3, bw * 0.3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawRoundedRect(QRectF(bar.left() + bw * 0.18, bar.top() + 8, bw * 0.22, bar.height() - 16), 4, 4);
        p.setBrush(QColor(90, 60, 30));
        p.drawEllipse(QPointF(bar.center().x(), bar.top() + 14), 3.5, 3.5);
        p.drawEllipse(QPointF(bar.center().x(), bar.bottom() - 14), 3.5, 3.5);
    }
    // Two mallets crossing over the bars.
    auto mallet = [&](QPointF head, QPointF end, QColor colour) {
        p.setPen(QPen(QColor(170, 120, 70), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(head, end);
        p.setPen(QPen(colour.darker(150), 2.5));
        p.setBrush(colour);
        p.drawEllipse(head, 15, 15);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawEllipse(head + QPointF(-5, -5), 5, 5);
    };
    mallet(QPointF(box.left() + box.width() * 0.34, box.top() + box.height() * 0.46),
           QPointF(box.left() + box.width() * 0.02, box.bottom() - 4), QColor(240, 70, 120));
    mallet(QPointF(box.left() + box.width() * 0.64, box.top() + box.height() * 0.42),
           QPointF(box.right() - 2, box.bottom() - 10), QColor(240, 200, 40));
}

void drawZero(QPainter &p, const QRectF &box)
{
    const QRectF ring = box.adjusted(box.width() * 0.18, box.height() * 0.04, -box.width() * 0.18, -box.height() * 0.04);
    const double thick = ring.width() * 0.26;
    QPainterPath outer, inner;
    outer.addEllipse(ring);
    inner.addEllipse(ring.adjusted(thick, thick, -thick, -thick));
    const QPainterPath zero = outer.subtracted(inner);
    QLinearGradient g(ring.topLeft(), ring.bottomRight());
    g.setColorAt(0, QColor(255, 120, 90));
    g.setColorAt(1, QColor(230, 50, 110));
    p.setPen(QPen(QColor(150, 30, 70), 4));
    p.setBrush(g);
    p.drawPath(zero);
    // A friendly face on the ring makes it a character, not a hole.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QRectF(ring.left() + thick * 0.35, ring.top() + ring.height() * 0.25, thick * 0.3, ring.height() * 0.25));
    const QPointF c = ring.center();
    const double r = ring.width() / 2 - thick / 2;
    for (int s : {-1, 1}) {
        const QPointF eye = c + QPointF(s * r * 0.34, -r * 1.0);
        p.setBrush(Qt::white);
        p.drawEllipse(eye, 9, 10);
        p.setBrush(QColor(40, 30, 40));
        p.drawEllipse(eye + QPointF(0, 2), 5, 6);
    }
    p.setPen(QPen(QColor(40, 30, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 16, c.y() + r - 18, 32, 22), 200 * 16, 140 * 16);
}

// The top half of oval, standing on the ground.
QPainterPath arch(const QRectF &oval, double ground)
{
    QPainterPath a;
    a.moveTo(oval.left(), ground);
    a.arcTo(oval, 180, -180);
    a.closeSubpath();
    return a;
}

void drawIgloo(QPainter &p, const QRectF &box)
{
    const QRectF dome(box.left() + box.width() * 0.05, box.top() + box.height() * 0.2, box.width() * 0.9, box.height() * 1.2);
    const double ground = box.top() + box.height() * 0.8;
    const QPainterPath shape = arch(dome, ground);
    p.setPen(QPen(QColor(110, 150, 190), 4));
    p.setBrush(QColor(238, 247, 255));
    p.drawPath(shape);
    // Rows of snow blocks, offset like bricks.
    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(QColor(150, 185, 220), 3));
    const double rowH = (ground - dome.top()) / 5;
    for (int row = 1; row < 5; ++row) {
        const double y = dome.top() + row * rowH;
        p.drawLine(QPointF(dome.left(), y), QPointF(dome.right(), y));
    }
    for (int row = 0; row < 5; ++row) {
        const double y = dome.top() + row * rowH;
        for (double x = dome.left() + (row % 2) * 30; x < dome.right(); x += 60)
            p.drawLine(QPointF(x, y), QPointF(x, y + rowH));
    }
    p.restore();
    // The low round door.
    const QRectF door(box.center().x() - box.width() * 0.14, ground - box.height() * 0.3, box.width() * 0.28, box.height() * 0.5);
    p.setPen(QPen(QColor(110, 150, 190), 4));
    p.setBrush(QColor(40, 60, 100));
    p.drawPath(arch(door, ground));
    p.setPen(QPen(QColor(200, 225, 250), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.left(), ground + 4), QPointF(box.right(), ground + 4));
}

// The oval the food lies on, bread or plate: box less the given shares of its height
// at the top and bottom. Returns the oval, for laying the food on it.
QRectF drawDish(QPainter &p, const QRectF &box, double top, double bottom, const QColor &rim, const QColor &fill)
{
    const QRectF dish = box.adjusted(0, box.height() * top, 0, -box.height() * bottom);
    p.setPen(QPen(rim, 4));
    p.setBrush(fill);
    p.drawEllipse(dish);
    return dish;
}

// Grilled sausages in a flatbread with onion.
void drawCevapi(QPainter &p, const QRectF &box)
{
    const QRectF bread = drawDish(p, box, 0.3, 0.12, QColor(170, 110, 50), QColor(240, 200, 130));
    for (int i = 0; i < 5; ++i) {
        const QRectF s(bread.left() + bread.width() * (0.16 + i * 0.14), bread.top() + bread.height() * 0.12,
                       bread.width() * 0.12, bread.height() * 0.62);
        p.setPen(QPen(QColor(90, 45, 25), 3));
        p.setBrush(QColor(150, 80, 45));
        p.drawRoundedRect(s, s.width() / 2, s.width() / 2);
        p.setPen(QPen(QColor(70, 35, 20), 3, Qt::SolidLine, Qt::RoundCap));
        for (double t : {0.35, 0.6})
            p.drawLine(QPointF(s.left() + 4, s.top() + s.height() * t), QPointF(s.right() - 4, s.top() + s.height() * t - 8));
    }
    p.setPen(QPen(QColor(180, 120, 200), 4));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(bread.left() + bread.width() * (0.25 + i * 0.17), bread.bottom() - bread.height() * 0.18), 14, 9);
}

// A rhea: a big grey bird with a long neck, on long legs.
void drawRhea(QPainter &p, const QRectF &box)
{
    const QColor feather(150, 140, 125), dark(90, 80, 70), leg(200, 170, 90);
    const double w = box.width(), h = box.height(), x = box.left(), y = box.top();
    p.setPen(QPen(leg.darker(130), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (double lx : {0.42, 0.56}) {
        p.drawLine(QPointF(x + w * lx, y + h * 0.62), QPointF(x + w * (lx - 0.04), y + h * 0.97));
        p.drawLine(QPointF(x + w * (lx - 0.04), y + h * 0.97), QPointF(x + w * (lx + 0.06), y + h * 0.98));
    }
    QPainterPath neck;
    neck.moveTo(x + w * 0.62, y + h * 0.42);
    neck.cubicTo(x + w * 0.72, y + h * 0.3, x + w * 0.66, y + h * 0.14, x + w * 0.72, y + h * 0.06);
    p.setPen(QPen(feather, 18, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(neck);
    p.setPen(QPen(dark, 3));
    p.setBrush(feather);
    p.drawEllipse(QRectF(x + w * 0.18, y + h * 0.34, w * 0.56, h * 0.34));
    p.setBrush(feather.lighter(115));
    p.drawEllipse(QRectF(x + w * 0.22, y + h * 0.38, w * 0.32, h * 0.2)); // the wing
    p.setBrush(feather);
    p.drawEllipse(QPointF(x + w * 0.73, y + h * 0.07), 16, 13);
    p.setBrush(QColor(230, 170, 60));
    QPolygonF beak;
    beak << QPointF(x + w * 0.76, y + h * 0.05) << QPointF(x + w * 0.86, y + h * 0.08) << QPointF(x + w * 0.77, y + h * 0.1);
    p.drawPolygon(beak);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 20));
    p.drawEllipse(QPointF(x + w * 0.735, y + h * 0.06), 3.5, 3.5);
}

// Potato dumplings with their fork lines, in a bowl of tomato sauce.
void drawGnocchi(QPainter &p, const QRectF &box)
{
    const QRectF plate = drawDish(p, box, 0.25, 0.08, QColor(150, 160, 180), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 70, 50));
    p.drawEllipse(plate.adjusted(plate.width() * 0.12, plate.height() * 0.14, -plate.width() * 0.12, -plate.height() * 0.14));
    const QPointF spots[] = {{0.3, 0.35}, {0.5, 0.3}, {0.7, 0.36}, {0.36, 0.58}, {0.56, 0.6}, {0.74, 0.6}, {0.46, 0.45}};
    for (const QPointF &sp : spots) {
        const QPointF c(plate.left() + plate.width() * sp.x(), plate.top() + plate.height() * sp.y());
        p.setPen(QPen(QColor(190, 150, 70), 3));
        p.setBrush(QColor(250, 225, 150));
        p.drawEllipse(c, 26, 17);
        p.setPen(QPen(QColor(200, 160, 80), 2));
        for (int k = -1; k <= 1; ++k)
            p.drawLine(c + QPointF(k * 8 - 3, -10), c + QPointF(k * 8 + 3, 10));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 60));
    p.drawEllipse(QPointF(plate.left() + plate.width() * 0.62, plate.top() + plate.height() * 0.44), 12, 7);
}

// A patchwork blanket: squares of colours, with stitches round each.
void drawQuilt(QPainter &p, const QRectF &box)
{
    const QColor patches[] = {QColor(240, 110, 110), QColor(250, 200, 80), QColor(110, 180, 240),
                              QColor(130, 200, 120), QColor(200, 140, 220), QColor(250, 160, 90)};
    const QRectF quilt = box.adjusted(box.width() * 0.04, box.height() * 0.1, -box.width() * 0.04, -box.height() * 0.1);
    const int n = 4;
    const double w = quilt.width() / n, h = quilt.height() / n;
    p.setPen(Qt::NoPen);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            p.setBrush(patches[(r * 2 + c * 3) % 6]);
            p.drawRect(QRectF(quilt.left() + c * w, quilt.top() + r * h, w, h));
            p.setPen(QPen(QColor(255, 255, 255, 200), 2.5, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(quilt.left() + c * w + 6, quilt.top() + r * h + 6, w - 12, h - 12));
            p.setPen(Qt::NoPen);
        }
    p.setPen(QPen(QColor(150, 60, 60), 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(quilt, 6, 6);
}

// A silver quarter: a coin with its 25 and a ridged rim.
void drawQuarter(QPainter &p, const QRectF &box)
{
    const QPointF c = box.center();
    const double r = std::min(box.width(), box.height()) * 0.42;
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
    g.setColorAt(0, QColor(245, 248, 252));
    g.setColorAt(1, QColor(150, 160, 175));
    p.setPen(QPen(QColor(100, 110, 125), 5));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(120, 130, 145), 2));
    for (int i = 0; i < 72; ++i) {
        const double a = i * 2 * kPi / 72;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r - 10), c + QPointF(std::cos(a), std::sin(a)) * (r - 2));
    }
    p.setPen(QPen(QColor(120, 130, 145), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.8, r * 0.8);
    QPainterPath text;
    const QFont f = wordFont(r * 0.8);
    text.addText(0, 0, f, QStringLiteral("25"));
    text.translate(c - text.boundingRect().center());
    p.setPen(QPen(QColor(90, 100, 115), 3));
    p.setBrush(QColor(200, 206, 215));
    p.drawPath(text);
}

// A bold zigzag line: the shape is the word.
void drawZigzag(QPainter &p, const QRectF &box)
{
    QPainterPath zig;
    const int teeth = 5;
    for (int i = 0; i <= teeth; ++i) {
        const QPointF pt(box.left() + box.width() * (0.04 + 0.92 * i / teeth), box.top() + box.height() * (i % 2 ? 0.78 : 0.22));
        if (i == 0)
            zig.moveTo(pt);
        else
            zig.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 90, 60), 40, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(zig);
    QLinearGradient g(box.topLeft(), box.topRight());
    g.setColorAt(0, QColor(250, 90, 90));
    g.setColorAt(0.5, QColor(250, 200, 60));
    g.setColorAt(1, QColor(80, 200, 120));
    p.setPen(QPen(QBrush(g), 30, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPath(zig);
}

// A courgette: long, dark green with pale stripes, a stalk at one end.
void drawZucchini(QPainter &p, const QRectF &box)
{
    p.translate(box.center());
    p.rotate(-28);
    const QRectF body(-box.width() * 0.5, -box.height() * 0.15, box.width() * 0.94, box.height() * 0.3);
    QPainterPath shape;
    shape.addRoundedRect(body, body.height() / 2, body.height() / 2);
    QLinearGradient g(0, body.top(), 0, body.bottom());
    g.setColorAt(0, QColor(70, 140, 60));
    g.setColorAt(0.5, QColor(40, 105, 40));
    g.setColorAt(1, QColor(25, 70, 30));
    p.setPen(QPen(QColor(20, 55, 25), 4));
    p.setBrush(g);
    p.drawPath(shape);
    p.setClipPath(shape);
    p.setPen(QPen(QColor(140, 190, 110, 150), 4, Qt::SolidLine, Qt::RoundCap));
    for (double y : {-0.55, -0.15, 0.25, 0.6})
        p.drawLine(QPointF(body.left() + 20, y * body.height() / 2), QPointF(body.right() - 20, y * body.height() / 2 + 3));
    p.setClipping(false);
    p.setPen(QPen(QColor(110, 90, 40), 3));
    p.setBrush(QColor(150, 140, 70));
    p.drawRoundedRect(QRectF(body.right() - 4, -body.height() * 0.18, body.height() * 0.45, body.height() * 0.36), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 200, 90));
    p.drawEllipse(QPointF(body.left() + 6, 0), 6, 8);
}

// An X-ray: the bones of a hand, white on the dark blue film.
void drawXray(QPainter &p, const QRectF &box)
{
    const QRectF film = box.adjusted(box.width() * 0.1, 0, -box.width() * 0.1, 0);
    p.setPen(QPen(QColor(120, 130, 150), 5));
    p.setBrush(QColor(20, 35, 70));
    p.drawRoundedRect(film, 16, 16);
    // The hand's shadow, then its bones.
    const double cx = film.center().x(), wrist = film.bottom() - film.height() * 0.1;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 95, 140));
    p.drawRoundedRect(QRectF(cx - 62, film.top() + film.height() * 0.42, 124, wrist - film.top() - film.height() * 0.42), 40, 40);
    const QPen bone(QColor(240, 245, 255), 11, Qt::SolidLine, Qt::RoundCap);
    const QPen knuckle(QColor(20, 35, 70), 3);
    struct Finger { double x, angle, length; int joints; };
    const Finger fingers[] = {{-44, -34, 0.3, 2}, {-24, -8, 0.48, 3}, {0, 0, 0.52, 3}, {24, 8, 0.48, 3}, {44, 16, 0.4, 3}};
    for (const Finger &f : fingers) {
        const QPointF base(cx + f.x * (f.joints == 2 ? 1.2 : 1), wrist - film.height() * (f.joints == 2 ? 0.2 : 0.34));
        const QPointF palm(cx + f.x * 0.35, wrist - 6);
        const double a = qDegreesToRadians(f.angle);
        const QPointF dir(std::sin(a), -std::cos(a));
        const QPointF tip = base + dir * (film.height() * f.length);
        p.setPen(bone);
        p.drawLine(palm, base);
        p.drawLine(base, tip);
        p.setPen(knuckle);
        for (int j = 0; j <= f.joints - 1; ++j) {
            const QPointF k = base + (tip - base) * (double(j) / f.joints);
            const QPointF side(-dir.y() * 7, dir.x() * 7);
            p.drawLine(k - side, k + side);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 245, 255));
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(QPointF(cx + i * 17, wrist + 2), 9, 8);
}

// The yellow rubber duck of the bath, floating.
void drawRubberDuck(QPainter &p, const QRectF &box)
{
    const double w = box.width(), h = box.height(), x = box.left(), y = box.top();
    const QColor yellow(255, 210, 40), edge(200, 140, 20);
    p.setPen(QPen(edge, 4));
    p.setBrush(yellow);
    QPainterPath body;
    body.moveTo(x + w * 0.08, y + h * 0.55);
    body.cubicTo(x + w * 0.02, y + h * 0.40, x + w * 0.12, y + h * 0.42, x + w * 0.22, y + h * 0.50); // the tail
    body.cubicTo(x + w * 0.45, y + h * 0.52, x + w * 0.80, y + h * 0.48, x + w * 0.92, y + h * 0.62);
    body.cubicTo(x + w * 0.95, y + h * 0.85, x + w * 0.70, y + h * 0.92, x + w * 0.45, y + h * 0.92);
    body.cubicTo(x + w * 0.20, y + h * 0.92, x + w * 0.06, y + h * 0.80, x + w * 0.08, y + h * 0.55);
    p.drawPath(body);
    p.drawEllipse(QPointF(x + w * 0.66, y + h * 0.33), w * 0.2, h * 0.2); // the head
    p.setPen(QPen(edge, 3));
    p.setBrush(yellow.lighter(110));
    p.drawEllipse(QRectF(x + w * 0.3, y + h * 0.58, w * 0.3, h * 0.16)); // the wing
    p.setPen(QPen(QColor(200, 80, 20), 3));
    p.setBrush(QColor(255, 120, 30));
    QPainterPath beak;
    beak.moveTo(x + w * 0.82, y + h * 0.34);
    beak.quadTo(x + w * 1.0, y + h * 0.33, x + w * 0.98, y + h * 0.40);
    beak.quadTo(x + w * 0.9, y + h * 0.45, x + w * 0.82, y + h * 0.41);
    beak.closeSubpath();
    p.drawPath(beak);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 40));
    p.drawEllipse(QPointF(x + w * 0.72, y + h * 0.28), 8, 9);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x + w * 0.73, y + h * 0.265), 3, 3);
}

// The word itself, for a picture nothing draws: better a clear card than a wrong picture.
void drawWordCard(QPainter &p, const QRectF &box, const QString &word)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = box.adjusted(0, box.height() * 0.2, 0, -box.height() * 0.2);
    p.setPen(QPen(QColor(31, 78, 156), 4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 24, 24);
    drawWord(p, card.adjusted(14, 0, -14, 0), word, kWordBlue, QColor(230, 60, 60), card.height() * 0.6);
    p.restore();
}

// Each draws with antialiasing in a painter state of its own, which drawObject() sets up.
using Drawing = void (*)(QPainter &p, const QRectF &box);

// A word table's hint for what is drawn here instead of an emoji, and its drawing.
const std::pair<QLatin1String, Drawing> kDrawings[] = {
    {QLatin1String("(xylophone)"), drawXylophone}, {QLatin1String("(zero)"), drawZero},
    {QLatin1String("(igloo)"), drawIgloo},         {QLatin1String("(cevapi)"), drawCevapi},
    {QLatin1String("(rhea)"), drawRhea},           {QLatin1String("(gnocchi)"), drawGnocchi},
    {QLatin1String("(quilt)"), drawQuilt},         {QLatin1String("(quarter)"), drawQuarter},
    {QLatin1String("(zigzag)"), drawZigzag},       {QLatin1String("(zucchini)"), drawZucchini},
    {QLatin1String("(x-ray)"), drawXray},          {QLatin1String("(rubber duck)"), drawRubberDuck}};

Drawing drawingFor(const QString &hint)
{
    for (const auto &[name, drawing] : kDrawings)
        if (hint == name)
            return drawing;
    return nullptr;
}

const QLatin1String kNumeralHint("(numeral ");

} // namespace

void drawNumeral(QPainter &p, const QRectF &box, const QString &numeral)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addText(0, 0, wordFont(box.height()), numeral);
    // As large as fits: "10" is wider than tall.
    const QRectF r = path.boundingRect();
    const double scale = std::min(box.width() / r.width(), box.height() / r.height());
    path = QTransform().scale(scale, scale).map(path);
    path.translate(box.center() - path.boundingRect().center());
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, QColor(90, 170, 255));
    g.setColorAt(1, QColor(60, 90, 220));
    p.setPen(QPen(QColor(30, 50, 140), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

bool hasDrawing(const Picture &pic)
{
    return !pic.emoji.isEmpty() || drawingFor(pic.drawHint) || pic.drawHint.startsWith(kNumeralHint);
}

void drawObject(QPainter &p, const Picture &pic, const EmojiAtlas &atlas, const QRectF &box)
{
    const QString &h = pic.drawHint;
    if (!pic.emoji.isEmpty()) {
        atlas.draw(p, pic.emoji.first(), box);
    } else if (const Drawing draw = drawingFor(h)) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, box);
        p.restore();
    } else if (h.startsWith(kNumeralHint)) {
        drawNumeral(p, box, h.mid(kNumeralHint.size()).chopped(1));
    } else {
        drawWordCard(p, box, pic.word);
    }
}

} // namespace ag
