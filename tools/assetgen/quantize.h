// Median-cut palette reduction without dithering: flat cartoon colours stay
// flat, and a picture with few colours comes back exactly.
#pragma once

#include <QImage>
#include <QVector>
#include <unordered_map>
#include <vector>

namespace ag {

using Histogram = std::unordered_map<quint32, quint32>; // 0xRRGGBB -> pixel count

// Counts the opaque colours of an image (alpha ignored unless skipTransparent).
void addToHistogram(const QImage &image, Histogram *hist, bool skipTransparent = false);

// At most maxColors colours (0xRRGGBB), ordered deterministically.
std::vector<quint32> medianCut(const Histogram &hist, int maxColors);

// Nearest palette entry, with a cache: pictures reuse few colours.
class ColorMapper {
public:
    explicit ColorMapper(std::vector<quint32> palette, int firstIndex = 0);
    int map(quint32 rgb);
    const std::vector<quint32> &palette() const { return m_palette; }

private:
    std::vector<quint32> m_palette;
    int m_first;
    std::unordered_map<quint32, int> m_cache;
};

} // namespace ag
