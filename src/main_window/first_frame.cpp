#include "main_window/first_frame.h"

#include <QFile>
#include <QFontDatabase>
#include <QImageReader>

#include "platform/jpegscale.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zorbla {

QImage decodeBackground(QSize drawn) {
    const QString name = QStringLiteral(":/design/background.jpg");
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    QImage image = decodeJpegForSize(file.readAll(), drawn);
    if (image.isNull())  // not a JPEG after all: whatever Qt can read of it
        image = QImage(name);
    return image;
}

namespace {

// A helper that gives way to the user-interface thread, which has more to do before the
// first frame.
void giveWay() { setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10); }

}  // namespace

FirstFrameWork::FirstFrameWork(QSize background) : backgroundSize_(background) {
    // The background is what the first frame waits for longest: it goes at full speed.
    if (!background.isEmpty())
        background_ = std::async(std::launch::async, decodeBackground, background);
    // The window's first text would otherwise read the system's font list on the
    // user-interface thread; the font database is shared by all threads and guards itself.
    fonts_ = std::async(std::launch::async, [] {
        giveWay();
        QFontDatabase::families();
        // Likewise the animations' image plugin, loaded once for the whole program.
        QImageReader(QStringLiteral(":/design/star.gif")).canRead();
    });
}

FirstFrameWork::~FirstFrameWork() {
    if (background_.valid())
        background_.wait();
    if (fonts_.valid())
        fonts_.wait();
}

QImage FirstFrameWork::takeBackground() { return background_.valid() ? background_.get() : QImage(); }

}  // namespace zorbla
