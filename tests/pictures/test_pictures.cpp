// The fast picture paths of the first frame: the reduced JPEG decode, the raw pixels and
// the background kept between starts.
#include <QBuffer>
#include <QImageWriter>
#include <QMovie>
#include <QResource>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

#include "main_window/first_frame.h"
#include "pictures/jpegscale.h"
#include "pictures/rawimage.h"
#include "pictures/sharper.h"

using namespace zorbla;

namespace {

// Four flat quarters, so a reduced decode must still put each colour in its place.
QImage quarters(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(220, 40, 40));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x >= w / 2 && y < h / 2)
                img.setPixelColor(x, y, QColor(40, 200, 60));
            else if (x < w / 2 && y >= h / 2)
                img.setPixelColor(x, y, QColor(30, 80, 230));
            else if (x >= w / 2 && y >= h / 2)
                img.setPixelColor(x, y, QColor(250, 230, 40));
        }
    return img;
}

QByteArray jpeg(const QImage& img) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    return writer.write(img) ? bytes : QByteArray();
}

bool near(QColor a, QColor b, int tolerance) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace

namespace {

// The design's own picture, drawn at a size.
zorbla::BackgroundPicture designBackground(QSize drawn) {
    return {QStringLiteral(":/design/background.jpg"), drawn, QSize()};
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void reductionKeepsTheDrawnSizeWithinASlightEnlargement() {
        const QSize picture(2133, 1600);
        QCOMPARE(jpegReduction(picture, QSize(1181, 886)), 2);   // 1024 x 768 screen
        QCOMPARE(jpegReduction(picture, QSize(1477, 1108)), 1);  // 1280 x 960: a half would be blurred
        QCOMPARE(jpegReduction(picture, QSize(2215, 1246)), 1);  // larger than the picture
        QCOMPARE(jpegReduction(picture, QSize(300, 225)), 8);
        QCOMPARE(jpegReduction(picture, QSize(1, 1)), 8);  // the library reduces no further
        QCOMPARE(jpegReduction(QSize(7, 7), QSize(1, 1)), 8);
    }

    void decodesReducedButNeverMuchSmallerThanDrawn() {
        const QByteArray bytes = jpeg(quarters(640, 480));
        QVERIFY(!bytes.isEmpty());
        const struct { QSize drawn, decoded; } cases[] = {
            {QSize(640, 480), QSize(640, 480)}, {QSize(350, 260), QSize(320, 240)},
            {QSize(100, 75), QSize(160, 120)},  {QSize(900, 700), QSize(640, 480)},
            {QSize(20, 15), QSize(80, 60)}};  // an eighth is the least the library gives
        for (const auto& c : cases) {
            const QImage img = decodeJpegForSize(bytes, c.drawn);
            QCOMPARE(img.size(), c.decoded);
            // Away from the edges between them, each quarter keeps its colour.
            const int w = img.width(), h = img.height();
            QVERIFY2(near(img.pixelColor(w / 4, h / 4), QColor(220, 40, 40), 12), qPrintable(QString::number(w)));
            QVERIFY(near(img.pixelColor(3 * w / 4, h / 4), QColor(40, 200, 60), 12));
            QVERIFY(near(img.pixelColor(w / 4, 3 * h / 4), QColor(30, 80, 230), 12));
            QVERIFY(near(img.pixelColor(3 * w / 4, 3 * h / 4), QColor(250, 230, 40), 12));
        }
    }

    void badBytesGiveNoPictureAndDoNotEndTheProgram() {
        QVERIFY(decodeJpegForSize(QByteArray(), QSize(10, 10)).isNull());
        QVERIFY(decodeJpegForSize(QByteArray("not a picture at all"), QSize(10, 10)).isNull());
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(quarters(20, 20).save(&buffer, "png"));
        QVERIFY(decodeJpegForSize(png, QSize(10, 10)).isNull());
        const QByteArray good = jpeg(quarters(64, 48));
        QVERIFY(decodeJpegForSize(good, QSize()).isNull());
        // Cut short: the library fills in what is missing, or gives up; either way no crash.
        for (const int length : {2, 20, 200, int(good.size() / 2)})
            decodeJpegForSize(good.left(length), QSize(32, 24));
    }

    void rawPixelsComeBackAsTheyWent() {
        QImage img(37, 11, QImage::Format_ARGB32);  // odd width: rows are not padded
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixelColor(x, y, QColor(x * 6, y * 20, 255 - x * 6, (x * 7 + y * 13) % 256));
        const QByteArray raw = encodeRawImage(img);
        QCOMPARE(raw.size(), 16 + 37 * 11 * 4);
        const QImage view = rawImageView(reinterpret_cast<const uchar*>(raw.constData()), raw.size());
        QCOMPARE(view, img.convertToFormat(QImage::Format_ARGB32_Premultiplied));

        // Pixels that do not lie on a 4-byte boundary are copied, not read crooked.
        QByteArray shifted = QByteArray(1, '\0') + raw;
        const QImage moved = rawImageView(reinterpret_cast<const uchar*>(shifted.constData()) + 1, raw.size());
        QCOMPARE(moved, view);
    }

    void damagedRawPixelsAreRefused() {
        const QByteArray raw = encodeRawImage(quarters(8, 4));
        auto view = [](const QByteArray& b) {
            return rawImageView(reinterpret_cast<const uchar*>(b.constData()), b.size());
        };
        QVERIFY(!view(raw).isNull());
        QVERIFY(view(raw.left(raw.size() - 1)).isNull());
        QVERIFY(view(raw + "x").isNull());
        QVERIFY(view(raw.left(10)).isNull());
        QByteArray magic = raw;
        magic[0] = 'X';
        QVERIFY(view(magic).isNull());
        QByteArray huge = raw;
        huge[6] = '\x7f';  // a width far beyond any window picture
        QVERIFY(view(huge).isNull());
        QByteArray zero = raw;
        zero[4] = zero[5] = zero[6] = zero[7] = 0;
        QVERIFY(view(zero).isNull());
        QVERIFY(rawImageView(nullptr, 100).isNull());
    }

    void opaquePicturesStayOpaque() {
        const QImage img = quarters(9, 5);  // RGB32
        const QByteArray raw = encodeRawImage(img);
        const QImage view = rawImageView(reinterpret_cast<const uchar*>(raw.constData()), raw.size());
        QCOMPARE(view.format(), QImage::Format_RGB32);
        QCOMPARE(view, img);
        QByteArray unknown = raw;
        unknown[12] = 3;  // no such kind
        QVERIFY(rawImageView(reinterpret_cast<const uchar*>(unknown.constData()), unknown.size()).isNull());
    }

    void pixelRunsComeBackExactlyAndDamageIsRefused() {
        // Flat runs across row ends, a gradient with no repeats, and repeats of two.
        QImage img = quarters(40, 6);
        for (int x = 0; x < 40; ++x)
            img.setPixelColor(x, 2, QColor(x * 6, 100, 255 - x * 6));
        for (int x = 0; x < 40; ++x)
            img.setPixelColor(x, 4, x / 2 % 2 ? Qt::white : Qt::black);
        const QByteArray runs = encodePixelRuns(img);
        QCOMPARE(decodePixelRuns(runs), img.convertToFormat(QImage::Format_RGB888));
        QVERIFY(runs.size() < 40 * 6 * 4);
        // Rows of three bytes a pixel filled up to a whole word.
        QCOMPARE(decodePixelRuns(encodePixelRuns(quarters(1, 3))), quarters(1, 3).convertToFormat(QImage::Format_RGB888));

        for (qsizetype length = 0; length < runs.size(); ++length)
            QVERIFY2(decodePixelRuns(runs.left(length)).isNull(), qPrintable(QString::number(length)));
        QVERIFY(decodePixelRuns(runs + QByteArray(4, '\0')).isNull());
        QByteArray longer = runs;
        longer[12] = char(0xff);  // the first run reaches past the picture's end
        QVERIFY(decodePixelRuns(longer).isNull());
        QByteArray wider = runs;
        wider[6] = '\x7f';
        QVERIFY(decodePixelRuns(wider).isNull());
    }

    void rawFilesAreMappedAndReplacedWhole() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("p.raw"));
        QVERIFY(mapRawImageFile(file).isNull());  // not there
        QVERIFY(mapRawImageFile(dir.path()).isNull());  // a folder
        const QImage first = quarters(700, 500);  // big enough for large pages
        QVERIFY(writeRawImageFile(first, file));
        const QImage shown = mapRawImageFile(file);
        QCOMPARE(shown, first);

