#include "design.h"
#include "gifwriter.h"
#include "pictures.h"
#include "pictures/background.h"
#include "pictures/rawimage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace ag {

namespace {

constexpr double kPi = 3.14159265358979323846;
const QColor kWindowBlue(60, 160, 245);
constexpr char32_t kPalette = 0x1F3A8, kLaugh = 0x1F606, kDoor = 0x1F6AA,
                   kStar = 0x2B50, kApple = 0x1F34E, kPencil = 0x270F;

// How many pixels each design pixel takes in the pictures being made on this thread:
// 2 for the "@2x" pictures of screens that draw the window larger.
thread_local int t_scale = 1;

struct AtScale {
    explicit AtScale(int s) : saved(t_scale) { t_scale = s; }
    ~AtScale() { t_scale = saved; }
    int saved;
};

// A picture of w x h design pixels; a painter on it draws in design pixels.
QImage canvas(int w, int h, const QColor &fill = Qt::transparent)
{
    QImage img(w * t_scale, h * t_scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(t_scale);
    img.fill(fill);
    return img;
}

// A picture of the given size, drawn with antialiasing by draw(QPainter&).
template <class Draw>
QImage drawn(int w, int h, Draw draw)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}

// A rounded card shaded along the line from `from` to `to`, in the outline's pen.
void shadedCard(QPainter &p, const QRectF &card, double radius, const QLineF &along, const QColor &from,
                const QColor &to, const QPen &outline)
{
    QLinearGradient g(along.p1(), along.p2());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.setPen(outline);
    p.setBrush(g);
    p.drawRoundedRect(card, radius, radius);
}

QByteArray jpgBytes(const QImage &img)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "jpg");
    w.setQuality(90);
    w.write(img.convertToFormat(QImage::Format_RGB32));
    return out;
}

QByteArray gifBytes(const QList<GifFrame> &frames, QString *error)
{
    GifOptions o;
    o.transparent = true;
    o.matte = kWindowBlue;
    return encodeGif(frames, o, error);
}

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

QImage smiley(const EmojiAtlas &atlas)
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    atlas.draw(p, kLaugh, QRectF(1, 1, 30, 30));
    return img;
}

QImage paletteCursor(const EmojiAtlas &atlas)
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    atlas.draw(p, kPalette, QRectF(1, 1, 30, 30));
    return img;
}

QImage pencilCursor()
{
    // Drawn along the diagonal so the tip is exactly at (5, 5).
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(5, 5);
    p.rotate(45);
    const double len = 34;
    QPolygonF tip, wood;
    tip << QPointF(0, 0) << QPointF(5, -1.6) << QPointF(5, 1.6);
    wood << QPointF(0, 0) << QPointF(10, -4.5) << QPointF(10, 4.5);
    p.setPen(QPen(QColor(120, 80, 40), 1));
    p.setBrush(QColor(240, 200, 150));
    p.drawPolygon(wood);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(tip);
    p.setPen(QPen(QColor(170, 120, 0), 1));
    p.setBrush(QColor(255, 205, 30));
    p.drawRect(QRectF(10, -4.5, len - 18, 9));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(len - 8, -4.5, 3, 9));
    p.setBrush(QColor(240, 120, 140));
    p.drawRoundedRect(QRectF(len - 5, -4.5, 5, 9), 2, 2);
    return img;
}

QImage icon(const EmojiAtlas &atlas)
{
    return drawn(256, 256, [&](QPainter &p) {
        shadedCard(p, QRectF(8, 8, 240, 240), 48, QLineF(0, 0, 0, 256), QColor(90, 185, 255), QColor(40, 120, 225),
                   QPen(Qt::white, 8));
        block(p, QRectF(48, 80, 130, 130), QColor(250, 170, 30), QStringLiteral("Z"));
        atlas.draw(p, kStar, QRectF(168, 26, 66, 66));
    });
}

