// The sound server goes away while a sound plays: nothing hangs or crashes, and the
// next sounds are simply silent.
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cmath>

#include "common/pack_folder.h"
#include "sound/mmcontrol.h"
#include "sound/wavdevice.h"

using namespace zorbla;

class TestServerGone : public QObject {
    Q_OBJECT
    QTemporaryDir server_;
    zorbla_test::WorkingFolder folder_;
    bool running_ = false;

    bool serverScript(const QString& command, QString* out = nullptr) {
        QProcess p;
        p.start(QStringLiteral(ZORBLA_SOURCE_DIR "/scripts/sound-server"), {command, server_.path()});
        if (!p.waitForFinished(20000) || p.exitCode() != 0)
            return false;
        if (out)
            *out = QString::fromLocal8Bit(p.readAllStandardOutput());
        return true;
    }

private slots:
    void initTestCase() {
        // A server of this test's own, chosen before the first sound is made.
        QString env;
        QVERIFY(serverScript("start", &env));
        running_ = true;
        qputenv("PULSE_SERVER", ("unix:" + server_.path() + "/native").toLocal8Bit());
        QVERIFY(folder_.enter(false));
        QDir().mkpath("sounds");
        Sound s;
        for (int i = 0; i < 22050 * 3; ++i)
            s.samples.push_back(qint16(8000 * std::sin(i * 0.06)));
        QVERIFY(writeWav("sounds/long.wav", s));
    }
    void cleanupTestCase() {
        if (running_)
            serverScript("stop");
    }

    void serverGoesAwayWhilePlaying() {
        MMControl c;
        c.setDeviceType("WaveAudio");
        c.setFileName("sounds\\long.wav");
        c.setCommand("Open");
        c.setCommand("Play");
        QVERIFY(c.device().isPlaying());
        QTest::qWait(300);
        QVERIFY(serverScript("stop"));
        running_ = false;
        // The stream ends with the server; at the latest when the sound would have ended.
        QTRY_VERIFY_WITH_TIMEOUT(!c.device().isPlaying(), 10000);
        // Every request after that is quiet and quick.
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 3; ++i) {
            c.setCommand("Close");
            c.setCommand("Open");
            c.setCommand("prev");
            c.setCommand("Play");
            QTest::mouseClick(c.recordButton(), Qt::LeftButton);
            QTest::mouseClick(c.stopButton(), Qt::LeftButton);
        }
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(c.device().isOpen());
        c.setCommand("Close");
    }
};

QTEST_MAIN(TestServerGone)
#include "test_server_gone.moc"
