// glib before Qt: Qt defines "signals" as a word of its own.
#include <cairo.h>
#include <librsvg/rsvg.h>

#include "paint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>

#include <cmath>
#include <atomic>
#include <map>
#include <thread>
#include <tuple>
#include <vector>

#include <memory>

namespace ag {

const char *const kWordFamily = "Comic Neue";

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

bool checkFonts(const QString &textChars, QString *error)
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
    return true;
}

QString defaultEmojiArt()
{
    return QStringLiteral(ZORBLA_EMOJI_ART);
}

static QString hex(char32_t cp)
{
    return QStringLiteral("%1").arg(uint(cp), 4, 16, QLatin1Char('0'));
}

namespace {

// One emoji drawn by librsvg (Qt's SVG module leaves out clip paths, which hundreds of
// Noto's drawings use), large enough that every picture only ever shrinks it: the
// largest, on an 800-pixel picture, is 560 pixels.
constexpr int kMaster = 768;

QImage renderSvg(const QByteArray &svg, QString *error)
{
    GError *gerror = nullptr;
    RsvgHandle *handle = rsvg_handle_new_from_data(reinterpret_cast<const guint8 *>(svg.constData()), gsize(svg.size()), &gerror);
    if (!handle) {
        *error = QString::fromUtf8(gerror ? gerror->message : "unreadable SVG");
        if (gerror)
            g_error_free(gerror);
        return QImage();
    }
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kMaster, kMaster);
    cairo_t *cr = cairo_create(surface);
    const RsvgRectangle viewport{0, 0, double(kMaster), double(kMaster)};
    const bool ok = rsvg_handle_render_document(handle, cr, &viewport, &gerror);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    QImage img;
    if (ok) // cairo's ARGB32 is Qt's premultiplied ARGB32
        img = QImage(cairo_image_surface_get_data(surface), kMaster, kMaster, cairo_image_surface_get_stride(surface),
                     QImage::Format_ARGB32_Premultiplied)
                  .copy();
    else
        *error = QString::fromUtf8(gerror ? gerror->message : "cannot draw");
    if (gerror)
        g_error_free(gerror);
    cairo_surface_destroy(surface);
    g_object_unref(handle);
    return img;
}

} // namespace

