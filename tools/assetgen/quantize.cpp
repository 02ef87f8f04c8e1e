#include "quantize.h"

#include <algorithm>

namespace ag {

void addToHistogram(const QImage &image, Histogram *hist, bool skipTransparent)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    const int width = img.width(), height = img.height();
    for (int y = 0; y < height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (skipTransparent && qAlpha(line[x]) < 128)
                continue;
            ++(*hist)[line[x] & 0xFFFFFF];
        }
    }
}

namespace {

struct Entry {
    quint32 rgb;
    quint32 count;
    int ch(int c) const { return (rgb >> (16 - 8 * c)) & 0xFF; }
};

struct Box {
    int begin, end; // range in the entry array
    int lo[3], hi[3];
    quint64 weight;
    int longest() const
    {
        int best = 0;
        for (int c = 1; c < 3; ++c)
            if (hi[c] - lo[c] > hi[best] - lo[best])
                best = c;
        return best;
    }
    int range() const { return hi[longest()] - lo[longest()]; }
};

void shrink(Box &b, const std::vector<Entry> &e)
{
    for (int c = 0; c < 3; ++c) {
        b.lo[c] = 255;
        b.hi[c] = 0;
    }
    b.weight = 0;
    for (int i = b.begin; i < b.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            b.lo[c] = std::min(b.lo[c], e[i].ch(c));
            b.hi[c] = std::max(b.hi[c], e[i].ch(c));
        }
        b.weight += e[i].count;
    }
}

} // namespace

std::vector<quint32> medianCut(const Histogram &hist, int maxColors)
{
    std::vector<Entry> e;
    e.reserve(hist.size());
    for (const auto &kv : hist)
        e.push_back({kv.first, kv.second});
    // unordered_map order is not stable; everything after this must be.
    std::sort(e.begin(), e.end(), [](const Entry &a, const Entry &b) { return a.rgb < b.rgb; });

    std::vector<quint32> out;
    if (int(e.size()) <= maxColors) {
        for (const Entry &x : e)
            out.push_back(x.rgb);
        return out;
    }

    std::vector<Box> boxes;
    Box all{0, int(e.size()), {}, {}, 0};
    shrink(all, e);
    boxes.push_back(all);
    while (int(boxes.size()) < maxColors) {
        // Split the box that matters most: wide in colour and covering many pixels.
        int pick = -1;
        double bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const Box &b = boxes[i];
            if (b.end - b.begin < 2)
                continue;
            const double score = double(b.range()) * double(b.weight);
            if (score > bestScore) {
                bestScore = score;
                pick = i;
            }
        }
        if (pick < 0)
            break;
        Box b = boxes[pick];
        const int c = b.longest();
        std::sort(e.begin() + b.begin, e.begin() + b.end, [c](const Entry &x, const Entry &y) {
            return x.ch(c) != y.ch(c) ? x.ch(c) < y.ch(c) : x.rgb < y.rgb;
        });
        // Weighted median, keeping at least one entry each side.
        quint64 acc = 0;
        int cut = b.begin + 1;
        for (int i = b.begin; i < b.end - 1; ++i) {
            acc += e[i].count;
            cut = i + 1;
            if (acc * 2 >= b.weight)
                break;
        }
        Box left{b.begin, cut, {}, {}, 0}, right{cut, b.end, {}, {}, 0};
        shrink(left, e);
        shrink(right, e);
        boxes[pick] = left;
        boxes.push_back(right);
    }
    for (const Box &b : boxes) {
        quint64 sum[3] = {0, 0, 0};
        quint64 w = 0;
        for (int i = b.begin; i < b.end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += quint64(e[i].ch(c)) * e[i].count;
            w += e[i].count;
        }
        quint32 rgb = 0;
        for (int c = 0; c < 3; ++c)
            rgb = (rgb << 8) | quint32((sum[c] + w / 2) / std::max<quint64>(w, 1));
        out.push_back(rgb);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

ColorMapper::ColorMapper(std::vector<quint32> palette, int firstIndex)
    : m_palette(std::move(palette)), m_first(firstIndex)
{
    // The channels apart, so that the distances to every entry are worked out side by side.
    for (quint32 p : m_palette) {
        m_r.push_back(int((p >> 16) & 0xFF));
        m_g.push_back(int((p >> 8) & 0xFF));
        m_b.push_back(int(p & 0xFF));
    }
    m_d.resize(m_palette.size());
}

int ColorMapper::map(quint32 rgb)
{
    rgb &= 0xFFFFFF;
    // A colour met again is most often met again soon: one slot per colour's hash.
    Slot &slot = m_slots[(rgb * 2654435761u) >> (32 - kSlotBits)];
    if (slot.rgb == rgb)
        return slot.index;
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    const size_t n = m_palette.size();
    int nearest = INT32_MAX;
    for (size_t i = 0; i < n; ++i) {
        const int dr = r - m_r[i], dg = g - m_g[i], db = b - m_b[i];
        // Eyes care more for green than blue.
        m_d[i] = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        nearest = std::min(nearest, m_d[i]);
    }
    // The first of the nearest.
    const int best = int(std::find(m_d.begin(), m_d.end(), nearest) - m_d.begin());
    slot = {rgb, (n > 0 ? best : 0) + m_first};
    return slot.index;
}

} // namespace ag
