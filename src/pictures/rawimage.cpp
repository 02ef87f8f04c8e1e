#include "pictures/rawimage.h"

#include <QCoreApplication>
#include <QFile>
#include <QResource>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbla {

namespace {
constexpr char kMagic[4] = {'Z', 'R', 'A', 'W'};
constexpr qsizetype kHeader = 16;
constexpr quint32 kLargest = 1 << 14;  // no picture kept this way is wider or taller
constexpr quint32 kPremultiplied = 0;
constexpr quint32 kOpaque = 1;
constexpr char kRunsMagic[4] = {'Z', 'R', 'U', 'N'};
constexpr qsizetype kRunsHeader = 12;
constexpr quint32 kRun = 0x80000000u;
// Shorter repeats stay among the pixels as they are: a run costs two words.
constexpr size_t kShortestRun = 3;

struct Header {
    int width = 0;
    int height = 0;
    QImage::Format format = QImage::Format_Invalid;
};

// The header of the bytes, when they hold exactly one whole picture.
bool readHeader(const uchar* data, qsizetype size, Header* header) {
    if (!data || size < kHeader || std::memcmp(data, kMagic, 4) != 0)
        return false;
    const quint32 w = qFromLittleEndian<quint32>(data + 4);
    const quint32 h = qFromLittleEndian<quint32>(data + 8);
    const quint32 kind = qFromLittleEndian<quint32>(data + 12);
    if (w == 0 || h == 0 || w > kLargest || h > kLargest || (kind != kPremultiplied && kind != kOpaque))
        return false;
    if (size - kHeader != qsizetype(w) * qsizetype(h) * 4)
        return false;
    header->width = int(w);
    header->height = int(h);
    header->format = kind == kOpaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    return true;
}

struct Mapping {
    void* address;
    size_t length;
};

void unmap(void* info) {
    auto* m = static_cast<Mapping*>(info);
    munmap(m->address, m->length);
    delete m;
}

}  // namespace

QByteArray encodeRawImage(const QImage& image) {
    const bool opaque = image.format() == QImage::Format_RGB32;
    const QImage pixels = opaque ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (pixels.isNull())
        return QByteArray();
    QByteArray out(kHeader, '\0');
    std::memcpy(out.data(), kMagic, 4);
    qToLittleEndian<quint32>(quint32(pixels.width()), out.data() + 4);
    qToLittleEndian<quint32>(quint32(pixels.height()), out.data() + 8);
    qToLittleEndian<quint32>(opaque ? kOpaque : kPremultiplied, out.data() + 12);
    const qsizetype row = qsizetype(pixels.width()) * 4;
    out.reserve(kHeader + row * pixels.height());
    for (int y = 0; y < pixels.height(); ++y)
        out.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), row);
    return out;
}

QByteArray encodePixelRuns(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull() || quint32(rgb.width()) > kLargest || quint32(rgb.height()) > kLargest ||
        rgb.bytesPerLine() != qsizetype(rgb.width()) * 4)
        return QByteArray();
    // Rows of 4-byte pixels are not padded: the picture is one run of pixels from end to end.
    const auto* pixels = reinterpret_cast<const quint32*>(rgb.constBits());
    const size_t count = size_t(rgb.width()) * size_t(rgb.height());
    std::vector<quint32> words = {quint32(rgb.width()), quint32(rgb.height())};
    const auto runAt = [pixels, count](size_t i) {
        size_t end = i + 1;
        while (end < count && pixels[end] == pixels[i])
            ++end;
        return end - i;
    };
    size_t i = 0;
    while (i < count) {
        const size_t run = runAt(i);
        if (run >= kShortestRun) {
            words.push_back(kRun | quint32(run));
            words.push_back(pixels[i]);
            i += run;
            continue;
        }
        const size_t start = i;
        while (i < count) {
            const size_t next = runAt(i);
            if (next >= kShortestRun)
                break;
            i += next;
        }
        words.push_back(quint32(i - start));
        words.insert(words.end(), pixels + start, pixels + i);
    }
    QByteArray out(kRunsHeader - 8 + qsizetype(words.size()) * 4, Qt::Uninitialized);
    std::memcpy(out.data(), kRunsMagic, 4);
    qToLittleEndian<quint32>(words.data(), qsizetype(words.size()), out.data() + 4);
    return out;
}

