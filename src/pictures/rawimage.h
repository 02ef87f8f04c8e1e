#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zorbla {

// Pictures the program draws at start-up are kept as raw pixels, so showing them needs no
// decoding at all: "ZRAW", width and height (32-bit little-endian), the kind (0: rows of
// QImage::Format_ARGB32_Premultiplied, 1: opaque rows of QImage::Format_RGB32, 2: opaque
// rows of QImage::Format_RGB888, each row filled up to a whole 32-bit word), then the rows
// in the byte order of the machine that wrote them. Opaque pictures stay opaque, so they
// are copied rather than blended when drawn.
QByteArray encodeRawImage(const QImage& image);

// An opaque picture as runs of pixels, for pictures of a few flat colours and smooth
// gradients drawn row by row (a background's sky is one colour a row, a hill one colour
// across): exact, smaller than a JPEG of it, and decoded as fast as memory is written.
// "ZRUN", width and height (32-bit little-endian), then 32-bit little-endian words across
// all rows in turn: n | 0x80000000 followed by one pixel repeated n times, or n followed by
// n pixels as they are; pixels as 0xffRRGGBB.
QByteArray encodePixelRuns(const QImage& image);

// The picture, in large pages (see imageInLargePages), as QImage::Format_RGB888: a
// background fills the screen, and three bytes a pixel keep a quarter less of it in
// memory than four, while drawing it costs a fraction of a millisecond more. A null image
// when the bytes do not describe exactly one whole picture.
QImage decodePixelRuns(const QByteArray& bytes);

// A read-only image over the bytes themselves, no copy: the bytes must outlive it (a
// compiled-in resource does). A null image when the bytes are not such a picture.
QImage rawImageView(const uchar* data, qsizetype size);

// The picture in a raw file, mapped into memory rather than read, its pages brought in
// by the calling thread. A null image when the file is missing or is not such a picture. The
// file must not be cut short while the image lives (new files replace it whole, see
// below); copyInLargePages() gives a picture that no longer depends on it.
QImage mapRawImageFile(const QString& path);

// Writes the picture as a raw file, whole or not at all (a partly written file is never
// left under the name). False when it could not be written.
bool writeRawImageFile(const QImage& image, const QString& path);

// A new image of 3- or 4-byte pixels whose memory comes in 2 MiB pages when it is big: fresh
// memory costs a page fault for every 4 KiB as it is first written, a large part of the
// time of filling a big picture; in 2 MiB pages it costs a few.
QImage imageInLargePages(int width, int height, QImage::Format format);

// A copy of the picture in memory of its own, in large pages when it is big; the picture
// itself when there is no memory for a copy.
QImage copyInLargePages(const QImage& image);

// A window picture by its resource name without extension (":/design/title"): the raw
// pixels when they are compiled in, else the PNG of the same name. Where the window is
// drawn larger than its design size (deviceScale above 1), the same picture at twice the
// size ("title@2x"), with a device pixel ratio of 2, when there is one.
QImage designPicture(const QString& stem, double deviceScale = 1.0);

// Lets the system take back the memory of a compiled-in picture's pixels (a view such as
// designPicture() gives) once it has been scaled and is drawn from the scaled copy: they
// are read again from the program's file should it be drawn as it is after all. Does
// nothing for any other picture.
void releaseCompiledIn(const QImage& image);

// The first frame of a compiled-in animation (":/design/star.gif") as raw pixels, when
// they are compiled in beside it (":/design/star.first.argb"); else a null image.
QImage firstFramePicture(const QString& animation);

}  // namespace zorbla