bool EmojiAtlas::build(const QString &artFile, const QList<char32_t> &codePoints, QString *error)
{
    QFile file(artFile);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the emoji drawings %1: %2 (scripts/install-deps fetches them)")
                     .arg(artFile, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonObject set = QJsonDocument::fromJson(file.readAll(), &parseError).object();
    const QJsonObject icons = set.value(QLatin1String("icons")).toObject();
    if (icons.isEmpty()) {
        *error = QStringLiteral("%1 is not an emoji drawing set: %2").arg(artFile, parseError.errorString());
        return false;
    }
    // The set names its drawings ("red-apple"); its companion file maps code points to names.
    QFile charsFile(QFileInfo(artFile).dir().filePath(QStringLiteral("chars.json")));
    const QJsonObject chars = charsFile.open(QIODevice::ReadOnly)
                                  ? QJsonDocument::fromJson(charsFile.readAll()).object()
                                  : QJsonObject();
    const int setSize = set.value(QLatin1String("width")).toInt(16);
    QList<char32_t> todo;
    QList<QByteArray> svgs;
    for (char32_t cp : codePoints) {
        if (m_images.contains(cp) || todo.contains(cp))
            continue;
        QString name = chars.value(hex(cp)).toString();
        if (name.isEmpty())
            name = chars.value(hex(cp) + QStringLiteral("-fe0f")).toString();
        const QJsonObject icon = icons.value(name).toObject();
        if (name.isEmpty() || icon.isEmpty()) {
            *error = QStringLiteral("emoji U+%1 has no drawing in %2").arg(hex(cp).toUpper(), artFile);
            return false;
        }
        // Square, as every drawing of the set is; a wider one is centred in it.
        const int w = icon.value(QLatin1String("width")).toInt(setSize), h = icon.value(QLatin1String("height")).toInt(setSize);
        const int side = std::max(w, h);
        todo << cp;
        svgs << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                               "viewBox=\"%1 %2 %3 %3\">%4</svg>")
                    .arg((w - side) / 2.0).arg((h - side) / 2.0).arg(side).arg(icon.value(QLatin1String("body")).toString())
                    .toUtf8();
    }
    QList<QImage> images(todo.size());
    QStringList errors(todo.size());
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < todo.size(); i = next++)
            images[i] = renderSvg(svgs[i], &errors[i]);
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < std::max(1, QThread::idealThreadCount()); ++t)
        threads.emplace_back(work);
    work();
    for (auto &t : threads)
        t.join();
    for (int i = 0; i < todo.size(); ++i) {
        const QImage &img = images[i];
        if (img.isNull()) {
            *error = QStringLiteral("emoji U+%1 cannot be drawn: %2").arg(hex(todo[i]).toUpper(), errors[i]);
            return false;
        }
        // The drawings have a margin of their own; keep only what is drawn, so every
        // picture fills its box as the design expects.
        int x0 = img.width(), y0 = img.height(), x1 = -1, y1 = -1;
        for (int y = 0; y < img.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                if (qAlpha(line[x]) > 8) {
                    x0 = std::min(x0, x); x1 = std::max(x1, x);
                    y0 = std::min(y0, y); y1 = std::max(y1, y);
                }
            }
        }
        // Grey is allowed: a sheep, a spoon, a newspaper are drawn in greys.
        if (x1 < 0) {
            *error = QStringLiteral("emoji U+%1 drew nothing").arg(hex(todo[i]).toUpper());
            return false;
        }
        // Halved down to 48 pixels, so each size is made from one at most twice as large.
        QList<QImage> levels{img.copy(x0, y0, x1 - x0 + 1, y1 - y0 + 1)};
        while (levels.last().height() > 96)
            levels << levels.last().scaled(levels.last().size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_images.insert(todo[i], levels);
    }
    return true;
}

QImage EmojiAtlas::image(char32_t cp, QSize size) const
{
    // Shrinking a 1024-pixel drawing in one step of the painter would alias; QImage
    // averages properly. The workers draw the same sizes again and again: keep them.
    thread_local std::map<std::tuple<const EmojiAtlas *, char32_t, int, int>, QImage> cache;
    QImage &img = cache[{this, cp, size.width(), size.height()}];
    if (img.isNull()) {
        const QList<QImage> levels = m_images.value(cp);
        if (levels.isEmpty() || size.isEmpty())
            return QImage();
        int l = int(levels.size()) - 1;
        while (l > 0 && (levels[l].width() < size.width() && levels[l].height() < size.height()))
            --l;
        img = levels[l].scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return img;
}

QImage EmojiAtlas::image(char32_t cp, int height) const
{
    const QList<QImage> levels = m_images.value(cp);
    if (levels.isEmpty())
        return QImage();
    const QImage &master = levels.first();
    return image(cp, QSize(int(std::lround(double(height) * master.width() / master.height())), height));
}

void EmojiAtlas::draw(QPainter &p, char32_t cp, const QRectF &box) const
{
    const QList<QImage> levels = m_images.value(cp);
    if (levels.isEmpty() || box.isEmpty())
        return;
    const QImage &master = levels.first();
    const QSizeF size = QSizeF(master.size()).scaled(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2, size.width(),
                        size.height());
    // Drawn at the size it takes on the device, however the painter is scaled.
    const QTransform t = p.worldTransform();
    const double dev = std::sqrt(std::abs(t.determinant())) * p.device()->devicePixelRatioF();
    const QSize pixels(std::max(1, int(std::ceil(size.width() * dev))), std::max(1, int(std::ceil(size.height() * dev))));
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, image(cp, pixels));
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
