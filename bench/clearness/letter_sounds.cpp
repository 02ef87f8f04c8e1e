// How clearly the letter sounds say their sounds: each letter sound's spectrum beside the
// spectrum the same voice gives that sound inside the edition's words it sounds out.
//   bench_letter_clearness [--language LANG]
// A letter sound is heard as its own when, of the sounds the words have, its own is the
// nearest. A wrong one, another letter's sound put in its place, should be farther from
// the sound in words than the right one: the share of such pairs told apart shows whether
// the measure tells a right sound from a wrong one at all.
#include "content.h"
#include "lettersounds.h"
#include "sound.h"

#include "files/wordtable.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

namespace {

constexpr int kFrame = 512;  // 23 ms at 22050 Hz
constexpr int kHop = 220;    // 10 ms
constexpr int kBands = 26;

using Spectrum = std::vector<double>;

void fft(std::vector<std::complex<double>> &a)
{
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2 * M_PI / double(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1;
            for (size_t k = 0; k < len / 2; ++k, wk *= w) {
                const auto u = a[i + k], v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

double mel(double hz) { return 2595 * std::log10(1 + hz / 700); }

// The mean log mel spectrum of the frames centred between from and to (seconds), its own
// mean taken away so that loudness does not count; empty when no frame falls there.
Spectrum spectrumOf(const ag::Samples &s, double from, double to)
{
    Spectrum sum(kBands, 0.0);
    int frames = 0;
    const double lo = mel(100), hi = mel(8000);
    for (size_t at = 0; at + kFrame <= s.size(); at += kHop) {
        const double centre = (double(at) + kFrame / 2.0) / ag::kSampleRate;
        if (centre < from || centre > to)
            continue;
        std::vector<std::complex<double>> x(kFrame);
        for (int i = 0; i < kFrame; ++i)
            x[i] = s[at + i] * (0.5 - 0.5 * std::cos(2 * M_PI * i / (kFrame - 1)));
        fft(x);
        for (int b = 0; b < kBands; ++b) {
            // Triangular bands, evenly spaced in mel.
            const double m0 = lo + (hi - lo) * b / (kBands + 1), m1 = lo + (hi - lo) * (b + 1) / (kBands + 1),
                         m2 = lo + (hi - lo) * (b + 2) / (kBands + 1);
            double e = 1e-3;
            for (int k = 1; k < kFrame / 2; ++k) {
                const double m = mel(double(k) * ag::kSampleRate / kFrame);
                const double wgt = m <= m0 || m >= m2 ? 0 : m < m1 ? (m - m0) / (m1 - m0) : (m2 - m) / (m2 - m1);
                e += wgt * std::norm(x[k]);
            }
            sum[b] += std::log(e);
        }
        ++frames;
    }
    if (frames == 0)
        return {};
    double mean = 0;
    for (double &v : sum)
        mean += v /= frames;
    mean /= kBands;
    for (double &v : sum)
        v -= mean;
    return sum;
}

double distance(const Spectrum &a, const Spectrum &b)
{
    double d = 0;
    for (int i = 0; i < kBands; ++i)
        d += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(d / kBands);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--language")));
    const QString language = at > 0 && at + 1 < args.size() ? args[at + 1] : QStringLiteral("en");
    const QString assets = QStringLiteral(ZORBLA_ASSETS_DIR);
    const QString edition = language == QLatin1String("en") ? assets : assets + QLatin1Char('/') + language;

    zorbla::WordTable table;
    ag::LetterSoundTable sounds;
    ag::Content content;
    ag::Prompts prompts;
    ag::Speaker speaker;
    QString error;
    if (const auto fault = zorbla::WordTableReader::read(table, QDir(edition)))
        error = fault->message();
    else if (ag::loadLetterSounds(edition + QStringLiteral("/letter_sounds.tsv"), table, &sounds, &error)
             && ag::loadContent(edition + QStringLiteral("/content.tsv"), &content, &error)
             && ag::loadPrompts(assets + QStringLiteral("/prompts.tsv"), language, &prompts, &error))
        speaker.init(prompts.voice, &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "bench_letter_clearness: %s\n", qPrintable(error));
        return 1;
    }

    // The sounds in words, by their phonemes: C, K and CK are one sound.
    const auto key = [&](const ag::LetterSound &s) { return speaker.plainPhonemes(s.inWords()).join(QLatin1Char(' ')); };
    QStringList words, spoken;
    for (const ag::Picture &p : content.letters + content.numbers) {
        words << p.word;
        spoken << p.sayText();
    }
    QMap<QString, Spectrum> inWords;
    QMap<QString, int> heard;
    int said = 0, skipped = 0;
    for (const ag::WordReading &w : ag::readWords(speaker, sounds, words, spoken)) {
        if (w.parts.isEmpty())
            continue;
        const QStringList phonemes = speaker.wordPhonemes(w.word, &error);
        QList<ag::RenderedPhone> made;
        const ag::Samples s = speaker.speakPhonemes(phonemes, 1.0, &made, &error);
        QStringList names;
        for (const ag::RenderedPhone &p : made)
            names << p.name;
        QList<int> lengths;
        // Only where the voice made the word's phonemes as written is it known which are whose.
        if (speaker.plainPhonemes(names) != phonemes || !ag::saysWord(w.parts, phonemes, speaker, &lengths)) {
            ++skipped;
            continue;
        }
        ++said;
        for (int i = 0, first = 0; i < w.parts.size(); first += lengths[i++]) {
            const ag::RenderedPhone &a = made[first], &b = made[first + lengths[i] - 1];
            const Spectrum sp = spectrumOf(s, a.start, b.start + b.seconds);
            if (sp.empty())
                continue;
            Spectrum &sum = inWords[key(*w.parts[i])];
            if (sum.empty())
                sum.assign(kBands, 0.0);
            for (int k = 0; k < kBands; ++k)
                sum[k] += sp[k];
            ++heard[key(*w.parts[i])];
        }
    }
    for (auto it = inWords.begin(); it != inWords.end(); ++it)
        for (double &v : *it)
            v /= heard[it.key()];

    // Each letter sound as the pack says it, only its own phones: a stop without its vowel.
    struct Said { const ag::LetterSound *sound; Spectrum spectrum; };
    QList<Said> alone;
    for (const ag::LetterSound &s : sounds.sounds) {
        if (s.kind == ag::SoundKind::Silent || !inWords.contains(key(s)))
            continue;
        QList<ag::RenderedPhone> made;
        const ag::Samples samples = ag::speakLetterSound(speaker, s, &made, &error);
        const int own = s.kind == ag::SoundKind::Schwa ? int(made.size()) - 1 : int(made.size());
        if (own < 1)
            continue;
        const Spectrum sp = spectrumOf(samples, made[0].start, made[own - 1].start + made[own - 1].seconds);
        if (!sp.empty())
            alone << Said{&s, sp};
    }

    int own = 0, pairs = 0, toldApart = 0;
    QStringList missed, confused;
    for (const Said &s : alone) {
        const Spectrum &ref = inWords[key(*s.sound)];
        QString nearest;
        double best = 1e9;
        for (auto it = inWords.cbegin(); it != inWords.cend(); ++it)
            if (const double d = distance(s.spectrum, *it); d < best)
                best = d, nearest = it.key();
        if (nearest == key(*s.sound))
            ++own;
        else
            missed << QStringLiteral("%1 [%2] nearest [%3]").arg(s.sound->letters, key(*s.sound), nearest);
        // Every other sound put in this one's place.
        for (const Said &wrong : alone)
            if (key(*wrong.sound) != key(*s.sound)) {
                ++pairs;
                if (distance(s.spectrum, ref) < distance(wrong.spectrum, ref))
                    ++toldApart;
                else
                    confused << QStringLiteral("%1 for %2").arg(wrong.sound->letters, s.sound->letters);
            }
    }
    std::printf("%s: %d words sounded out and said from their phonemes (%d left out: the voice made other "
                "phones), %lld sounds heard in them\n",
                qPrintable(language), said, skipped, (long long)inWords.size());
    std::printf("letter sounds nearest their own sound in words: %d of %lld (%.0f %%)\n", own, (long long)alone.size(),
                alone.isEmpty() ? 0.0 : 100.0 * own / alone.size());
    std::printf("right sound nearer than another letter's sound in its place: %d of %d pairs (%.1f %%)\n", toldApart,
                pairs, pairs ? 100.0 * toldApart / pairs : 0.0);
    if (!missed.isEmpty())
        std::printf("not nearest their own: %s\n", qPrintable(missed.join(QStringLiteral("; "))));
    if (!confused.isEmpty())
        std::printf("wrong sounds nearer than the right one: %s\n", qPrintable(confused.join(QStringLiteral(", "))));
    return 0;
}
