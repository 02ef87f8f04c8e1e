#include "pictures/background.h"

#include <QPainter>
#include <QResource>

#include "pictures/jpegscale.h"
#include "pictures/rawimage.h"

#include <algorithm>
#include <cmath>

namespace zorbla {

namespace {
constexpr QSize kDesignScreen(1024, 768);
}  // namespace

BackgroundPicture backgroundOfShape(QSize screen, BackgroundShape* shape) {
    if (screen.isEmpty())
        return {};
    constexpr double kOver = 15.0 / 13.0;
    static const BackgroundShape kShapes[] = {{QStringLiteral(":/design/background.jpg"), {2133, 1600}},
                                              {QStringLiteral(":/design/background_16x10.jpg"), {2560, 1600}},
                                              {QStringLiteral(":/design/background_16x9.jpg"), {2844, 1600}},
                                              {QStringLiteral(":/design/background_21x9.jpg"), {3733, 1600}}};
    if (qAbs(screen.width() * 3 - screen.height() * 4) <= 4) {
        if (shape)
            *shape = kShapes[0];
        return {kShapes[0].picture, QSize(qRound(screen.width() * kOver), qRound(screen.height() * kOver)), screen};
    }
    const double aspect = double(screen.width()) / screen.height();
    const BackgroundShape* nearest = &kShapes[0];
    for (const BackgroundShape& s : kShapes)
        if (qAbs(std::log(double(s.size.width()) / s.size.height() / aspect)) <
            qAbs(std::log(double(nearest->size.width()) / nearest->size.height() / aspect)))
            nearest = &s;
    if (shape)
        *shape = *nearest;
    const double k = kOver * std::max(double(screen.width()) / nearest->size.width(),
                                      double(screen.height()) / nearest->size.height());
    return {nearest->picture, QSize(qRound(nearest->size.width() * k), qRound(nearest->size.height() * k)), screen};
}

const QList<QSize>& screensWithBackgroundMade() {
    // The most common screens of laptops and monitors, and 4:3 at twice the design's size.
    static const QList<QSize> kScreens = {
        {1280, 720},  {1280, 800},  {1366, 768},  {1440, 900},  {1600, 900},
        {1680, 1050}, {1920, 1080}, {1920, 1200}, {2048, 1536}, {2560, 1080},
        {2560, 1440}, {2560, 1600}, {2880, 1800}, {3440, 1440}, {3840, 2160}};
    return kScreens;
}

QString backgroundMadeFor(QSize screen) {
    return QStringLiteral("background-%1x%2.runs").arg(screen.width()).arg(screen.height());
}

QString backgroundReadyFor(QSize screen) {
    return QStringLiteral("background-%1x%2.rgb").arg(screen.width()).arg(screen.height());
}

BackgroundPicture backgroundFor(QSize screen) {
    BackgroundPicture b = backgroundOfShape(screen);
    if (b.drawn.isEmpty())
        return b;
    if (screen == kDesignScreen) {
        const QString ready = QStringLiteral(":/design/") + backgroundReadyFor(screen);
        if (QResource(ready).isValid())
            b.ready = ready;
        return b;
    }
    if (!screensWithBackgroundMade().contains(screen))
        return b;
    const QString made = QStringLiteral(":/design/") + backgroundMadeFor(screen);
    if (QResource(made).isValid()) {
        b.picture = made;
        b.madeForScreen = true;
    }
    return b;
}

QImage drawBackground(const QByteArray& bytes, const BackgroundPicture& picture) {
    const QSize drawn = picture.drawn;
    const QSize shown = picture.shown.isEmpty() ? drawn : picture.shown.boundedTo(drawn);
    if (picture.madeForScreen) {
        // Drawn and cut for this screen already: nothing to stretch.
        QImage image = decodePixelRuns(bytes);
        if (!image.isNull() && image.size() != shown)
            image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(kBackgroundFormat);
        return image;
    }
    QImage image = decodeJpegForSize(bytes, drawn);
    if (image.isNull())  // not a JPEG after all: whatever Qt can read of it
        image = QImage::fromData(bytes);
    if (image.isNull())
        return image;
    if (image.size() == drawn && drawn == shown)
        return image.convertToFormat(kBackgroundFormat);
    // Stretched straight into the part on the screen: a picture of the whole size drawn
    // would be a third larger, and cost as much more to make.
    QImage part = imageInLargePages(shown.width(), shown.height(), kBackgroundFormat);
    QPainter p(&part);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(drawn)), image);
    return part;
}

}  // namespace zorbla
