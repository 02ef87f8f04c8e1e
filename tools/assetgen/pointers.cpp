// The mouse pointers of the windows: the smiley, the palette and the pencil.
#include "designparts.h"
#include "paint.h"

namespace ag {

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

} // namespace ag
