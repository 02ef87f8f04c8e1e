#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <gif_lib.h>

#include "common/pack_folder.h"
#include "widgets/gif_animation.h"
#include "widgets/clicklabel.h"

using zorbla::GifAnimation;

namespace {

// An animation of solid frames, each frame's delay in hundredths of a second; with
// loop = true it carries a loop block that says "forever".
bool writeGif(const QString& path, int width, int height, const std::vector<int>& delays, bool loop) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    GifColorType colors[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}};
    ColorMapObject* map = GifMakeMapObject(4, colors);
    EGifPutScreenDesc(gif, width, height, 2, 0, map);
    if (loop) {
        unsigned char app[] = "NETSCAPE2.0";
        unsigned char sub[] = {1, 0, 0};
        EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
        EGifPutExtensionBlock(gif, 11, app);
        EGifPutExtensionBlock(gif, 3, sub);
        EGifPutExtensionTrailer(gif);
    }
    std::vector<GifPixelType> line(size_t(width), 0);
    for (size_t f = 0; f < delays.size(); ++f) {
        GraphicsControlBlock gcb{};
        gcb.DelayTime = delays[f];
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        unsigned char ext[4];
        const size_t len = EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(len), ext);
        EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
        std::fill(line.begin(), line.end(), GifPixelType(f % 4));
        for (int y = 0; y < height; ++y)
            EGifPutLine(gif, line.data(), width);
    }
    GifFreeMapObject(map);
    return EGifCloseFile(gif, &error) == GIF_OK;
}

bool writeGif(const QString& path, int width, int height, int frames, bool loop) {
    return writeGif(path, width, height, std::vector<int>(size_t(frames), 4), loop);
}

// The colour the control shows in its middle, as it is painted.
QColor onScreen(QWidget& w) { return w.grab().toImage().pixelColor(w.width() / 2, w.height() / 2); }

// What the window system sends for a quick double click: the second press comes as a
// double-click event.
void doubleClick(QWidget* w, QPoint pos) {
    auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
}

}  // namespace

class TestGifAnimation : public QObject {
    Q_OBJECT
    zorbla_test::WorkingFolder folder_;

private slots:
    void initTestCase() {
        QVERIFY(folder_.enter(false));
        QVERIFY(QDir().mkpath("images"));
        QVERIFY(writeGif("images/B1ani.gif", 60, 40, 12, false));
        QVERIFY(writeGif("images/small.gif", 20, 30, 3, false));
    }

    void takesTheSizeOfTheAnimationAndPlaysOnce() {
        GifAnimation ani;
        ani.resize(121, 78);
        QSignalSpy finished(&ani, &GifAnimation::animationFinished);
        QVERIFY(ani.load("IMAGES\\b1ANI.gif"));
        QCOMPARE(ani.size(), QSize(60, 40));
        QCOMPARE(ani.frameCount(), 12);
        ani.show();
        ani.start();
        QVERIFY(ani.isRunning());
        QVERIFY(finished.wait(3000));
        QCOMPARE(finished.count(), 1);
        QVERIFY(!ani.isRunning());
        QTest::qWait(600);
        QCOMPARE(finished.count(), 1);  // once, not again

        // Starting again plays again from the first frame.
        ani.start();
        QVERIFY(ani.isRunning());
        QCOMPARE(ani.currentFrameNumber(), 0);
        QVERIFY(finished.wait(3000));

        QVERIFY(ani.load("images\\small.gif"));
        QCOMPARE(ani.size(), QSize(20, 30));
    }

    // Red for 1.2 s, then green and blue; the loop block says "forever", as in many
    // GIFs a parent finds. The red frame is on the screen from the start for its whole
    // delay, and after one pass the animation ends on its last frame.
    void firstFrameForItsWholeDelayAndOnePassOnly() {
        QVERIFY(writeGif("images/long.gif", 30, 30, {120, 10, 15}, true));
        GifAnimation ani;
        QSignalSpy finished(&ani, &GifAnimation::animationFinished);
        QVERIFY(ani.load("images\\long.gif"));
        ani.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ani));
        QElapsedTimer clock;
        ani.start();
        clock.start();
        QCOMPARE(onScreen(ani), QColor(255, 0, 0));
        while (onScreen(ani) == QColor(255, 0, 0) && clock.elapsed() < 5000)
            QTest::qWait(10);
        QVERIFY2(clock.elapsed() >= 1180, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(finished.wait(3000));
        QCOMPARE(onScreen(ani), QColor(0, 0, 255));
        QTest::qWait(800);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!ani.isRunning());
        QCOMPARE(onScreen(ani), QColor(0, 0, 255));
    }

    void missingFileShowsNothing() {
        GifAnimation ani;
        QVERIFY(ani.load("images\\small.gif"));
        QVERIFY(!ani.load("images\\none.gif"));
        QVERIFY(!ani.load(QString()));
        QVERIFY(ani.currentImage().isNull());
        ani.start();  // nothing to start, no harm
        QVERIFY(!ani.isRunning());
    }

    void clickIsAPressAndReleaseInside() {
        GifAnimation ani;
        QVERIFY(ani.load("images\\B1ani.gif"));
        ani.show();
        QSignalSpy clicked(&ani, &GifAnimation::clicked);
        QTest::mouseClick(&ani, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        QTest::mousePress(&ani, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&ani, Qt::LeftButton, {}, QPoint(200, 200));
        QCOMPARE(clicked.count(), 1);
    }

    void fastClicksAreAllClicks() {
        zorbla::ClickLabel label;
        label.resize(50, 40);
        label.show();
        QSignalSpy clicked(&label, &zorbla::ClickLabel::clicked);
        QSignalSpy pressed(&label, &zorbla::ClickLabel::pressed);
        doubleClick(&label, QPoint(10, 10));
        QCOMPARE(clicked.count(), 2);
        QTest::mouseClick(&label, Qt::MiddleButton);
        QCOMPARE(clicked.count(), 2);  // only the left button clicks
        QCOMPARE(pressed.last().at(0).value<Qt::MouseButton>(), Qt::MiddleButton);

        GifAnimation ani;
        QVERIFY(ani.load("images\\small.gif"));
        ani.show();
        QSignalSpy aniClicked(&ani, &GifAnimation::clicked);
        doubleClick(&ani, QPoint(5, 5));
        QCOMPARE(aniClicked.count(), 2);
    }

    void disabledPicturesKeepTheirColours() {
        QWidget window;
        auto* label = new zorbla::ClickLabel(&window);
        label->resize(70, 45);
        label->setScaledContents(true);
        QPixmap red(35, 20);
        red.fill(QColor(220, 30, 30));
        label->setPixmap(red);
        window.resize(100, 100);
        window.show();
        const QImage enabled = label->grab().toImage();
        window.setEnabled(false);
        const QImage disabled = label->grab().toImage();
        QCOMPARE(disabled.pixelColor(35, 22), QColor(220, 30, 30));
        QCOMPARE(disabled, enabled);

        // An animation too, still or playing.
        auto* ani = new GifAnimation(&window);
        QVERIFY(ani->load("images\\small.gif"));
        QCOMPARE(onScreen(*ani), QColor(255, 0, 0));
        ani->start();
        QCOMPARE(onScreen(*ani), QColor(255, 0, 0));
    }
};

QTEST_MAIN(TestGifAnimation)
#include "test_gif_animation.moc"
