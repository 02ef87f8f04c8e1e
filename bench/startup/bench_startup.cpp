// Start-up time to the first painted frame, and resident memory after start-up, of the real
// program beside a bare Qt window with one label: fresh processes, taken in turns, both
// watched by the same preloaded probe. The program is measured twice: as it usually starts,
// with its decoded background kept from an earlier start, and as on its very first start,
// with an empty cache folder each time. All of it on four screens of the offscreen
// platform: 1024 x 768, 1920 x 1080, 3840 x 2160, and 2048 x 1536 at two device pixels to
// the pixel (the design size, drawn at 2x).
// It is measured installed as well (cmake --install into a temporary prefix), started from
// a folder without a word table as from a desktop's menu: by a user who started it before,
// and by a new user with an empty home every time.
// With --x11 the same screens are virtual X servers (Xvfb) under Openbox, and a start ends
// when the X server has drawn the first frame: the display server's share of the work, the
// same for both programs, is then counted too.
//   bench_startup [runs] [--x11] [--screen WxH] [program...]
//       --screen measures that screen only (1024x768, 1920x1080, 3840x2160, 2048x1536);
//       more programs are measured beside, in the same turns (to compare two builds)
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench_util.h"

namespace {

struct Run {
    double ms;
    long rssKiB;
};

struct Screen {
    const char* name;
    int width, height, dpr;  // as the offscreen platform takes them: in pixels of the desktop
};
constexpr Screen kScreens[] = {{"1024 x 768", 1024, 768, 1},
                               {"1920 x 1080", 1920, 1080, 1},
                               {"3840 x 2160", 3840, 2160, 1},
                               {"2048 x 1536 at 2x (1024 x 768 of the desktop)", 1024, 768, 2}};

// The offscreen platform on that screen, from a configuration file in folder.
QString platformFor(const Screen& s, const QString& folder) {
    const QString file = QStringLiteral("%1/screen-%2x%3x%4.json").arg(folder).arg(s.width).arg(s.height).arg(s.dpr);
    QFile f(file);
    if (!f.exists() && f.open(QIODevice::WriteOnly))
        f.write(QStringLiteral("{ \"screens\": [ { \"name\": \"bench\", \"x\": 0, \"y\": 0, \"width\": %1, \"height\": %2, "
                               "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": %3 } ] }\n")
                    .arg(s.width).arg(s.height).arg(s.dpr).toUtf8());
    return QStringLiteral("offscreen:configfile=") + file;
}

// A virtual X server of the screen's size in pixels with a window manager on it, so that a
// full-screen window covers it as on a desktop; gone with the object.
class XDesktop {
public:
    explicit XDesktop(const Screen& s) {
        server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                               QStringLiteral("0"),
                                               QStringLiteral("%1x%2x24").arg(s.width * s.dpr).arg(s.height * s.dpr),
                                               QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QByteArray number;
        while (!number.contains('\n') && server_.waitForReadyRead(10000))
            number += server_.readAllStandardOutput();
        if (!number.contains('\n'))
            return;
        display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display_);
        manager_.setProcessEnvironment(env);
        manager_.start(QStringLiteral("openbox"), {});
        // Ready once it has said so on the root window.
        for (int i = 0; i < 100; ++i) {
            QProcess probe;
            probe.setProcessEnvironment(env);
            probe.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            probe.waitForFinished(5000);
            if (probe.readAllStandardOutput().contains("window id"))
                return;
            QThread::msleep(50);
        }
        display_.clear();
    }
    ~XDesktop() {
        for (QProcess* p : {&manager_, &server_}) {
            p->terminate();
            if (!p->waitForFinished(5000))
                p->kill();
            p->waitForFinished(5000);
        }
    }
    QString display() const { return display_; }  // empty when it could not be started

private:
    QProcess server_;
    QProcess manager_;
    QString display_;
};

struct Where {
    QString platform;
    QString display;      // an X server's, else empty
    int scaleFactor = 1;  // Qt's, on an X server of twice the pixels
};

// How a program is started: in the build's pack, keeping its cache or with an empty one
// each time; or installed, started from an empty folder by a user with a home of their
// own, kept or new each time.
struct Start {
    QString program;
    QString name;
    bool fresh = false;
    bool installed = false;
};