const char *const kIconSvg =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
    "<defs><linearGradient id=\"g\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
    "<stop offset=\"0\" stop-color=\"#5ab9ff\"/><stop offset=\"1\" stop-color=\"#2878e1\"/></linearGradient></defs>\n"
    "<rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"48\" fill=\"url(#g)\" stroke=\"#fff\" stroke-width=\"8\"/>\n"
    "<polygon points=\"48,80 69,59 199,59 178,80\" fill=\"#ffd060\" stroke=\"#9c6400\" stroke-width=\"2\"/>\n"
    "<polygon points=\"178,80 199,59 199,189 178,210\" fill=\"#d08c18\" stroke=\"#9c6400\" stroke-width=\"2\"/>\n"
    "<rect x=\"48\" y=\"80\" width=\"130\" height=\"130\" fill=\"#faaa1e\" stroke=\"#9c6400\" stroke-width=\"2\"/>\n"
    "<text x=\"113\" y=\"180\" font-family=\"Comic Neue\" font-weight=\"bold\" font-size=\"100\" "
    "text-anchor=\"middle\" fill=\"#fff\">Z</text>\n"
    "<polygon points=\"201,28 209,50 232,50 214,64 221,86 201,73 181,86 188,64 170,50 193,50\" fill=\"#ffcc22\"/>\n"
    "</svg>\n";

// Three alphabet blocks hop one after another.
QList<GifFrame> alphabetAnimation()
{
    QList<GifFrame> frames;
    const int n = 16;
    for (int f = 0; f < n; ++f) {
        QImage img = canvas(130, 130);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor cols[] = {QColor(235, 70, 60), QColor(60, 160, 240), QColor(70, 185, 80)};
        const QString letters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        const QPointF pos[] = {{8, 74}, {68, 74}, {38, 22}};
        for (int i = 0; i < 3; ++i) {
            const double t = (f - i * 4) / 6.0;
            const double hop = (t > 0 && t < 1) ? 18 * std::sin(t * kPi) : 0;
            block(p, QRectF(pos[i].x(), pos[i].y() - hop, 46, 46), cols[i], letters[i]);
        }
        p.end();
        frames.append({img, f == n - 1 ? 20 : 7});
    }
    return frames;
}

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

QList<GifFrame> spiderAnimation()
{
    // Hangs still, drops down on its thread, bounces, climbs back, waving its legs.
    QList<GifFrame> frames;
    const int n = 20;
    for (int f = 0; f < n; ++f) {
        const double t = double(f) / (n - 1);
        const double drop = (f == 0 || f == n - 1) ? 0 : 110 * std::sin(t * kPi) + 10 * std::sin(t * 5 * kPi);
        const double cy = 70 + drop;
        QImage img = canvas(113, 257);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(250, 250, 255), 1.6));
        p.drawLine(QPointF(56.5, 0), QPointF(56.5, cy - 24));
        drawSpider(p, 56.5, cy, f * 0.9, f == 10);
        p.end();
        frames.append({img, f == n - 1 ? 20 : 7});
    }
    return frames;
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

QList<GifFrame> starAnimation()
{
    QList<GifFrame> frames;
    const int n = 16;
    for (int f = 0; f < n; ++f) {
        const double t = double(f) / (n - 1);
        const double pulse = (f == 0 || f == n - 1) ? 1.0 : 1.0 + 0.12 * std::sin(t * 4 * kPi);
        QImage img = canvas(150, 150);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
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
        p.end();
        frames.append({img, f == n - 1 ? 20 : 7});
    }
    return frames;
}

DesignItem png(const QString &name, std::function<QImage(const EmojiAtlas &)> draw, int scale = 1)
{
    return {name, [draw, scale](const EmojiAtlas &a, QString *) { AtScale at(scale); return pngBytes(draw(a)); }};
}

// The same picture as raw pixels, for the main window's first frame.
DesignItem raw(const QString &name, std::function<QImage(const EmojiAtlas &)> draw, int scale = 1)
{
    return {name, [draw, scale](const EmojiAtlas &a, QString *) { AtScale at(scale); return zorbla::encodeRawImage(draw(a)); }};
}

DesignItem gif(const QString &name, std::function<QList<GifFrame>()> frames, int scale = 1)
{
    return {name, [frames, scale](const EmojiAtlas &, QString *e) { AtScale at(scale); return gifBytes(frames(), e); }};
}

