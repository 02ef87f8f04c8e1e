#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace zorbla {

// Pictures come with companions drawn at twice their size ("B1@2x.gif" beside "B1.gif"),
// for screens that draw them larger than their own size: a larger screen's scale times
// the screen's device pixel ratio (deviceScale).
//
// The file to read for the picture at path: its companion where deviceScale is above 1
// and the companion is exactly twice the picture's size and not older than it (but for
// seconds), so that
// a picture a parent put in place of the pack's is never hidden by the pack's old
// companion; else the picture itself. *ratio says which: 2 or 1.
QString sharperFile(const QString& path, double deviceScale, int* ratio);

// The picture read from sharperFile(), with the device pixel ratio that makes it take
// the picture's own size. Null, with the reader's message in *error, when it cannot be read.
QImage readSharper(const QString& path, double deviceScale, QString* error = nullptr);
// The same as a pixmap, read as one (null when it cannot be read).
QPixmap readSharperPixmap(const QString& path, double deviceScale);

}  // namespace zorbla
