#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "common/pack_folder.h"
#include "common/recording.h"

#include <cmath>

#include "sound/media_control.h"
#include "sound/wavdevice.h"

using zorbla::MediaControl;
using zorbla::Sound;
using zorbla::WavDevice;

namespace {

Sound tone(double seconds, double hz, int rate = 22050) {
    Sound s;
    s.sampleRate = rate;
    s.channels = 1;
    const int n = int(seconds * rate);
    for (int i = 0; i < n; ++i)
        s.samples.push_back(qint16(8000 * std::sin(2 * M_PI * hz * i / rate)));
    return s;
}

bool noServer() { return qEnvironmentVariableIsSet("ZORBLA_NO_SOUND_SERVER"); }
QString micFifo() { return qEnvironmentVariable("ZORBLA_MIC_FIFO"); }

// How many streams play into the sound server now.
int serverStreams() {
    QProcess p;
    p.start("pactl", {"list", "short", "sink-inputs"});
    if (!p.waitForFinished(5000))
        return -1;
    return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size();
}

}  // namespace

// Tests that need the private sound server skip without it, unless told there is none.
#define NEED_SERVER()                                                         \
    do {                                                                      \
        if (!noServer() && micFifo().isEmpty())                               \
            QSKIP("no private sound server: run the tests through scripts/test"); \
    } while (false)

class TestMediaControl : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;


