// GIF files through giflib's stream API, so the file is ours to create with
// normal permissions, one shared palette per file, and no loop block: the
// program wants every animation to play exactly once.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace ag {

struct GifFrame {
    QImage image;
    int delayCs = 8; // hundredths of a second
};

struct GifOptions {
    // Pixels with alpha < 128 become transparent; the rest are blended onto
    // the matte, the colour the picture will most likely be shown on.
    bool transparent = false;
    QColor matte = QColor(60, 160, 245);
};

QByteArray encodeGif(const QList<GifFrame> &frames, const GifOptions &options, QString *error);

// Writes bytes to a file (created with the usual umask permissions).
bool saveBytes(const QString &path, const QByteArray &bytes, QString *error);

} // namespace ag
