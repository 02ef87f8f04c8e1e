#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include "app/edition.h"
#include "app/workfolder.h"
#include "files/paths.h"

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

    // Nothing is copied: the family's folder lies over a school's and the installed pack.
    void installedProgramReadsThePackInPlace() {
        const QString site = root_.filePath("site/en");
        writeFile(site + "/images/A1.gif", "GIF89a-the-schools-apple");
        writeFile(user_ + "/sounds/a.wav", "RIFF-the-child-said-a");
        const auto w = chooseWorkFolder(start_, bin_, user_, "en", {site});
        QCOMPARE(w.path, user_);
        QCOMPARE(w.beneath, QStringList({site, QDir::cleanPath(pack_)}));
        QCOMPARE(w.tidied, 0);
        QVERIFY(QDir(start_).isEmpty());
        zorbla::setPackFolders({w.path, w.beneath});
        QCOMPARE(readFile(zorbla::resolvePath("SOUNDS\\A.wav")), QByteArray("RIFF-the-child-said-a"));
        QCOMPARE(readFile(zorbla::resolvePath("images\\a1.gif")), QByteArray("GIF89a-the-schools-apple"));
        QCOMPARE(readFile(zorbla::resolvePath("sounds\\A1.wav")), QByteArray("RIFF-apple"));
        QCOMPARE(zorbla::ownPath("sounds\\A1.wav"), user_ + "/sounds/A1.wav");
        QCOMPARE(QDir(user_).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"sounds"});
        zorbla::setPackFolders({});
    }

    // A school's folders come in the desktop's order, after the one the settings name; a
    // folder where a Zorbla is installed is a package, not a school's.
    void schoolFolders() {
        const QString named = root_.filePath("school"), local = root_.filePath("local/share"),
                      installed = root_.filePath("prefix/share");
        QDir().mkpath(named + "/hr");
        QDir().mkpath(local + "/zorbla/hr");
        QDir().mkpath(root_.filePath("prefix/share/zorbla/hr"));
        writeFile(root_.filePath("prefix/bin/zorbla"), "");
        QStringList said;
        QCOMPARE(zorbla::siteFolders(named, {installed, local, root_.filePath("none")}, "hr", &said),
                 QStringList({named + "/hr", local + "/zorbla/hr"}));
        QVERIFY(said.isEmpty());
        zorbla::siteFolders(root_.filePath("nowhere"), {}, "hr", &said);
        QCOMPARE(said.size(), 1);
        QVERIFY(said.first().contains(root_.filePath("nowhere/hr")));
    }

    // A folder an earlier version filled with a whole copy of the pack, and the family
    // used: what the family made stays, the copies go, and a copy of a file the pack has
    // changed since goes too, so that the new one is read.
    void aFullCopyKeepsOnlyWhatTheFamilyMade() {
        const QDateTime packTime = QDateTime::currentDateTime().addDays(-30);
        auto setTime = [](const QString& path, const QDateTime& t) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(t, QFileDevice::FileModificationTime));
        };
        // The earlier version's copy: the pack's bytes and times.
        for (int i = 0; i < 12; ++i) {
            writeFile(pack_ + QString("/images/B%1.gif").arg(i), "GIF89a-" + QByteArray::number(i));
            writeFile(user_ + QString("/images/B%1.gif").arg(i), "GIF89a-" + QByteArray::number(i));
            setTime(user_ + QString("/images/B%1.gif").arg(i), packTime.addSecs(i));
        }
        // Pictures and words the pack has changed since, copied with the older pack's time.
        writeFile(user_ + "/images/A1.gif", "GIF89a-the-older-apple");
        setTime(user_ + "/images/A1.gif", packTime.addSecs(3));
        // What the family made: a recording (its original kept, with the pack's bytes), an
        // edited table, a picture put there by hand, another long ago, a link to a drive
        // not plugged in.
        writeFile(user_ + "/sounds/a.wav", "RIFF-the-child-said-a");
        writeFile(user_ + "/originals/sounds/a.wav", "RIFF-a");
        writeFile(user_ + "/TEXT.TXT", "01 JABUKA,MRAV,SIDRO,AVION.\r\n");
        writeFile(user_ + "/images/B3.gif", "GIF89a-our-own-ball");
        writeFile(user_ + "/images/B4.gif", "GIF89a-a-ball-from-grandma");
        setTime(user_ + "/images/B4.gif", packTime.addDays(-400));
        QVERIFY(QFile::link("/media/stick/bear.gif", user_ + "/images/medo1.gif"));
        writeFile(pack_ + "/images/medo1.gif", "GIF89a-bear");

        const auto w = chooseWorkFolder(start_, bin_, user_);
        QStringList left;
        QDirIterator it(user_, QDir::Files | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            left << QDir(user_).relativeFilePath(it.next());
        left.sort();
        QCOMPARE(left, QStringList({"TEXT.TXT", "images/B3.gif", "images/B4.gif", "images/medo1.gif", "sounds/a.wav"}));
        QCOMPARE(w.tidied, 10 + 1 + 1);  // the copies, the older apple, the original
        // Twice is once.
        QCOMPARE(chooseWorkFolder(start_, bin_, user_).tidied, 0);
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
        QCOMPARE(w.beneath, QStringList{QDir::cleanPath(pack_)});
    }

    // Each edition has a folder of its own over its own pack; English keeps the one it
    // always had.
    void eachEditionHasItsOwnFolder() {
        const QString croatian = root_.filePath("prefix/share/zorbla/hr");
        writeFile(croatian + "/text.txt", "01 AUTO,AVION,ANANAS,ALAT.\r\n");
        QCOMPARE(zorbla::installedEditions(bin_), QStringList({"en", "hr"}));
        const auto hr = chooseWorkFolder(start_, bin_, zorbla::userFolderOf(user_, "hr"), "hr");
        QCOMPARE(hr.path, user_ + "/hr");
        QCOMPARE(hr.beneath, QStringList{QDir::cleanPath(croatian)});
        QCOMPARE(chooseWorkFolder(start_, bin_, zorbla::userFolderOf(user_, "en"), "en").path, user_);
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

};

QTEST_GUILESS_MAIN(TestWorkFolder)
#include "test_workfolder.moc"
