// The window's pictures as files: which there are, their names, and how each is written
// (PNG, JPEG, GIF, raw pixels, at one or both sizes, in each edition's words).
#include "design.h"
#include "bear.h"
#include "designparts.h"
#include "gifwriter.h"
#include "pictures/background.h"
#include "pictures/rawimage.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QXmlStreamReader>
#include <algorithm>

namespace ag {

namespace {

const QColor kWindowBlue(60, 160, 245);

QByteArray jpgBytes(const QImage &img)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "jpg");
    w.setQuality(90);
    w.write(img.convertToFormat(QImage::Format_RGB32));
    return out;
}

QByteArray gifBytes(const QList<GifFrame> &frames, QString *error)
{
    GifOptions o;
    o.transparent = true;
    o.matte = kWindowBlue;
    return encodeGif(frames, o, error);
}

DesignItem png(const QString &name, std::function<QImage(const EmojiAtlas &)> draw, int scale = 1)
{
    return {name, [draw, scale](const EmojiAtlas &a, QString *) { AtScale at(scale); return pngBytes(draw(a)); }};
}

// The same picture as raw pixels, for the main window's first frame.
DesignItem raw(const QString &name, std::function<QImage(const EmojiAtlas &)> draw, int scale = 1)
{
    return {name, [draw, scale](const EmojiAtlas &a, QString *) { AtScale at(scale); return zorbla::encodeRawImage(draw(a)); }};
}

DesignItem gif(const QString &name, std::function<QList<GifFrame>()> frames, int scale = 1)
{
    return {name, [frames, scale](const EmojiAtlas &, QString *e) { AtScale at(scale); return gifBytes(frames(), e); }};
}

// The first frame of the animation exactly as its reader gives it, as raw pixels: the
// main window shows it before the animation itself is read.
DesignItem firstFrame(const QString &name, std::function<QList<GifFrame>()> frames, int scale = 1)
{
    return {name, [frames, scale](const EmojiAtlas &, QString *e) {
                AtScale at(scale);
                const QByteArray gif = gifBytes(frames(), e);
                QBuffer buffer;
                buffer.setData(gif);
                buffer.open(QIODevice::ReadOnly);
                const QImage first = QImageReader(&buffer, "gif").read();
                if (first.isNull()) {
                    if (e && e->isEmpty())
                        *e = QStringLiteral("the animation's first frame cannot be read back");
                    return QByteArray();
                }
                return zorbla::encodeRawImage(first);
            }};
}

} // namespace

QByteArray pngBytes(const QImage &img)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "png");
    w.write(img.convertToFormat(QImage::Format_ARGB32));
    return out;
}

QList<char32_t> designEmoji()
{
    return {kPalette, kLaugh, kDoor, kStar, kApple, kPencil};
}

// The translation of a word of the program's own, from translations/zorbla_<language>.ts;
// the word itself where there is none.
QString translatedWord(const QString &translations, const QString &language, const char *context, const char *word)
{
    QFile file(QStringLiteral("%1/zorbla_%2.ts").arg(translations, language));
    if (!file.open(QIODevice::ReadOnly))
        return QLatin1String(word);
    QXmlStreamReader xml(&file);
    QString inContext, source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            inContext = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && inContext == QLatin1String(context) &&
                 source == QLatin1String(word) && xml.attributes().value(QLatin1String("type")).isEmpty()) {
            const QString t = xml.readElementText();
            if (!t.isEmpty())
                return t;
        }
    }
    return QLatin1String(word);
}

// The faces of the missing-letter game's two buttons: its word with the first letter
// hidden, and with the fourth (or the last of a shorter word).
QString hideLetter(const QString &word, int at)
{
    QString hidden = word;
    if (!hidden.isEmpty())
        hidden[std::min<qsizetype>(at, hidden.size() - 1)] = QLatin1Char('_');
    return hidden;
}

