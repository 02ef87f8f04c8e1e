#include "sound/level.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>

namespace zorbla::level {

Samples trimSilence(const Samples& in, int sampleRate, int keepMs)
{
    const int threshold = 400; // about -38 dBFS
    int first = -1, last = -1;
    for (int i = 0; i < int(in.size()); ++i)
        if (std::abs(int(in[i])) > threshold) {
            if (first < 0)
                first = i;
            last = i;
        }
    if (first < 0)
        return {};
    const int keep = sampleRate * keepMs / 1000;
    const int b = std::max(0, first - keep);
    const int e = std::min(int(in.size()), last + keep + 1);
    Samples out(in.begin() + b, in.begin() + e);
    const int fade = std::min<int>(sampleRate / 200, int(out.size()) / 2); // 5 ms
    for (int i = 0; i < fade; ++i) {
        const double g = double(i) / fade;
        out[i] = qint16(out[i] * g);
        out[out.size() - 1 - i] = qint16(out[out.size() - 1 - i] * g);
    }
    return out;
}

double loudness(const Samples& s, int sampleRate)
{
    if (s.empty())
        return -HUGE_VAL;
    ebur128_state *st = ebur128_init(1, sampleRate, EBUR128_MODE_I);
    size_t fed = 0;
    do {
        ebur128_add_frames_short(st, s.data(), s.size());
        fed += s.size();
    } while (fed < size_t(sampleRate));
    double lufs = -HUGE_VAL;
    if (ebur128_loudness_global(st, &lufs) != EBUR128_SUCCESS)
        lufs = -HUGE_VAL;
    ebur128_destroy(&st);
    return lufs;
}

void toPackLoudness(Samples* s, int sampleRate)
{
    const double now = loudness(*s, sampleRate);
    if (!std::isfinite(now))
        return;
    const double g = std::pow(10.0, (kPackLoudness - now) / 20.0);
    // A peak that would clip is turned down, and let up again over 50 ms: a limiter, which
    // touches too little of the sound to change its loudness.
    const double ceiling = 0.97 * 32767.0;
    const double release = std::exp(-1.0 / (0.05 * sampleRate));
    std::vector<double> x(s->size());
    for (size_t i = 0; i < s->size(); ++i)
        x[i] = (*s)[i] * g;
    std::vector<double> need(x.size(), 1.0); // the gain each sample may have at most
    const size_t ahead = sampleRate / 200; // 5 ms to turn down before a peak
    for (size_t i = 0; i < x.size(); ++i)
        if (std::abs(x[i]) > ceiling)
            for (size_t j = i > ahead ? i - ahead : 0; j <= i; ++j)
                need[j] = std::min(need[j], ceiling / std::abs(x[i]) + (1 - ceiling / std::abs(x[i])) * double(i - j) / ahead);
    double gain = 1.0;
    for (size_t i = 0; i < x.size(); ++i) {
        gain = std::min(need[i], 1.0 - (1.0 - gain) * release);
        (*s)[i] = qint16(std::lround(std::clamp(x[i] * gain, -32767.0, 32767.0)));
    }
}

}  // namespace zorbla::level