private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QVERIFY(folder_.enter(false));
        QVERIFY(QDir().mkpath("sounds"));
        QVERIFY(zorbla::writeWav("sounds/b.wav", tone(0.6, 440)));
        QVERIFY(zorbla::writeWav("sounds/Long.wav", tone(3.0, 330)));
        QFile junk("sounds/junk.wav");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a sound at all");
    }

    void wavFilesRoundTrip() {
        const Sound s = tone(0.1, 1000, 16000);
        QVERIFY(zorbla::writeWav("sounds/rt.wav", s));
        Sound back;
        QVERIFY(zorbla::readWav("sounds/rt.wav", &back));
        QCOMPARE(back.sampleRate, 16000);
        QCOMPARE(back.channels, 1);
        QVERIFY(back.samples == s.samples);
        QVERIFY(!zorbla::readWav("sounds/junk.wav", &back));
        QVERIFY(!zorbla::readWav("sounds/none.wav", &back));
        // A failed write reports failure and leaves no file behind.
        QString error;
        QVERIFY(!zorbla::writeWav("no/such/folder/x.wav", s, &error));
        QVERIFY(!error.isEmpty());
        // Only the sound files are left: no temporary files beside them.
        const QStringList files = QDir("sounds").entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QCOMPARE(files, QStringList({"Long.wav", "b.wav", "junk.wav", "rt.wav"}));
    }

    void buttonsInEqualThirds() {
        MediaControl c;
        QCOMPARE(c.size(), QSize(170, 30));
        QCOMPARE(c.playButton()->geometry(), QRect(0, 0, 57, 30));
        QCOMPARE(c.stopButton()->geometry(), QRect(57, 0, 56, 30));
        QCOMPARE(c.recordButton()->geometry(), QRect(113, 0, 57, 30));
    }

    void openNeedsTheWaveDeviceAndAFile() {
        MediaControl c;
        // "Open" before a device type or file name opens nothing, and says nothing.
        c.setCommand("Open");
        QVERIFY(!c.device().isOpen());
        c.setDeviceType("WaveAudio");
        c.setFileName("SOUNDS\\B.WAV");
        c.setCommand("OPEN");
        QVERIFY(c.device().isOpen());
        QCOMPARE(QFileInfo(c.device().path()).fileName(), QString("b.wav"));
        QCOMPARE(c.device().sound().frames(), qint64(0.6 * 22050));
        c.setCommand("close");
        QVERIFY(!c.device().isOpen());
        // A file that is there but no sound opens nothing; a missing one opens empty.
        c.setFileName("sounds\\junk.wav");
        c.setCommand("Open");
        QVERIFY(!c.device().isOpen());
        c.setFileName("sounds\\missing.wav");
        c.setCommand("Open");
        QVERIFY(c.device().isOpen());
        c.setCommand("Play");
        QVERIFY(!c.device().isPlaying());
        c.setCommand("nonsense");
        c.setSwitch(24, false);
        c.setSwitch(25, true);
        QVERIFY(c.switchValue(25));
    }

    void playsToTheEndAndStaysOpen() {
        NEED_SERVER();
        MediaControl c;
        QSignalSpy finished(&c, &MediaControl::playbackFinished);
        c.setDeviceType("WaveAudio");
        c.setFileName("sounds\\b.wav");
        c.setCommand("Open");
        QElapsedTimer clock;
        clock.start();
        c.setCommand("Play");
        if (noServer()) {
            // Nothing to play into: nothing plays, nothing hangs.
            QVERIFY(!c.device().isPlaying());
            QVERIFY(clock.elapsed() < 2000);
            return;
        }
        QVERIFY(c.device().isPlaying());
        QVERIFY(finished.wait(5000));
        QVERIFY(clock.elapsed() >= 550);
        QVERIFY(!c.device().isPlaying());
        QVERIFY(c.device().isOpen());
        QCOMPARE(c.device().position(), c.device().sound().frames());
        // At the end, "play" plays nothing until "prev" rewinds.
        c.setCommand("play");
        QVERIFY(!c.device().isPlaying());
        c.setCommand("prev");
        QCOMPARE(c.device().position(), qint64(0));
        c.setCommand("play");
        QVERIFY(c.device().isPlaying());
    }

    void newRequestCutsOffTheOld() {
        NEED_SERVER();
        if (noServer())
            return;
        MediaControl c;
        c.setDeviceType("WaveAudio");
        c.setFileName("sounds\\Long.wav");
        c.setCommand("Open");
        c.setCommand("Play");
        QVERIFY(c.device().isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(serverStreams(), 1, 3000);
        c.setCommand("Close");
        c.setDeviceType("WaveAudio");
        c.setFileName("sounds\\b.wav");
        c.setCommand("Open");
        c.setCommand("Play");
        QVERIFY(c.device().isPlaying());
        QCOMPARE(QFileInfo(c.device().path()).fileName(), QString("b.wav"));
        // The long sound's stream is gone at once; only the new one plays.
        QTRY_COMPARE_WITH_TIMEOUT(serverStreams(), 1, 3000);
        QTest::qWait(300);
        QCOMPARE(serverStreams(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!c.device().isPlaying(), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(serverStreams(), 0, 10000);
    }

    void playButtonNotifiesBeforeItPlays() {
        NEED_SERVER();
        MediaControl c;
        QStringList order;
        // The main window rewinds on this notification; the control then plays from the start.
        connect(&c, &MediaControl::playClicked, &c, [&] {
            order << QString("notified at %1").arg(c.device().position());
            c.setCommand("prev");
        });
        c.setDeviceType("WaveAudio");
        c.setFileName("sounds\\Long.wav");
        c.setCommand("Open");
        c.setCommand("Play");
        QTest::qWait(400);
        QTest::mouseClick(c.playButton(), Qt::LeftButton);
        QCOMPARE(order.size(), 1);
        if (noServer()) {
            QVERIFY(!c.device().isPlaying());
            return;
        }
        QVERIFY(!order.first().endsWith(" 0"));  // it had played for a while
        QVERIFY(c.device().isPlaying());
        QVERIFY(c.device().position() < 22050 / 4);  // replaying from the beginning
        QTest::qWait(300);
        QTest::mouseClick(c.stopButton(), Qt::LeftButton);
        QVERIFY(!c.device().isPlaying());
        const qint64 stoppedAt = c.device().position();
        QVERIFY(stoppedAt > 0);
        QVERIFY(stoppedAt < c.device().sound().frames());
    }

    void recordingComesBackBitExact() {
        NEED_SERVER();
        QFile::remove("sounds/New.wav");
        MediaControl c;
        QSignalSpy recordPressed(&c, &MediaControl::recordClicked);
        connect(&c, &MediaControl::recordClicked, &c, [&] { c.setCommand("prev"); });
        c.setDeviceType("WaveAudio");
        c.setFileName("sounds\\New.wav");  // no such file yet
        c.setCommand("Open");
        QVERIFY(c.device().isOpen());
        QTest::mouseClick(c.recordButton(), Qt::LeftButton);
        QCOMPARE(recordPressed.count(), 1);
        if (noServer()) {
            QVERIFY(!c.device().isRecording());
            QTest::mouseClick(c.stopButton(), Qt::LeftButton);
            c.setCommand("save");
            // Nothing was recorded, and saving still works: an empty sound.
            Sound back;
            QVERIFY(zorbla::readWav("sounds/New.wav", &back));
            QCOMPARE(back.frames(), qint64(0));
            return;
        }
        QVERIFY(c.device().isRecording());
        QTest::qWait(300);  // let the stream connect before the microphone speaks

        std::vector<qint16> known;
        for (int i = 0; i < 11025; ++i)
            known.push_back(qint16((i * 7919) % 65536 - 32768));
        QVERIFY(zorbla_test::speakIntoMicrophone(known));
        QTRY_VERIFY_WITH_TIMEOUT(zorbla_test::holds(c.device().sound().samples, known), 5000);
        QTest::mouseClick(c.stopButton(), Qt::LeftButton);
        QVERIFY(!c.device().isRecording());
        c.setCommand("save");

        Sound back;
        QVERIFY(zorbla::readWav("sounds/New.wav", &back));  // created under the name as written
        QCOMPARE(back.sampleRate, 22050);
        QCOMPARE(back.channels, 1);
        QVERIFY(zorbla_test::holdsIntact(back.samples, known));
    }

    void recordingReplacesAnExistingSound() {
        NEED_SERVER();
        if (noServer())
            return;
        QVERIFY(zorbla::writeWav("sounds/c.wav", tone(2.0, 500)));
        MediaControl c;
        c.setDeviceType("WaveAudio");
        c.setFileName("sounds\\c.wav");
        c.setCommand("Open");
        c.setCommand("Play");
        QTest::qWait(200);
        c.setCommand("prev");
        c.setCommand("record");
        QVERIFY(c.device().isRecording());
        QTest::qWait(300);
        std::vector<qint16> known(2205, qint16(1234));
        QVERIFY(zorbla_test::speakIntoMicrophone(known));
        QTRY_VERIFY_WITH_TIMEOUT(zorbla_test::holds(c.device().sound().samples, known), 5000);
        c.setCommand("save");  // saving ends the recording first
        QVERIFY(!c.device().isRecording());
        Sound back;
        QVERIFY(zorbla::readWav("sounds/c.wav", &back));
        QVERIFY(zorbla_test::holdsIntact(back.samples, known));  // the old two seconds are gone
        // "Close" after an unsaved recording discards it.
        c.setCommand("prev");
        c.setCommand("record");
        QTest::qWait(200);
        c.setCommand("Close");
        QVERIFY(zorbla::readWav("sounds/c.wav", &back));
        QVERIFY(zorbla_test::holdsIntact(back.samples, known));
    }
};

QTEST_MAIN(TestMediaControl)
#include "test_media_control.moc"
