#include "paint.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>

#include <cmath>

namespace ag {

const char *const kWordFamily = "Comic Neue";
const char *const kEmojiFamily = "Noto Color Emoji";

static QFont emojiFont(int pixelSize)
{
    QFont f(QString::fromLatin1(kEmojiFamily));
    f.setPixelSize(pixelSize);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

QFont wordFont(double pixelSize, bool bold)
{
    QFont f(QString::fromLatin1(kWordFamily));
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(bold);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
    return f;
}

static bool familyPresent(const QFont &f, QString *error)
{
    const QFontInfo info(f);
    if (info.family().compare(f.family(), Qt::CaseInsensitive) != 0) {
        *error = QStringLiteral("font '%1' is not installed (Qt would use '%2')").arg(f.family(), info.family());
        return false;
    }
    return true;
}

bool checkFonts(const QList<char32_t> &emoji, const QString &textChars, QString *error)
{
    const QFont word = wordFont(40);
    if (!familyPresent(word, error))
        return false;
    const QRawFont wordRaw = QRawFont::fromFont(word);
    for (const QChar c : textChars) {
        if (c.isSpace())
            continue;
        if (!wordRaw.supportsCharacter(c)) {
            *error = QStringLiteral("font '%1' has no glyph for '%2' (U+%3)")
                         .arg(word.family(), QString(c)).arg(c.unicode(), 4, 16, QLatin1Char('0'));
            return false;
        }
    }
    const QFont em = emojiFont(109);
    if (!familyPresent(em, error))
        return false;
    const QRawFont emRaw = QRawFont::fromFont(em);
    for (char32_t cp : emoji) {
        if (!emRaw.supportsCharacter(uint(cp))) {
            *error = QStringLiteral("font '%1' has no emoji U+%2")
                         .arg(em.family()).arg(uint(cp), 4, 16, QLatin1Char('0')).toUpper();
            return false;
        }
    }
    return true;
}

bool EmojiAtlas::build(const QList<char32_t> &codePoints, QString *error)
{
    const QFont font = emojiFont(109); // the size of the font's bitmaps
    for (char32_t cp : codePoints) {
        if (m_images.contains(cp))
            continue;
        QImage img(200, 200, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            p.setFont(font);
            p.drawText(QRectF(0, 0, 200, 200), Qt::AlignCenter, QString::fromUcs4(&cp, 1));
        }
        int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
        bool coloured = false;
        for (int y = 0; y < img.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                if (qAlpha(line[x]) > 8) {
                    x0 = std::min(x0, x); x1 = std::max(x1, x);
                    y0 = std::min(y0, y); y1 = std::max(y1, y);
                    if (qRed(line[x]) != qGreen(line[x]) || qGreen(line[x]) != qBlue(line[x]))
                        coloured = true;
                }
            }
        }
        if (x1 < 0 || !coloured) {
            *error = QStringLiteral("emoji U+%1 drew no colour picture").arg(uint(cp), 4, 16, QLatin1Char('0')).toUpper();
            return false;
        }
        m_images.insert(cp, img.copy(x0, y0, x1 - x0 + 1, y1 - y0 + 1));
    }
    return true;
}

void drawFitted(QPainter &p, const QImage &img, const QRectF &box)
{
    if (img.isNull())
        return;
    const double s = std::min(box.width() / img.width(), box.height() / img.height());
    const QSizeF size(img.width() * s, img.height() * s);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                        size.width(), size.height());
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Upscaling a bitmap by more than 2x blurs; do it in one good step.
    const QTransform t = p.worldTransform();
    const double dev = s * std::sqrt(std::abs(t.determinant()));
    if (dev > 1.01 && !t.isRotating()) {
        const QImage big = img.scaled(QSize(int(std::ceil(img.width() * dev)), int(std::ceil(img.height() * dev))),
                                      Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        p.drawImage(target, big);
    } else {
        p.drawImage(target, img);
    }
    p.restore();
}

void drawCard(QPainter &p, const QRectF &area, const QColor &background, const QColor &card)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(area.topLeft(), area.bottomRight());
    bg.setColorAt(0, background.lighter(106));
    bg.setColorAt(1, background.darker(104));
    p.fillRect(area, bg);
    const QRectF c = area.adjusted(12, 12, -12, -12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(c.translated(3, 5), 28, 28);
    p.setBrush(card);
    p.setPen(QPen(background.darker(118), 2));
    p.drawRoundedRect(c, 28, 28);
    p.restore();
}

void drawWord(QPainter &p, const QRectF &box, const QString &word, const QColor &colour,
              const QColor &firstColour, double maxPx)
{
    if (word.isEmpty())
        return;
    double px = maxPx;
    QFont f = wordFont(px);
    double width = QFontMetricsF(f).horizontalAdvance(word);
    if (width > box.width()) {
        px = std::floor(px * box.width() / width);
        f = wordFont(px);
        width = QFontMetricsF(f).horizontalAdvance(word);
    }
    const QFontMetricsF fm(f);
    const double x = box.center().x() - width / 2;
    const double y = box.center().y() + (fm.ascent() - fm.descent()) / 2;
    const QString first = word.left(1), rest = word.mid(1);
    QPainterPath firstPath, restPath;
    firstPath.addText(x, y, f, first);
    restPath.addText(x + fm.horizontalAdvance(first), y, f, rest);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(Qt::white, std::max(2.0, px / 8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(firstPath, outline);
    p.strokePath(restPath, outline);
    p.fillPath(firstPath, firstColour);
    p.fillPath(restPath, colour);
    p.restore();
}

QColor pastel(int i)
{
    return QColor::fromHsv((i * 47 + 20) % 360, 60, 250);
}

void drawBadge(QPainter &p, const QPointF &centre, double radius, const QString &text, const QColor &fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, radius / 7));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    const QFont f = wordFont(radius * (text.size() > 1 ? 1.1 : 1.4));
    QPainterPath path;
    const QFontMetricsF fm(f);
    path.addText(centre.x() - fm.horizontalAdvance(text) / 2, centre.y() + (fm.ascent() - fm.descent()) / 2, f, text);
    p.fillPath(path, Qt::white);
    p.restore();
}

void drawSparkle(QPainter &p, const QPointF &c, double r, const QColor &colour)
{
    if (r <= 0.5)
        return;
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c, QPointF(c.x() + r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() + r));
    s.quadTo(c, QPointF(c.x() - r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() - r));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.fillPath(s, colour);
    p.restore();
}

} // namespace ag
