// Small helpers shared by the benchmark programs: figures, memory and the test screen.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// The q-quantile of the values, nearest rank.
inline double percentile(std::vector<double> v, double q) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[size_t(q * double(v.size() - 1) + 0.5)];
}

inline void printFigures(const char* name, const std::vector<double>& ms) {
    std::printf("  %-30s median %7.2f ms   p95 %7.2f ms   max %7.2f ms   (n=%zu)\n", name,
                percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 1.0), ms.size());
}

inline long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Widgets on the offscreen platform with the same 1024 x 768 screen the tests use,
// unless the caller chose a platform.
inline void useTestScreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + ZORBLA_BENCH_SCREEN);
}

// Runs events until done() holds; false after timeoutMs. Polls finely so the figure is
// not rounded up to a timer tick.
template <typename Done>
bool waitUntil(Done done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::usleep(100);
    }
    return true;
}

inline double msSince(const QElapsedTimer& clock) { return double(clock.nsecsElapsed()) / 1e6; }

}  // namespace bench
