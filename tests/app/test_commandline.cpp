#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/commandline.h"
#include "app/edition.h"

using zorbla::CommandLine;

namespace {

CommandLine read(const QStringList& args) { return zorbla::readCommandLine(args, zorbla::knownEditions()); }

}  // namespace

// The program's command line: the parser alone, then the real program.
class TestCommandLine : public QObject {
    Q_OBJECT

    struct Run {
        int status = -1;
        QByteArray out, err;
    };

    // The program with no display at all, unless a platform is given.
    static Run run(const QStringList& args, const QString& platform = QString()) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(v);
        env.insert("LANG", "C.UTF-8");
        if (!platform.isEmpty())
            env.insert("QT_QPA_PLATFORM", platform);
        p.setProcessEnvironment(env);
        // An empty folder: if the window were ever made, it would stop at the missing table.
        QTemporaryDir dir;
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(ZORBLA_PROGRAM), args);
        Run r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }

private slots:
    void theParserAlone_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("action");
        QTest::newRow("nothing") << QStringList{"zorbla"} << int(CommandLine::Run);
        QTest::newRow("--help") << QStringList{"zorbla", "--help"} << int(CommandLine::Help);
        QTest::newRow("-h") << QStringList{"zorbla", "-h"} << int(CommandLine::Help);
        QTest::newRow("--version") << QStringList{"zorbla", "--version"} << int(CommandLine::Version);
        QTest::newRow("-v") << QStringList{"zorbla", "-v"} << int(CommandLine::Version);
        QTest::newRow("unknown long") << QStringList{"zorbla", "--fullscreen"} << int(CommandLine::Refuse);
        QTest::newRow("a file") << QStringList{"zorbla", "text.txt"} << int(CommandLine::Refuse);
        QTest::newRow("help and a file") << QStringList{"zorbla", "--help", "x"} << int(CommandLine::Refuse);
        QTest::newRow("a value for --version") << QStringList{"zorbla", "--version=2"} << int(CommandLine::Refuse);
        QTest::newRow("an empty argument") << QStringList{"zorbla", ""} << int(CommandLine::Refuse);
        QTest::newRow("an edition") << QStringList{"zorbla", "--language", "hr"} << int(CommandLine::Run);
        QTest::newRow("--language=es") << QStringList{"zorbla", "--language=es"} << int(CommandLine::Run);
        QTest::newRow("no such edition") << QStringList{"zorbla", "--language", "xx"} << int(CommandLine::Refuse);
        QTest::newRow("--language alone") << QStringList{"zorbla", "--language"} << int(CommandLine::Refuse);
    }
    void theParserAlone() {
        QFETCH(QStringList, args);
        QFETCH(int, action);
        QCOMPARE(int(read(args).action), action);
    }

    void theLockedStart() {
        QVERIFY(read({"zorbla", "--kiosk"}).kiosk);
        QCOMPARE(read({"zorbla", "--kiosk"}).action, CommandLine::Run);
        QVERIFY(!read({"zorbla"}).kiosk);
        QVERIFY(read({"zorbla", "--help"}).text.contains("--kiosk"));
        QVERIFY(read({"zorbla", "--voices"}).voices);
        QVERIFY(read({"zorbla", "--help"}).text.contains("--voices"));
        QCOMPARE(read({"zorbla", "--voices", "--kiosk"}).action, CommandLine::Refuse);
    }

    // A code that is not installed is refused with the list of those that are.
    void aWrongEditionNamesTheInstalledOnes() {
        const CommandLine c = zorbla::readCommandLine({"zorbla", "--language", "es"}, {"en", "hr"});
        QCOMPARE(c.action, CommandLine::Refuse);
        QVERIFY2(c.text.contains("en (English), hr (hrvatski)"), qPrintable(c.text));
        QVERIFY(read({"zorbla", "--help"}).text.contains("--language"));
    }

    void onlySingleDashWordsMayBeQts() {
        QVERIFY(zorbla::mayBeForQt({"zorbla", "-platform", "offscreen"}));
        QVERIFY(zorbla::mayBeForQt({"zorbla", "--x", "-reverse"}));
        QVERIFY(!zorbla::mayBeForQt({"zorbla", "--platform"}));
        QVERIFY(!zorbla::mayBeForQt({"zorbla", "offscreen", "-", "-x"}));
        QVERIFY(!zorbla::mayBeForQt({"-platform"}));  // the program's own name is not an argument
    }

    void versionAndHelpNeedNoDisplay() {
        const Run v = run({"--version"});
        QCOMPARE(v.status, 0);
        QCOMPARE(v.out, QByteArray("zorbla " ZORBLA_VERSION "\n"));
        QVERIFY(v.err.isEmpty());

        const Run h = run({"--help"});
        QCOMPARE(h.status, 0);
        QVERIFY(h.out.startsWith("Usage: zorbla"));
        QVERIFY(h.out.contains("--version"));
        QVERIFY(h.out.contains(".local/share/zorbla"));
        QVERIFY(h.err.isEmpty());
    }

    void unknownArgumentsAreRefusedWithStatusTwo_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QByteArray>("said");
        // Plainly not Qt's: refused before any display is looked for.
        QTest::newRow("--bogus") << QStringList{"--bogus"} << QString() << QByteArray("Unknown option 'bogus'");
        QTest::newRow("a folder") << QStringList{"/tmp"} << QString() << QByteArray("no file or folder: '/tmp'");
        QTest::newRow("--version and more") << QStringList{"--version", "--bogus"} << QString()
                                            << QByteArray("Unknown option 'bogus'");
        // A single-dash word could be Qt's: Qt looks first, then the rest is refused.
        QTest::newRow("-bogus") << QStringList{"-bogus"} << QString("offscreen") << QByteArray("Unknown option");
        QTest::newRow("Qt's and a file") << QStringList{"-platform", "offscreen", "x.txt"} << QString()
                                         << QByteArray("no file or folder: 'x.txt'");
    }
    void unknownArgumentsAreRefusedWithStatusTwo() {
        QFETCH(QStringList, args);
        QFETCH(QString, platform);
        QFETCH(QByteArray, said);
        const Run r = run(args, platform);
        QCOMPARE(r.status, CommandLine::kRefusedStatus);
        QVERIFY2(r.err.contains(said), r.err.constData());
        QVERIFY(r.err.contains("Usage: zorbla"));
        QVERIFY(r.out.isEmpty());
    }

    void qtsOwnArgumentsAreTakenByQt() {
        const Run r = run({"-platform", "offscreen", "--version"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("zorbla " ZORBLA_VERSION "\n"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
