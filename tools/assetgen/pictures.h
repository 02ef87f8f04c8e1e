// The pictures of the pack: letter and number pictures, their animations, and the
// objects on them. The bear is in bear.h.
#pragma once

#include "content.h"
#include "gifwriter.h"
#include "paint.h"

namespace ag {

// Where the object of a letter picture sits (400 x 400 units).
constexpr double kSize = 400;

// Whether the picture has an emoji or a drawing of its own; else it is a card with its word.
bool hasDrawing(const Picture &pic);
// The picture's object in box: its emoji, its drawing, or its word on a card.
void drawObject(QPainter &p, const Picture &pic, const EmojiAtlas &atlas, const QRectF &box);

// scale 2 draws the same picture at twice the size, for screens that show it larger.
QImage letterStill(const Picture &pic, int letterIndex, const EmojiAtlas &atlas, int scale = 1);
QList<GifFrame> letterAnimation(const Picture &pic, int letterIndex, const EmojiAtlas &atlas);

// counted: the picture the counting game shows, without the number and its word.
QImage numberStill(const Picture &pic, bool counted, const EmojiAtlas &atlas, int scale = 1);
// The same for all four pictures of number k: the numeral and k dots, counted one by one.
QList<GifFrame> numberAnimation(int k);

} // namespace ag
