#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zorbla {

// Pictures the program draws at start-up are kept as raw pixels, so showing them needs no
// decoding at all: "ZRAW", width and height (32-bit little-endian), the kind (0: rows of
// QImage::Format_ARGB32_Premultiplied, 1: opaque rows of QImage::Format_RGB32), then the
// rows in the byte order of the machine that wrote them. Opaque pictures stay opaque, so
// they are copied rather than blended when drawn.
QByteArray encodeRawImage(const QImage& image);

// A read-only image over the bytes themselves, no copy: the bytes must outlive it (a
// compiled-in resource does). A null image when the bytes are not such a picture.
QImage rawImageView(const uchar* data, qsizetype size);

// The picture in a raw file, mapped into memory rather than read: pages are brought in as
// they are drawn. A null image when the file is missing or is not such a picture.
QImage mapRawImageFile(const QString& path);

// Writes the picture as a raw file, whole or not at all (a partly written file is never
// left under the name). False when it could not be written.
bool writeRawImageFile(const QImage& image, const QString& path);

// A window picture by its resource name without extension (":/design/title"): the raw
// pixels when they are compiled in, else the PNG of the same name.
QImage designPicture(const QString& stem);

// The first frame of a compiled-in animation (":/design/star.gif") as raw pixels, when
// they are compiled in beside it (":/design/star.first.argb"); else a null image.
QImage firstFramePicture(const QString& animation);

}  // namespace zorbla
