#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QtTest>

#include "activities/drawing_board/drawing_board.h"
#include "activity_fixture.h"
#include "widgets/clicklabel.h"

using namespace zorbla;
using namespace activity_test;

Q_DECLARE_METATYPE(Qt::MouseButton)

class TestDrawingBoard : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> main_;
    QPointer<DrawingBoard> board_;

    void press(Qt::MouseButton b, QPoint p) { QTest::mousePress(board_, b, {}, p); }
    void release(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(board_, b, {}, p); }
    void move(QPoint p) { QTest::mouseMove(board_, p); }
    void choose(int k) { QTest::mouseClick(control(*board_, QStringLiteral("colour%1").arg(k)), Qt::LeftButton, {}, QPoint(10, 10)); }
    void erase() { QTest::mouseClick(control(*board_, "fillBackground"), Qt::LeftButton, {}, QPoint(4, 4)); }
    // A horizontal stroke along row y.
    void stroke(Qt::MouseButton b, int y, int from = 100, int to = 400) {
        press(b, {from, y});
        move({(from + to) / 2, y});
        move({to, y});
        release(b, {to, y});
    }
    QColor labelColour() const { return control(*board_, "fillBackground")->grab().toImage().pixelColor(2, 2); }

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
        main_ = openMainWindow();
        QVERIFY(main_);
    }
    void init() {
        board_ = showGame<DrawingBoard>(*main_);
        QVERIFY(board_);
    }
    void cleanup() {
        delete board_;
        deleteUnloaded();
    }

    void opensAsAnEmptyWhiteBoardOverTheScreen() {
        QCOMPARE(board_->windowTitle(), QString("Drawing"));
        QCOMPARE(board_->geometry(), QGuiApplication::primaryScreen()->geometry());
        QVERIFY(board_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(board_->surface().size(), board_->size());
        QVERIFY(allOf(board_->surface(), Qt::white));
        QCOMPARE(board_->colourIndex(), 0);
        QVERIFY(!board_->isStroking());
        QCOMPARE(board_->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(control(*board_, "door")->geometry(), QRect(8, 8, 35, 35));
        QCOMPARE(control(*board_, "fillBackground")->geometry(), QRect(608, 8, 153, 33));
        QCOMPARE(control(*board_, "fillBackground")->text(), QString("Change background color (erase)"));
    }

    // The row from the left: bright white, black, the light colours, the dark colours,
    // light grey and grey; each box shows its own colour.
    void theColourBoxesStandInTheirSlots() {
        const int order[16] = {15, 0, 9, 10, 11, 12, 13, 14, 1, 2, 3, 4, 5, 6, 7, 8};
        const QRgb rgb[16] = {qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),     qRgb(0, 128, 128),
                              qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0),   qRgb(192, 192, 192),
                              qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),     qRgb(0, 255, 255),
                              qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0),   qRgb(255, 255, 255)};
        const QImage screen = board_->grab().toImage();
        for (int slot = 0; slot < 16; ++slot) {
            const int k = order[slot];
            const QPoint centre(72 + 32 * slot + 16, 8 + 12);
            QWidget* box = board_->childAt(centre);
            QVERIFY(box);
            QCOMPARE(box->objectName(), QStringLiteral("colour%1").arg(k));
            QCOMPARE(box, control(*board_, QStringLiteral("colour%1").arg(k)));
            QCOMPARE(box->pos(), QPoint(72 + 32 * slot, 8));
            QCOMPARE(screen.pixel(centre) | 0xff000000u, rgb[k]);
            QCOMPARE(DrawingBoard::colourOf(k).rgb(), rgb[k]);
            QCOMPARE(box->cursor().shape(), Qt::BitmapCursor);
        }
    }

    void theButtonChoosesThePenWidth_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("width");
        QTest::newRow("left") << Qt::LeftButton << 3;
        QTest::newRow("right") << Qt::RightButton << 10;
        QTest::newRow("middle") << Qt::MiddleButton << 6;
    }
    void theButtonChoosesThePenWidth() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, width);
        stroke(button, 300);
        QCOMPARE(board_->penWidth(), width);
        // Both segments, in the pen colour, black.
        QCOMPARE(thicknessAt(board_->surface(), 180, 300, Qt::white), width);
        QCOMPARE(thicknessAt(board_->surface(), 330, 300, Qt::white), width);
        QCOMPARE(board_->surface().pixelColor(200, 300), QColor(Qt::black));
        // The stroke ended with the release: a move afterwards draws nothing.
        move({400, 500});
        QCOMPARE(board_->surface().pixelColor(400, 450), QColor(Qt::white));
    }

    void aStrokeIsAChainOfSegments() {
        press(Qt::LeftButton, {100, 100});
        move({200, 200});
        move({300, 100});
        release(Qt::LeftButton, {300, 100});
        QCOMPARE(board_->surface().pixelColor(150, 150), QColor(Qt::black));
        QCOMPARE(board_->surface().pixelColor(250, 150), QColor(Qt::black));
        QCOMPARE(board_->surface().pixelColor(200, 100), QColor(Qt::white));  // no shortcut
    }

    void aClickDrawsNothing() {
        for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            press(b, {300, 300});
            release(b, {300, 300});
            QTest::mouseClick(board_, b, {}, QPoint(500, 400));
        }
        QVERIFY(allOf(board_->surface(), Qt::white));
        QVERIFY(!board_->isStroking());
    }

    void twoButtonsTogetherKeepTheWidth_data() {
        QTest::addColumn<Qt::MouseButton>("first");
        QTest::addColumn<Qt::MouseButton>("second");
        QTest::addColumn<int>("width");
        QTest::newRow("right, then left") << Qt::RightButton << Qt::LeftButton << 10;
        QTest::newRow("left, then middle") << Qt::LeftButton << Qt::MiddleButton << 3;
        QTest::newRow("middle, then right") << Qt::MiddleButton << Qt::RightButton << 6;
    }
    void twoButtonsTogetherKeepTheWidth() {
        QFETCH(Qt::MouseButton, first);
        QFETCH(Qt::MouseButton, second);
        QFETCH(int, width);
        press(first, {100, 300});
        move({200, 300});
        press(second, {200, 300});
        move({300, 300});
        move({400, 300});
        QCOMPARE(board_->penWidth(), width);
        QCOMPARE(thicknessAt(board_->surface(), 350, 300, Qt::white), width);
        release(second, {400, 300});
        release(first, {400, 300});
    }

    // The release of the second button ends the stroke although the first is still held,
    // and the width follows the button still held.
    void theSecondButtonsReleaseEndsTheStroke() {
        press(Qt::LeftButton, {100, 300});
        move({200, 300});
        press(Qt::RightButton, {200, 300});
        release(Qt::RightButton, {200, 300});
        QVERIFY(!board_->isStroking());
        move({300, 300});
        move({400, 300});
        QCOMPARE(board_->penWidth(), 3);
        release(Qt::LeftButton, {400, 300});
        QCOMPARE(thicknessAt(board_->surface(), 150, 300, Qt::white), 3);
        QCOMPARE(thicknessAt(board_->surface(), 300, 300, Qt::white), 0);
    }

    void aColourBoxChangesThePenAndTheLabelButNotTheBoard() {
        const QColor design = labelColour();
        QCOMPARE(design, board_->palette().color(QPalette::Window));
        choose(12);
        QCOMPARE(board_->colourIndex(), 12);
        QCOMPARE(labelColour(), QColor(255, 0, 0));
        QVERIFY(allOf(board_->surface(), Qt::white));
        stroke(Qt::RightButton, 400);
        QCOMPARE(board_->surface().pixelColor(250, 400), QColor(255, 0, 0));
        choose(2);
        stroke(Qt::LeftButton, 500);
        QCOMPARE(board_->surface().pixelColor(250, 500), QColor(0, 128, 0));
        QCOMPARE(board_->surface().pixelColor(250, 400), QColor(255, 0, 0));
    }

    // A press on a colour box, the label or the door belongs to it: no stroke begins.
    void aPressOnAControlBeginsNoStroke() {
        for (QWidget* control : {static_cast<QWidget*>(control(*board_, "colour5")),
                                 static_cast<QWidget*>(control(*board_, "fillBackground"))}) {
            QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 5));
            QVERIFY(!board_->isStroking());
            move({300, 300});
            move({400, 350});
            QVERIFY(allOf(board_->surface(), Qt::white));
            QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(5, 5));
        }
    }

    void theLabelFillsTheBoardAndMakesThePenBlack() {
        stroke(Qt::RightButton, 300);
        choose(10);
        erase();
        QVERIFY(allOf(board_->surface(), QColor(0, 255, 0)));
        QCOMPARE(board_->colourIndex(), 0);
        QCOMPARE(labelColour(), QColor(0, 255, 0));  // the label keeps the chosen colour
        stroke(Qt::LeftButton, 500);
        QCOMPARE(board_->surface().pixelColor(250, 500), QColor(Qt::black));
        QCOMPARE(board_->surface().pixelColor(250, 520), QColor(0, 255, 0));
        // Again without choosing: the board turns black, and the black pen draws unseen.
        erase();
        QVERIFY(allOf(board_->surface(), Qt::black));
        stroke(Qt::RightButton, 400);
        QVERIFY(allOf(board_->surface(), Qt::black));
        QCOMPARE(labelColour(), QColor(0, 255, 0));
    }

    // The window paints what it keeps, so the drawing survives being painted again.
    // On a touch screen a finger draws as the left button does, and a tap on a colour
    // box chooses it: nothing needs a mouse.
    void aFingerDrawsAndChooses() {
        static QPointingDevice* finger = QTest::createTouchDevice();
        const QPoint box = control(*board_, "colour12")->geometry().center();  // red
        QTest::touchEvent(board_, finger).press(0, box);
        QTest::touchEvent(board_, finger).release(0, box);
        QCOMPARE(board_->colourIndex(), 12);
        QTest::touchEvent(board_, finger).press(0, {100, 300});
        QTest::touchEvent(board_, finger).move(0, {250, 300});
        QTest::touchEvent(board_, finger).move(0, {400, 300});
        QTest::touchEvent(board_, finger).release(0, {400, 300});
        QCOMPARE(thicknessAt(board_->surface(), 250, 300, Qt::white), 3);
        QCOMPARE(board_->surface().pixelColor(250, 300), DrawingBoard::colourOf(12));
    }

    // Two children at a whiteboard: each finger draws its own line at once; a finger that
    // rests (a palm) draws nothing, and neither breaks nor joins the other's line.
    void eachFingerDrawsItsOwnLine_data() {
        QTest::addColumn<bool>("secondMoves");
        QTest::newRow("two fingers drawing") << true;
        QTest::newRow("a resting palm") << false;
    }
    void eachFingerDrawsItsOwnLine() {
        QFETCH(bool, secondMoves);
        static QPointingDevice* fingers = QTest::createTouchDevice();
        auto touch = QTest::touchEvent(board_, fingers, false);
        touch.press(0, {100, 300}).commit();
        touch.move(0, {200, 300}).press(1, {200, 500}).commit();
        for (int x : {300, 400}) {
            touch.move(0, {x, 300});
            (secondMoves ? touch.move(1, {x, 500}) : touch.stationary(1)).commit();
        }
        touch.release(0, {400, 300}).release(1, {secondMoves ? 400 : 200, 500}).commit();
        for (int x : {150, 250, 350})
            QCOMPARE(thicknessAt(board_->surface(), x, 300, Qt::white), 3);
        for (int x : {200, 350})
            QCOMPARE(thicknessAt(board_->surface(), x, 500, Qt::white), secondMoves ? 3 : 0);
        QCOMPARE(thicknessAt(board_->surface(), 250, 400, Qt::white), 0);
    }

    void theDrawingSurvivesARepaint() {
        choose(9);
        stroke(Qt::RightButton, 600);
        board_->hide();
        board_->show();
        QVERIFY(QTest::qWaitForWindowExposed(board_));
        const QImage shown = board_->grab().toImage();
        QCOMPARE(shown.pixelColor(250, 600), QColor(0, 0, 255));
        QCOMPARE(shown.pixelColor(250, 640), QColor(Qt::white));
    }
};

QTEST_MAIN(TestDrawingBoard)
#include "test_drawing_board.moc"
#include "common/pack_folder.h"
