#include "sound.h"

#include <cstring>

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include "sound/level.h"
#include <sndfile.h>
#include <flite/flite.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace ag {

namespace {

Samples *g_collect = nullptr;

// The phonemes espeak-ng reports while it speaks, with where each starts (ms), when asked.
struct PhonemeEvent {
    QString name;
    int ms = 0;
};
QList<PhonemeEvent> *g_phonemes = nullptr;

int collect(short *wav, int n, espeak_EVENT *events)
{
    if (wav && g_collect)
        g_collect->insert(g_collect->end(), wav, wav + n);
    for (espeak_EVENT *e = events; g_phonemes && e && e->type != espeakEVENT_LIST_TERMINATED; ++e)
        if (e->type == espeakEVENT_PHONEME)
            g_phonemes->append({QString::fromUtf8(e->id.string, int(strnlen(e->id.string, sizeof e->id.string))),
                                e->audio_position});
    return 0;
}

// espeak-ng's marks of stress, which stand before a vowel in its phonemes.
bool isStressMark(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char(',') || c == QLatin1Char('%') || c == QLatin1Char('=');
}

constexpr double kPi = 3.14159265358979323846;

} // namespace

// espeak-ng cannot be started again once terminated (it hangs), so it is
// started once per process and left running until exit.
static bool g_espeakReady = false;

extern "C" {
cst_voice *register_cmu_us_slt(const char *);
cst_voice *register_cmu_us_rms(const char *);
cst_voice *register_cmu_us_awb(const char *);
cst_voice *register_cmu_us_kal16(const char *);
}

Speaker::~Speaker() = default;

bool Speaker::initFlite(const QString &voice, QString *error)
{
    static bool started = false;
    if (!started) {
        flite_init();
        started = true;
    }
    const QStringList parts = voice.mid(6).split(QLatin1Char(','));
    struct Known { const char *name; cst_voice *(*make)(const char *); };
    static const Known known[] = {{"slt", register_cmu_us_slt}, {"rms", register_cmu_us_rms},
                                  {"awb", register_cmu_us_awb}, {"kal16", register_cmu_us_kal16}};
    // Registered once each and kept: a voice holds its tables for the process's life.
    static QHash<QString, cst_voice *> made;
    cst_voice *v = made.value(parts.first());
    for (const Known &k : known)
        if (!v && parts.first() == QLatin1String(k.name))
            made.insert(parts.first(), v = k.make(nullptr));
    if (!v) {
        *error = QStringLiteral("flite: no voice '%1' (slt, rms, awb or kal16)").arg(parts.first());
        return false;
    }
    float stretch = 1.0f, pitch = 1.0f;
    for (const QString &p : parts.mid(1)) {
        bool ok = false;
        const float value = p.section(QLatin1Char('='), 1).toFloat(&ok);
        if (ok && p.startsWith(QLatin1String("stretch=")))
            stretch = value;
        else if (ok && p.startsWith(QLatin1String("pitch=")))
            pitch = value;
        else {
            *error = QStringLiteral("flite: unknown setting '%1' in voice '%2'").arg(p, voice);
            return false;
        }
    }
    // rms takes no pitch from outside: say so rather than leave it as it was.
    if (pitch != 1.0f && parts.first() == QLatin1String("rms")) {
        *error = QStringLiteral("flite: the voice rms keeps its own pitch (%1)").arg(voice);
        return false;
    }
    feat_set_float(v->features, "duration_stretch", stretch);
    feat_set_float(v->features, "f0_shift", pitch);
    m_flite = v;
    m_fliteStretch = stretch;
    m_voice = voice;
    m_ready = true;
    return true;
}

Samples Speaker::speakFlite(const QString &text, bool asLetter, QString *error)
{
    Q_UNUSED(asLetter); // flite says a lone letter by its name ("A" is "ey") on its own
    // Its clustergen voices draw noise from rand(): seeded, the same text gives the same bytes.
    std::srand(1);
    cst_wave *w = flite_text_to_wave(text.toUtf8().constData(), static_cast<cst_voice *>(m_flite));
    if (!w) {
        *error = QStringLiteral("flite could not speak '%1'").arg(text);
        return {};
    }
    Samples s(w->samples, w->samples + w->num_samples);
    const int rate = w->sample_rate;
    delete_wave(w);
    return resample(s, rate, kSampleRate);
}

