// The sound server goes and comes back under a running program, as it does on desktops
// (an update, a crash, a headset switched), or comes only after the program has started.
// Each situation is a row of steps; what counts is what the speakers get, what is
// written to the sound files, and the lines on the error output.
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <memory>
#include <unistd.h>

#include "common/pack_folder.h"
#include "common/recording.h"
#include "sound/media_control.h"
#include "sound/wavdevice.h"
#include "studio/voice_studio.h"

using namespace zorbla;

namespace {

// What a sink of the server plays, heard through its monitor.
class Speaker {
public:
    explicit Speaker(QString sink) : sink_(std::move(sink)) {}
    ~Speaker() { end(); }
    void listen() {
        end();
        process_ = std::make_unique<QProcess>();
        process_->start("parec", {"-d", sink_ + ".monitor", "--raw", "--format=s16le", "--rate=22050",
                                  "--channels=1", "--latency-msec=20"});
        process_->waitForStarted(5000);
        heard_.clear();
    }
    qsizetype mark() {
        take();
        return heard_.size();
    }
    // Whether anything louder than a whisper came after the mark, within two seconds.
    bool heardSince(qsizetype mark) {
        QElapsedTimer clock;
        clock.start();
        do {
            take();
            const auto* s = reinterpret_cast<const qint16*>(heard_.constData());
            for (qsizetype i = mark / 2; i < heard_.size() / 2; ++i)
                if (std::abs(int(s[i])) > 1000)
                    return true;
            QTest::qWait(50);
        } while (clock.elapsed() < 2000);
        return false;
    }

private:
    void end() {
        if (process_) {
            process_->kill();
            process_->waitForFinished(5000);
        }
    }
    void take() {
        if (process_)
            heard_ += process_->readAllStandardOutput();
    }
    QString sink_;
    std::unique_ptr<QProcess> process_;
    QByteArray heard_;
};

// The error output of a stretch of the test, kept in a file.
class ErrorOutput {
public:
    ErrorOutput() : saved_(dup(2)) {
        file_.open();
        dup2(file_.handle(), 2);
    }
    ~ErrorOutput() { release(); }
    QStringList lines() {
        release();
        file_.seek(0);
        return QString::fromLocal8Bit(file_.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    void release() {
        if (saved_ >= 0) {
            dup2(saved_, 2);
            ::close(saved_);
            saved_ = -1;
        }
    }
    QTemporaryFile file_;
    int saved_;
};

std::vector<qint16> voice() {
    std::vector<qint16> v;
    for (int i = 0; i < 8000; ++i)
        v.push_back(qint16((i * 7919) % 20000 - 10000));
    return v;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestServerGone : public QObject {
    Q_OBJECT
    QTemporaryDir server_;
    zorbla_test::WorkingFolder folder_;
    bool running_ = false;
    Speaker speaker_{"speaker"};
    Speaker headphones_{"headphones"};

    static bool inProgramOfItsOwn() { return qEnvironmentVariableIsSet("ZORBLA_SITUATION"); }

    bool serverScript(const QString& command) {
        QStringList args = {command, server_.path()};
        if (command == "start" && qEnvironmentVariable("ZORBLA_SOUND_SERVER") == "pipewire")
            args << "--pipewire";
        QProcess p;
        p.start(QStringLiteral(ZORBLA_SOURCE_DIR "/scripts/sound-server"), args);
        return p.waitForFinished(30000) && p.exitCode() == 0;
    }
    bool pactl(const QStringList& args) {
        QProcess p;
        p.start("pactl", args);
        return p.waitForFinished(5000) && p.exitCode() == 0;
    }
    bool startServer() {
        running_ = serverScript("start");
        speaker_.listen();
        return running_;
    }
    bool stopServer() {
        running_ = false;
        return serverScript("stop");
    }

    // A request as the main window makes it: close, open, play. It must never wait for
    // a server that is not there.
    bool click(MediaControl& c) {
        QElapsedTimer clock;
        clock.start();
        c.setCommand("Close");
        c.setFileName("sounds\\alphabet.wav");
        c.setCommand("Open");
        c.setCommand("Play");
        return clock.elapsed() < 500;
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("parec").isEmpty())
            QSKIP("needs parec (pulseaudio-utils)");
        if (!inProgramOfItsOwn())
            return;
        QVERIFY(folder_.enter());
        // A server of this test's own, chosen before the first sound is made.
        const QString socket = qEnvironmentVariable("ZORBLA_SOUND_SERVER") == "pipewire"
                                   ? server_.path() + "/runtime/pulse/native"
                                   : server_.path() + "/native";
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        qputenv("ZORBLA_MIC_FIFO", (server_.path() + "/mic.fifo").toLocal8Bit());
    }
    void cleanupTestCase() {
        if (running_)
            stopServer();
    }

    // Steps: "start", "stop", "program" (the program starts: a new media control),
    // "click heard", "click silent", "playing ends" (a sound cut off by the server),
    // "record", "speak", "recording stops", "save refused", "save kept", "headphones" (a new
    // default output), "click on headphones", "no microphone", "studio says no microphone".
    void situations_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("said");  // the lines about the server, in order
        QTest::newRow("restarts again and again")
            << QStringList{"start", "program", "click heard", "stop", "playing ends", "click silent",
                           "click silent", "start", "click heard", "click heard", "stop", "start", "click heard",
                           "stop", "start", "click heard", "click heard"}
            << QStringList{"gone away", "is back", "gone away", "is back", "gone away", "is back"};
        QTest::newRow("a server that starts after the program")
            << QStringList{"stop", "program", "click silent", "click silent", "start", "click heard",
                           "click heard"}
            << QStringList{"no sound server", "has started"};
        QTest::newRow("a recording cut short and one after the return")
            << QStringList{"start", "program", "record", "stop", "recording stops", "save refused", "start",
                           "record", "speak", "save kept"}
            << QStringList{"gone away", "cut short", "nothing is saved", "is back"};
        QTest::newRow("a new default output")
            << QStringList{"start", "program", "click heard", "headphones", "click on headphones"}
            << QStringList{};
        QTest::newRow("no microphone")
            << QStringList{"start", "program", "no microphone", "studio says no microphone", "click heard"}
            << QStringList{};
    }

    void situations() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, said);
        if (!inProgramOfItsOwn()) {
            // Each situation runs in a program started afresh, as a family starts it.
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("ZORBLA_SITUATION", "1");
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("situations:") + QString::fromUtf8(QTest::currentDataTag())});
            QVERIFY(child.waitForFinished(180000));
            QCOMPARE(child.exitCode(), 0);
            return;
        }
        QVERIFY(writeWav("sounds/c.wav", Sound{22050, 1, std::vector<qint16>(22050, 3000)}));
        const QByteArray oldSound = contents("sounds/c.wav");
        std::unique_ptr<MediaControl> program;
        std::unique_ptr<ErrorOutput> errors;
        for (const QString& step : steps) {
            const QByteArray where = step.toUtf8();
            if (step == "start") {
                QVERIFY2(startServer(), where);
            } else if (step == "stop") {
                QVERIFY2(stopServer(), where);
            } else if (step == "program") {
                program = std::make_unique<MediaControl>();
                program->setDeviceType("WaveAudio");
                errors = std::make_unique<ErrorOutput>();
            } else if (step == "click heard" || step == "click silent") {
                const qsizetype mark = speaker_.mark();
                QVERIFY2(click(*program), where);
                if (step == "click heard")
                    QVERIFY2(speaker_.heardSince(mark), where);
                else
                    QVERIFY2(!program->device().isPlaying(), where);
            } else if (step == "playing ends") {
                QTRY_VERIFY2_WITH_TIMEOUT(!program->device().isPlaying(), where, 1000);
            } else if (step == "record") {
                program->setCommand("Close");
                program->setFileName("sounds\\c.wav");
                program->setCommand("Open");
                program->setCommand("prev");
                program->setCommand("Record");
                QVERIFY2(program->device().isRecording(), where);
                QTest::qWait(300);
            } else if (step == "speak") {
                QVERIFY2(zorbla_test::speakIntoMicrophone(voice()), where);
                QTRY_VERIFY2_WITH_TIMEOUT(zorbla_test::holds(program->device().sound().samples, voice()), where,
                                          5000);
            } else if (step == "recording stops") {
                QTRY_VERIFY2_WITH_TIMEOUT(!program->device().isRecording(), where, 5000);
            } else if (step == "save refused") {
                QVERIFY2(!program->device().save(), where);
                QCOMPARE(contents("sounds/c.wav"), oldSound);
            } else if (step == "save kept") {
                QVERIFY2(program->device().save(), where);
                Sound back;
                QVERIFY2(readWav("sounds/c.wav", &back) && zorbla_test::holdsIntact(back.samples, voice()), where);
            } else if (step == "headphones") {
                QVERIFY2(pactl({"load-module", "module-null-sink", "sink_name=headphones", "rate=22050",
                                "channels=1"}),
                         where);
                QVERIFY2(pactl({"set-default-sink", "headphones"}), where);
                headphones_.listen();
            } else if (step == "click on headphones") {
                const qsizetype mark = headphones_.mark();
                QVERIFY2(click(*program), where);
                QVERIFY2(headphones_.heardSince(mark), where);
            } else if (step == "no microphone") {
                QVERIFY2(pactl({"unload-module", "module-pipe-source"}), where);
                program->setFileName("sounds\\c.wav");
                program->setCommand("Open");
                program->setCommand("Record");
                QVERIFY2(!program->device().isRecording(), where);
                QCOMPARE(program->device().problem(), SoundProblem::NoMicrophone);
            } else if (step == "studio says no microphone") {
                VoiceStudio studio;
                QCOMPARE(studio.load(), std::nullopt);
                QTest::keyClick(studio.list, Qt::Key_Space);
                QCOMPARE(studio.stage(), VoiceStudio::Stage::Choosing);
                QVERIFY2(studio.message->text().contains("no microphone"), qPrintable(studio.message->text()));
            } else {
                QFAIL(qPrintable("no such step: " + step));
            }
        }
        program.reset();
        QStringList lines;
        for (const QString& line : errors->lines())
            if (line.contains("sound server") || line.contains("recording"))
                lines << line;
        QCOMPARE(lines.size(), said.size());
        for (int i = 0; i < said.size(); ++i)
            QVERIFY2(lines[i].contains(said[i]), qPrintable(lines[i]));
        if (running_)
            QVERIFY(stopServer());
    }
};

QTEST_MAIN(TestServerGone)
#include "test_server_gone.moc"
