// Start-up time to the first painted frame, and resident memory after start-up, of the real
// program beside a bare Qt window with one label: fresh processes, taken in turns, both
// watched by the same preloaded probe. The program is measured twice: as it usually starts,
// with its decoded background kept from an earlier start, and as on its very first start,
// with an empty cache folder each time.
//   bench_startup [runs] [program...]   more programs are measured beside, in the same turns
//                                       (to compare two builds of the program)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_util.h"

namespace {

struct Run {
    double ms;
    long rssKiB;
};

// Starts the program, waits for the probe's two lines, and ends it.
bool measure(const QString& program, const QString& cacheFolder, Run* run) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FIRST_PAINT_PROBE));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cacheFolder);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(QStringLiteral(ZORBLA_DATA_DIR));
    p.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    p.start(program, {});
    if (!p.waitForStarted(10000))
        return false;
    QByteArray out;
    double painted = -1;
    while (!out.contains("rss ")) {
        if (p.state() == QProcess::NotRunning || clock.elapsed() > 20000) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(program), p.readAllStandardError().constData());
            return false;
        }
        p.waitForReadyRead(50);
        out += p.readAllStandardOutput();
        if (painted < 0 && out.contains("painted"))
            painted = bench::msSince(clock);
    }
    p.kill();
    p.waitForFinished(5000);
    const int at = out.indexOf("rss ");
    run->ms = painted;
    run->rssKiB = out.mid(at + 4).trimmed().split('\n').first().toLong();
    return painted >= 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    std::printf("start-up to the first painted frame, %d runs each (platform %s)\n", runs,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "default" : qgetenv("QT_QPA_PLATFORM").constData());
    QTemporaryDir folders;
    const QString kept = folders.filePath(QStringLiteral("kept"));
    QStringList programs = {QStringLiteral(BARE_WINDOW), QStringLiteral(ZORBLA_PROGRAM), QStringLiteral(ZORBLA_PROGRAM)};
    QStringList names = {QStringLiteral("bare"), QStringLiteral("zorbla"), QStringLiteral("zorbla, first start")};
    const int firstStart = 2;
    for (int i = 2; i < argc; ++i) {
        programs << QString::fromLocal8Bit(argv[i]);
        names << QString::fromLocal8Bit(argv[i]);
    }
    const int n = int(programs.size());
    std::vector<std::vector<double>> times(static_cast<size_t>(n)), rss(static_cast<size_t>(n));
    // One run of each first, not counted: it fills the file cache and the program's own.
    for (int i = -1; i < runs; ++i)
        for (int m = 0; m < n; ++m) {
            Run r{};
            const QString cache = m == firstStart ? folders.filePath(QStringLiteral("first-%1").arg(i + 1)) : kept;
            if (!measure(programs[m], cache, &r)) {
                std::fprintf(stderr, "%s: a run failed\n", qPrintable(names[m]));
                return 1;
            }
            if (i < 0)
                continue;
            times[size_t(m)].push_back(r.ms);
            rss[size_t(m)].push_back(double(r.rssKiB) / 1024.0);
        }
    std::vector<double> medians, memory;
    for (int m = 0; m < n; ++m) {
        medians.push_back(bench::percentile(times[size_t(m)], 0.5));
        memory.push_back(bench::percentile(rss[size_t(m)], 0.5));
        std::printf("  %-20s time median %7.1f ms  p95 %7.1f ms   resident memory median %6.1f MiB\n",
                    qPrintable(names[m]), medians.back(), bench::percentile(times[size_t(m)], 0.95), memory.back());
    }
    std::printf("  ratio                time %.2f (goal <= 1.5)   memory %.2f (goal <= 2)\n", medians[1] / medians[0],
                memory[1] / memory[0]);
    std::printf("  ratio, first start   time %.2f                 memory %.2f\n", medians[firstStart] / medians[0],
                memory[firstStart] / memory[0]);
    return 0;
}
