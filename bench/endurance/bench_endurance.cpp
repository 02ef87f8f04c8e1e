// Resident memory through a long session of letter, picture and arrow clicks: after the
// first 100 (the floor: everything has been made once) and on to the last.
//   bench_endurance [clicks]
#include <QApplication>
#include <QDir>
#include <QtTest>

#include <malloc.h>

#include <cstdio>

#include "bench_util.h"
#include "open_main_window.h"
#include "widgets/clicklabel.h"
#include "sound/media_control.h"

int main(int argc, char* argv[]) {
    bench::useTestScreen();
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(200, atoi(argv[1])) : 2000;

    zorbla::MainWindow window;
    if (!bench::openMainWindow(window))
        return 1;

    auto settle = [] {
        QTest::qWait(3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // Only what is still held counts, not what the allocator keeps for later.
    auto resident = [&] {
        settle();
        malloc_trim(0);
        return double(bench::residentKiB()) / 1024.0;
    };

    std::printf("endurance, %d clicks on letters, numbers, the picture and the arrows\n", clicks);
    double floor = 0;
    int letter = 0;
    for (int i = 1; i <= clicks; ++i) {
        QWidget* target;
        switch (i % 5) {
        case 0:
            target = i % 10 == 0 ? bench::control(window, QStringLiteral("numberTile%1").arg(letter % 10 + 1))
                                 : bench::control(window, QStringLiteral("letterTile%1").arg(letter % 26));
            ++letter;
            break;
        case 1:
        case 3:
            target = bench::control(window, "picture");  // the picture: its animation and word
            break;
        default:
            target = bench::control(window, "nextPicture");
            if (!target->isVisible())
                target = bench::control(window, "previousPicture");
            break;
        }
        QTest::mouseClick(target, Qt::LeftButton);
        settle();
        if (i == 100) {
            floor = resident();
            std::printf("  after %5d clicks   %7.1f MiB  (floor)\n", i, floor);
        } else if (i % 500 == 0 || i == clicks) {
            const double now = resident();
            std::printf("  after %5d clicks   %7.1f MiB  (%+.1f MiB)\n", i, now, now - floor);
        }
    }
    window.mediaControl().setCommand(QStringLiteral("Close"));
    const double last = resident();
    std::printf("  growth after the first 100: %+.1f MiB (goal: at most 2 MiB)\n", last - floor);
    return 0;
}
