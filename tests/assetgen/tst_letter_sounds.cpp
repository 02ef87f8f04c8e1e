// Checks every edition the build generated: each letter's sound, as the program finds it.
#include "lettersounds.h"
#include "files/letter_sounds.h"
#include "files/pack.h"
#include "files/paths.h"
#include "files/wordtable.h"
#include "sound/level.h"

#include <QDir>
#include <QtTest>
#include <sndfile.h>

class TestLetterSounds : public QObject {
    Q_OBJECT
private slots:
    void everyLetterHasItsShortSoundAtThePacksLoudness_data();
    void everyLetterHasItsShortSoundAtThePacksLoudness();
};

void TestLetterSounds::everyLetterHasItsShortSoundAtThePacksLoudness_data()
{
    QTest::addColumn<QString>("edition");
    QTest::addColumn<QString>("data");
    QTest::newRow("en") << QStringLiteral(ZORBLA_ASSETS_DIR) << QStringLiteral(ZORBLA_DATA_DIR);
    for (const char *code : {"hr", "de", "fr", "es"})
        QTest::newRow(code) << QStringLiteral(ZORBLA_ASSETS_DIR "/%1").arg(QLatin1String(code))
                            << QStringLiteral(ZORBLA_BUILD_DIR "/data-%1").arg(QLatin1String(code));
}

void TestLetterSounds::everyLetterHasItsShortSoundAtThePacksLoudness()
{
    QFETCH(QString, edition);
    QFETCH(QString, data);
    zorbla::WordTable table;
    QVERIFY(!zorbla::WordTableReader::read(table, QDir(edition)));
    ag::LetterSoundTable sounds;
    QString error;
    QVERIFY2(ag::loadLetterSounds(edition + QStringLiteral("/letter_sounds.tsv"), table, &sounds, &error), qPrintable(error));
    zorbla::LetterSounds pack;
    const auto fault = pack.read(zorbla::resolvePath(zorbla::pack::letterSoundTable(), QDir(data)));
    QVERIFY2(!fault, qPrintable(fault.value_or(QString())));
    for (int i = 0; i < 26; ++i)
        QCOMPARE(pack.tileSound(i), zorbla::pack::letterSoundOf(i));
    for (const ag::LetterSound &s : sounds.sounds) {
        const QString file = pack.soundOf(s.letters);
        QCOMPARE(file, s.file());
        SF_INFO info{};
        SNDFILE *f = sf_open(QFile::encodeName(zorbla::resolvePath(file, QDir(data))).constData(), SFM_READ, &info);
        QVERIFY2(f, qPrintable(file));
        ag::Samples samples(size_t(info.frames));
        sf_read_short(f, samples.data(), info.frames);
        sf_close(f);
        QVERIFY2(ag::durationSeconds(samples) <= 0.6, qPrintable(file));
        // As the pack's other sounds, within 1 dB of its one loudness.
        QVERIFY2(std::abs(ag::loudness(samples) - zorbla::level::kPackLoudness) <= 1.0,
                 qPrintable(QStringLiteral("%1 at %2 LUFS").arg(file).arg(ag::loudness(samples))));
    }
}

QTEST_GUILESS_MAIN(TestLetterSounds)
#include "tst_letter_sounds.moc"
