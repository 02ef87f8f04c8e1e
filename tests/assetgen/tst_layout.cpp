#include "content.h"
#include "layout.h"

#include <QtTest>

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void exactCountNoOverlap_data();
    void exactCountNoOverlap();
    void outsideRangeGivesNothing();
    void countingPicturesShowTheirNumber();
};

void TestLayout::exactCountNoOverlap_data()
{
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<int>("n");
    const QList<QPair<const char *, QRectF>> areas = {
        {"picture", QRectF(22, 24, 356, 264)}, {"square", QRectF(0, 0, 400, 400)},
        {"tall", QRectF(10, 10, 120, 380)}, {"tiny", QRectF(5, 5, 40, 30)}};
    for (const auto &a : areas)
        for (int n = 1; n <= 10; ++n)
            QTest::addRow("%s-%d", a.first, n) << a.second << n;
}

void TestLayout::exactCountNoOverlap()
{
    QFETCH(QRectF, area);
    QFETCH(int, n);
    const QList<QRectF> cells = ag::countingLayout(n, area);
    QCOMPARE(cells.size(), n);
    for (int i = 0; i < n; ++i) {
        const QRectF &a = cells[i];
        QVERIFY2(area.contains(a), qPrintable(QStringLiteral("object %1 leaves the area").arg(i)));
        QVERIFY(a.width() > 0);
        // Same size, and square, so no object looks "more" than another.
        QVERIFY(qFuzzyCompare(a.width(), cells[0].width()));
        QVERIFY(qFuzzyCompare(a.width(), a.height()));
        for (int j = i + 1; j < n; ++j) {
            // A visible gap, a tenth of an object at least, not just touching.
            const double gap = a.width() * 0.05;
            const QRectF grown = a.adjusted(-gap, -gap, gap, gap);
            QVERIFY2(!grown.intersects(cells[j]), qPrintable(QStringLiteral("%1 and %2 touch").arg(i).arg(j)));
        }
    }
}

void TestLayout::outsideRangeGivesNothing()
{
    QVERIFY(ag::countingLayout(0, QRectF(0, 0, 100, 100)).isEmpty());
    QVERIFY(ag::countingLayout(11, QRectF(0, 0, 100, 100)).isEmpty());
    QVERIFY(ag::countingLayout(-3, QRectF(0, 0, 100, 100)).isEmpty());
}

void TestLayout::countingPicturesShowTheirNumber()
{
    // The counting game shows picture k3 or k4 for count k: the table must
    // ask for exactly k objects, each an emoji we can draw.
    ag::Content c;
    QString error;
    QVERIFY2(ag::loadContent(QStringLiteral(ZORBLA_ASSETS_DIR "/content.tsv"), &c, &error), qPrintable(error));
    for (int k = 1; k <= 10; ++k)
        for (int p = 0; p < 4; ++p) {
            QCOMPARE(c.number(k, p).count, k);
            QCOMPARE(c.number(k, p).emoji.size(), 1);
            QVERIFY(c.number(k, p).word.startsWith(c.number(k, 0).word.section(QLatin1Char(' '), 0, 0)));
        }
}

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
