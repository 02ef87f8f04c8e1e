#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace zorbla {

// Decodes a JPEG that will be drawn at the given size, quickly: the JPEG library reduces
// it by a half, a quarter or an eighth while decoding (its fast paths) as far as the
// result stays within a slight enlargement of the size drawn. The caller draws it
// stretched. A null image when the data is no JPEG the library can read.
QImage decodeJpegForSize(const QByteArray& jpeg, QSize drawn);

// The reduction the decoder picks for a picture of the given size drawn at the given size:
// 1, 2, 4 or 8.
int jpegReduction(QSize picture, QSize drawn);

}  // namespace zorbla
