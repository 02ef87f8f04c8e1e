#include "gifwriter.h"
#include "quantize.h"

#include <QFile>
#include <QSaveFile>
#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace ag {

namespace {

int appendBytes(GifFileType *gif, const GifByteType *data, int len)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), len);
    return len;
}

constexpr quint32 kTransparent = 0xFF000000u; // never a real 0xRRGGBB value

// Each pixel as 0xRRGGBB, or kTransparent.
std::vector<quint32> flatten(const QImage &src, const GifOptions &opt)
{
    const QImage img = src.convertToFormat(QImage::Format_ARGB32);
    const int width = img.width(), height = img.height();
    std::vector<quint32> px(size_t(width) * size_t(height));
    const int mr = opt.matte.red(), mg = opt.matte.green(), mb = opt.matte.blue();
    size_t k = 0;
    for (int y = 0; y < height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < width; ++x, ++k) {
            const QRgb c = line[x];
            const int a = qAlpha(c);
            if (!opt.transparent || a == 255) {
                px[k] = c & 0xFFFFFF;
            } else if (a < 128) {
                px[k] = kTransparent;
            } else {
                const int r = (qRed(c) * a + mr * (255 - a) + 127) / 255;
                const int g = (qGreen(c) * a + mg * (255 - a) + 127) / 255;
                const int b = (qBlue(c) * a + mb * (255 - a) + 127) / 255;
                px[k] = quint32((r << 16) | (g << 8) | b);
            }
        }
    }
    return px;
}

bool check(int rc, GifFileType *gif, const char *what, QString *error)
{
    if (rc == GIF_OK)
        return true;
    *error = QStringLiteral("giflib: %1 failed: %2").arg(QLatin1String(what), QLatin1String(GifErrorString(gif->Error)));
    return false;
}

} // namespace

QByteArray encodeGif(const QList<GifFrame> &frames, const GifOptions &opt, QString *error)
{
    if (frames.isEmpty()) {
        *error = QStringLiteral("no frames");
        return {};
    }
    const int w = frames[0].image.width(), h = frames[0].image.height();
    std::vector<std::vector<quint32>> pixels;
    for (const GifFrame &f : frames) {
        if (f.image.size() != QSize(w, h)) {
            *error = QStringLiteral("frames differ in size");
            return {};
        }
        pixels.push_back(flatten(f.image, opt));
    }

    // One palette for the whole file so colours do not flicker between
    // frames; a few frames spread over the animation show all its colours.
    Histogram hist;
    const int n = int(frames.size());
    std::vector<int> sample;
    if (n <= 6) {
        for (int i = 0; i < n; ++i)
            sample.push_back(i);
    } else {
        sample = {0, n / 4, n / 2, (3 * n) / 4, n - 1};
    }
    // Counted a run at a time: a picture is mostly runs of one colour.
    for (int i : sample) {
        const std::vector<quint32> &frame = pixels[size_t(i)];
        for (size_t k = 0; k < frame.size();) {
            size_t end = k + 1;
            while (end < frame.size() && frame[end] == frame[k])
                ++end;
            if (frame[k] != kTransparent)
                hist[frame[k]] += quint32(end - k);
            k = end;
        }
    }
    const int first = opt.transparent ? 1 : 0;
    ColorMapper mapper(medianCut(hist, 256 - first), first);

    const int used = int(mapper.palette().size()) + first;
    int mapSize = 2;
    while (mapSize < used)
        mapSize *= 2;
    ColorMapObject *cmap = GifMakeMapObject(mapSize, nullptr);
    for (int i = 0; i < mapSize; ++i) {
        const int pi = i - first;
        const quint32 c = (pi >= 0 && pi < int(mapper.palette().size())) ? mapper.palette()[pi] : 0;
        cmap->Colors[i] = {GifByteType(c >> 16), GifByteType(c >> 8), GifByteType(c)};
    }

    std::vector<std::vector<GifByteType>> indexed(n);
    for (int i = 0; i < n; ++i) {
        indexed[i].resize(pixels[i].size());
        for (size_t k = 0; k < pixels[i].size(); ++k)
            indexed[i][k] = pixels[i][k] == kTransparent ? 0 : GifByteType(mapper.map(pixels[i][k]));
    }

    QByteArray out;
    int err = 0;
    GifFileType *gif = EGifOpen(&out, appendBytes, &err);
    if (!gif) {
        *error = QStringLiteral("giflib: EGifOpen failed: %1").arg(QLatin1String(GifErrorString(err)));
        GifFreeMapObject(cmap);
        return {};
    }
    EGifSetGifVersion(gif, true);
    bool ok = check(EGifPutScreenDesc(gif, w, h, 8, 0, cmap), gif, "EGifPutScreenDesc", error);
    GifFreeMapObject(cmap);

    for (int i = 0; ok && i < n; ++i) {
        // Opaque animations only store the rectangle that changed; the rest
        // of the previous frame stays (disposal "do not dispose").
        int x0 = 0, y0 = 0, x1 = w - 1, y1 = h - 1;
        if (i > 0 && !opt.transparent) {
            x0 = w; y0 = h; x1 = -1; y1 = -1;
            const auto &a = indexed[i - 1], &b = indexed[i];
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (a[size_t(y) * w + x] != b[size_t(y) * w + x]) {
                        x0 = std::min(x0, x); x1 = std::max(x1, x);
                        y0 = std::min(y0, y); y1 = std::max(y1, y);
                    }
            if (x1 < 0) { // nothing changed: one pixel keeps the timing
                x0 = y0 = x1 = y1 = 0;
            }
        }
        if (n > 1 || opt.transparent) {
            GraphicsControlBlock gcb;
            gcb.DisposalMode = opt.transparent ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
            gcb.UserInputFlag = false;
            gcb.DelayTime = n > 1 ? frames[i].delayCs : 0;
            gcb.TransparentColor = opt.transparent ? 0 : NO_TRANSPARENT_COLOR;
            GifByteType ext[4];
            EGifGCBToExtension(&gcb, ext);
            ok = check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext), gif, "EGifPutExtension", error);
        }
        const int fw = x1 - x0 + 1, fh = y1 - y0 + 1;
        ok = ok && check(EGifPutImageDesc(gif, x0, y0, fw, fh, false, nullptr), gif, "EGifPutImageDesc", error);
        for (int y = y0; ok && y <= y1; ++y)
            ok = check(EGifPutLine(gif, indexed[i].data() + size_t(y) * w + x0, fw), gif, "EGifPutLine", error);
    }
    if (EGifCloseFile(gif, &err) != GIF_OK && ok) {
        *error = QStringLiteral("giflib: EGifCloseFile failed: %1").arg(QLatin1String(GifErrorString(err)));
        ok = false;
    }
    return ok ? out : QByteArray();
}

bool saveBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

} // namespace ag
