// Loaded into a program with LD_PRELOAD: once the program's first window has painted, it
// prints "painted", and half a second later its resident memory. The benchmark watches the
// real program and the bare window this way, so both are measured alike, from outside.
// On an X server the frame counts once the server has drawn it: the probe waits for the
// server to answer a request sent after it.
#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

#include <dlfcn.h>

#include "bench_util.h"

namespace {

// A round trip to the X server the program draws on, when it draws on one: the server
// answers in order, so once the answer is in, the frame sent before is on the screen.
// libxcb is taken from the program, which Qt's X plugin has loaded, rather than linked.
void waitForXServer() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!xcb)
        return;
    struct Cookie {
        unsigned int sequence;
    };
    using Ask = Cookie (*)(void*);
    using Answer = void* (*)(void*, Cookie, void**);
    auto ask = reinterpret_cast<Ask>(dlsym(xcb, "xcb_get_input_focus"));
    auto answer = reinterpret_cast<Answer>(dlsym(xcb, "xcb_get_input_focus_reply"));
    if (ask && answer)
        std::free(answer(x11->connection(), ask(x11->connection()), nullptr));
    dlclose(xcb);
}

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
            waitForXServer();
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
