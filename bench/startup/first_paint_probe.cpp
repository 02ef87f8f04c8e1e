// Loaded into a program with LD_PRELOAD: once the program's first window has painted, it
// prints "painted", and half a second later its resident memory. The benchmark watches the
// real program and the bare window this way, so both are measured alike, from outside.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "bench_util.h"

namespace {

class FirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (seen_ || e->type() != QEvent::Paint || !watched->isWidgetType() ||
            !static_cast<QWidget*>(watched)->isWindow())
            return false;
        seen_ = true;
        // The paint event is delivered before the window paints; the zero timer runs after
        // the frame has been drawn and handed to the window system.
        QTimer::singleShot(0, [] {
            std::printf("painted\n");
            std::fflush(stdout);
            QTimer::singleShot(500, [] {
                std::printf("rss %ld\n", bench::residentKiB());
                std::fflush(stdout);
            });
        });
        return false;
    }

private:
    bool seen_ = false;
};

void install() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        qApp->installEventFilter(new FirstPaint(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
