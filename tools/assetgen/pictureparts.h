// What the letter, number and object pictures share, within the generator.
#pragma once

#include "pictures.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace ag {

inline const QColor kWordBlue(31, 78, 156);
inline const QColor kCard(255, 253, 246);

// A picture of the card, pixels wide and high, drawn by draw(QPainter&) with antialiasing
// in the card's kSize units.
template <class Draw>
QImage cardPicture(int pixels, Draw draw)
{
    QImage img(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels / kSize, pixels / kSize);
    draw(p);
    p.end();
    return img;
}

// A big friendly numeral: the picture of a word that is a number ("QUATRE"), and the
// end of a number's animation.
void drawNumeral(QPainter &p, const QRectF &box, const QString &numeral);

} // namespace ag
