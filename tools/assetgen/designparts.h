// What the window's pictures share, within the generator: the scale they are drawn at,
// their canvas, the emoji they use; and the pictures each file draws for designItems().
#pragma once

#include "design.h"
#include "gifwriter.h"

#include <QImage>
#include <QLineF>
#include <QPainter>

namespace ag {

constexpr char32_t kPalette = 0x1F3A8, kLaugh = 0x1F606, kDoor = 0x1F6AA,
                   kStar = 0x2B50, kApple = 0x1F34E, kPencil = 0x270F;

// How many pixels each design pixel takes in the pictures being made on this thread:
// 2 for the "@2x" pictures of screens that draw the window larger.
inline thread_local int t_scale = 1;

struct AtScale {
    explicit AtScale(int s) : saved(t_scale) { t_scale = s; }
    ~AtScale() { t_scale = saved; }
    int saved;
};

// A picture of w x h design pixels; a painter on it draws in design pixels.
inline QImage canvas(int w, int h, const QColor &fill = Qt::transparent)
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
inline void shadedCard(QPainter &p, const QRectF &card, double radius, const QLineF &along, const QColor &from,
                       const QColor &to, const QPen &outline)
{
    QLinearGradient g(along.p1(), along.p2());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.setPen(outline);
    p.setBrush(g);
    p.drawRoundedRect(card, radius, radius);
}

// backgrounds.cpp: the window's background, 1600 pixels high and w wide; and as a
// screen of the given size shows it.
QImage background(int w);
QImage backgroundForScreen(QSize screen);

// windowpictures.cpp: the main window's and the games' own pictures.
void block(QPainter &p, const QRectF &r, const QColor &c, const QString &letter); // an alphabet block
QImage title(const EmojiAtlas &atlas);
QImage keyTile(int w, int h, const QColor &face, const QString &label);
QImage bar(int w, int h, bool horizontal);
QImage arrow(bool right);
QImage wordBack();
QImage exitDoor(const EmojiAtlas &atlas);
QImage dice();
QImage easel(const EmojiAtlas &atlas);
QImage letterB(const EmojiAtlas &atlas);
QImage swatch(const QColor &c);
QImage check();
QImage button(const QString &label);

// windowanimations.cpp: the main window's three animations.
QList<GifFrame> alphabetAnimation();
QList<GifFrame> spiderAnimation();
QList<GifFrame> starAnimation();

// pointers.cpp: the mouse pointers of the windows.
QImage smiley(const EmojiAtlas &atlas);
QImage paletteCursor(const EmojiAtlas &atlas);
QImage pencilCursor();

// icon.cpp: the program's icon, drawn and as SVG.
QImage icon(const EmojiAtlas &atlas);
extern const char *const kIconSvg;

} // namespace ag
