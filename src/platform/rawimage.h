#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zorbla {

// Pictures the program draws at start-up are compiled in as raw premultiplied pixels, so
// showing them needs no decoding at all: "ZRAW", width and height (32-bit little-endian),
// four zero bytes, then the rows of QImage::Format_ARGB32_Premultiplied in the byte order
// of the machine that built them.
QByteArray encodeRawImage(const QImage& image);

// A read-only image over the bytes themselves, no copy: the bytes must outlive it (a
// compiled-in resource does). A null image when the bytes are not such a picture.
QImage rawImageView(const uchar* data, qsizetype size);

// A window picture by its resource name without extension (":/design/title"): the raw
// pixels when they are compiled in, else the PNG of the same name.
QImage designPicture(const QString& stem);

}  // namespace zorbla
