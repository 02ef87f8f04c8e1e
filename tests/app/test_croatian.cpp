#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "files/textcodec.h"
#include "files/wordtable.h"

using zorbla::TextEncoding;
using zorbla::WordTable;
using zorbla::WordTableFile;
using zorbla::WordTableReader;

namespace {

const QString kTable = QStringLiteral(ZORBLA_TEST_SOURCE_DIR "/../../assets/hr/text.txt");

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

// The Croatian word table, as the program reads it in either encoding.
class TestCroatian : public QObject {
    Q_OBJECT

    QByteArray utf8_;
    WordTable table_;

private slots:
    void initTestCase() {
        utf8_ = readFile(kTable);
        QVERIFY2(!utf8_.isEmpty(), qPrintable(kTable));
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("text.txt"), utf8_));
        WordTableFile file;
        const auto error = WordTableReader::read(table_, QDir(dir.path()), &file);
        QVERIFY2(!error, error ? qPrintable(error->message()) : "");
        QCOMPARE(int(file.encoding.kind), int(TextEncoding::Utf8));
    }

    void itIsATableOfTheProgramsShape() {
        const QList<QByteArray> lines = utf8_.trimmed().split('\n');
        QVERIFY(lines.size() <= WordTable::kMaxLines);
        QVERIFY(lines.size() >= 55);
        for (int row = 1; row <= 26; ++row)
            for (int col = 1; col <= 4; ++col) {
                const QString& word = table_.cell(row, col);
                QVERIFY2(!word.trimmed().isEmpty(), qPrintable(QStringLiteral("row %1").arg(row)));
                // The games compare the child's typing in capitals.
                QCOMPARE(word, word.toUpper());
            }
        for (int row = 31; row <= 40; ++row)
            for (int col = 1; col <= 4; ++col)
                QCOMPARE(table_.cell(row, col), table_.cell(row, col).toUpper());
    }

    void theTilesAreTheCroatianAlphabet() {
        // Pictures and sounds go by the tile's place, so the tiles may be Croatian letters;
        // each small letter is its capital's.
        QStringList tiles;
        for (int i = 0; i < 26; ++i) {
            QVERIFY(!table_.capitalLetter(i).isEmpty());
            QCOMPARE(table_.smallLetter(i), table_.capitalLetter(i).toLower());
            QVERIFY2(!tiles.contains(table_.capitalLetter(i)), qPrintable(table_.capitalLetter(i)));
            tiles << table_.capitalLetter(i);
        }
        for (const char* letter : {"Č", "Ć", "Š", "Ž"})
            QVERIFY2(tiles.contains(QString::fromUtf8(letter)), letter);
        for (const char* letter : {"Q", "W", "X", "Y"})
            QVERIFY2(!tiles.contains(QString::fromUtf8(letter)), letter);
    }

    void theCroatianLettersArrive() {
        QString all;
        for (int row = 1; row <= 40; ++row)
            for (int col = 1; col <= 4; ++col)
                all += table_.cell(row, col);
        for (QChar c : QStringLiteral("ČĆĐŠŽ"))
            QVERIFY2(all.contains(c), qPrintable(QString(c)));
    }

    void aWindows1250CopyReadsTheSameCells() {
        QByteArray cp1250;
        TextEncoding windows;
        windows.kind = TextEncoding::Windows1250;
        QVERIFY(zorbla::encodeText(QString::fromUtf8(utf8_), windows, &cp1250));
        QVERIFY(cp1250 != utf8_);
        QVERIFY(cp1250.contains('\x8A'));  // Š in Windows-1250
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("TEXT.TXT"), cp1250));
        WordTable copy;
        WordTableFile file;
        const auto error = WordTableReader::read(copy, QDir(dir.path()), &file);
        QVERIFY2(!error, error ? qPrintable(error->message()) : "");
        QCOMPARE(int(file.encoding.kind), int(TextEncoding::Windows1250));
        for (int row = 0; row < WordTable::kRows; ++row)
            for (int col = 0; col < WordTable::kColumns; ++col)
                QCOMPARE(copy.cell(row, col), table_.cell(row, col));
    }

    void theGeneratorSpeaksItInCroatian() {
#ifndef ZORBLA_ASSETGEN
        QSKIP("the pack generator is not part of this build");
#else
        // Every word, letter and prompt must be speakable; the generator refuses what is not.
        // It reads the table as the program does: a Windows-1250 copy speaks the same words.
        QByteArray cp1250;
        TextEncoding windows;
        windows.kind = TextEncoding::Windows1250;
        QVERIFY(zorbla::encodeText(QString::fromUtf8(utf8_), windows, &cp1250));
        QTemporaryDir dir, copy;
        for (const auto& [folder, bytes] : {std::pair{&dir, utf8_}, {&copy, cp1250}}) {
            QVERIFY(writeFile(folder->filePath("text.txt"), bytes));
            QProcess gen;  // each in a process of its own: espeak-ng keeps state between words
            gen.setProcessChannelMode(QProcess::MergedChannels);
            gen.start(QStringLiteral(ZORBLA_ASSETGEN),
                      {"--assets", ZORBLA_ASSETS, "--data", folder->path(), "--voice", "hr"});
            QVERIFY(gen.waitForFinished(240000));
            const QByteArray said = gen.readAll();
            QVERIFY2(gen.exitCode() == 0, said.constData());
            QVERIFY2(!said.contains("stay English"), said.constData());
        }
        for (const char* name : {"a.wav", "G1.wav", "H1.wav", "10.wav", "104.wav", "lower_case.wav", "no_wrong.wav"})
            QVERIFY2(QFileInfo(dir.filePath(QStringLiteral("sounds/") + name)).size() > 1000, name);
        for (const char* name : {"D1.wav", "I1.wav", "U2.wav", "Z1.wav"})  // ČOKOLADA, GROŽĐE, ŠEŠIR, ŽABA
            QVERIFY2(readFile(dir.filePath(QStringLiteral("sounds/") + name)) ==
                         readFile(copy.filePath(QStringLiteral("sounds/") + name)),
                     name);
#endif
    }
};

QTEST_GUILESS_MAIN(TestCroatian)
#include "test_croatian.moc"
