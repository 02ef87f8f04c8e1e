#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        pack_ = root_.filePath("prefix/share/zorbla");
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
        QVERIFY(zorbla::installedPack(bin_).isEmpty());
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
