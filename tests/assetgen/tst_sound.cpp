#include "sound.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sndfile.h>

class TestSound : public QObject {
    Q_OBJECT
private slots:
    void trimKeepsAShortMargin();
    void silenceTrimsToNothing();
    void effectsAreAudibleAndRepeatable();
    void speechIsRepeatable();
    void fliteSpeaksTheSameBytesWhateverCameBefore();
    void resamplingKeepsToneAndDropsWhatCannotBeHeld();
    void wavRoundTrip();
};

void TestSound::trimKeepsAShortMargin()
{
    ag::Samples s(ag::kSampleRate, 0); // 1 s of silence...
    for (int i = 8000; i < 12000; ++i)
        s[i] = short((i % 50 < 25) ? 9000 : -9000); // ...with a tone in it
    const ag::Samples t = ag::trimSilence(s, 40);
    const int margin = ag::kSampleRate * 40 / 1000;
    QCOMPARE(int(t.size()), 4000 + 2 * margin);
    QCOMPARE(t.front(), short(0));  // faded in
    QVERIFY(std::abs(int(t[margin + 200])) == 9000);
}

void TestSound::silenceTrimsToNothing()
{
    QVERIFY(ag::trimSilence(ag::Samples(5000, 100)).empty()); // hiss below the threshold
    QVERIFY(ag::trimSilence({}).empty());
}

static int peak(const ag::Samples &s)
{
    int p = 0;
    for (short v : s)
        p = std::max(p, std::abs(int(v)));
    return p;
}

void TestSound::effectsAreAudibleAndRepeatable()
{
    const ag::Samples boing = ag::synthBoing(), tune = ag::synthAlphabetTune(), twinkle = ag::synthTwinkle();
    QVERIFY(ag::durationSeconds(boing) > 0.3 && ag::durationSeconds(boing) <= 4.0);
    QVERIFY(ag::durationSeconds(tune) > 4.0 && ag::durationSeconds(tune) <= 12.0);
    QVERIFY(ag::durationSeconds(twinkle) <= 1.5);
    for (const auto *s : {&boing, &tune, &twinkle})
        QVERIFY(peak(*s) > 20000);
    QVERIFY(boing == ag::synthBoing());
    QVERIFY(tune == ag::synthAlphabetTune());
}

void TestSound::speechIsRepeatable()
{
    ag::Speaker sp;
    QString error;
    QVERIFY2(sp.init(QStringLiteral("en-us+f3"), &error), qPrintable(error));
    const ag::Samples a = sp.speak(QStringLiteral("xmas tree"), false, &error);
    const ag::Samples b = sp.speak(QStringLiteral("xmas tree"), false, &error);
    QVERIFY(a.size() > 2000);
    // The same words, though the waveform phase may differ.
    QCOMPARE(a.size(), b.size());
    auto rms = [](const ag::Samples &s) {
        double e = 0;
        for (short v : s)
            e += double(v) * v;
        return std::sqrt(e / s.size());
    };
    QVERIFY(std::abs(rms(a) - rms(b)) < 0.05 * rms(a));
    const ag::Samples letter = sp.speak(QStringLiteral("w"), true, &error);
    // "double-u" is much longer than a bare consonant.
    QVERIFY(ag::durationSeconds(ag::trimSilence(letter)) > 0.35);
    QVERIFY(!sp.init(QStringLiteral("no-such-voice"), &error));
}

void TestSound::fliteSpeaksTheSameBytesWhateverCameBefore()
{
    ag::Speaker sp;
    QString error;
    QVERIFY2(sp.init(QStringLiteral("flite:slt"), &error), qPrintable(error));
    const ag::Samples first = sp.speak(QStringLiteral("horse"), false, &error);
    QVERIFY(ag::durationSeconds(ag::trimSilence(first)) > 0.3);
    sp.speak(QStringLiteral("Hello! I'm a little spider!"), false, &error);
    QVERIFY(sp.speak(QStringLiteral("horse"), false, &error) == first);
    QVERIFY(!sp.init(QStringLiteral("flite:nobody"), &error));
    QVERIFY(!sp.init(QStringLiteral("flite:slt,speed=2"), &error));
    QVERIFY(!sp.init(QStringLiteral("flite:rms,pitch=1.2"), &error));
}

static double toneLevel(const ag::Samples &s, double hz, int rate)
{
    double re = 0, im = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        re += s[i] * std::cos(2 * M_PI * hz * double(i) / rate);
        im += s[i] * std::sin(2 * M_PI * hz * double(i) / rate);
    }
    return 2 * std::hypot(re, im) / double(s.size());
}

void TestSound::resamplingKeepsToneAndDropsWhatCannotBeHeld()
{
    // 1 kHz and 10 kHz at 22050 Hz; at 16000 Hz the 10 kHz tone would fold to 6 kHz.
    ag::Samples s(22050);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = short(std::lround(8000 * std::sin(2 * M_PI * 1000 * double(i) / 22050)
                                 + 8000 * std::sin(2 * M_PI * 10000 * double(i) / 22050)));
    const ag::Samples down = ag::resample(s, 22050, 16000);
    QCOMPARE(int(down.size()), 16000);
    QVERIFY(std::abs(toneLevel(down, 1000, 16000) - 8000) < 200);
    QVERIFY(toneLevel(down, 6000, 16000) < 100);
    const ag::Samples up = ag::resample(down, 16000, 22050);
    QCOMPARE(int(up.size()), 22050);
    QVERIFY(std::abs(toneLevel(up, 1000, 22050) - 8000) < 200);
}

void TestSound::wavRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.wav"));
    const ag::Samples s = ag::synthBoing();
    QString error;
    QVERIFY2(ag::writeWav(path, s, &error), qPrintable(error));
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    QVERIFY(f);
    ag::Samples back(size_t(info.frames));
    sf_read_short(f, back.data(), info.frames);
    sf_close(f);
    QCOMPARE(info.samplerate, 22050);
    QVERIFY(back == s);
}

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
