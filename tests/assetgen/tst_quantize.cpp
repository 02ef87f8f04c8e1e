#include "quantize.h"

#include <QPainter>
#include <QtTest>
#include <cmath>

class TestQuantize : public QObject {
    Q_OBJECT
private slots:
    void fewColoursComeBackExactly();
    void gradientStaysClose();
    void smallAreasKeepTheirColour();
    void paletteDoesNotDependOnInsertionOrder();
    void emptyAndSingleColour();
};

static int maxError(const QImage &img, ag::ColorMapper &m)
{
    int worst = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            const quint32 p = m.palette()[m.map(c & 0xFFFFFF)];
            worst = std::max({worst, std::abs(qRed(c) - int(p >> 16 & 0xFF)), std::abs(qGreen(c) - int(p >> 8 & 0xFF)),
                              std::abs(qBlue(c) - int(p & 0xFF))});
        }
    return worst;
}

void TestQuantize::fewColoursComeBackExactly()
{
    QImage img(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            img.setPixel(x, y, qRgb((x / 4) * 16, (y / 4) * 16, ((x + y) % 2) * 255)); // 512 max, fewer used
    QImage small = img.copy(0, 0, 32, 32); // 8 x 8 x 2 = 128 colours
    ag::Histogram h;
    ag::addToHistogram(small, &h);
    QCOMPARE(int(h.size()), 128);
    ag::ColorMapper m(ag::medianCut(h, 256));
    QCOMPARE(int(m.palette().size()), 128);
    QCOMPARE(maxError(small, m), 0);
}

void TestQuantize::gradientStaysClose()
{
    QImage img(256, 256, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 256, 256);
    g.setColorAt(0, QColor(255, 40, 0));
    g.setColorAt(0.5, QColor(30, 200, 90));
    g.setColorAt(1, QColor(20, 60, 255));
    p.fillRect(img.rect(), g);
    p.end();
    ag::Histogram h;
    ag::addToHistogram(img, &h);
    QVERIFY(h.size() > 256);
    ag::ColorMapper m(ag::medianCut(h, 256));
    QVERIFY(m.palette().size() <= 256);
    QVERIFY2(maxError(img, m) <= 12, qPrintable(QString::number(maxError(img, m))));
}

void TestQuantize::smallAreasKeepTheirColour()
{
    // A tiny red mouth on a big picture with a wide gradient must stay red.
    QImage img(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            img.setPixel(x, y, qRgb(x * 255 / 299, y * 255 / 299, 128));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixel(150 + x, 150 + y, qRgb(200, 0, 30));
    ag::Histogram h;
    ag::addToHistogram(img, &h);
    ag::ColorMapper m(ag::medianCut(h, 64));
    const quint32 p = m.palette()[m.map(0xC8001E)];
    QVERIFY2(int(p >> 16 & 0xFF) > 120 && int(p >> 8 & 0xFF) < 90, qPrintable(QString::number(p, 16)));
}

void TestQuantize::paletteDoesNotDependOnInsertionOrder()
{
    ag::Histogram a, b;
    for (quint32 i = 0; i < 5000; ++i)
        a[(i * 2654435761u) & 0xFFFFFF] = 1 + i % 7;
    for (quint32 i = 5000; i-- > 0;)
        b[(i * 2654435761u) & 0xFFFFFF] = 1 + i % 7;
    QVERIFY(ag::medianCut(a, 200) == ag::medianCut(b, 200));
}

void TestQuantize::emptyAndSingleColour()
{
    QVERIFY(ag::medianCut({}, 256).empty());
    ag::Histogram one{{0x123456, 99}};
    const auto pal = ag::medianCut(one, 256);
    QCOMPARE(int(pal.size()), 1);
    QCOMPARE(pal[0], 0x123456u);
}

QTEST_GUILESS_MAIN(TestQuantize)
#include "tst_quantize.moc"
