#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include "app/edition.h"
#include "app/workfolder.h"

using zorbla::chooseWorkFolder;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

}  // namespace

// An installed layout in a temporary folder: prefix/bin, prefix/share/zorbla, a home.
class TestWorkFolder : public QObject {
    Q_OBJECT

    QTemporaryDir root_;
    QString bin_, pack_, user_, start_;

private slots:
    void init() {
        QVERIFY(root_.isValid());
        QDir(root_.path()).removeRecursively();
        QDir().mkpath(root_.path());
        bin_ = root_.filePath("prefix/bin");
        pack_ = root_.filePath("prefix/share/zorbla/en");
        user_ = root_.filePath("home/.local/share/zorbla");
        start_ = root_.filePath("start");
        QDir().mkpath(bin_);
        QDir().mkpath(start_);
        writeFile(pack_ + "/text.txt", "01 APPLE,ANT,ANCHOR,AIRPLANE.\r\n");
        writeFile(pack_ + "/images/A1.gif", "GIF89a-apple");
        writeFile(pack_ + "/sounds/a.wav", "RIFF-a");
        writeFile(pack_ + "/sounds/A1.wav", "RIFF-apple");
    }

    void installedProgramInAFolderWithoutTableUsesTheFilledUserFolder() {
        const auto w = chooseWorkFolder(start_, bin_, user_);
        QCOMPARE(w.path, user_);
        QCOMPARE(w.pack, QDir::cleanPath(pack_));
        QVERIFY(w.error.isEmpty());
        QCOMPARE(w.copied, 4);
        QCOMPARE(readFile(user_ + "/text.txt"), QByteArray("01 APPLE,ANT,ANCHOR,AIRPLANE.\r\n"));
        QCOMPARE(readFile(user_ + "/images/A1.gif"), QByteArray("GIF89a-apple"));
        QCOMPARE(readFile(user_ + "/sounds/A1.wav"), QByteArray("RIFF-apple"));
        // Nothing is written where it was started.
        QVERIFY(QDir(start_).isEmpty());
    }

    void aSecondStartKeepsTheUsersEditsAndRecordings() {
        QCOMPARE(chooseWorkFolder(start_, bin_, user_).copied, 4);
        writeFile(user_ + "/text.txt", "01 JABUKA,MRAV,SIDRO,AVION.\r\n");
        writeFile(user_ + "/sounds/a.wav", "RIFF-the-child-said-a");
        QFile::remove(user_ + "/images/A1.gif");

        const auto w = chooseWorkFolder(start_, bin_, user_);
        QCOMPARE(w.path, user_);
        QCOMPARE(w.copied, 1);  // only what went missing
        QCOMPARE(readFile(user_ + "/text.txt"), QByteArray("01 JABUKA,MRAV,SIDRO,AVION.\r\n"));
        QCOMPARE(readFile(user_ + "/sounds/a.wav"), QByteArray("RIFF-the-child-said-a"));
        QCOMPARE(readFile(user_ + "/images/A1.gif"), QByteArray("GIF89a-apple"));
        QCOMPARE(readFile(pack_ + "/sounds/a.wav"), QByteArray("RIFF-a"));
    }

    // A new version's picture at twice the size, copied after the user replaced the
    // picture, keeps the pack's older time, so the user's picture is not hidden by it.
    void aCopyKeepsThePacksTime() {
        QFile old(pack_ + "/images/A1.gif");
        QVERIFY(old.open(QIODevice::ReadWrite));
        const QDateTime made = QDateTime::currentDateTime().addDays(-30);
        QVERIFY(old.setFileTime(made, QFileDevice::FileModificationTime));
        old.close();
        chooseWorkFolder(start_, bin_, user_);
        QCOMPARE(QFileInfo(user_ + "/images/A1.gif").lastModified(), QFileInfo(old).lastModified());
    }

    void theUsersNamesCountWhateverTheirCase() {
        writeFile(user_ + "/TEXT.TXT", "edited");
        writeFile(user_ + "/Sounds/A.WAV", "recorded");
        const auto w = chooseWorkFolder(start_, bin_, user_);
        QCOMPARE(w.copied, 2);
        QVERIFY(!QFileInfo::exists(user_ + "/text.txt"));
        QVERIFY(!QFileInfo::exists(user_ + "/sounds"));
        QCOMPARE(readFile(user_ + "/Sounds/A1.wav"), QByteArray("RIFF-apple"));
        QCOMPARE(readFile(user_ + "/Sounds/A.WAV"), QByteArray("recorded"));
    }