bool Speaker::init(const QString &voice, QString *error)
{
    if (voice.startsWith(QLatin1String("flite:")))
        return initFlite(voice, error);
    m_flite = nullptr;
    if (!g_espeakReady) {
        // The older call is the one that can ask for phoneme events, which the letter
        // sounds are checked with; it sets espeak-ng up as espeak_ng_Initialize and
        // espeak_ng_InitializeOutput do, and prints why when it cannot.
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                           espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
        if (rate != kSampleRate) {
            *error = QStringLiteral("espeak-ng: cannot start with synchronous output at %1 Hz").arg(kSampleRate);
            return false;
        }
        espeak_SetSynthCallback(collect);
        g_espeakReady = true;
    }
    m_ready = true;
    if (!applyVoice(voice)) {
        *error = QStringLiteral("espeak-ng: no voice '%1'").arg(voice);
        return false;
    }
    m_voice = voice;
    return true;
}

bool Speaker::applyVoice(const QString &voice)
{
    const QByteArray name = voice.toUtf8();
    if (espeak_ng_SetVoiceByName(name.constData()) != ENS_OK) {
        // A language tag such as "fr-fr" names no voice file: find the voice by its language.
        if (voice.contains(QLatin1Char('+')))
            return false;
        const espeak_VOICE *best = nullptr;
        int bestPriority = 100;
        for (const espeak_VOICE **v = espeak_ListVoices(nullptr); v && *v; ++v) {
            if (qstrncmp((*v)->identifier, "mb/", 3) == 0) // MBROLA voices need their own package
                continue;
            // languages: a priority byte, the language, a NUL, again and again.
            for (const char *l = (*v)->languages; *l; l += std::strlen(l + 1) + 2)
                if (name.compare(l + 1, Qt::CaseInsensitive) == 0 && *l < bestPriority) {
                    best = *v;
                    bestPriority = *l;
                }
        }
        if (!best || espeak_ng_SetVoiceByName(best->name) != ENS_OK)
            return false;
    }
    // Slower and a little higher than the default: small children listen.
    espeak_SetParameter(espeakRATE, 140, 0);
    espeak_SetParameter(espeakPITCH, 62, 0);
    espeak_SetParameter(espeakRANGE, 70, 0);
    espeak_SetParameter(espeakWORDGAP, 0, 0);
    return true;
}

Samples Speaker::speak(const QString &text, bool asLetter, QString *error)
{
    if (m_flite)
        return speakFlite(text, asLetter, error);
    Samples out;
    QString input = text;
    unsigned flags = espeakCHARS_UTF8;
    if (asLetter) {
        input = QStringLiteral("<speak><say-as interpret-as=\"characters\">%1</say-as></speak>")
                    .arg(text.toHtmlEscaped());
        flags |= espeakSSML;
    }
    // The synthesizer keeps its waveform phase from one utterance to the
    // next, so bytes depend on what was said before: the pack always speaks
    // in the same order, which keeps it reproducible.
    applyVoice(m_voice);
    const QByteArray utf8 = input.toUtf8();
    std::srand(1);
    g_collect = &out;
    const espeak_ERROR rc = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                         flags, nullptr, nullptr);
    espeak_Synchronize();
    g_collect = nullptr;
    if (rc != EE_OK) {
        *error = QStringLiteral("espeak-ng could not speak '%1'").arg(text);
        return {};
    }
    return out;
}

