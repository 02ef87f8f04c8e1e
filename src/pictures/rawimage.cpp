#include "pictures/rawimage.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMutex>
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
constexpr quint32 kThreeBytes = 2;
constexpr char kRunsMagic[4] = {'Z', 'R', 'U', 'N'};
constexpr qsizetype kRunsHeader = 12;
constexpr quint32 kRun = 0x80000000u;
// Shorter repeats stay among the pixels as they are: a run costs two words.
constexpr size_t kShortestRun = 3;

struct Header {
    int width = 0;
    int height = 0;
    QImage::Format format = QImage::Format_Invalid;
    qsizetype bytesPerLine = 0;
};

// Rows as QImage keeps them: whole 32-bit words.
qsizetype rowBytes(int width, int bytesPerPixel) { return (qsizetype(width) * bytesPerPixel + 3) / 4 * 4; }

// The header of the bytes, when they hold exactly one whole picture.
bool readHeader(const uchar* data, qsizetype size, Header* header) {
    if (!data || size < kHeader || std::memcmp(data, kMagic, 4) != 0)
        return false;
    const quint32 w = qFromLittleEndian<quint32>(data + 4);
    const quint32 h = qFromLittleEndian<quint32>(data + 8);
    const quint32 kind = qFromLittleEndian<quint32>(data + 12);
    if (w == 0 || h == 0 || w > kLargest || h > kLargest || kind > kThreeBytes)
        return false;
    const qsizetype row = rowBytes(int(w), kind == kThreeBytes ? 3 : 4);
    if (size - kHeader != row * qsizetype(h))
        return false;
    header->width = int(w);
    header->height = int(h);
    header->format = kind == kThreeBytes ? QImage::Format_RGB888
                     : kind == kOpaque   ? QImage::Format_RGB32
                                         : QImage::Format_ARGB32_Premultiplied;
    header->bytesPerLine = row;
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
    const quint32 kind = image.format() == QImage::Format_RGB888 ? kThreeBytes
                         : image.format() == QImage::Format_RGB32 ? kOpaque
                                                                  : kPremultiplied;
    const QImage pixels = kind != kPremultiplied ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (pixels.isNull())
        return QByteArray();
    QByteArray out(kHeader, '\0');
    std::memcpy(out.data(), kMagic, 4);
    qToLittleEndian<quint32>(quint32(pixels.width()), out.data() + 4);
    qToLittleEndian<quint32>(quint32(pixels.height()), out.data() + 8);
    qToLittleEndian<quint32>(kind, out.data() + 12);
    const qsizetype row = rowBytes(pixels.width(), kind == kThreeBytes ? 3 : 4);
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
    QImage image = imageInLargePages(int(w), int(h), QImage::Format_RGB888);
    if (image.isNull())
        return QImage();
    // Pixels are written three bytes each along the rows; a run may go on into the next row.
    // Where rows are not filled up (a width of whole words, as every common screen's), the
    // picture is one stream of pixels from end to end.
    uchar* row = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const quint32 stream = bytesPerLine == qsizetype(w) * 3 ? w * h : w;
    quint32 x = 0;
    const auto put = [&](quint32 pixel, quint32 n) {
        while (n > 0) {
            const quint32 here = std::min(n, stream - x);
            uchar* o = row + qsizetype(x) * 3;
            o[0] = uchar(pixel >> 16);
            o[1] = uchar(pixel >> 8);
            o[2] = uchar(pixel);
            // The rest of a run in copies of what is written, twice as long each time.
            for (quint32 made = 1; made < here;) {
                const quint32 more = std::min(made, here - made);
                std::memcpy(o + qsizetype(made) * 3, o, size_t(more) * 3);
                made += more;
            }
            x += here;
            n -= here;
            if (x == stream) {
                x = 0;
                row += bytesPerLine;
            }
        }
    };
    const auto putEach = [&](const uchar* from, quint32 n) {
        while (n > 0) {
            const quint32 here = std::min(n, stream - x);
            uchar* o = row + qsizetype(x) * 3;
            for (quint32 k = 0; k < here; ++k, from += 4, o += 3) {
                const quint32 pixel = qFromLittleEndian<quint32>(from);
                o[0] = uchar(pixel >> 16);
                o[1] = uchar(pixel >> 8);
                o[2] = uchar(pixel);
            }
            x += here;
            n -= here;
            if (x == stream) {
                x = 0;
                row += bytesPerLine;
            }
        }
    };
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
            put(qFromLittleEndian<quint32>(p), n);
            p += 4;
        } else {
            if (quint64(end - p) / 4 < n)
                return QImage();
            putEach(p, n);
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
    const QImage view(data + kHeader, h.width, h.height, h.bytesPerLine, h.format);
    // Pixels must lie on 4-byte boundaries to be read in place; a resource need not.
    return reinterpret_cast<quintptr>(data + kHeader) % 4 == 0 ? view : view.copy();
}

QImage imageInLargePages(int width, int height, QImage::Format format) {
    constexpr size_t kLarge = size_t(2) << 20;
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (depth != 32 && depth != 24)
        return QImage(width, height, format);
    const qsizetype bytesPerLine = rowBytes(width, depth / 8);
    const size_t bytes = size_t(bytesPerLine) * size_t(height);
    if (bytes < kLarge / 2)
        return QImage(width, height, format);
    const size_t rounded = (bytes + kLarge - 1) / kLarge * kLarge;
    void* memory = std::aligned_alloc(kLarge, rounded);
    if (!memory)
        return QImage(width, height, format);
    madvise(memory, rounded, MADV_HUGEPAGE);  // a hint: without it, ordinary pages
    return QImage(static_cast<uchar*>(memory), width, height, bytesPerLine, format, [](void* m) { std::free(m); },
                  memory);
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
    return QImage(data + kHeader, h.width, h.height, h.bytesPerLine, h.format, unmap,
                  new Mapping{address, size_t(st.st_size)});
}

QImage copyInLargePages(const QImage& image) {
    if (image.isNull() || (image.depth() != 32 && image.depth() != 24))
        return image.copy();
    QImage copy = imageInLargePages(image.width(), image.height(), image.format());
    if (copy.isNull())  // no memory for it: the picture as it was beats none
        return image;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(copy.scanLine(y), image.constScanLine(y), size_t(image.width()) * size_t(image.depth() / 8));
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

// The pixels of compiled-in pictures handed out as views, by their first byte.
QMutex viewsLock;
QHash<const uchar*, qsizetype> views;

QImage compiledIn(const QString& name) {
    const QResource raw(name);
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression)
        return QImage();
    QImage view = rawImageView(raw.data(), raw.size());
    if (!view.isNull() && view.constBits() == raw.data() + kHeader) {
        QMutexLocker hold(&viewsLock);
        views.insert(view.constBits(), view.sizeInBytes());
    }
    return view;
}

}  // namespace

void releaseCompiledIn(const QImage& image) {
    qsizetype size = 0;
    {
        QMutexLocker hold(&viewsLock);
        size = views.value(image.constBits(), 0);
    }
    if (size == 0)
        return;
    // Whole pages within the pixels only: the pages at either end are shared with others.
    // The program's file is mapped privately and never written, so its pages come back
    // from the file as they were.
    const quintptr page = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr begin = (quintptr(image.constBits()) + page - 1) / page * page;
    const quintptr end = (quintptr(image.constBits()) + quintptr(size)) / page * page;
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), size_t(end - begin), MADV_DONTNEED);
}

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