// The first frame of the animation exactly as its reader gives it, as raw pixels: the
// main window shows it before the animation itself is read.
DesignItem firstFrame(const QString &name, std::function<QList<GifFrame>()> frames, int scale = 1)
{
    return {name, [frames, scale](const EmojiAtlas &, QString *e) {
                AtScale at(scale);
                const QByteArray gif = gifBytes(frames(), e);
                QBuffer buffer;
                buffer.setData(gif);
                buffer.open(QIODevice::ReadOnly);
                const QImage first = QImageReader(&buffer, "gif").read();
                if (first.isNull()) {
                    if (e && e->isEmpty())
                        *e = QStringLiteral("the animation's first frame cannot be read back");
                    return QByteArray();
                }
                return zorbla::encodeRawImage(first);
            }};
}

} // namespace

QByteArray pngBytes(const QImage &img)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    w.write(img.convertToFormat(QImage::Format_ARGB32));
    return out;
}

QList<char32_t> designEmoji()
{
    return {kPalette, kLaugh, kDoor, kStar, kApple, kPencil};
}

// The translation of a word of the program's own, from translations/zorbla_<language>.ts;
// the word itself where there is none.
QString translatedWord(const QString &translations, const QString &language, const char *context, const char *word)
{
    QFile file(QStringLiteral("%1/zorbla_%2.ts").arg(translations, language));
    if (!file.open(QIODevice::ReadOnly))
        return QLatin1String(word);
    QXmlStreamReader xml(&file);
    QString inContext, source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            inContext = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && inContext == QLatin1String(context) &&
                 source == QLatin1String(word) && xml.attributes().value(QLatin1String("type")).isEmpty()) {
            const QString t = xml.readElementText();
            if (!t.isEmpty())
                return t;
        }
    }
    return QLatin1String(word);
}

// The faces of the missing-letter game's two buttons: its word with the first letter
// hidden, and with the fourth (or the last of a shorter word).
QString hideLetter(const QString &word, int at)
{
    QString hidden = word;
    if (!hidden.isEmpty())
        hidden[std::min<qsizetype>(at, hidden.size() - 1)] = QLatin1Char('_');
    return hidden;
}

