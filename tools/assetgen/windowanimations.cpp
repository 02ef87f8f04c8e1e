// The main window's three animations: alphabet blocks, the spider and the star.
#include "designparts.h"
#include "paint.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace ag {

namespace {

void drawSpider(QPainter &p, double cx, double cy, double legPhase, bool blink)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body(90, 50, 150), legCol(60, 30, 110);
    p.setPen(QPen(legCol, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1})
        for (int k = 0; k < 4; ++k) {
            const double wig = 5 * std::sin(legPhase + k * 1.3 + (side > 0 ? 1.0 : 0));
            const double baseY = cy - 8 + k * 8;
            QPainterPath leg;
            leg.moveTo(cx + side * 14, baseY);
            leg.quadTo(cx + side * 36, baseY - 18 + k * 4 + wig, cx + side * 48, baseY + 8 + k * 5 + wig);
            p.drawPath(leg);
        }
    QRadialGradient g(QPointF(cx - 8, cy - 10), 34);
    g.setColorAt(0, body.lighter(150));
    g.setColorAt(1, body);
    p.setPen(QPen(legCol, 2));
    p.setBrush(g);
    p.drawEllipse(QPointF(cx, cy), 28, 26);
    for (int side : {-1, 1}) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        if (blink) {
            p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(cx + side * 10 - 6, cy - 5), QPointF(cx + side * 10 + 6, cy - 5));
        } else {
            p.drawEllipse(QPointF(cx + side * 10, cy - 5), 8, 9);
            p.setBrush(QColor(20, 20, 30));
            p.drawEllipse(QPointF(cx + side * 10 + 1, cy - 3), 4, 5);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 170, 170));
    p.drawEllipse(QPointF(cx - 18, cy + 8), 5, 3);
    p.drawEllipse(QPointF(cx + 18, cy + 8), 5, 3);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 9, cy + 2, 18, 12), 200 * 16, 140 * 16);
}

QPainterPath starPath(QPointF c, double r)
{
    QPainterPath s;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double rr = i % 2 ? r * 0.48 : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        i ? s.lineTo(pt) : s.moveTo(pt);
    }
    s.closeSubpath();
    return s;
}

// n frames of w x h, frame f drawn by draw(p, f) with antialiasing; the last one stays
// a little longer.
template <class Draw>
QList<GifFrame> animation(int n, int w, int h, Draw draw)
{
    QList<GifFrame> frames;
    for (int f = 0; f < n; ++f)
        frames.append({drawn(w, h, [&](QPainter &p) { draw(p, f); }), f == n - 1 ? 20 : 7});
    return frames;
}

} // namespace

// Three alphabet blocks hop one after another.
QList<GifFrame> alphabetAnimation()
{
    return animation(16, 130, 130, [](QPainter &p, int f) {
        const QColor cols[] = {QColor(235, 70, 60), QColor(60, 160, 240), QColor(70, 185, 80)};
        const QString letters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        const QPointF pos[] = {{8, 74}, {68, 74}, {38, 22}};
        for (int i = 0; i < 3; ++i) {
            const double t = (f - i * 4) / 6.0;
            const double hop = (t > 0 && t < 1) ? 18 * std::sin(t * kPi) : 0;
            block(p, QRectF(pos[i].x(), pos[i].y() - hop, 46, 46), cols[i], letters[i]);
        }
    });
}

QList<GifFrame> spiderAnimation()
{
    // Hangs still, drops down on its thread, bounces, climbs back, waving its legs.
    constexpr int n = 20;
    return animation(n, 113, 257, [](QPainter &p, int f) {
        const double t = double(f) / (n - 1);
        const double drop = (f == 0 || f == n - 1) ? 0 : 110 * std::sin(t * kPi) + 10 * std::sin(t * 5 * kPi);
        const double cy = 70 + drop;
        p.setPen(QPen(QColor(250, 250, 255), 1.6));
        p.drawLine(QPointF(56.5, 0), QPointF(56.5, cy - 24));
        drawSpider(p, 56.5, cy, f * 0.9, f == 10);
    });
}

QList<GifFrame> starAnimation()
{
    constexpr int n = 16;
    return animation(n, 150, 150, [](QPainter &p, int f) {
        const double t = double(f) / (n - 1);
        const double pulse = (f == 0 || f == n - 1) ? 1.0 : 1.0 + 0.12 * std::sin(t * 4 * kPi);
        p.translate(75, 78);
        p.rotate((f == 0 || f == n - 1) ? 0 : 10 * std::sin(t * 2 * kPi));
        p.scale(pulse, pulse);
        QRadialGradient g(QPointF(-10, -15), 70);
        g.setColorAt(0, QColor(255, 250, 160));
        g.setColorAt(1, QColor(255, 195, 20));
        p.setPen(QPen(QColor(220, 140, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(starPath(QPointF(0, 0), 58));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 40, 20));
        p.drawEllipse(QPointF(-11, -4), 4, 6);
        p.drawEllipse(QPointF(11, -4), 4, 6);
        p.setBrush(QColor(255, 130, 120, 160));
        p.drawEllipse(QPointF(-20, 8), 6, 4);
        p.drawEllipse(QPointF(20, 8), 6, 4);
        p.setPen(QPen(QColor(60, 40, 20), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-9, 2, 18, 12), 200 * 16, 140 * 16);
        p.resetTransform();
        const QPointF spots[] = {{20, 22}, {130, 30}, {128, 122}, {22, 126}};
        for (int k = 0; k < 4; ++k) {
            const double s = std::sin(std::clamp(t * 2.2 - k * 0.3, 0.0, 1.0) * kPi);
            drawSparkle(p, spots[k], 13 * s, QColor(255, 255, 255));
        }
    });
}

} // namespace ag
