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

constexpr double kPi = 3.14159265358979323846;

extern const char *const kWordFamily;  // Comic Neue

// Fails when the word font is missing or lacks a character: Qt would otherwise
// quietly draw with another font, or a box.
bool checkFonts(const QString &textChars, QString *error);

// The emoji drawings the build was configured with (an Iconify JSON set of Noto's emoji).
QString defaultEmojiArt();

QFont wordFont(double pixelSize, bool bold = true);

// The emoji, drawn from Noto's vector drawings at 768 pixels and cut to what they
// draw; every picture shrinks them, so none is an enlarged bitmap.
class EmojiAtlas {
public:
    bool build(const QString &artFile, const QList<char32_t> &codePoints, QString *error);
    // As large as fits in box, centred, keeping its shape, at the device's resolution.
    void draw(QPainter &p, char32_t cp, const QRectF &box) const;
    // At most size, keeping its shape; null when cp was not built.
    QImage image(char32_t cp, QSize size) const;
    QImage image(char32_t cp, int height) const;

private:
    QHash<char32_t, QList<QImage>> m_images; // the drawing, then halved again and again
};

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
