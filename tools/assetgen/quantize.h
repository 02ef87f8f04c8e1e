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
    std::vector<int> m_r, m_g, m_b;
    std::vector<int> m_d;  // the distances to each entry, worked out for one colour
    int m_first;
    struct Slot {
        quint32 rgb = 0xFFFFFFFFu;  // no colour: colours have eight bits a channel
        int index = 0;
    };
    static constexpr int kSlotBits = 15;
    std::vector<Slot> m_slots = std::vector<Slot>(size_t(1) << kSlotBits);
};

} // namespace ag
