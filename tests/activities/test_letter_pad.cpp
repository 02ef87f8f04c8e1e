#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "activities/letter_pad/letter_pad.h"
#include "activity_fixture.h"
#include "widgets/clicklabel.h"

using namespace zorbla;
using namespace activity_test;

Q_DECLARE_METATYPE(Qt::MouseButton)

class TestLetterPad : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> main_;
    QPointer<LetterPad> pad_;
    QColor paper_;

    void press(Qt::MouseButton b, QPoint p) { QTest::mousePress(pad_, b, {}, p); }
    void release(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(pad_, b, {}, p); }
    void move(QPoint p) { QTest::mouseMove(pad_, p); }

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
        main_ = openMainWindow();
        QVERIFY(main_);
    }
    void init() {
        pad_ = showGame<LetterPad>(*main_);
        QVERIFY(pad_);
        paper_ = pad_->palette().color(QPalette::Window);
    }
    void cleanup() {
        delete pad_;
        deleteUnloaded();
    }

    void opensEmptyWithTheLetterItIsGiven() {
        QCOMPARE(pad_->windowTitle(), QString("Drawing letter"));
        QCOMPARE(pad_->size(), QSize(317, 243));
        QVERIFY(pad_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(allOf(pad_->surface(), paper_));
        QCOMPARE(control<QLabel>(*pad_, "letter")->text(), main_->selection().letter);
        QCOMPARE(control<QLabel>(*pad_, "letter")->geometry(), QRect(8, 8, 49, 49));
        QCOMPARE(control(*pad_, "door")->geometry(), QRect(8, 200, 35, 35));
        QVERIFY(!pad_->isStroking());
        QVERIFY(pad_->penColor() != paper_);
        // The pencil writes at its tip.
        QCOMPARE(pad_->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(pad_->cursor().hotSpot(), QPoint(5, 5));
        QCOMPARE(control<QLabel>(*pad_, "letter")->cursor().shape(), Qt::ArrowCursor);
    }

    void everyButtonWritesTheSameThickLine_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void everyButtonWritesTheSameThickLine() {
        QFETCH(Qt::MouseButton, button);
        press(button, {80, 120});
        move({180, 120});
        move({280, 120});
        release(button, {280, 120});
        QCOMPARE(pad_->penWidth(), 10);
        QCOMPARE(thicknessAt(pad_->surface(), 130, 120, paper_), 10);
        QCOMPARE(thicknessAt(pad_->surface(), 230, 120, paper_), 10);
        QCOMPARE(pad_->surface().pixelColor(200, 120), pad_->penColor());
    }

    // The letter box is not part of the pad: a press on it begins no stroke.
    void aPressOnTheLetterBeginsNoStroke() {
        QTest::mousePress(control<QLabel>(*pad_, "letter"), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!pad_->isStroking());
        move({150, 150});
        move({250, 200});
        QTest::mouseRelease(control<QLabel>(*pad_, "letter"), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(allOf(pad_->surface(), paper_));
    }
};

QTEST_MAIN(TestLetterPad)
#include "test_letter_pad.moc"
#include "common/pack_folder.h"