QList<DesignItem> designItems(const QString &translations)
{
    QList<DesignItem> items;
    // The background for each shape of screen: 4:3 (the design's), 16:10, 16:9 and 21:9.
    items << DesignItem{QStringLiteral("background.jpg"), [](const EmojiAtlas &, QString *) { return jpgBytes(background(2133)); }};
    for (const auto &[name, width] : {std::pair{"background_16x10.jpg", 2560}, {"background_16x9.jpg", 2844},
                                      {"background_21x9.jpg", 3733}})
        items << DesignItem{QLatin1String(name), [width = width](const EmojiAtlas &, QString *) { return jpgBytes(background(width)); }};
    // The design's screen shows the design's picture stretched: that result as raw pixels,
    // made as the program makes it, so that a first start there decodes nothing.
    const QSize design(1024, 768);
    items << DesignItem{zorbla::backgroundReadyFor(design), [design](const EmojiAtlas &, QString *e) {
                            const QImage drawn = zorbla::drawBackground(jpgBytes(background(2133)), zorbla::backgroundOfShape(design));
                            if (drawn.isNull() && e)
                                *e = QStringLiteral("the background cannot be decoded again");
                            return drawn.isNull() ? QByteArray() : zorbla::encodeRawImage(drawn);
                        }};
    for (const QSize screen : zorbla::screensWithBackgroundMade())
        items << DesignItem{zorbla::backgroundMadeFor(screen),
                            [screen](const EmojiAtlas &, QString *) { return zorbla::encodePixelRuns(backgroundForScreen(screen)); }};
    // The main window's own pictures, as PNG and as raw pixels, and as raw pixels at twice
    // the size for screens that draw the window larger.
    auto window = [&items](const QString &stem, std::function<QImage(const EmojiAtlas &)> draw) {
        items << png(stem + QStringLiteral(".png"), draw) << raw(stem + QStringLiteral(".argb"), draw)
              << raw(stem + QStringLiteral("@2x.argb"), draw, 2);
    };
    // The other windows' pictures, as PNG at both sizes.
    auto pngs = [&items](const QString &stem, std::function<QImage(const EmojiAtlas &)> draw) {
        items << png(stem + QStringLiteral(".png"), draw) << png(stem + QStringLiteral("@2x.png"), draw, 2);
    };
    window(QStringLiteral("title"), title);
    window(QStringLiteral("tile_letter"), [](const EmojiAtlas &) { return keyTile(50, 40, QColor(255, 200, 60), QString()); });
    window(QStringLiteral("tile_number"), [](const EmojiAtlas &) { return keyTile(50, 40, QColor(120, 215, 120), QString()); });
    window(QStringLiteral("frame_h"), [](const EmojiAtlas &) { return bar(400, 3, true); });
    window(QStringLiteral("frame_v"), [](const EmojiAtlas &) { return bar(2, 394, false); });
    window(QStringLiteral("arrow_left"), [](const EmojiAtlas &) { return arrow(false); });
    window(QStringLiteral("arrow_right"), [](const EmojiAtlas &) { return arrow(true); });
    window(QStringLiteral("word_back"), [](const EmojiAtlas &) { return wordBack(); });
    window(QStringLiteral("exit"), exitDoor);
    window(QStringLiteral("dice"), [](const EmojiAtlas &) { return dice(); });
    window(QStringLiteral("crt"), easel);
    window(QStringLiteral("b_picture"), letterB);
    const struct { const char *name; QColor c; } swatches[] = {
        {"red", QColor(230, 40, 40)}, {"yellow", QColor(255, 215, 30)}, {"brown", QColor(140, 85, 40)},
        {"green", QColor(50, 180, 60)}, {"blue", QColor(40, 110, 230)}, {"orange", QColor(255, 140, 20)}};
    for (const auto &s : swatches) {
        const QColor c = s.c;
        window(QStringLiteral("swatch_%1").arg(QLatin1String(s.name)), [c](const EmojiAtlas &) { return swatch(c); });
    }
    const std::pair<const char *, QList<GifFrame> (*)()> animations[] = {
        {"alphabet", alphabetAnimation}, {"spider", spiderAnimation}, {"star", starAnimation}};
    for (const auto &[stem, frames] : animations)
        for (int scale : {1, 2}) {
            const QString name = QLatin1String(stem) + (scale == 2 ? QStringLiteral("@2x") : QString());
            items << gif(name + QStringLiteral(".gif"), frames, scale)
                  << firstFrame(name + QStringLiteral(".first.argb"), frames, scale);
        }
    for (int k = 1; k <= 10; ++k)
        pngs(QStringLiteral("numeral_%1").arg(k),
             [k](const EmojiAtlas &) { return keyTile(50, 40, QColor(200, 204, 212), QString::number(k)); });
    pngs(QStringLiteral("check"), [](const EmojiAtlas &) { return check(); });
    // The button faces with the word in each edition's language (button_first-hr.png).
    for (const char *language : {"", "hr", "de", "fr", "es"}) {
        const QString suffix = *language ? QStringLiteral("-") + QLatin1String(language) : QString();
        const QString word = *language ? translatedWord(translations, QLatin1String(language), "PictureButtons", "PICTURE")
                                       : QStringLiteral("PICTURE");
        pngs(QStringLiteral("button_first") + suffix, [word](const EmojiAtlas &) { return button(hideLetter(word, 0)); });
        pngs(QStringLiteral("button_any") + suffix, [word](const EmojiAtlas &) { return button(hideLetter(word, 3)); });
    }
    pngs(QStringLiteral("cursor_palette"), paletteCursor);
    pngs(QStringLiteral("cursor_pencil"), [](const EmojiAtlas &) { return pencilCursor(); });
    items << png(QStringLiteral("bear.png"), [](const EmojiAtlas &) { return bearImage(Mood::Neutral); })
          << png(QStringLiteral("bear@2x.png"), [](const EmojiAtlas &) { return bearImage(Mood::Neutral, 2); })
          << png(QStringLiteral("cursor_smiley.png"), smiley)
          << raw(QStringLiteral("cursor_smiley.argb"), smiley)  // the main window's pointer
          << raw(QStringLiteral("cursor_smiley@2x.argb"), smiley, 2)
          << png(QStringLiteral("icon.png"), icon)
          << DesignItem{QStringLiteral("icon.svg"), [](const EmojiAtlas &, QString *) { return QByteArray(kIconSvg); }};
    return items;
}

} // namespace ag
