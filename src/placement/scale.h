#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace zorbla {

// The windows are designed for a 1024 x 768 screen. On any other screen everything is
// drawn s times as large, s = min(W / 1024, H / 768) of the logical screen, so that the
// design fills the screen the way it fills 1024 x 768: larger on a larger screen, smaller
// on a netbook's 1024 x 600 or 800 x 480, where it would otherwise run off the bottom.
double screenScale(QSize logicalScreen);

// A rectangle of design units s times as large, its corners rounded to whole pixels, so
// that controls that touch at the design size touch when scaled.
QRect scaled(const QRectF& design, double s);

// The widget's font s times as large.
void scaleFont(QWidget& w, double s);

// Makes a window built at the design size s times as large: its own size (about the
// same centre; a full-screen window keeps the screen), and the place, size and font of
// each of its controls. Pictures fill their controls as they did. Run it once.
void scaleWindow(QWidget& window, double s);

}  // namespace zorbla
