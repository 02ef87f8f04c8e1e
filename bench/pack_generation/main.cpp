// Times the whole pack generation into a temporary folder, a few runs.
#include "pack.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    std::vector<double> seconds;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir dir;
        ag::PackOptions o;
        o.assetsDir = QStringLiteral(ZORBLA_ASSETS_DIR);
        o.dataDir = dir.filePath(QStringLiteral("data"));
        o.designDir = dir.filePath(QStringLiteral("design"));
        QElapsedTimer t;
        t.start();
        if (ag::generatePack(o) != 0)
            return 1;
        seconds.push_back(t.nsecsElapsed() / 1e9);
        std::printf("run %d: %.2f s\n", i + 1, seconds.back());
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("pack generation: median %.2f s, max %.2f s over %d runs, %d cores\n",
                seconds[seconds.size() / 2], seconds.back(), runs, QThread::idealThreadCount());
    return 0;
}
