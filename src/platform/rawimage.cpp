#include "platform/rawimage.h"

#include <QResource>
#include <QtEndian>

#include <cstring>

namespace zorbla {

namespace {
constexpr char kMagic[4] = {'Z', 'R', 'A', 'W'};
constexpr qsizetype kHeader = 16;
constexpr quint32 kLargest = 1 << 14;  // no window picture is wider or taller than this
}  // namespace

QByteArray encodeRawImage(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (pixels.isNull())
        return QByteArray();
    QByteArray out(kHeader, '\0');
    std::memcpy(out.data(), kMagic, 4);
    qToLittleEndian<quint32>(quint32(pixels.width()), out.data() + 4);
    qToLittleEndian<quint32>(quint32(pixels.height()), out.data() + 8);
    const qsizetype row = qsizetype(pixels.width()) * 4;
    for (int y = 0; y < pixels.height(); ++y)
        out.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), row);
    return out;
}

QImage rawImageView(const uchar* data, qsizetype size) {
    if (!data || size < kHeader || std::memcmp(data, kMagic, 4) != 0)
        return QImage();
    const quint32 w = qFromLittleEndian<quint32>(data + 4);
    const quint32 h = qFromLittleEndian<quint32>(data + 8);
    if (w == 0 || h == 0 || w > kLargest || h > kLargest || qFromLittleEndian<quint32>(data + 12) != 0)
        return QImage();
    if (size - kHeader != qsizetype(w) * qsizetype(h) * 4)
        return QImage();
    const QImage view(data + kHeader, int(w), int(h), qsizetype(w) * 4, QImage::Format_ARGB32_Premultiplied);
    // Pixels must lie on 4-byte boundaries to be read in place; a resource need not.
    return reinterpret_cast<quintptr>(data + kHeader) % 4 == 0 ? view : view.copy();
}

QImage designPicture(const QString& stem) {
    const QResource raw(stem + QStringLiteral(".argb"));
    if (raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression) {
        const QImage view = rawImageView(raw.data(), raw.size());
        if (!view.isNull())
            return view;
    }
    return QImage(stem + QStringLiteral(".png"));
}

}  // namespace zorbla
