// Drawing pieces shared by the pictures: fonts, emoji, cards and words.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace ag {

extern const char *const kWordFamily;  // Comic Neue
extern const char *const kEmojiFamily; // Noto Color Emoji

// Fails when a font is missing or lacks a character: Qt would otherwise
// quietly draw with another font, or a box.
bool checkFonts(const QList<char32_t> &emoji, const QString &textChars, QString *error);

QFont wordFont(double pixelSize, bool bold = true);

// Each emoji drawn once at the font's own bitmap size and cut to its
// visible pixels; the pictures then scale these images.
class EmojiAtlas {
public:
    bool build(const QList<char32_t> &codePoints, QString *error);
    QImage image(char32_t cp) const { return m_images.value(cp); }

private:
    QHash<char32_t, QImage> m_images;
};

// Draws img as large as fits in box, centred, keeping its shape.
void drawFitted(QPainter &p, const QImage &img, const QRectF &box);

// The soft rounded card every picture sits on.
void drawCard(QPainter &p, const QRectF &area, const QColor &background, const QColor &card);

// A word in Comic Neue bold, centred in box, as large as fits up to maxPx,
// with a white outline; the first letter in its own colour when asked.
void drawWord(QPainter &p, const QRectF &box, const QString &word, const QColor &colour,
              const QColor &firstColour, double maxPx);

// A gentle background colour for picture i.
QColor pastel(int i);

// A round badge with a numeral in it.
void drawBadge(QPainter &p, const QPointF &centre, double radius, const QString &text, const QColor &fill);

// A four-pointed sparkle.
void drawSparkle(QPainter &p, const QPointF &c, double r, const QColor &colour);

} // namespace ag
