#include "main_window/first_frame.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QImageReader>
#include <QResource>
#include <QStandardPaths>

#include "pictures/rawimage.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zorbla {

namespace {

// Goes up whenever the way the kept picture is made changes, so old copies are not used.
constexpr int kMaking = 4;  // 3: stretched as the window drew it; 4: three bytes a pixel

// A helper that gives way to the user-interface thread, which has more to do.
void giveWay() { setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10); }

}  // namespace

QString backgroundCacheFolder() { return QStandardPaths::writableLocation(QStandardPaths::CacheLocation); }

Background loadBackground(const BackgroundPicture& picture, const QString& cacheFolder) {
    Background b;
    const QSize drawn = picture.drawn;
    b.drawn = drawn;
    // Only what is on the screen is kept: the rest overshoots its edges.
    b.shown = picture.shown.isEmpty() ? drawn : picture.shown.boundedTo(drawn);
    b.cacheFolder = cacheFolder;
    if (!picture.ready.isEmpty()) {
        // Compiled in as the window draws it: nothing to decode, and nothing to keep.
        const QResource ready(picture.ready);
        if (ready.compressionAlgorithm() == QResource::NoCompression) {
            b.image = rawImageView(ready.data(), ready.size());
            b.compiledIn = b.image.size() == b.shown && b.image.format() == kBackgroundFormat;
            if (b.compiledIn)
                return b;
        }
        b.image = QImage();
    }
    const QResource resource(picture.picture);
    const QByteArray bytes = resource.uncompressedData();
    if (bytes.isEmpty() || drawn.isEmpty())
        return b;
    if (!cacheFolder.isEmpty()) {
        b.cacheFile = QStringLiteral("%1/background-%2-%3x%4-%5-%6.raw")
                          .arg(cacheFolder)
                          .arg(kMaking)
                          .arg(drawn.width())
                          .arg(drawn.height())
                          .arg(bytes.size())
                          .arg(qHash(bytes), 16, 16, QLatin1Char('0'));
        b.image = mapRawImageFile(b.cacheFile);
        // Anything but exactly this picture at exactly this size is decoded afresh.
        b.fromCache = b.image.size() == b.shown && b.image.format() == kBackgroundFormat;
        if (b.fromCache)
            return b;
    }
    b.image = drawBackground(bytes, picture);
    return b;
}

std::future<void> keepBackground(const Background& background) {
    if (background.fromCache || background.image.isNull() || background.cacheFolder.isEmpty())
        return {};
    return std::async(std::launch::async, [background] {
        giveWay();
        QDir folder(background.cacheFolder);
        if (!background.compiledIn &&
            (!folder.mkpath(QStringLiteral(".")) || !writeRawImageFile(background.image, background.cacheFile)))
            return;
        // One copy is enough: those of other sizes, older pictures or older ways go, and
        // whatever a start that was cut short left half written.
        const QString kept = QFileInfo(background.cacheFile).fileName();
        const QStringList old = folder.entryList(
            {QStringLiteral("background-*.raw"), QStringLiteral("background-*.raw.part-*")}, QDir::Files);
        for (const QString& name : old)
            if (background.compiledIn || name != kept)
                folder.remove(name);
    });
}

FirstFrameWork::FirstFrameWork(const BackgroundPicture& background, const QString& cacheFolder)
    : picture_(background) {
    // The background is what the first frame waits for longest: it goes at full speed.
    if (!background.drawn.isEmpty())
        background_ = std::async(std::launch::async, loadBackground, background, cacheFolder);
    // The window's first text would otherwise read the system's font list on the
    // user-interface thread; the font database is shared by all threads and guards itself.
    fonts_ = std::async(std::launch::async, [] {
        giveWay();
        QFontDatabase::families();
        // Likewise the GIF image plugin, loaded once for the whole program: the first
        // picture a child opens needs it, and nothing before the first frame does.
        QImageReader(QStringLiteral(":/design/star.gif")).canRead();
    });
}

FirstFrameWork::~FirstFrameWork() {
    if (background_.valid())
        background_.wait();
    if (fonts_.valid())
        fonts_.wait();
}

Background FirstFrameWork::takeBackground() { return background_.valid() ? background_.get() : Background(); }

}  // namespace zorbla
