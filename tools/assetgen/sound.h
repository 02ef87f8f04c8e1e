// Speech through libespeak-ng or libflite in-process, and the few synthesized effects.
// Both keep global state: use one Speaker, from one thread.
#pragma once

#include <QString>
#include <vector>

namespace ag {

using Samples = std::vector<short>; // 16-bit mono
constexpr int kSampleRate = 22050;

// A phone as the synthesizer made it.
struct RenderedPhone {
    QString name;
    double seconds = 0;
    double start = 0;  // from the start of the sound
};

class Speaker {
public:
    ~Speaker();
    // voice: an espeak-ng voice name such as "en-us+f3", or a flite voice with optional
    // settings, "flite:slt" or "flite:slt,stretch=1.1,pitch=1.05" (stretch lengthens
    // every sound, pitch multiplies the voice's pitch, which rms does not take).
    bool init(const QString &voice, QString *error);
    // Speaks plain text; asLetter spells it as a letter name.
    Samples speak(const QString &text, bool asLetter, QString *error);
    // Speaks phonemes in the voice's own notation (espeak-ng's phoneme names for its
    // voices, the US phones for flite's), never text it would have to read. rendered gets
    // the phones it made, pauses left out, with their lengths; stretch > 1 makes every
    // phone longer, < 1 shorter.
    Samples speakPhonemes(const QStringList &phones, double stretch, QList<RenderedPhone> *rendered,
                          QString *error);
    // The phonemes of words as the voice says them, stress, length and syllable marks left
    // out; empty, with the reason, when the voice reads them as another language.
    QStringList wordPhonemes(const QString &text, QString *error);
    bool speaksWithFlite() const { return m_flite; }
    // Phonemes without stress and length marks, as wordPhonemes gives them.
    QStringList plainPhonemes(const QStringList &phones) const;

private:
    bool applyVoice(const QString &voice);
    bool initFlite(const QString &voice, QString *error);
    Samples speakFlite(const QString &text, bool asLetter, QString *error);
    Samples speakFlitePhones(const QStringList &phones, double stretch, QList<RenderedPhone> *rendered,
                             QString *error);
    bool m_ready = false;
    QString m_voice;
    void *m_flite = nullptr; // the flite voice (cst_voice), when the voice is one of flite's
    float m_fliteStretch = 1.0f;
};

// Cuts leading and trailing quiet down to keepMs, with short fades.
Samples trimSilence(const Samples &in, int keepMs = 40);
// Scales so the loudest sample reaches peak (0..1).
void normalize(Samples *s, double peak = 0.89);
double durationSeconds(const Samples &s);
// Converts between sample rates with a windowed-sinc filter (no aliasing down,
// no images up); the same input gives the same bytes.
Samples resample(const Samples &in, int fromRate, int toRate);
// Integrated loudness (EBU R 128) in LUFS; a sound shorter than a second is measured
// repeated, as the measure needs 400 ms blocks.
double loudness(const Samples &s);
// Brings s to one loudness for the whole pack, kLoudness.
void normalizeLoudness(Samples *s);


Samples synthBoing();
Samples synthAlphabetTune();
Samples synthTwinkle();
// Adds b into a starting at offsetSamples, extending a as needed.
void mixInto(Samples *a, const Samples &b, int offsetSamples, double gain);

bool writeWav(const QString &path, const Samples &s, QString *error);

} // namespace ag
