// The teddy bear of the counting game: the pack's three moods, and the window's picture.
#pragma once

#include <QImage>
#include <QPainter>

namespace ag {

enum class Mood { Neutral, Happy, Sad };
// The bear fills a 170 x 190 box, on a transparent ground.
void drawBear(QPainter &p, Mood mood, double wave = 0);
QImage bearImage(Mood mood, int scale = 1);

} // namespace ag