QList<DesignItem> designItems(const QString &translations)
{
    QList<DesignItem> items;
    // The background for each shape of screen: 4:3 (the design's), 16:10, 16:9 and 21:9.
    items << DesignItem{QStringLiteral("background.jpg"), [](const EmojiAtlas &, QString *) { return jpgBytes(background(2133)); }};
    for (const auto &[name, width] : {std::pair{"background_16x10.jpg", 2560}, {"background_16x9.jpg", 2844},
                                      {"background_21x9.jpg", 3733}})
        items << DesignItem{QLatin1String(name), [width = width](const EmojiAtlas &, QString *) { return jpgBytes(background(width)); }};
    // The design's screen shows the design's picture stretched: that result as raw pixels,
    // made as the program makes it, so that a first start there decodes nothing.
    const QSize design(1024, 768);
    items << DesignItem{zorbla::backgroundReadyFor(design), [design](const EmojiAtlas &, QString *e) {
                            const QImage drawn = zorbla::drawBackground(jpgBytes(background(2133)), zorbla::backgroundOfShape(design));
                            if (drawn.isNull() && e)
                                *e = QStringLiteral("the background cannot be decoded again");
                            return drawn.isNull() ? QByteArray() : zorbla::encodeRawImage(drawn);
                        }};
    for (const QSize screen : zorbla::screensWithBackgroundMade())
        items << DesignItem{zorbla::backgroundMadeFor(screen),
                            [screen](const EmojiAtlas &, QString *) { return zorbla::encodePixelRuns(backgroundForScreen(screen)); }};
    // The main window's own pictures, as PNG and as raw pixels, and as raw pixels at twice
    // the size for screens that draw the window larger.
    auto window = [&items](const QString &stem, std::function<QImage(const EmojiAtlas &)> draw) {
        items << png(stem + QStringLiteral(".png"), draw) << raw(stem + QStringLiteral(".argb"), draw)
              << raw(stem + QStringLiteral("@2x.argb"), draw, 2);
    };
    // The other windows' pictures, as PNG at both sizes.
    auto pngs = [&items](const QString &stem, std::function<QImage(const EmojiAtlas &)> draw) {
        items << png(stem + QStringLiteral(".png"), draw) << png(stem + QStringLiteral("@2x.png"), draw, 2);
    };
    window(QStringLiteral("title"), title);
    window(QStringLiteral("tile_letter"), [](const EmojiAtlas &) { return keyTile(50, 40, QColor(255, 200, 60), QString()); });
    window(QStringLiteral("tile_number"), [](const EmojiAtlas &) { return keyTile(50, 40, QColor(120, 215, 120), QString()); });
    window(QStringLiteral("frame_h"), [](const EmojiAtlas &) { return bar(400, 3, true); });
    window(QStringLiteral("frame_v"), [](const EmojiAtlas &) { return bar(2, 394, false); });
    window(QStringLiteral("arrow_left"), [](const EmojiAtlas &) { return arrow(false); });
    window(QStringLiteral("arrow_right"), [](const EmojiAtlas &) { return arrow(true); });
    window(QStringLiteral("word_back"), [](const EmojiAtlas &) { return wordBack(); });
    window(QStringLiteral("exit"), exitDoor);
    window(QStringLiteral("dice"), [](const EmojiAtlas &) { return dice(); });
    window(QStringLiteral("crt"), easel);
    window(QStringLiteral("b_picture"), letterB);
    const struct { const char *name; QColor c; } swatches[] = {
        {"red", QColor(230, 40, 40)}, {"yellow", QColor(255, 215, 30)}, {"brown", QColor(140, 85, 40)},
        {"green", QColor(50, 180, 60)}, {"blue", QColor(40, 110, 230)}, {"orange", QColor(255, 140, 20)}};
    for (const auto &s : swatches) {
        const QColor c = s.c;
        window(QStringLiteral("swatch_%1").arg(QLatin1String(s.name)), [c](const EmojiAtlas &) { return swatch(c); });
    }
    const std::pair<const char *, QList<GifFrame> (*)()> animations[] = {
        {"alphabet", alphabetAnimation}, {"spider", spiderAnimation}, {"star", starAnimation}};
    for (const auto &[stem, frames] : animations)
        for (int scale : {1, 2}) {
            const QString name = QLatin1String(stem) + (scale == 2 ? QStringLiteral("@2x") : QString());
            items << gif(name + QStringLiteral(".gif"), frames, scale)
                  << firstFrame(name + QStringLiteral(".first.argb"), frames, scale);
        }
    for (int k = 1; k <= 10; ++k)
        pngs(QStringLiteral("numeral_%1").arg(k),
             [k](const EmojiAtlas &) { return keyTile(50, 40, QColor(200, 204, 212), QString::number(k)); });
    pngs(QStringLiteral("check"), [](const EmojiAtlas &) { return check(); });
    // The button faces with the word in each edition's language (button_first-hr.png).
    for (const char *language : {"", "hr", "de", "fr", "es"}) {
        const QString suffix = *language ? QStringLiteral("-") + QLatin1String(language) : QString();
        const QString word = *language ? translatedWord(translations, QLatin1String(language), "PictureButtons", "PICTURE")
                                       : QStringLiteral("PICTURE");
        pngs(QStringLiteral("button_first") + suffix, [word](const EmojiAtlas &) { return button(hideLetter(word, 0)); });
        pngs(QStringLiteral("button_any") + suffix, [word](const EmojiAtlas &) { return button(hideLetter(word, 3)); });
    }
    pngs(QStringLiteral("cursor_palette"), paletteCursor);
    pngs(QStringLiteral("cursor_pencil"), [](const EmojiAtlas &) { return pencilCursor(); });
    items << png(QStringLiteral("bear.png"), [](const EmojiAtlas &) { return bearImage(Mood::Neutral); })
          << png(QStringLiteral("bear@2x.png"), [](const EmojiAtlas &) { return bearImage(Mood::Neutral, 2); })
          << png(QStringLiteral("cursor_smiley.png"), smiley)
          << raw(QStringLiteral("cursor_smiley.argb"), smiley)  // the main window's pointer
          << raw(QStringLiteral("cursor_smiley@2x.argb"), smiley, 2)
          << png(QStringLiteral("icon.png"), icon)
          << DesignItem{QStringLiteral("icon.svg"), [](const EmojiAtlas &, QString *) { return QByteArray(kIconSvg); }};
    return items;
}

} // namespace ag