Samples Speaker::speakPhonemes(const QStringList &phones, double stretch, QList<RenderedPhone> *rendered,
                               QString *error)
{
    rendered->clear();
    if (m_flite)
        return speakFlitePhones(phones, stretch, rendered, error);
    applyVoice(m_voice);
    espeak_SetParameter(espeakRATE, int(std::lround(140 / stretch)), 0);
    // '|' only parts the names, so that "t|S" stays two phonemes rather than one "tS".
    const QByteArray input = QStringLiteral("[[%1]]").arg(phones.join(QLatin1Char('|'))).toUtf8();
    Samples out;
    QList<PhonemeEvent> events;
    std::srand(1);
    g_collect = &out;
    g_phonemes = &events;
    const espeak_ERROR rc = espeak_Synth(input.constData(), size_t(input.size()) + 1, 0, POS_CHARACTER, 0,
                                         espeakCHARS_UTF8 | espeakPHONEMES, nullptr, nullptr);
    espeak_Synchronize();
    g_collect = nullptr;
    g_phonemes = nullptr;
    if (rc != EE_OK) {
        *error = QStringLiteral("espeak-ng could not speak %1").arg(QString::fromUtf8(input));
        return {};
    }
    // A phone lasts until the next one (a pause included) starts, the last until the end.
    const int endMs = int(out.size() * 1000 / kSampleRate);
    for (int i = 0; i < events.size(); ++i) {
        if (events[i].name.startsWith(QLatin1Char('_')))
            continue;
        const int next = i + 1 < events.size() ? events[i + 1].ms : endMs;
        rendered->append({events[i].name, (next - events[i].ms) / 1000.0, events[i].ms / 1000.0});
    }
    return out;
}

Samples Speaker::speakFlitePhones(const QStringList &phones, double stretch, QList<RenderedPhone> *rendered,
                                  QString *error)
{
    auto *voice = static_cast<cst_voice *>(m_flite);
    // flite gives up the whole process on a phone it does not know: ask its phone set first.
    const cst_phoneset *set = val_phoneset(feat_val(voice->features, "phoneset"));
    for (const QString &p : phones)
        if (phone_id(set, plainPhonemes({p}).value(0).toUtf8().constData()) < 0) {
            *error = QStringLiteral("flite has no phone '%1' (in %2)").arg(p, phones.join(QLatin1Char(' ')));
            return {};
        }
    feat_set_float(voice->features, "duration_stretch", float(m_fliteStretch * stretch));
    std::srand(1);
    const QByteArray input = (QStringLiteral("pau ") + phones.join(QLatin1Char(' ')) + QStringLiteral(" pau")).toUtf8();
    cst_utterance *u = flite_synth_phones(input.constData(), voice);
    feat_set_float(voice->features, "duration_stretch", m_fliteStretch);
    cst_wave *w = u ? utt_wave(u) : nullptr;
    if (!w) {
        *error = QStringLiteral("flite could not speak the phones %1").arg(QString::fromUtf8(input));
        if (u)
            delete_utterance(u);
        return {};
    }
    // The Segment relation holds the phones as they were made, each with its end.
    float start = 0;
    for (cst_item *seg = relation_head(utt_relation(u, "Segment")); seg; seg = item_next(seg)) {
        const float end = item_feat_float(seg, "end");
        const QString name = QString::fromUtf8(item_feat_string(seg, "name"));
        if (name != QLatin1String("pau"))
            rendered->append({name, end - start, start});
        start = end;
    }
    Samples s(w->samples, w->samples + w->num_samples);
    const int rate = w->sample_rate;
    delete_utterance(u);
    return resample(s, rate, kSampleRate);
}

QStringList Speaker::plainPhonemes(const QStringList &phones) const
{
    QStringList plain;
    for (QString p : phones) {
        if (m_flite) {
            // flite's lexicon marks stress with a digit after the vowel: "ae1".
            while (!p.isEmpty() && p.back().isDigit())
                p.chop(1);
        } else {
            while (!p.isEmpty() && isStressMark(p.front()))
                p.remove(0, 1);
            p.remove(QLatin1Char(':'));
            // "l-" is a syllabic l: an l, as a reader sees it. "@-" is a phoneme of its own.
            if (p.size() > 1 && p.endsWith(QLatin1Char('-')) && p != QLatin1String("@-"))
                p.chop(1);
            // Pauses, word and syllable breaks say nothing.
            if (p.startsWith(QLatin1Char('_')) || p == QLatin1String("-") || p == QLatin1String("||"))
                continue;
        }
        if (!p.isEmpty())
            plain << p;
    }
    return plain;
}

