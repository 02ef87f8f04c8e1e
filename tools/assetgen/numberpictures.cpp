// The number pictures: k objects of a word laid out for counting (like dice up to six,
// in a ten-frame from seven), and the animation all four pictures of a number share.
#include "layout.h"
#include "pictures.h"
#include "pictureparts.h"

#include <algorithm>

namespace ag {

namespace {

const QRectF kCountArea(22, 24, 356, 264);

// What is counted when the word has nothing to draw: a bright counter.
void drawDot(QPainter &p, const QRectF &cell, int i)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double r = std::min(cell.width(), cell.height()) / 2;
    const QColor c = QColor::fromHsv((i * 36 + 10) % 360, 200, 240);
    p.setPen(QPen(c.darker(150), std::max(2.0, r / 10)));
    p.setBrush(c);
    p.drawEllipse(cell.center(), r, r);
    p.restore();
}

// The counting game's pictures carry no numeral and no words, which would give the
// answer away, so their objects may use the whole card.
const QRectF kQuizCountArea(22, 40, 356, 320);

// shown: how many objects are visible; pop: scale of the newest one.
void drawNumberScene(QPainter &p, const Picture &pic, const EmojiAtlas &atlas, int shown, double pop,
                     const QString &caption, const QRectF &area = kCountArea)
{
    const int k = pic.count;
    drawCard(p, QRectF(0, 0, kSize, kSize), pastel(k * 5 + pic.index + 3), kCard);
    const QList<QRectF> cells = countingLayout(k, area);
    if (k >= 7) {
        // The empty boxes of a ten-frame show how many are missing to ten.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(pastel(k * 5 + pic.index + 3).darker(135), 2));
        p.setBrush(QColor(255, 255, 255));
        for (const QRectF &r : countingLayout(10, area))
            p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 8, 8);
        p.restore();
    }
    for (int i = 0; i < shown && i < cells.size(); ++i) {
        QRectF r = cells[i];
        if (i == shown - 1 && pop != 1.0) {
            const QPointF c = r.center();
            r = QRectF(c.x() - r.width() * pop / 2, c.y() - r.height() * pop / 2, r.width() * pop, r.height() * pop);
        }
        if (hasDrawing(pic))
            drawObject(p, pic, atlas, r.adjusted(4, 4, -4, -4));
        else
            drawDot(p, r.adjusted(8, 8, -8, -8), i);
    }
    if (caption.isEmpty())
        return;
    drawBadge(p, QPointF(62, 330), 30, QString::number(k), QColor(240, 110, 40));
    drawWord(p, QRectF(100, 296, 272, 70), caption, kWordBlue, kWordBlue, 44);
}

} // namespace

QImage numberStill(const Picture &pic, bool counted, const EmojiAtlas &atlas, int scale)
{
    return cardPicture(400 * scale, [&](QPainter &p) {
        if (counted)
            drawNumberScene(p, pic, atlas, pic.count, 1.0, QString(), kQuizCountArea);
        else
            drawNumberScene(p, pic, atlas, pic.count, 1.0, pic.word);
    });
}

QList<GifFrame> numberAnimation(int k)
{
    // One animation serves all four pictures of the number, so it shows what they share: the
    // number itself. Dots pop in one by one as they are counted, the count growing beside
    // them; then the numeral stands alone, big.
    QList<GifFrame> frames;
    const QColor ground = pastel(k * 7 + 2);
    const QRectF dotArea(22, 24, 356, 250);
    const QList<QRectF> cells = countingLayout(k, dotArea);
    auto frame = [&](int shown, double pop, bool numeralOnly, int delay) {
        const QImage img = cardPicture(396, [&](QPainter &p) {
            drawCard(p, QRectF(0, 0, kSize, kSize), ground, kCard);
            if (numeralOnly) {
                drawNumeral(p, QRectF(60, 50, 280, 280), QString::number(k));
            } else {
                for (int i = 0; i < shown; ++i) {
                    QRectF r = cells[i].adjusted(10, 10, -10, -10);
                    if (i == shown - 1 && pop != 1.0) {
                        const QPointF c = r.center();
                        r = QRectF(c.x() - r.width() * pop / 2, c.y() - r.height() * pop / 2, r.width() * pop, r.height() * pop);
                    }
                    drawDot(p, r, i);
                }
                if (shown > 0)
                    drawBadge(p, QPointF(200, 330), 38 + 5 * (pop > 1 ? 1 : 0), QString::number(shown), QColor(240, 110, 40));
            }
        });
        frames.append({img, delay});
    };
    frame(0, 1.0, false, k <= 3 ? 30 : 10);
    for (int s = 1; s <= k; ++s) {
        frame(s, 0.45, false, 6);
        frame(s, 1.18, false, 6);
        frame(s, 1.0, false, k <= 5 ? 30 : 20);
    }
    frame(k, 1.0, true, 30);
    while (frames.size() < 12)
        frame(k, 1.0, true, 10);
    frames.last().delayCs = 60;
    return frames;
}

} // namespace ag
