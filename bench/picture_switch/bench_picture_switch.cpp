// From a click on an arrow to the new picture painted, beside the floor: painting the
// same picture again. The two are measured in turn.
//   bench_picture_switch [clicks]
#include <QApplication>
#include <QDir>
#include <QtTest>

#include <cstdio>
#include <vector>

#include "bench_util.h"
#include "open_main_window.h"
#include "widgets/clicklabel.h"
#include "sound/media_control.h"

namespace {

class PaintSeen : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            seen = true;
        return false;
    }
    bool seen = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    bench::useTestScreen();
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    zorbla::MainWindow window;
    if (!bench::openMainWindow(window))
        return 1;
    PaintSeen paint;
    bench::control(window, "picture")->installEventFilter(&paint);

    std::vector<double> switchMs, floorMs;
    int letter = 0;
    for (int i = 0; i < clicks; ++i) {
        // Through the four pictures of a letter and back, then on to the next letter.
        if (i % 6 == 0) {
            QTest::mouseClick(bench::control(window, QStringLiteral("letterTile%1").arg(size_t(letter++ % 26))), Qt::LeftButton);
            QTest::qWait(5);
        }
        const bool forward = i % 6 < 3;
        zorbla::ClickLabel* arrow = forward ? bench::control(window, "nextPicture") : bench::control(window, "previousPicture");
        const QString before = window.shownPicture();

        paint.seen = false;
        QElapsedTimer clock;
        clock.start();
        bench::control(window, "picture")->update();
        if (bench::waitUntil([&] { return paint.seen; }, 3000))
            floorMs.push_back(bench::msSince(clock));

        paint.seen = false;
        clock.start();
        QTest::mouseClick(arrow, Qt::LeftButton);
        if (bench::waitUntil([&] { return paint.seen; }, 3000))
            switchMs.push_back(bench::msSince(clock));
        if (window.shownPicture() == before) {
            std::fprintf(stderr, "bench_picture_switch: the arrow did not change the picture\n");
            return 1;
        }
    }
    window.mediaControl().setCommand(QStringLiteral("Close"));

    std::printf("picture switch, %d arrow clicks\n", clicks);
    bench::printFigures("arrow click to painted", switchMs);
    bench::printFigures("floor: repaint same picture", floorMs);
    std::printf("  goal: under 16 ms\n");
    return switchMs.empty() ? 1 : 0;
}
