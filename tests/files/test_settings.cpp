#include <QTemporaryDir>
#include <QtTest>

#include "files/settings.h"

using zorbla::Settings;

// The machine's file, the user's and an argument, as a school and a family set them.
class TestSettings : public QObject {
    Q_OBJECT

    static void write(const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

private slots:
    void whoWins_data() {
        QTest::addColumn<QByteArray>("machine");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<bool>("argument");  // --kiosk given
        QTest::addColumn<bool>("kiosk");
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << false << false;
        QTest::newRow("the machine's") << QByteArray("kiosk=true\n") << QByteArray() << false << true;
        QTest::newRow("the user's over the machine's")
            << QByteArray("kiosk=true\n") << QByteArray("kiosk=false\n") << false << false;
        QTest::newRow("the argument over the user's") << QByteArray() << QByteArray("kiosk=no\n") << true << true;
        QTest::newRow("locked by the machine")
            << QByteArray("[General]\nkiosk=yes\nlocked=kiosk, language\n") << QByteArray("kiosk=false\n") << false
            << true;
        QTest::newRow("a wrong value is the default") << QByteArray("kiosk=maybe\n") << QByteArray() << false << false;
    }
    void whoWins() {
        QFETCH(QByteArray, machine);
        QFETCH(QByteArray, user);
        QFETCH(bool, argument);
        QFETCH(bool, kiosk);
        QTemporaryDir dir;
        write(dir.filePath("etc/zorbla/zorbla.conf"), machine);
        write(dir.filePath("home/zorbla/zorbla.conf"), user);
        QProcessEnvironment env;
        env.insert("XDG_CONFIG_DIRS", dir.filePath("nothing") + ":" + dir.filePath("etc"));
        env.insert("XDG_CONFIG_HOME", dir.filePath("home"));
        QCOMPARE(Settings::machineFile(env), dir.filePath("etc/zorbla/zorbla.conf"));
        const Settings s(Settings::machineFile(env), Settings::userFile(env));
        QCOMPARE(s.flag(Settings::kKiosk, false, argument, true), kiosk);
        QVERIFY(s.problems().isEmpty());
    }

    // What a school may mistype is named, and a locked key is not written by the studio.
    void mistakesAreNamed() {
        QTemporaryDir dir;
        write(dir.filePath("machine.conf"), "kiosk=true\nlocked=kiosk\nkisok=true\n");
        write(dir.filePath("user.conf"), "locked=language\n");
        Settings s(dir.filePath("machine.conf"), dir.filePath("user.conf"));
        const QStringList problems = s.problems();
        QCOMPARE(problems.size(), 2);
        QVERIFY(problems[0].contains("machine.conf") && problems[0].contains("'kisok'"));
        QVERIFY(problems[1].contains("user.conf") && problems[1].contains("'locked'"));
        QVERIFY(!s.setUserValue(Settings::kKiosk, "false"));
        QVERIFY(s.setUserValue(Settings::kLanguage, "hr"));
        QCOMPARE(Settings(dir.filePath("machine.conf"), dir.filePath("user.conf")).value(Settings::kLanguage), "hr");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
