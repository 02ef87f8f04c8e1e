#include "pictures/sharper.h"

#include <QFileInfo>
#include <QImageReader>

#include "files/pack.h"

namespace zorbla {

QString sharperFile(const QString& path, double deviceScale, int* ratio) {
    *ratio = 1;
    if (deviceScale <= 1.0 || path.isEmpty())
        return path;
    const QString companion = pack::atScale(path, 2);
    const QFileInfo picture(path), sharper(companion);
    if (!sharper.isFile())
        return path;
    // Compiled-in pictures are made together; files on disk may have been replaced. The
    // pack's own are written seconds apart, in either order.
    if (!path.startsWith(QLatin1Char(':')) && sharper.lastModified().addSecs(10) < picture.lastModified())
        return path;
    const QSize own = QImageReader(path).size();
    if (!own.isValid() || QImageReader(companion).size() != own * 2)
        return path;
    *ratio = 2;
    return companion;
}

QImage readSharper(const QString& path, double deviceScale, QString* error) {
    int ratio = 1;
    QImageReader reader(sharperFile(path, deviceScale, &ratio));
    QImage image = reader.read();
    if (image.isNull()) {
        if (ratio == 2)  // a broken companion: the picture itself may still be whole
            return readSharper(path, 1.0, error);
        if (error)
            *error = reader.errorString();
        return image;
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

QPixmap readSharperPixmap(const QString& path, double deviceScale) {
    int ratio = 1;
    QPixmap pixmap(sharperFile(path, deviceScale, &ratio));
    if (pixmap.isNull() && ratio == 2)
        pixmap = QPixmap(path);
    else
        pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace zorbla