QImage decodePixelRuns(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < kRunsHeader || std::memcmp(p, kRunsMagic, 4) != 0)
        return QImage();
    const quint32 w = qFromLittleEndian<quint32>(p + 4);
    const quint32 h = qFromLittleEndian<quint32>(p + 8);
    if (w == 0 || h == 0 || w > kLargest || h > kLargest)
        return QImage();
    QImage image = imageInLargePages(int(w), int(h), QImage::Format_RGB32);
    if (image.isNull() || image.bytesPerLine() != qsizetype(w) * 4)
        return QImage();
    auto* out = reinterpret_cast<quint32*>(image.bits());
    const quint64 total = quint64(w) * h;
    quint64 done = 0;
    const uchar* const end = p + bytes.size();
    p += kRunsHeader;
    // Every count is checked against what is left of the picture and of the bytes before
    // anything is written: damaged bytes give no picture, never a write past its end.
    while (p != end) {
        if (end - p < 8)
            return QImage();
        const quint32 word = qFromLittleEndian<quint32>(p);
        const quint32 n = word & ~kRun;
        p += 4;
        if (n == 0 || n > total - done)
            return QImage();
        if (word & kRun) {
            std::fill_n(out + done, n, qFromLittleEndian<quint32>(p));
            p += 4;
        } else {
            if (quint64(end - p) / 4 < n)
                return QImage();
            qFromLittleEndian<quint32>(p, qsizetype(n), out + done);
            p += qsizetype(n) * 4;
        }
        done += n;
    }
    return done == total ? image : QImage();
}

QImage rawImageView(const uchar* data, qsizetype size) {
    Header h;
    if (!readHeader(data, size, &h))
        return QImage();
    const QImage view(data + kHeader, h.width, h.height, qsizetype(h.width) * 4, h.format);
    // Pixels must lie on 4-byte boundaries to be read in place; a resource need not.
    return reinterpret_cast<quintptr>(data + kHeader) % 4 == 0 ? view : view.copy();
}

QImage imageInLargePages(int width, int height, QImage::Format format) {
    constexpr size_t kLarge = size_t(2) << 20;
    const size_t bytes = size_t(width) * 4 * size_t(height);
    if (bytes < kLarge / 2)
        return QImage(width, height, format);
    const size_t rounded = (bytes + kLarge - 1) / kLarge * kLarge;
    void* memory = std::aligned_alloc(kLarge, rounded);
    if (!memory)
        return QImage(width, height, format);
    madvise(memory, rounded, MADV_HUGEPAGE);  // a hint: without it, ordinary pages
    return QImage(static_cast<uchar*>(memory), width, height, qsizetype(width) * 4, format,
                  [](void* m) { std::free(m); }, memory);
}

QImage mapRawImageFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QImage();
    struct stat st {};
    void* address = MAP_FAILED;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= kHeader)
        // Its pages are brought in now, by the thread that maps it, rather than one fault
        // at a time by whoever first draws it.
        address = mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    ::close(fd);  // the mapping keeps the file
    if (address == MAP_FAILED)
        return QImage();
    const auto* data = static_cast<const uchar*>(address);
    Header h;
    if (!readHeader(data, qsizetype(st.st_size), &h)) {
        munmap(address, size_t(st.st_size));
        return QImage();
    }
    // Read-only: nothing may write through to the file, and the mapping goes with the
    // last copy of the image.
    return QImage(data + kHeader, h.width, h.height, qsizetype(h.width) * 4, h.format, unmap,
                  new Mapping{address, size_t(st.st_size)});
}

QImage copyInLargePages(const QImage& image) {
    if (image.isNull() || image.depth() != 32)
        return image.copy();
    QImage copy = imageInLargePages(image.width(), image.height(), image.format());
    if (copy.isNull())  // no memory for it: the picture as it was beats none
        return image;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(copy.scanLine(y), image.constScanLine(y), size_t(image.width()) * 4);
    copy.setDevicePixelRatio(image.devicePixelRatio());
    return copy;
}

bool writeRawImageFile(const QImage& image, const QString& path) {
    const QByteArray bytes = encodeRawImage(image);
    if (bytes.isEmpty())
        return false;
    // Written beside under a name of this process's own, then renamed over the old one in
    // one step: a reader sees the old file or the new, never half of one.
    const QString part = path + QStringLiteral(".part-%1").arg(QCoreApplication::applicationPid());
    QFile file(part);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written || std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(part);
        return false;
    }
    return true;
}

namespace {

QImage compiledIn(const QString& name) {
    const QResource raw(name);
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression)
        return QImage();
    return rawImageView(raw.data(), raw.size());
}

}  // namespace

QImage designPicture(const QString& stem, double deviceScale) {
    if (deviceScale > 1.0) {
        QImage sharp = compiledIn(stem + QStringLiteral("@2x.argb"));
        if (sharp.isNull())
            sharp = QImage(stem + QStringLiteral("@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    const QImage view = compiledIn(stem + QStringLiteral(".argb"));
    return view.isNull() ? QImage(stem + QStringLiteral(".png")) : view;
}

QImage firstFramePicture(const QString& animation) {
    if (!animation.endsWith(QLatin1String(".gif")))
        return QImage();
    return compiledIn(animation.chopped(4) + QStringLiteral(".first.argb"));
}

}  // namespace zorbla
