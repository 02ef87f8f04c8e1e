#include "main_window/first_frame.h"

#include <QFile>
#include <QFontDatabase>

#include "platform/jpegscale.h"

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

FirstFrameWork::FirstFrameWork(QSize background) : backgroundSize_(background) {
    if (!background.isEmpty())
        background_ = std::async(std::launch::async, decodeBackground, background);
    // The first text drawn would otherwise read the system's font list on the
    // user-interface thread; the font database is shared by all threads and guards itself.
    fonts_ = std::async(std::launch::async, [] { QFontDatabase::families(); });
}

FirstFrameWork::~FirstFrameWork() {
    if (background_.valid())
        background_.wait();
    if (fonts_.valid())
        fonts_.wait();
}

QImage FirstFrameWork::takeBackground() { return background_.valid() ? background_.get() : QImage(); }

}  // namespace zorbla
