#include <QTemporaryDir>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestPaths)
#include "test_paths.moc"
