// The window's background: sky, sun, clouds and hills, for each shape of screen and made
// ready for the common screens.
#include "designparts.h"
#include "paint.h"
#include "pictures/background.h"

#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>

namespace ag {

namespace {

void cloud(QPainter &p, QPointF c, double s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(c, 60 * s, 40 * s);
    p.drawEllipse(c + QPointF(-55 * s, 15 * s), 45 * s, 32 * s);
    p.drawEllipse(c + QPointF(55 * s, 12 * s), 50 * s, 34 * s);
    p.drawEllipse(c + QPointF(0, 22 * s), 80 * s, 28 * s);
}

// The sky, the sun, clouds and hills, 1600 pixels high and w wide: 2133 for a 4:3 screen,
// wider for wider screens. The sun stays at the left, round; the clouds keep their places
// across the width, and the hills and the flowers on them run on. Drawn in the painter's
// coordinates, so it can be drawn at any size.
void paintBackground(QPainter &p, int w)
{
    const int h = 1600;
    const double across = w / 2133.0;
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(60, 160, 245));
    sky.setColorAt(0.55, QColor(160, 215, 255));
    sky.setColorAt(1, QColor(220, 240, 255));
    p.fillRect(QRectF(0, 0, w, h), sky);
    // Sun with soft rays.
    const QPointF sun(260, 230);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(sun);
        p.rotate(i * 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 222, 90)); // opaque: see-through yellow on blue turns grey
        QPolygonF ray;
        ray << QPointF(-22, -150) << QPointF(22, -150) << QPointF(0, -230);
        p.drawPolygon(ray);
        p.restore();
    }
    QRadialGradient sg(sun, 130);
    sg.setColorAt(0, QColor(255, 250, 180));
    sg.setColorAt(0.8, QColor(255, 215, 60));
    sg.setColorAt(1, QColor(255, 200, 40));
    p.setBrush(sg);
    p.drawEllipse(sun, 125, 125);
    cloud(p, QPointF(850 * across, 220), 1.6);
    cloud(p, QPointF(1600 * across, 160), 1.2);
    cloud(p, QPointF(1950 * across, 430), 1.0);
    cloud(p, QPointF(520 * across, 560), 0.9);
    cloud(p, QPointF(1300 * across, 520), 0.8);
    // Three layers of rolling hills.
    const QColor hills[] = {QColor(150, 215, 110), QColor(110, 195, 85), QColor(80, 175, 70)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath path;
        const double base = 1080 + layer * 160;
        path.moveTo(0, h);
        path.lineTo(0, base);
        for (int x = 0; x <= w; x += 8) {
            const double y = base - 70 * std::sin(x / (260.0 + layer * 90) + layer * 1.7)
                             - 35 * std::sin(x / 110.0 + layer);
            path.lineTo(x, y);
        }
        path.lineTo(w, h);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(hills[layer]);
        p.drawPath(path);
    }
    // Flowers dotted over the front hill, placed by a fixed seed.
    QRandomGenerator rng(7);
    const QColor petals[] = {QColor(255, 110, 140), QColor(255, 220, 60), QColor(255, 255, 255), QColor(190, 120, 255)};
    for (int i = 0, n = qRound(70 * across); i < n; ++i) {
        const QPointF c(rng.bounded(w), 1440 + rng.bounded(150));
        const QColor col = petals[rng.bounded(4)];
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * kPi / 5;
            p.setBrush(col);
            p.drawEllipse(c + QPointF(9 * std::cos(a), 9 * std::sin(a)), 7, 7);
        }
        p.setBrush(QColor(250, 180, 40));
        p.drawEllipse(c, 6, 6);
    }
}

} // namespace

QImage background(int w)
{
    QImage img = canvas(w, 1600, Qt::white);
    QPainter p(&img);
    paintBackground(p, w);
    return img;
}

// The background as a screen shows it, drawn at the size it is drawn there rather than
// stretched from the shape's picture, and cut to the screen.
QImage backgroundForScreen(QSize screen)
{
    zorbla::BackgroundShape shape;
    const zorbla::BackgroundPicture b = zorbla::backgroundOfShape(screen, &shape);
    QImage img(b.shown, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(double(b.drawn.width()) / shape.size.width(), double(b.drawn.height()) / shape.size.height());
    paintBackground(p, shape.size.width());
    return img;
}

} // namespace ag
