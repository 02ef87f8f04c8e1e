// The letter pictures: the object of a word on its card, still and animated.
#include "pictures.h"
#include "pictureparts.h"

#include <cmath>

namespace ag {

namespace {

// A letter picture is its object alone, on the whole card: the program writes the word
// under the picture, and the missing-letter game must not show it on the picture.
const QRectF kObjectBox(60, 44, 280, 280);

// How the object of a letter picture moves in one frame.
struct Motion {
    double dx = 0, dy = 0, angle = 0, scale = 1, squash = 1;
    double sparkle = 0; // 0..1
};

void drawLetterScene(QPainter &p, const Picture &pic, int letterIndex, const EmojiAtlas &atlas, const Motion &m)
{
    const int i = letterIndex * 4 + pic.index - 1;
    drawCard(p, QRectF(0, 0, kSize, kSize), pastel(i), kCard);
    // A soft shadow on the "floor" makes jumps read as jumps.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double lift = std::max(0.0, -m.dy);
    const double sw = 170 * m.scale * (1 - std::min(0.5, lift / 160));
    p.setBrush(QColor(0, 0, 0, int(26 * (1 - std::min(0.6, lift / 120)))));
    p.drawEllipse(QPointF(200 + m.dx, kObjectBox.bottom() + 6), sw / 2, 7);
    p.restore();

    p.save();
    const QPointF anchor(kObjectBox.center().x() + m.dx, kObjectBox.bottom() + m.dy);
    // Squash and grow from the floor; turn about the object's middle.
    p.translate(anchor);
    p.scale(m.scale / m.squash, m.scale * m.squash);
    p.translate(0, -kObjectBox.height() / 2);
    p.rotate(m.angle);
    p.translate(-kObjectBox.center().x(), -kObjectBox.center().y());
    drawObject(p, pic, atlas, kObjectBox);
    p.restore();
    if (m.sparkle > 0) {
        const QPointF spots[] = {{84, 66}, {326, 92}, {310, 270}, {96, 244}};
        for (int k = 0; k < 4; ++k) {
            const double r = 16 * std::sin(kPi * std::clamp(m.sparkle * 1.4 - k * 0.12, 0.0, 1.0));
            drawSparkle(p, spots[k], r, k % 2 ? QColor(255, 200, 40) : QColor(255, 120, 170));
        }
    }
}

double easeOutBack(double t)
{
    const double c = 1.9;
    return 1 + (c + 1) * std::pow(t - 1, 3) + c * std::pow(t - 1, 2);
}

// Frame f of n (the last few frames are the still picture).
Motion motionFor(int style, int f, int n)
{
    const int active = n - 3;
    Motion m;
    if (f >= active)
        return m;
    const double t = double(f) / active; // 0..1
    const double damp = 1 - t;
    switch (style % 5) {
    case 0: { // two bounces, squashing on landing
        const double h = std::abs(std::sin(t * 2 * kPi)) * damp;
        m.dy = -70 * h;
        m.squash = h < 0.15 ? 0.86 + h : 1.0 + 0.06 * h;
        break;
    }
    case 1: // wiggle
        m.angle = 16 * std::sin(t * 4 * kPi) * damp;
        m.dy = -8 * std::abs(std::sin(t * 4 * kPi)) * damp;
        break;
    case 2: // grow and settle
        m.scale = std::max(0.05, easeOutBack(std::min(1.0, t * 1.6)));
        m.sparkle = t;
        break;
    case 3: // a little spin with a hop
        m.angle = 360 * (1 - std::pow(1 - t, 2)) - 360 * (t >= 1 ? 1 : 0);
        m.angle = std::fmod(m.angle, 360.0);
        if (m.angle > 180)
            m.angle -= 360;
        m.dy = -60 * std::sin(t * kPi);
        break;
    default: // slide in from the side and sparkle
        m.dx = -230 * std::pow(damp, 2.2) + 14 * std::sin(t * 3 * kPi) * damp;
        m.angle = -10 * std::sin(t * 3 * kPi) * damp;
        m.sparkle = t;
        break;
    }
    return m;
}

} // namespace

QImage letterStill(const Picture &pic, int letterIndex, const EmojiAtlas &atlas, int scale)
{
    return cardPicture(400 * scale, [&](QPainter &p) { drawLetterScene(p, pic, letterIndex, atlas, Motion()); });
}

QList<GifFrame> letterAnimation(const Picture &pic, int letterIndex, const EmojiAtlas &atlas)
{
    const int n = 16;
    const int style = letterIndex + pic.index;
    QList<GifFrame> frames;
    for (int f = 0; f < n; ++f) {
        const QImage img =
            cardPicture(396, [&](QPainter &p) { drawLetterScene(p, pic, letterIndex, atlas, motionFor(style, f, n)); });
        frames.append({img, f == n - 1 ? 20 : 8});
    }
    return frames;
}

} // namespace ag