    void aFolderWithATableIsUsedAsBefore_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("text.txt") << "text.txt";
        QTest::newRow("TEXT.TXT") << "TEXT.TXT";
        QTest::newRow("Text.Txt") << "Text.Txt";
    }
    void aFolderWithATableIsUsedAsBefore() {
        QFETCH(QString, name);
        writeFile(start_ + "/" + name, "01 A,B,C,D.\r\n");
        const auto w = chooseWorkFolder(start_, bin_, user_);
        QCOMPARE(w.path, start_);
        QVERIFY(w.pack.isEmpty());
        QVERIFY(!QFileInfo::exists(user_));
    }

    void aBuildTreeStaysWhereItIsStarted() {
        // No share/zorbla beside the program's folder: the missing table is reported as always.
        const QString buildBin = root_.filePath("build/src");
        QDir().mkpath(buildBin);
        const auto w = chooseWorkFolder(start_, buildBin, user_);
        QCOMPARE(w.path, start_);
        QVERIFY(w.pack.isEmpty());
        QVERIFY(!QFileInfo::exists(user_));
    }

    void aPackWithoutTableIsNoPack() {
        QFile::remove(pack_ + "/text.txt");
        QVERIFY(zorbla::installedPack(bin_, "en").isEmpty());
        QCOMPARE(chooseWorkFolder(start_, bin_, user_).path, start_);
    }

    void startedInsideThePackItIsNeverWrittenTo() {
        const auto w = chooseWorkFolder(pack_, bin_, user_);
        QCOMPARE(w.path, user_);
        QVERIFY(QFileInfo::exists(user_ + "/text.txt"));
    }

    void copiesOfAReadOnlyPackCanBeRecordedOver() {
        QFile(pack_ + "/sounds/a.wav").setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadOther);
        chooseWorkFolder(start_, bin_, user_);
        QFile copy(user_ + "/sounds/a.wav");
        QVERIFY(copy.permissions() & QFileDevice::WriteOwner);
        QVERIFY(copy.open(QIODevice::WriteOnly));
    }

    // Each edition has a folder of its own; English keeps the one it always had, with what
    // the family recorded there.
    void eachEditionHasItsOwnFolder() {
        const QString croatian = root_.filePath("prefix/share/zorbla/hr");
        writeFile(croatian + "/text.txt", "01 AUTO,AVION,ANANAS,ALAT.\r\n");
        writeFile(croatian + "/sounds/a.wav", "RIFF-a-hr");
        writeFile(user_ + "/sounds/a.wav", "RIFF-the-child-said-a");
        QCOMPARE(zorbla::installedEditions(bin_), QStringList({"en", "hr"}));

        const auto hr = chooseWorkFolder(start_, bin_, zorbla::userFolderOf(user_, "hr"), "hr");
        QCOMPARE(hr.path, user_ + "/hr");
        QCOMPARE(hr.pack, QDir::cleanPath(croatian));
        QCOMPARE(readFile(user_ + "/hr/sounds/a.wav"), QByteArray("RIFF-a-hr"));
        QCOMPARE(readFile(user_ + "/hr/text.txt"), QByteArray("01 AUTO,AVION,ANANAS,ALAT.\r\n"));

        const auto en = chooseWorkFolder(start_, bin_, zorbla::userFolderOf(user_, "en"), "en");
        QCOMPARE(en.path, user_);
        QCOMPARE(readFile(user_ + "/sounds/a.wav"), QByteArray("RIFF-the-child-said-a"));
        QCOMPARE(readFile(user_ + "/text.txt"), QByteArray("01 APPLE,ANT,ANCHOR,AIRPLANE.\r\n"));
        // Started inside another edition's pack, it is not written to either.
        QCOMPARE(chooseWorkFolder(croatian, bin_, user_, "en").path, user_);
    }

    void theDesktopsLanguageChoosesTheEdition_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("edition");
        const QStringList all = {"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG="};
        QTest::newRow("nothing set") << QStringList{} << "en";
        QTest::newRow("LANG hr_HR.UTF-8") << QStringList{"LANG=hr_HR.UTF-8"} << "hr";
        QTest::newRow("LANG de_AT") << QStringList{"LANG=de_AT"} << "de";
        QTest::newRow("LANG fr_CA.UTF-8") << QStringList{"LANG=fr_CA.UTF-8"} << "fr";
        QTest::newRow("LANG es_MX.UTF-8@euro") << QStringList{"LANG=es_MX.UTF-8@euro"} << "es";
        QTest::newRow("no edition: Italian") << QStringList{"LANG=it_IT.UTF-8"} << "en";
        QTest::newRow("LC_MESSAGES before LANG") << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=fr_FR.UTF-8"} << "fr";
        QTest::newRow("LC_ALL before LC_MESSAGES")
            << QStringList{"LC_ALL=es_ES.UTF-8", "LC_MESSAGES=fr_FR.UTF-8"} << "es";
        QTest::newRow("LANGUAGE first") << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=hr:de"} << "hr";
        QTest::newRow("LANGUAGE's first edition") << QStringList{"LANG=en_US.UTF-8", "LANGUAGE=it:fr"} << "fr";
        QTest::newRow("LANGUAGE under a C locale") << QStringList{"LANG=C.UTF-8", "LANGUAGE=hr"} << "en";
        QTest::newRow("an edition not installed") << QStringList{"LANG=sv_SE.UTF-8", "LANGUAGE=es:sv"} << "en";
    }
    void theDesktopsLanguageChoosesTheEdition() {
        QFETCH(QStringList, environment);
        QFETCH(QString, edition);
        QProcessEnvironment env;
        for (const QString& e : environment)
            env.insert(e.section('=', 0, 0), e.section('=', 1));
        // Spanish is not installed in the last row.
        const QStringList installed = QTest::currentDataTag() == QByteArray("an edition not installed")
                                          ? QStringList{"en", "hr", "de", "fr"}
                                          : zorbla::knownEditions();
        QCOMPARE(zorbla::desktopEdition(env, installed), edition);
    }

    void aUserFolderThatCannotBeMadeLeavesTheStartFolder() {
        writeFile(root_.filePath("home/.local/share"), "a file where a folder should be");
        const auto w = chooseWorkFolder(start_, bin_, user_);
        QCOMPARE(w.path, start_);
        QVERIFY(w.pack.isEmpty());
        QVERIFY(w.error.contains(user_));
    }
};

QTEST_GUILESS_MAIN(TestWorkFolder)
#include "test_workfolder.moc"
