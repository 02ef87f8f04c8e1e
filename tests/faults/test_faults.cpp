// Bad files, odd sound set-ups and failing disks: the program goes on, says what is wrong
// where a grown-up should know, and never loses a file it had.
#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sndfile.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>

#include "common/pack_folder.h"
#include "common/controls.h"
#include "main_window/main_window.h"
#include "widgets/gif_animation.h"
#include "widgets/clicklabel.h"
#include "sound/media_control.h"
#include "sound/wavdevice.h"

using namespace zorbla;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray randomBytes(int n, quint32 seed) {
    QRandomGenerator rng(seed);
    QByteArray b(n, 0);
    for (char& c : b)
        c = char(rng.bounded(256));
    return b;
}

// What the program writes to stderr while it lives.
class StderrCapture {
public:
    StderrCapture() {
        std::fflush(stderr);
        saved_ = dup(2);
        file_ = std::tmpfile();
        dup2(fileno(file_), 2);
    }
    ~StderrCapture() { restore(); }
    QString text() {
        std::fflush(stderr);
        std::rewind(file_);
        QByteArray all;
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, file_)) > 0)
            all.append(buf, qsizetype(n));
        return QString::fromLocal8Bit(all);
    }
    void restore() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, 2);
            close(saved_);
            saved_ = -1;
        }
    }

private:
    int saved_ = -1;
    FILE* file_ = nullptr;
};

// A one-second 440 Hz tone in a format libsndfile writes.
bool writeTone(const QString& path, int format, int rate, int channels) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!f)
        return false;
    std::vector<double> frames(size_t(rate) * size_t(channels));
    for (int i = 0; i < rate; ++i)
        for (int c = 0; c < channels; ++c)
            frames[size_t(i * channels + c)] = 0.5 * std::sin(2 * M_PI * 440 * i / rate);
    sf_writef_double(f, frames.data(), rate);
    return sf_close(f) == 0;
}

// Run in a child process: open a sound and save it back, under a file size limit or as
// another user. The exit status says whether the save worked.
int saveChild(const char* folder, const char* mode) {
    if (chdir(folder) != 0)
        return 3;
    if (qstrcmp(mode, "small-disk") == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    WavDevice device;
    device.open(QStringLiteral("sounds\\b.wav"));
    if (!device.isOpen())
        return 4;
    return device.save() ? 0 : 1;
}

bool serverAvailable() { return !qEnvironmentVariable("ZORBLA_MIC_FIFO").isEmpty(); }

}  // namespace

class TestFaults : public QObject {
    Q_OBJECT
    zorbla_test::WorkingFolder folder_;

private slots:
    void initTestCase() {
        QVERIFY(folder_.enter());
    }

    void brokenPicturesAndSoundsDoNotStopTheChild() {
        const QByteArray gif = readBytes("images/C1.gif");
        const QByteArray wav = readBytes("sounds/c.wav");
        writeBytes("images/B1.gif", QByteArray());              // empty
        writeBytes("images/C1.gif", gif.left(gif.size() / 3));  // cut short
        writeBytes("images/D1.gif", randomBytes(5000, 1));      // noise
        QFile::remove("images/E1.gif");                         // missing
        writeBytes("images/B1ani.gif", randomBytes(3000, 2));
        writeBytes("sounds/b.wav", QByteArray());
        writeBytes("sounds/c.wav", wav.left(60));
        writeBytes("sounds/D.wav", randomBytes(4000, 3));
        QFile::remove("sounds/E.wav");

        StderrCapture err;
        MainWindow w;
        QVERIFY(!w.load());
        w.show();
        for (int letter : {1, 2, 3, 4}) {
            QTest::mouseClick(zorbla_test::control(w, QStringLiteral("letterTile%1").arg(size_t(letter))), Qt::LeftButton);
            QTest::mouseClick(zorbla_test::control(w, "picture"), Qt::LeftButton);
            QTest::mouseClick(w.mediaControl().playButton(), Qt::LeftButton);
            QTest::mouseClick(zorbla_test::control(w, "nextPicture"), Qt::LeftButton);
            QVERIFY(!zorbla_test::control(w, "picture")->pixmap().isNull());  // picture 2 is fine
        }
        QVERIFY(!w.ended());
        const QString said = err.text();
        err.restore();
        for (const char* expected : {"picture images\\B1.gif", "picture images\\D1.gif", "picture images\\E1.gif",
                                     "animation images\\B1ani.gif", "sound sounds\\b.wav cannot be played",
                                     "sound sounds\\D.wav cannot be played", "sound sounds\\E.wav is missing"})
            QVERIFY2(said.contains(QLatin1String(expected)), qPrintable(QString("no line about %1 in:\n%2").arg(expected, said)));
        QVERIFY(!said.contains("images\\F1.gif"));
    }