QStringList Speaker::wordPhonemes(const QString &text, QString *error)
{
    QStringList phones;
    if (m_flite) {
        // The voice's own lexicon, as flite looks each word up when it speaks it.
        auto *voice = static_cast<cst_voice *>(m_flite);
        cst_lexicon *lexicon = val_lexicon(feat_val(voice->features, "lexicon"));
        for (const QString &word : text.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            cst_val *found = lex_lookup(lexicon, word.toUtf8().constData(), nullptr, nullptr);
            for (const cst_val *p = found; p; p = val_cdr(p))
                phones << QString::fromUtf8(val_string(val_car(p)));
            delete_val(found);
        }
        return plainPhonemes(phones);
    }
    applyVoice(m_voice);
    const QByteArray utf8 = text.toLower().toUtf8();
    const void *at = utf8.constData();
    while (at) {
        const char *said = espeak_TextToPhonemes(&at, espeakCHARS_UTF8, '|' << 8);
        for (const QString &word : QString::fromUtf8(said).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            for (const QString &p : word.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
                // "(en)": the word is read as English, whose sounds this table does not have.
                if (p.startsWith(QLatin1Char('('))) {
                    *error = QStringLiteral("'%1' is read as another language (%2)").arg(text, p);
                    return {};
                }
                phones << p;
            }
    }
    return plainPhonemes(phones);
}

Samples trimSilence(const Samples &in, int keepMs)
{
    return zorbla::level::trimSilence(in, kSampleRate, keepMs);
}

void normalize(Samples *s, double peak)
{
    int maxAbs = 0;
    for (short v : *s)
        maxAbs = std::max(maxAbs, std::abs(int(v)));
    if (maxAbs == 0)
        return;
    const double g = peak * 32767.0 / maxAbs;
    for (short &v : *s)
        v = short(std::lround(std::clamp(v * g, -32767.0, 32767.0)));
}

double loudness(const Samples &s)
{
    return zorbla::level::loudness(s, kSampleRate);
}

void normalizeLoudness(Samples *s)
{
    zorbla::level::toPackLoudness(s, kSampleRate);
}

double durationSeconds(const Samples &s)
{
    return double(s.size()) / kSampleRate;
}

Samples resample(const Samples &in, int fromRate, int toRate)
{
    if (fromRate == toRate || in.empty())
        return in;
    // Cut-off below the lower Nyquist frequency; 16 zero crossings each side, Blackman
    // window. The output falls on toRate / gcd places between two input samples: one
    // filter for each, computed once.
    const double cutoff = 0.94 * std::min(fromRate, toRate) / 2.0 / fromRate; // cycles per input sample
    const int half = int(std::ceil(16.0 * fromRate / std::min(fromRate, toRate)));
    const int phases = toRate / std::gcd(fromRate, toRate);
    std::vector<double> taps(size_t(phases) * 2 * half);
    for (int ph = 0; ph < phases; ++ph)
        for (int k = 0; k < 2 * half; ++k) {
            const double x = double(ph) / phases + half - 1 - k; // from input sample centre - half + 1 + k
            const double w = 0.42 + 0.5 * std::cos(kPi * x / half) + 0.08 * std::cos(2 * kPi * x / half);
            const double sinc = x == 0 ? 2 * cutoff : std::sin(2 * kPi * cutoff * x) / (kPi * x);
            taps[size_t(ph) * 2 * half + k] = sinc * w;
        }
    const size_t n = size_t(double(in.size()) * toRate / fromRate);
    Samples out(n);
    for (size_t j = 0; j < n; ++j) {
        const long long num = (long long)j * fromRate;
        const long centre = long(num / toRate);
        const int ph = int((num % toRate) * phases / toRate);
        const double *t = &taps[size_t(ph) * 2 * half];
        double acc = 0;
        for (int k = 0; k < 2 * half; ++k) {
            const long i = centre - half + 1 + k;
            if (i >= 0 && i < long(in.size()))
                acc += in[size_t(i)] * t[k];
        }
        out[j] = short(std::lround(std::clamp(acc, -32767.0, 32767.0)));
    }
    return out;
}

void mixInto(Samples *a, const Samples &b, int offset, double gain)
{
    if (a->size() < b.size() + size_t(offset))
        a->resize(b.size() + size_t(offset), 0);
    for (size_t i = 0; i < b.size(); ++i) {
        const int v = (*a)[i + offset] + int(std::lround(b[i] * gain));
        (*a)[i + offset] = short(std::clamp(v, -32767, 32767));
    }
}

namespace {

std::vector<double> blank(double seconds)
{
    return std::vector<double>(size_t(seconds * kSampleRate), 0.0);
}

Samples toSamples(const std::vector<double> &x)
{
    double peak = 1e-9;
    for (double v : x)
        peak = std::max(peak, std::abs(v));
    Samples s(x.size());
    for (size_t i = 0; i < x.size(); ++i)
        s[i] = short(std::lround(x[i] / peak * 0.89 * 32767.0));
    return s;
}

double noteHz(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// A bright bell-like note: two-operator FM with a fast attack and a decay.
void addBell(std::vector<double> &x, double start, double len, double hz, double amp)
{
    const int s0 = int(start * kSampleRate);
    const int n = int(len * kSampleRate);
    for (int i = 0; i < n && s0 + i < int(x.size()); ++i) {
        const double t = double(i) / kSampleRate;
        const double env = std::min(1.0, t / 0.006) * std::exp(-t * 4.0) * std::min(1.0, (len - t) / 0.03);
        const double mod = 1.6 * std::exp(-t * 6.0) * std::sin(2 * kPi * hz * 2.0 * t);
        x[s0 + i] += amp * env * (std::sin(2 * kPi * hz * t + mod) + 0.25 * std::sin(2 * kPi * hz * 2 * t));
    }
}

} // namespace

Samples synthBoing()
{
    // A spring: pitch jumps up and wobbles while it settles.
    auto x = blank(0.75);
    double phase = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double hz = 110 + 170 * (1 - std::exp(-t * 18)) + 60 * std::sin(2 * kPi * 9 * t) * std::exp(-t * 3.5);
        phase += 2 * kPi * hz / kSampleRate;
        const double env = std::min(1.0, t / 0.004) * std::exp(-t * 4.2);
        const double mod = 2.2 * std::exp(-t * 5) * std::sin(phase * 1.5);
        x[i] = env * std::sin(phase + mod);
    }
    return trimSilence(toSamples(x), 20);
}

Samples synthAlphabetTune()
{
    // The traditional alphabet tune (the same one as "Twinkle, twinkle").
    // A to Z in four lines; pitches in semitones from A4.
    const int C = -9, D = -7, E = -5, F = -4, G = -2, A = 0;
    const struct { int pitch; int beats; } melody[] = {
        {C, 1}, {C, 1}, {G, 1}, {G, 1}, {A, 1}, {A, 1}, {G, 2},
        {F, 1}, {F, 1}, {E, 1}, {E, 1}, {D, 1}, {D, 1}, {C, 2},
        {G, 1}, {G, 1}, {F, 1}, {F, 1}, {E, 1}, {E, 1}, {D, 2},
        {G, 1}, {G, 1}, {F, 1}, {F, 1}, {E, 1}, {E, 1}, {D, 2},
    };
    const double beat = 0.23;
    int beats = 0;
    for (const auto &m : melody)
        beats += m.beats;
    auto x = blank(beats * beat + 0.8);
    double t = 0;
    int k = 0;
    for (const auto &m : melody) {
        addBell(x, t, m.beats * beat + 0.25, noteHz(m.pitch + 12), 0.55);
        // A soft bass on every other beat keeps it bouncy.
        if (k++ % 2 == 0)
            addBell(x, t, beat * 1.6, noteHz(m.pitch - 12 + (m.pitch == G || m.pitch == D ? -7 : 0)), 0.25);
        t += m.beats * beat;
    }
    return trimSilence(toSamples(x), 30);
}

Samples synthTwinkle()
{
    // Rising sparkly bells.
    auto x = blank(0.9);
    const int notes[] = {15, 19, 22, 27, 31};
    for (int i = 0; i < 5; ++i)
        addBell(x, i * 0.09, 0.5, noteHz(notes[i]), 0.5);
    return trimSilence(toSamples(x), 20);
}

bool writeWav(const QString &path, const Samples &s, QString *error)
{
    SF_INFO info{};
    info.samplerate = kSampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const QByteArray p = path.toLocal8Bit();
    SNDFILE *f = sf_open(p.constData(), SFM_WRITE, &info);
    if (!f) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, QLatin1String(sf_strerror(nullptr)));
        return false;
    }
    const sf_count_t n = sf_write_short(f, s.data(), sf_count_t(s.size()));
    sf_close(f);
    if (n != sf_count_t(s.size())) {
        *error = QStringLiteral("short write to %1").arg(path);
        return false;
    }
    return true;
}

} // namespace ag
