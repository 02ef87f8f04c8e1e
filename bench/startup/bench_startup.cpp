// Start-up time to the first painted frame and resident memory after start-up, of the
// main window beside a bare Qt window with one label, each in fresh processes.
//   bench_startup [runs]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_util.h"
#include "main_window/frmzorbla.h"

namespace {

// Tells the parent when the window has painted once, then how much memory it holds.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("painted\n");
                std::fflush(stdout);
                QTimer::singleShot(500, [] {
                    std::printf("rss %ld\n", bench::residentKiB());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            });
        }
        return false;
    }
    bool seen_ = false;
};

int child(int argc, char* argv[], bool bare) {
    QApplication app(argc, argv);
    FirstPaint watcher;
    if (bare) {
        QLabel label("Zorbla");
        label.installEventFilter(&watcher);
        label.showFullScreen();
        return app.exec();
    }
    QDir::setCurrent(QStringLiteral(ZORBLA_DATA_DIR));
    zorbla::frmZorbla window;
    if (auto error = window.Form_Load()) {
        std::fprintf(stderr, "%s\n", qPrintable(error->message()));
        return 1;
    }
    window.installEventFilter(&watcher);
    window.showFullScreen();
    return app.exec();
}

struct Run {
    double ms;
    long rssKiB;
};

bool measure(const QString& self, const char* mode, Run* run) {
    QProcess p;
    QElapsedTimer clock;
    clock.start();
    p.start(self, {QString::fromLatin1(mode)});
    if (!p.waitForStarted(10000))
        return false;
    QByteArray out;
    double painted = -1;
    while (p.state() != QProcess::NotRunning || p.bytesAvailable()) {
        p.waitForReadyRead(100);
        out += p.readAllStandardOutput();
        if (painted < 0 && out.contains("painted"))
            painted = double(clock.nsecsElapsed()) / 1e6;
        if (out.contains("rss "))
            break;
        if (clock.elapsed() > 20000)
            return false;
    }
    p.waitForFinished(5000);
    const int at = out.indexOf("rss ");
    if (painted < 0 || at < 0)
        return false;
    run->ms = painted;
    run->rssKiB = out.mid(at + 4).trimmed().toLong();
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && (qstrcmp(argv[1], "zorbla") == 0 || qstrcmp(argv[1], "bare") == 0))
        return child(argc, argv, qstrcmp(argv[1], "bare") == 0);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::printf("start-up to the first painted frame, %d runs each (platform %s)\n", runs,
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData());
    double medians[2] = {0, 0}, memory[2] = {0, 0};
    const char* modes[2] = {"bare", "zorbla"};
    for (int m = 0; m < 2; ++m) {
        std::vector<double> times, rss;
        for (int i = 0; i < runs; ++i) {
            Run r{};
            if (!measure(self, modes[m], &r)) {
                std::fprintf(stderr, "%s: a run failed\n", modes[m]);
                return 1;
            }
            times.push_back(r.ms);
            rss.push_back(double(r.rssKiB) / 1024.0);
        }
        medians[m] = bench::percentile(times, 0.5);
        memory[m] = bench::percentile(rss, 0.5);
        std::printf("  %-7s time median %7.1f ms  p95 %7.1f ms   resident memory median %6.1f MiB\n",
                    modes[m], medians[m], bench::percentile(times, 0.95), memory[m]);
    }
    std::printf("  ratio   time %.2f (goal <= 1.5)   memory %.2f (goal <= 2)\n", medians[1] / medians[0],
                memory[1] / memory[0]);
    return 0;
}
