#include <QWidget>
#include <QWindow>
#include <QtTest>

#include "placement/keep_above.h"

using namespace zorbla;

class TestKeepAbove : public QObject {
    Q_OBJECT

private slots:
    // The way the activity windows use it: while loading, before the first show.
    void beforeTheFirstShowTheWindowOpensOnTop() {
        QWidget w;
        w.setGeometry(40, 60, 300, 200);
        keepAbove(w);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.geometry(), QRect(40, 60, 300, 200));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(w.geometry(), QRect(40, 60, 300, 200));
    }

    // A window that is already on the screen joins the top band in place: it is not
    // hidden, re-created, moved or resized.
    void aShownWindowStaysWhereItIs() {
        QWidget w;
        w.setGeometry(120, 90, 250, 180);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWindow* native = w.windowHandle();
        const WId id = w.winId();
        keepAbove(w);
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowHandle(), native);
        QCOMPARE(w.winId(), id);
        QCOMPARE(w.geometry(), QRect(120, 90, 250, 180));
        QVERIFY(native->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // The other flags of the window are kept.
        QVERIFY(w.windowFlags().testFlag(Qt::Window));
    }

    void otherFlagsAreKept() {
        QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
        keepAbove(w);
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.windowHandle()->flags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }
};

QTEST_MAIN(TestKeepAbove)
#include "test_keep_above.moc"
