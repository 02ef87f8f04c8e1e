#include <QTemporaryDir>
#include <QtTest>

#include "files/originals.h"
#include "files/paths.h"

using zorbla::resolvePath;

class TestPaths : public QObject {
    Q_OBJECT
private slots:
    void resolvesWithoutRegardToCase() {
        QTemporaryDir tmp;
        QDir dir(tmp.path());
        QVERIFY(dir.mkpath("Sounds"));
        QVERIFY(dir.mkpath("images"));
        for (const char* name : {"Sounds/d.wav", "Sounds/b1.WAV", "images/B1ani.gif", "text.txt"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(resolvePath("sounds\\D.wav", dir), dir.filePath("Sounds/d.wav"));
        QCOMPARE(resolvePath("sounds\\B1.wav", dir), dir.filePath("Sounds/b1.WAV"));
        QCOMPARE(resolvePath("IMAGES\\b1ANI.GIF", dir), dir.filePath("images/B1ani.gif"));
        QCOMPARE(resolvePath("TEXT.txt", dir), dir.filePath("text.txt"));
        // Forward slashes work as well.
        QCOMPARE(resolvePath("sounds/d.WAV", dir), dir.filePath("Sounds/d.wav"));
    }

    void newFilesKeepTheirWrittenName() {
        QTemporaryDir tmp;
        QDir dir(tmp.path());
        QVERIFY(dir.mkpath("sounds"));
        QCOMPARE(resolvePath("SOUNDS\\New.wav", dir), dir.filePath("sounds/New.wav"));
        QCOMPARE(resolvePath("pictures\\X.gif", dir), dir.filePath("pictures/X.gif"));
        QCOMPARE(resolvePath(QString(), dir), QString());
    }

    void exactNameWinsOverOtherCase() {
        QTemporaryDir tmp;
        QDir dir(tmp.path());
        QVERIFY(dir.mkpath("sounds"));
        for (const char* name : {"sounds/A.wav", "sounds/a.wav"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(resolvePath("sounds\\a.wav", dir), dir.filePath("sounds/a.wav"));
        QCOMPARE(resolvePath("sounds\\A.wav", dir), dir.filePath("sounds/A.wav"));
    }

    void usesTheWorkingFolderByDefault() {
        QTemporaryDir tmp;
        QFile f(tmp.filePath("TEXT.TXT"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QString old = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tmp.path()));
        const QString found = resolvePath("text.txt");
        QDir::setCurrent(old);
        QCOMPARE(QFileInfo(found).canonicalFilePath(), QFileInfo(f).canonicalFilePath());
    }

    // The family's folder over the pack: its own file wins, one it cannot read is passed
    // over, and putting a sound back takes the family's away.
    void aFamilysFolderLiesOverThePack() {
        QTemporaryDir tmp;
        QDir dir(tmp.path());
        const QString own = dir.filePath("own"), pack = dir.filePath("pack");
        for (const char* name : {"pack/sounds/b.wav", "pack/sounds/c.wav", "pack/images/B1.gif", "own/Sounds/B.WAV"}) {
            QVERIFY(dir.mkpath(QFileInfo(dir.filePath(name)).path()));
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(name);
        }
        QVERIFY(dir.mkpath("own/images"));
        QVERIFY(QFile::link(dir.filePath("gone.gif"), own + "/images/B1.gif"));
        zorbla::setPackFolders({own, {pack}});
        QCOMPARE(resolvePath("sounds\\b.wav"), own + "/Sounds/B.WAV");
        QCOMPARE(resolvePath("sounds\\c.wav"), pack + "/sounds/c.wav");
        QCOMPARE(resolvePath("images\\B1.gif"), pack + "/images/B1.gif");  // a link to nowhere
        QCOMPARE(resolvePath("sounds\\new.wav"), own + "/Sounds/new.wav");
        QCOMPARE(zorbla::ownPath("sounds\\c.wav"), own + "/Sounds/c.wav");

        QVERIFY(zorbla::originals::isReplaced("sounds\\b.wav"));
        QVERIFY(zorbla::originals::keep("sounds\\b.wav"));  // the pack's is beneath: nothing to keep
        QVERIFY(!QFileInfo::exists(own + "/originals"));
        QVERIFY(zorbla::originals::restore("sounds\\b.wav"));
        QCOMPARE(resolvePath("sounds\\b.wav"), pack + "/sounds/b.wav");
        QVERIFY(!zorbla::originals::isReplaced("sounds\\b.wav"));
        zorbla::setPackFolders({});
    }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "test_paths.moc"