// Starts the program, waits for the probe's two lines, and ends it. home is the user's
// for an installed program, else the cache folder.
bool measure(const Start& start, const Where& where, const QString& home, Run* run) {
    const QString& program = start.program;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (start.installed) {
        QDir().mkpath(home + QStringLiteral("/menu"));
        env.insert(QStringLiteral("HOME"), home);
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_DIRS"})
            env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), where.platform);
    if (!where.display.isEmpty())
        env.insert(QStringLiteral("DISPLAY"), where.display);
    if (where.scaleFactor != 1)
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(where.scaleFactor));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FIRST_PAINT_PROBE));
    if (!start.installed)
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(start.installed ? home + QStringLiteral("/menu") : QStringLiteral(ZORBLA_DATA_DIR));
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
    int next = 2;
    const bool x11 = argc > next && QByteArray(argv[next]) == "--x11";
    if (x11)
        ++next;
    QString only;
    if (argc > next + 1 && QByteArray(argv[next]) == "--screen") {
        only = QString::fromLatin1(argv[next + 1]).replace(QLatin1Char('x'), QStringLiteral(" x "));
        next += 2;
    }
    if (x11 && (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
                QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty() ||
                QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())) {
        std::printf("start-up on an X server: skipped, it needs Xvfb, openbox and xprop\n");
        return 0;
    }
    if (x11)
        std::printf("start-up to the first frame drawn by the X server, %d runs each, Xvfb under Openbox\n", runs);
    else
        std::printf("start-up to the first painted frame, %d runs each, offscreen platform\n", runs);
    QTemporaryDir folders;
    QList<Start> starts = {{QStringLiteral(BARE_WINDOW), QStringLiteral("bare")},
                           {QStringLiteral(ZORBLA_PROGRAM), QStringLiteral("zorbla")},
                           {QStringLiteral(ZORBLA_PROGRAM), QStringLiteral("zorbla, first start"), true}};
    // Installed as a family installs it, beside the build.
    QProcess install;
    install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(ZORBLA_BUILD_DIR),
                                            QStringLiteral("--prefix"), folders.filePath(QStringLiteral("usr"))});
    if (install.waitForFinished(120000) && install.exitCode() == 0) {
        const QString installed = folders.filePath(QStringLiteral("usr/bin/zorbla"));
        starts << Start{installed, QStringLiteral("installed"), false, true}
               << Start{installed, QStringLiteral("installed, new user"), true, true};
    } else {
        std::printf("installed: skipped, cmake --install failed: %s\n", install.readAllStandardError().constData());
    }
    // Other builds, each both ways, to compare them in the same turns.
    for (int i = next; i < argc; ++i) {
        const QString other = QString::fromLocal8Bit(argv[i]);
        starts << Start{other, other} << Start{other, other + QStringLiteral(", first start"), true};
    }
    const int n = int(starts.size());
    for (const Screen& screen : kScreens) {
        if (!only.isEmpty() && !QString::fromLatin1(screen.name).startsWith(only))
            continue;
        Where where;
        std::unique_ptr<XDesktop> desktop;
        if (x11) {
            desktop = std::make_unique<XDesktop>(screen);
            if (desktop->display().isEmpty()) {
                std::fprintf(stderr, "could not start an X server with a window manager\n");
                return 1;
            }
            where = {QStringLiteral("xcb"), desktop->display(), screen.dpr};
        } else {
            where.platform = platformFor(screen, folders.path());
        }
        // The background is kept per screen size and per program: each has its own "usual"
        // start, and another build does not replace what this one keeps.
        auto kept = [&](int m) {
            return folders.filePath(
                QStringLiteral("kept-%1x%2x%3-%4").arg(screen.width).arg(screen.height).arg(screen.dpr).arg(m));
        };
        std::vector<std::vector<double>> times(static_cast<size_t>(n)), rss(static_cast<size_t>(n));
        // One run of each first, not counted: it fills the file cache and the program's own.
        for (int i = -1; i < runs; ++i)
            for (int m = 0; m < n; ++m) {
                Run r{};
                const bool fresh = starts[m].fresh;
                const QString cache = fresh ? folders.filePath(QStringLiteral("first-%1-%2").arg(i + 1).arg(m)) : kept(m);
                if (fresh)
                    QDir(cache).removeRecursively();
                const bool measured = measure(starts[m], where, cache, &r);
                // What a first start kept goes at once: tens of megabytes a run, written
                // back to the disk while the next runs start, would weigh on them.
                if (fresh)
                    QDir(cache).removeRecursively();
                if (!measured) {
                    std::fprintf(stderr, "%s: a run failed\n", qPrintable(starts[m].name));
                    return 1;
                }
                if (i < 0)
                    continue;
                times[size_t(m)].push_back(r.ms);
                rss[size_t(m)].push_back(double(r.rssKiB) / 1024.0);
            }
        std::vector<double> medians, memory;
        std::printf(" %s\n", screen.name);
        for (int m = 0; m < n; ++m) {
            medians.push_back(bench::percentile(times[size_t(m)], 0.5));
            memory.push_back(bench::percentile(rss[size_t(m)], 0.5));
            std::printf("  %-26s time median %7.1f ms  p95 %7.1f ms   resident memory median %6.1f MiB\n",
                        qPrintable(starts[m].name), medians.back(), bench::percentile(times[size_t(m)], 0.95),
                        memory.back());
        }
        for (int m = 1; m < n; ++m)
            std::printf("  ratio, %-19s time %.2f (goal <= 1.3)   memory %.2f (goal <= 1.5)\n", qPrintable(starts[m].name),
                        medians[size_t(m)] / medians[0], memory[size_t(m)] / memory[0]);
        std::fflush(stdout);
    }
    return 0;
}
