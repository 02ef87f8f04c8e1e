// The voice studio as a parent uses it: keys on the list, a voice into the test
// microphone, and what ends up in the sound files.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include "common/pack_folder.h"
#include "common/recording.h"
#include "files/originals.h"
#include "files/pack.h"
#include "files/paths.h"
#include "sound/level.h"
#include "sound/wavdevice.h"
#include "studio/voice_studio.h"

using namespace zorbla;

namespace {

bool serverAvailable() { return !qEnvironmentVariable("ZORBLA_MIC_FIFO").isEmpty(); }

// Every file of the folder with its checksum.
QMap<QString, QByteArray> checksums(const QString& folder) {
    QMap<QString, QByteArray> sums;
    QDirIterator it(folder + QStringLiteral("/sounds"), QDir::Files);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            sums.insert(it.fileName(), QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1));
    }
    return sums;
}

// The best normalised correlation of the known signal with any stretch of the take.
double likeness(const std::vector<qint16>& take, const std::vector<qint16>& known) {
    double best = 0, kk = 0;
    for (qint16 v : known)
        kk += double(v) * v;
    for (size_t at = 0; at + known.size() <= take.size(); ++at) {
        double tk = 0, tt = 0;
        for (size_t i = 0; i < known.size(); ++i) {
            tk += double(take[at + i]) * known[i];
            tt += double(take[at + i]) * take[at + i];
        }
        if (tt > 0)
            best = std::max(best, tk / std::sqrt(tt * kk));
    }
    return best;
}

}  // namespace

class TestVoiceStudio : public QObject {
    Q_OBJECT
    zorbla_test::WorkingFolder folder_;

private slots:
    void initTestCase() {
        QVERIFY(folder_.enter());
    }

    void itStartsOnTheFirstSound() {
        VoiceStudio studio;
        QCOMPARE(studio.load(), std::nullopt);
        QCOMPARE(studio.list->currentRow(), 0);
        QCOMPARE(studio.selectedSound(), pack::letterSound(0));
        QCOMPARE(studio.list->count(), pack::allSounds().size());
    }

    // Space, Space, Enter: the voice is in exactly the selected sound, trimmed and at the
    // pack's loudness; R puts the pack's sound back byte for byte.
    void aTakeIsKeptThenPutBack() {
        VoiceStudio studio;
        QCOMPARE(studio.load(), std::nullopt);
        studio.show();
        QVERIFY(QTest::qWaitForWindowExposed(&studio));
        int row = 0;  // B: BALL, found as a parent finds it, down the list
        for (studio.select(row); studio.selectedSound() != pack::letterWordSound(1, 1); studio.select(++row))
            QVERIFY(row < studio.list->count());
        const QString target = resolvePath(studio.selectedSound());
        const auto before = checksums(folder_.path());
        QFile original(target);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray pack = original.readAll();
        original.close();

        QTest::keyClick(studio.list, Qt::Key_Space);
        if (!serverAvailable()) {
            // No server: a clear word, and nothing changed.
            QCOMPARE(studio.stage(), VoiceStudio::Stage::Choosing);
            QVERIFY(studio.message->text().contains(QStringLiteral("no sound server")));
            QCOMPARE(checksums(folder_.path()), before);
            return;
        }
        QCOMPARE(studio.stage(), VoiceStudio::Stage::Recording);
        QVERIFY(studio.light->isVisible());
        std::vector<qint16> voice(11025);  // half a second of a tone that swells and fades
        for (size_t i = 0; i < voice.size(); ++i)
            voice[i] = qint16(9000 * std::sin(double(i) * 0.125) * std::sin(M_PI * double(i) / double(voice.size())));
        QTest::qWait(300);
        QVERIFY(zorbla_test::speakIntoMicrophone(voice));
        QTest::qWait(1200);
        QTest::keyClick(studio.list, Qt::Key_Space);
        QCOMPARE(studio.stage(), VoiceStudio::Stage::Listening);
        QTest::keyClick(studio.list, Qt::Key_Return);
        QCOMPARE(studio.stage(), VoiceStudio::Stage::Choosing);

        Sound kept;
        QVERIFY(readWav(target, &kept));
        QVERIFY2(likeness(kept.samples, voice) > 0.99, "the take is not the voice");
        QVERIFY(kept.frames() < qint64(voice.size()) + kept.sampleRate / 10);  // its silences trimmed
        QVERIFY(qAbs(level::loudness(kept.samples, kept.sampleRate) - level::kPackLoudness) < 1.0);
        auto after = checksums(folder_.path());
        QVERIFY(after.value(QFileInfo(target).fileName()) != before.value(QFileInfo(target).fileName()));
        after.remove(QFileInfo(target).fileName());
        auto others = before;
        others.remove(QFileInfo(target).fileName());
        QCOMPARE(after, others);  // nowhere else
        QVERIFY(studio.list->item(row)->text().contains(QStringLiteral("family's voice")));
        QCOMPARE(studio.list->currentRow(), row + 1);  // on to the next sound

        studio.select(row);
        QTest::keyClick(studio.list, Qt::Key_R);
        QFile back(target);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), pack);
        QVERIFY(!originals::isReplaced(studio.selectedSound()));
        QVERIFY(!studio.list->item(row)->text().contains(QStringLiteral("family's voice")));
    }

    // A silent take is refused, and a sound that cannot be written stays as it was.
    void badTakesChangeNothing() {
        if (!serverAvailable())
            QSKIP("needs the test sound server");
        VoiceStudio studio;
        QCOMPARE(studio.load(), std::nullopt);
        studio.show();
        const auto before = checksums(folder_.path());
        QTest::keyClick(studio.list, Qt::Key_Space);
        QTest::qWait(500);
        QTest::keyClick(studio.list, Qt::Key_Space);
        QCOMPARE(studio.stage(), VoiceStudio::Stage::Choosing);
        QVERIFY(studio.message->text().contains(QStringLiteral("Nothing was heard")));

        // Where the original would be kept is a file, not a folder: nothing may be written.
        QVERIFY(QDir(QStringLiteral("originals")).removeRecursively());
        QFile blocker(QStringLiteral("originals"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QTest::keyClick(studio.list, Qt::Key_Space);
        std::vector<qint16> voice(8000, 0);
        for (size_t i = 0; i < voice.size(); ++i)
            voice[i] = qint16(6000 * std::sin(double(i) * 0.2));
        QTest::qWait(300);
        QVERIFY(zorbla_test::speakIntoMicrophone(voice));
        QTest::qWait(1000);
        QTest::keyClick(studio.list, Qt::Key_Space);
        QTest::keyClick(studio.list, Qt::Key_Return);
        QFile::remove(QStringLiteral("originals"));
        QVERIFY2(studio.message->text().contains(QStringLiteral("could not be kept")), qPrintable(studio.message->text()));
        QCOMPARE(checksums(folder_.path()), before);
    }
};

QTEST_MAIN(TestVoiceStudio)
#include "test_voice_studio.moc"