    void soundsInOtherFormatsPlay_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("8-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 11025 << 1;
        QTest::newRow("stereo 44.1 kHz") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 44100 << 2;
        QTest::newRow("float") << (SF_FORMAT_WAV | SF_FORMAT_FLOAT) << 22050 << 1;
        QTest::newRow("mu-law") << (SF_FORMAT_WAV | SF_FORMAT_ULAW) << 8000 << 1;
        QTest::newRow("24-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_24) << 48000 << 1;
    }
    void soundsInOtherFormatsPlay() {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QVERIFY(writeTone("sounds/format.wav", format, rate, channels));
        Sound s;
        QVERIFY(readWav("sounds/format.wav", &s));
        QCOMPARE(s.sampleRate, rate);
        QCOMPARE(s.channels, channels);
        QCOMPARE(s.frames(), qint64(rate));
        // The tone's peak comes through at about half of full scale.
        qint16 peak = 0;
        for (qint16 v : s.samples)
            peak = std::max<qint16>(peak, qint16(std::abs(v)));
        QVERIFY2(peak > 15000 && peak < 17500, qPrintable(QString::number(peak)));
        if (!serverAvailable())
            return;
        MediaControl c;
        QSignalSpy finished(&c, &MediaControl::playbackFinished);
        c.setDeviceType("WaveAudio");
        c.setFileName("sounds\\format.wav");
        c.setCommand("Open");
        QElapsedTimer clock;
        clock.start();
        c.setCommand("Play");
        QVERIFY(c.device().isPlaying());
        QVERIFY(finished.wait(5000));
        QVERIFY(clock.elapsed() >= 950);  // a whole second of it was played
    }

    void savingNeverLeavesAHalfWrittenSound_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("full disk") << "small-disk";
        QTest::newRow("read-only sounds folder") << "read-only";
    }
    void savingNeverLeavesAHalfWrittenSound() {
        QFETCH(QString, mode);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("sounds");
        Sound tone;
        for (int i = 0; i < 22050; ++i)
            tone.samples.push_back(qint16(10000 * std::sin(i * 0.05)));
        QVERIFY(writeWav(dir.filePath("sounds/b.wav"), tone));
        const QByteArray before = readBytes(dir.filePath("sounds/b.wav"));
        QVERIFY(before.size() > 40000);

        QStringList command = {QCoreApplication::applicationFilePath(), "--save-child", dir.path(), mode};
        if (mode == "read-only") {
            QFile::setPermissions(dir.filePath("sounds"), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                               QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
            if (geteuid() == 0) {
                // Root writes anywhere: save as an ordinary user instead.
                QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther | QFile::ReadOther);
                for (QString p = QFileInfo(dir.path()).path(); p != "/"; p = QFileInfo(p).path())
                    if (!(QFile::permissions(p) & QFile::ExeOther))
                        QSKIP("the temporary folder is not reachable for another user");
                command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
            }
        }
        QProcess child;
        child.start(command.takeFirst(), command);
        QVERIFY(child.waitForFinished(30000));
        const QString said = QString::fromLocal8Bit(child.readAllStandardError());
        QCOMPARE(child.exitCode(), 1);  // the save failed...
        QVERIFY2(said.contains("the recording could not be saved") && said.contains("the old sound is unchanged"),
                 qPrintable(said));
        QCOMPARE(readBytes(dir.filePath("sounds/b.wav")), before);  // ...and the old sound is whole
        QCOMPARE(QDir(dir.filePath("sounds")).entryList(QDir::Files | QDir::Hidden), QStringList{"b.wav"});
        QFile::setPermissions(dir.filePath("sounds"), QFile::permissions(dir.path()));
    }

    void strangeWordTables() {
        QTemporaryDir dir;
        WordTable table;
        // Binary noise: refused with the line that is wrong.
        writeBytes(dir.filePath("text.txt"), randomBytes(100000, 7));
        auto error = WordTableReader::read(table, QDir(dir.path()));
        QVERIFY(error);
        QVERIFY(error->line >= 1);
        // An empty file is no error: the tiles are just empty.
        writeBytes(dir.filePath("text.txt"), QByteArray());
        QVERIFY(!WordTableReader::read(table, QDir(dir.path())));
        // 30 MB on one line: a valid line, read as the grammar says.
        QByteArray huge = "01 " + QByteArray(30 * 1024 * 1024, 'W') + ",B,C,D.\r\n41 A,B,C,D.\r\n";
        writeBytes(dir.filePath("text.txt"), huge);
        huge.clear();
        QVERIFY(!WordTableReader::read(table, QDir(dir.path())));
        QCOMPARE(table.cell(1, 1).size(), 30 * 1024 * 1024);
        QCOMPARE(table.cell(1, 4), QString("D"));

        // The main window starts on it, and the huge word shows without hanging.
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        {
            MainWindow w;
            QVERIFY(!w.load());
            w.show();
            QTest::mousePress(zorbla_test::control(w, "letterTile0"), Qt::LeftButton);
            QTest::mouseClick(zorbla_test::control(w, "picture"), Qt::LeftButton);
            QCOMPARE(w.shownWord().size(), 30 * 1024 * 1024);
            QVERIFY(zorbla_test::control(w, "word")->isVisible());
            QVERIFY(!w.grab().isNull());
        }
        QDir::setCurrent(old);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && qstrcmp(argv[1], "--save-child") == 0)
        return saveChild(argv[2], argv[3]);
    QApplication app(argc, argv);
    TestFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_faults.moc"
