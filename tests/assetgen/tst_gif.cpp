#include "gifwriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

class TestGif : public QObject {
    Q_OBJECT
private slots:
    void framesReadBackExactly();
    void noLoopBlock();
    void stillPictureIsOneFrame();
    void transparentPixelsStayTransparent();
    void sameInputSameBytes();
    void rejectsMismatchedFrames();
    void savedFileIsReadableByOthers();
};

// Few colours, so the palette is exact and decoded pixels must match.
static QList<ag::GifFrame> movingBall(int frames, int w = 120, int h = 90)
{
    QList<ag::GifFrame> out;
    for (int f = 0; f < frames; ++f) {
        QImage img(w, h, QImage::Format_ARGB32);
        img.fill(QColor(250, 240, 200));
        QPainter p(&img);
        p.fillRect(QRect(10 + f * 5, 20 + (f % 3) * 7, 24, 24), QColor(220, 30, 40));
        p.fillRect(QRect(0, h - 10, w, 10), QColor(60, 160, 60));
        p.end();
        out.append({img, 5 + f});
    }
    if (frames > 3) // a frame identical to the one before
        out[3].image = out[2].image;
    return out;
}

static QByteArray encode(const QList<ag::GifFrame> &frames, bool transparent = false)
{
    QString error;
    ag::GifOptions o;
    o.transparent = transparent;
    const QByteArray bytes = ag::encodeGif(frames, o, &error);
    if (bytes.isEmpty())
        qWarning() << error;
    return bytes;
}

void TestGif::framesReadBackExactly()
{
    // Frames are stored as changed rectangles; decoding must still give
    // every frame whole, including one that did not change at all.
    const QList<ag::GifFrame> frames = movingBall(14);
    QByteArray bytes = encode(frames);
    QVERIFY(!bytes.isEmpty());
    QBuffer buf(&bytes);
    QImageReader r(&buf, "gif");
    QCOMPARE(r.size(), QSize(120, 90));
    QCOMPARE(r.imageCount(), 14);
    for (int i = 0; i < frames.size(); ++i) {
        const QImage got = r.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!got.isNull(), qPrintable(r.errorString()));
        QCOMPARE(r.nextImageDelay(), frames[i].delayCs * 10);
        QCOMPARE(got, frames[i].image.convertToFormat(QImage::Format_ARGB32));
    }
}

void TestGif::noLoopBlock()
{
    const QByteArray bytes = encode(movingBall(12));
    QVERIFY(bytes.startsWith("GIF89a"));
    QVERIFY(!bytes.contains("NETSCAPE2.0"));
    QVERIFY(!bytes.contains("ANIMEXTS1.0"));
    QBuffer buf(const_cast<QByteArray *>(&bytes));
    QImageReader r(&buf, "gif");
    QCOMPARE(r.loopCount(), 0); // Qt: 0 = play once
}

void TestGif::stillPictureIsOneFrame()
{
    QByteArray bytes = encode({movingBall(1).first()});
    QBuffer buf(&bytes);
    QImageReader r(&buf, "gif");
    QCOMPARE(r.imageCount(), 1);
    QCOMPARE(r.read().size(), QSize(120, 90));
}

void TestGif::transparentPixelsStayTransparent()
{
    QImage img(40, 40, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.fillRect(QRect(10, 10, 20, 20), QColor(255, 200, 0));
    p.end();
    QByteArray bytes = encode({{img, 0}, {img, 5}}, true);
    QBuffer buf(&bytes);
    QImageReader r(&buf, "gif");
    const QImage got = r.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(got.pixel(2, 2)), 0);
    QCOMPARE(got.pixel(20, 20), qRgb(255, 200, 0));
}

void TestGif::sameInputSameBytes()
{
    QCOMPARE(encode(movingBall(12)), encode(movingBall(12)));
}

void TestGif::rejectsMismatchedFrames()
{
    QList<ag::GifFrame> frames = movingBall(2);
    frames[1].image = frames[1].image.scaled(60, 60);
    QString error;
    QVERIFY(ag::encodeGif(frames, {}, &error).isEmpty());
    QVERIFY(!error.isEmpty());
    QVERIFY(ag::encodeGif({}, {}, &error).isEmpty());
}

void TestGif::savedFileIsReadableByOthers()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.gif"));
    QString error;
    QVERIFY(ag::saveBytes(path, encode(movingBall(1)), &error));
    QVERIFY(QFileInfo(path).permissions() & QFileDevice::ReadOther);
}

QTEST_GUILESS_MAIN(TestGif)
#include "tst_gif.moc"