        // Written again while the old one is drawn from: the old stays whole, the new is read
        // next time, and nothing is left beside it.
        const QImage second = quarters(700, 500).mirrored(true, true);
        QVERIFY(writeRawImageFile(second, file));
        QCOMPARE(shown, first);
        QCOMPARE(mapRawImageFile(file), second);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.raw")});

        // Cut short, or not such a file at all: nothing; and a copy does not care what
        // happens to the file it came from.
        const QImage copy = copyInLargePages(mapRawImageFile(file));
        QCOMPARE(copy, second);
        QFile cut(file);
        QVERIFY(cut.resize(cut.size() - 4));
        QVERIFY(mapRawImageFile(file).isNull());
        QVERIFY(cut.resize(100));
        QCOMPARE(copy, second);
        QFile empty(dir.filePath(QStringLiteral("empty.raw")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QVERIFY(mapRawImageFile(empty.fileName()).isNull());

        // A folder that is not there: refused, and no file made.
        QVERIFY(!writeRawImageFile(first, dir.filePath(QStringLiteral("no/such/p.raw"))));
        QVERIFY(!writeRawImageFile(QImage(), dir.filePath(QStringLiteral("null.raw"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("null.raw"))));
    }

    // Every shape of screen shows a whole background, undistorted: a round sun stays
    // round. Only the design's own 4:3 is drawn as the design draws it, 15/13 of the screen.
    void aBackgroundForEveryShapeOfScreen() {
        QCOMPARE(backgroundFor(QSize(1024, 768)), designBackground(QSize(1182, 886)));
        QVERIFY(!backgroundFor(QSize(1024, 768)).madeForScreen);
        for (const QSize screen : {QSize(1280, 800), QSize(1920, 1080), QSize(2560, 1080), QSize(1366, 768),
                                   QSize(1280, 1024), QSize(3840, 2160), QSize(1600, 1200)}) {
            const BackgroundPicture b = backgroundOfShape(screen);
            const QSize made = QImageReader(b.picture).size();
            QVERIFY2(made.isValid(), qPrintable(b.picture));
            const double stretch = (double(b.drawn.width()) / made.width()) / (double(b.drawn.height()) / made.height());
            QVERIFY2(qAbs(stretch - 1) < 0.005, qPrintable(QStringLiteral("%1x%2: %3").arg(screen.width()).arg(screen.height()).arg(stretch)));
            QVERIFY(b.drawn.width() >= screen.width() && b.drawn.height() >= screen.height());
            // The picture made for the shape, not a much wider or taller one cut down.
            QVERIFY(double(b.drawn.width()) / b.drawn.height() / (double(screen.width()) / screen.height()) < 1.12);
        }
    }

    // The design's screen shows the design's picture stretched, compiled in exactly as the
    // program would make it: nothing decoded, nothing kept, and a copy an older version
    // kept goes.
    void theDesignScreensBackgroundIsCompiledIn() {
        const BackgroundPicture design = backgroundFor(QSize(1024, 768));
        QVERIFY(!design.ready.isEmpty());
        QTemporaryDir dir;
        QFile older(dir.filePath(QStringLiteral("background-2-1182x886-1-0.raw")));
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.close();
        const Background ready = loadBackground(design, dir.path());
        QVERIFY(ready.compiledIn);
        QFile jpeg(design.picture);
        QVERIFY(jpeg.open(QIODevice::ReadOnly));
        QCOMPARE(ready.image, drawBackground(jpeg.readAll(), design));
        keepBackground(ready).wait();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    // The common screens start with a background made for them: the shape's background as
    // the screen shows it, only drawn at its size rather than stretched.
    void commonScreensHaveTheirBackgroundMade() {
        for (const QSize screen : screensWithBackgroundMade()) {
            const QString at = QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
            const BackgroundPicture b = backgroundFor(screen);
            QVERIFY2(b.madeForScreen, qPrintable(at));
            QCOMPARE(b.drawn, backgroundOfShape(screen).drawn);
            const Background loaded = loadBackground(b, QString());
            QCOMPARE(loaded.image.size(), screen);
            QCOMPARE(loaded.image.format(), kBackgroundFormat);
            // Framed as the shape's picture is on that screen: compared coarsely, where
            // only a misplaced sun, cloud or hill would show.
            const Background stretched = loadBackground(backgroundOfShape(screen), QString());
            const QSize coarse = screen / 16;
            const QImage a = loaded.image.scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QImage e = stretched.image.scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            int worst = 0;
            for (int y = 0; y < coarse.height(); ++y)
                for (int x = 0; x < coarse.width(); ++x) {
                    const QColor p = a.pixelColor(x, y), q = e.pixelColor(x, y);
                    worst = std::max({worst, qAbs(p.red() - q.red()), qAbs(p.green() - q.green()), qAbs(p.blue() - q.blue())});
                }
            QVERIFY2(worst <= 12, qPrintable(QStringLiteral("%1: %2").arg(at).arg(worst)));
        }
    }

    void backgroundIsKeptForTheNextStart() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("cache/zorbla"));  // made when first kept
        const QSize drawn(1182, 886);
        const Background fresh = loadBackground(designBackground(drawn), folder);
        QVERIFY(!fresh.fromCache);
        // Made at the size drawn (from a reduced decode, stretched), ready to be copied.
        QCOMPARE(fresh.image.size(), drawn);
        QCOMPARE(fresh.image.format(), kBackgroundFormat);
        QVERIFY(fresh.cacheFile.startsWith(folder + QLatin1Char('/')));
        QFile jpeg(QStringLiteral(":/design/background.jpg"));
        QVERIFY(jpeg.open(QIODevice::ReadOnly));
        const QImage stretched =
            decodeJpegForSize(jpeg.readAll(), drawn).scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        for (const QPoint at : {QPoint(150, 130), QPoint(600, 100), QPoint(1100, 850), QPoint(20, 860)})
            QVERIFY2(near(fresh.image.pixelColor(at), stretched.pixelColor(at), 6),
                     qPrintable(QStringLiteral("at %1,%2").arg(at.x()).arg(at.y())));

        // Kept as it is: a later start shows exactly what the first one showed.
        keepBackground(fresh).wait();
        QVERIFY(QFile::exists(fresh.cacheFile));
        const Background again = loadBackground(designBackground(drawn), folder);
        QVERIFY(again.fromCache);
        QCOMPARE(again.cacheFile, fresh.cacheFile);
        QCOMPARE(again.image, fresh.image);
        QVERIFY(!keepBackground(again).valid());  // already kept: nothing is written

        // Of a screen's background only its part on the screen is kept.
        BackgroundPicture onScreen = backgroundOfShape(QSize(1024, 768));
        const Background wide = loadBackground(onScreen, folder);
        QCOMPARE(wide.image, fresh.image.copy(0, 0, 1024, 768));
        keepBackground(wide).wait();
        const Background keptPart = loadBackground(onScreen, folder);
        QVERIFY(keptPart.fromCache);
        QCOMPARE(keptPart.image.size(), QSize(1024, 768));
        QVERIFY(near(keptPart.image.pixelColor(500, 700), again.image.pixelColor(500, 700), 6));

        // Another screen: another copy, and the old one goes.
        const Background other = loadBackground(designBackground(QSize(800, 600)), folder);
        QVERIFY(!other.fromCache);
        QVERIFY(other.cacheFile != fresh.cacheFile);
        QFile cutShort(fresh.cacheFile + QStringLiteral(".part-99999"));  // a start killed while keeping
        QVERIFY(cutShort.open(QIODevice::WriteOnly));
        cutShort.close();
        QFile stranger(folder + QStringLiteral("/notes.txt"));  // not ours: stays
        QVERIFY(stranger.open(QIODevice::WriteOnly));
        stranger.close();
        keepBackground(other).wait();
        QVERIFY(QFile::exists(other.cacheFile));
        QVERIFY(!QFile::exists(fresh.cacheFile));
        QVERIFY(!cutShort.exists());
        QVERIFY(stranger.exists());
        const QImage kept = loadBackground(designBackground(QSize(800, 600)), folder).image;
        QCOMPARE(kept.size(), QSize(800, 600));

        // A damaged copy, or one of another size under the name, is decoded afresh.
        QFile damaged(other.cacheFile);
        QVERIFY(damaged.resize(damaged.size() / 2));
        const Background redone = loadBackground(designBackground(QSize(800, 600)), folder);
        QVERIFY(!redone.fromCache);
        QCOMPARE(redone.image, other.image);
        QVERIFY(writeRawImageFile(quarters(8, 6), other.cacheFile));
        QVERIFY(!loadBackground(designBackground(QSize(800, 600)), folder).fromCache);

        // Without a cache folder, or with a file in its place, it is decoded every time.
        const Background none = loadBackground(designBackground(drawn), QString());
        QVERIFY(none.cacheFile.isEmpty());
        QCOMPARE(none.image, fresh.image);
        QVERIFY(!keepBackground(none).valid());
        QFile blocker(dir.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const Background blocked = loadBackground(designBackground(drawn), blocker.fileName() + QStringLiteral("/zorbla"));
        keepBackground(blocked).wait();
        QVERIFY(!loadBackground(designBackground(drawn), blocker.fileName() + QStringLiteral("/zorbla")).fromCache);
    }

    void windowPicturesAreCompiledInAsTheirPngs() {
        for (const char* stem : {"title", "tile_letter", "tile_number", "frame_h", "frame_v", "arrow_left",
                                 "arrow_right", "word_back", "exit", "dice", "crt", "b_picture", "swatch_red",
                                 "swatch_yellow", "swatch_brown", "swatch_green", "swatch_blue", "swatch_orange",
                                 "cursor_smiley"}) {
            const QString name = QStringLiteral(":/design/") + QLatin1String(stem);
            const QResource raw(name + QStringLiteral(".argb"));
            QVERIFY2(raw.isValid(), stem);
            // Compressed, the pixels would have to be unpacked before every start.
            QCOMPARE(raw.compressionAlgorithm(), QResource::NoCompression);
            const QImage fast = designPicture(name);
            const QImage png = QImage(name + QStringLiteral(".png")).convertToFormat(fast.format());
            QCOMPARE(fast.size(), png.size());
            int worst = 0;
            for (int y = 0; y < png.height(); ++y)
                for (int x = 0; x < png.width(); ++x) {
                    const QRgb a = fast.pixel(x, y), b = png.pixel(x, y);
                    worst = std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                                      qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))});
                }
            QVERIFY2(worst <= 1, qPrintable(QStringLiteral("%1 differs by %2").arg(stem).arg(worst)));
        }
        // The decorations' first frames are exactly what their animations show first.
        for (const char* stem : {"alphabet", "spider", "star"}) {
            const QString gif = QStringLiteral(":/design/%1.gif").arg(QLatin1String(stem));
            const QImage first = firstFramePicture(gif);
            QVERIFY2(!first.isNull(), stem);
            QMovie movie(gif);
            QVERIFY(movie.jumpToFrame(0));
            QCOMPARE(first, movie.currentImage().convertToFormat(first.format()));
        }
        QVERIFY(firstFramePicture(QStringLiteral(":/design/bear.png")).isNull());
        QVERIFY(firstFramePicture(QStringLiteral(":/design/nothing.gif")).isNull());
        // A picture with no raw copy comes from its PNG.
        QCOMPARE(designPicture(QStringLiteral(":/design/bear")).size(), QImage(":/design/bear.png").size());
        QVERIFY(designPicture(QStringLiteral(":/design/nothing")).isNull());
        // Drawn larger, the same picture at twice the size, taking the same room.
        const QImage sharp = designPicture(QStringLiteral(":/design/title"), 1.40625);
        QCOMPARE(sharp.size(), designPicture(QStringLiteral(":/design/title")).size() * 2);
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(400, 400));
    }

    // A picture drawn larger than itself comes from its companion at twice the size, but
    // never from one left behind when a parent put a picture of their own in its place.
    void theSharperCompanionOnlyWhereItFits() {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("B1.png")), companion = dir.filePath(QStringLiteral("B1@2x.png"));
        QVERIFY(quarters(40, 40).save(picture, "png") && quarters(80, 80).save(companion, "png"));
        const QDateTime made = QDateTime::currentDateTime().addSecs(-60);
        auto touch = [](const QString& path, const QDateTime& t) {
            QFile f(path);
            return f.open(QIODevice::ReadWrite) && f.setFileTime(t, QFileDevice::FileModificationTime);
        };
        QVERIFY(touch(picture, made) && touch(companion, made));
        int ratio = 0;
        QCOMPARE(sharperFile(picture, 1.0, &ratio), picture);
        QCOMPARE(ratio, 1);
        QCOMPARE(sharperFile(picture, 1.4, &ratio), companion);
        QCOMPARE(ratio, 2);
        const QImage read = readSharper(picture, 2.0);
        QCOMPARE(read.size(), QSize(80, 80));
        QCOMPARE(read.deviceIndependentSize(), QSizeF(40, 40));
        // The parent's own picture, newer than the pack's companion.
        QVERIFY(quarters(40, 40).save(picture, "png"));
        QCOMPARE(sharperFile(picture, 2.0, &ratio), picture);
        // A companion of another size is not the same picture.
        QVERIFY(touch(picture, made) && quarters(60, 60).save(companion, "png"));
        QCOMPARE(sharperFile(picture, 2.0, &ratio), picture);
        QCOMPARE(readSharper(picture, 2.0).size(), QSize(40, 40));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
