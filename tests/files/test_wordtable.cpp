#include <QTemporaryDir>
#include <QtTest>

#include "files/textcodec.h"
#include "files/wordtable.h"

using zorbla::TextEncoding;
using zorbla::WordTable;
using zorbla::WordTableReader;

namespace {

// A complete, valid table of n lines: row r holds "R<r>A".."R<r>D".
QString validLines(int n) {
    QString text;
    for (int r = 1; r <= n; ++r)
        text += QStringLiteral("%1 R%2A,R%2B,R%2C,R%2D.\r\n").arg(r, 2, 10, QChar('0')).arg(r);
    return text;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class TestWordTable : public QObject {
    Q_OBJECT
private slots:
    void cellsOfOneLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("plain") << "01 ANT,APPLE,ARM,AXE." << QStringList{"ANT", "APPLE", "ARM", "AXE"};
        QTest::newRow("prefix and rest skipped") << "xx.A,B,,D.E.F" << QStringList{"A", "B", "", "D"};
        QTest::newRow("comma in word 4") << "01 A,B,C,D,E." << QStringList{"A", "B", "C", "D,E"};
        QTest::newRow("stops in words 1-3") << "01 A.B,C,D,E.F." << QStringList{"A.B", "C", "D", "E"};
        QTest::newRow("blanks kept") << "01  A, B,C,D." << QStringList{" A", " B", "C", "D"};
        QTest::newRow("four empty words") << "01 ,,,." << QStringList{"", "", "", ""};
        QTest::newRow("case kept") << "01 ant,Apple,aRM,AXE ." << QStringList{"ant", "Apple", "aRM", "AXE "};
        QTest::newRow("no blank after prefix") << "123X,Y,Z,W." << QStringList{"X", "Y", "Z", "W"};
        QTest::newRow("non-ASCII") << QString::fromUtf8("01 ČAŠA,ŽABA,ĐAK,ŠUMA.")
                                   << QStringList{QString::fromUtf8("ČAŠA"), QString::fromUtf8("ŽABA"),
                                                  QString::fromUtf8("ĐAK"), QString::fromUtf8("ŠUMA")};
    }
    void cellsOfOneLine() {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        WordTable table;
        auto error = WordTableReader::parse(line + "\r\n", "text.txt", table);
        QVERIFY2(!error, qPrintable(error ? error->message() : QString()));
        for (int k = 0; k < 4; ++k)
            QCOMPARE(table.cell(1, k + 1), words.at(k));
        QCOMPARE(table.cell(1, 0), QString());
        QCOMPARE(table.cell(2, 1), QString());
    }

    void malformedLineNamesFileLineAndFault_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fault");
        QTest::newRow("empty") << "" << "the line is empty";
        QTest::newRow("no comma") << "01 ANT APPLE ARM AXE." << "no comma";
        QTest::newRow("one comma") << "01 ANT,APPLE ARM AXE." << "only one comma";
        QTest::newRow("two commas") << "01 ANT,APPLE,ARM AXE." << "only two commas";
        QTest::newRow("no full stop") << "01 ANT,APPLE,ARM,AXE" << "no full stop after the third comma";
        QTest::newRow("stop only before 3rd comma") << "01 A.NT,APPLE,ARM,AXE" << "no full stop after the third comma";
        QTest::newRow("comma at 3") << "01,ANT,APPLE,ARM,AXE." << "a comma within the first three characters";
        QTest::newRow("comma at 1") << ",1 ANT,APPLE,ARM." << "a comma within the first three characters";
        QTest::newRow("short line") << "0," << "a comma within the first three characters";
    }
    void malformedLineNamesFileLineAndFault() {
        QFETCH(QString, line);
        QFETCH(QString, fault);
        // The bad line is line 12, after eleven good ones.
        const QString text = validLines(11) + line + "\r\n" + validLines(2);
        WordTable table;
        table.setCell(1, 1, "OLD");
        auto error = WordTableReader::parse(text, "text.txt", table);
        QVERIFY(error);
        QCOMPARE(error->line, 12);
        QVERIFY2(error->message().startsWith("text.txt, line 12: " + fault), qPrintable(error->message()));
        // Nothing was stored from a table that failed.
        QCOMPARE(table.cell(1, 1), QString("OLD"));
    }

    void lineCountLimits() {
        WordTable table;
        QVERIFY(!WordTableReader::parse(validLines(56), "text.txt", table));
        QCOMPARE(table.cell(56, 4), QString("R56D"));

        auto error = WordTableReader::parse(validLines(57), "text.txt", table);
        QVERIFY(error);
        QCOMPARE(error->line, 57);

        // A final line end is no 57th line, but a blank 57th line is one.
        QVERIFY(!WordTableReader::parse(validLines(56), "text.txt", table));
        QVERIFY(WordTableReader::parse(validLines(56) + "\r\n", "text.txt", table));
        // Even a huge number of lines stops at line 57.
        error = WordTableReader::parse(validLines(5000), "text.txt", table);
        QVERIFY(error);
        QCOMPARE(error->line, 57);
    }

    void lineEnds() {
        WordTable crlf, lf, cr, noFinal;
        QString text = validLines(3);
        QVERIFY(!WordTableReader::parse(text, "t", crlf));
        QVERIFY(!WordTableReader::parse(QString(text).replace("\r\n", "\n"), "t", lf));
        QVERIFY(!WordTableReader::parse(QString(text).replace("\r\n", "\r"), "t", cr));
        QVERIFY(!WordTableReader::parse(text.chopped(2), "t", noFinal));
        QVERIFY(crlf == lf);
        QVERIFY(crlf == cr);
        QVERIFY(crlf == noFinal);
        QCOMPARE(lf.cell(3, 4), QString("R3D"));
        // No CR stays inside a word.
        QVERIFY(!crlf.cell(3, 4).contains('\r'));
        // LF CR is two line ends, so an empty line lies between them.
        auto error = WordTableReader::parse("01 A,B,C,D.\n\r02 A,B,C,D.\n", "t", lf);
        QVERIFY(error);
        QCOMPARE(error->line, 2);
    }

    void shortFileAndRereadKeepRowsPastTheEnd() {
        WordTable table;
        QVERIFY(!WordTableReader::parse(validLines(47), "text.txt", table));
        // Captions for every tile, no small letters.
        QCOMPARE(table.capitalLetter(0), QString("R41A"));
        QCOMPARE(table.capitalLetter(25), QString("R47B"));
        QCOMPARE(table.smallLetter(0), QString());
        QVERIFY(!WordTableReader::parse(validLines(56), "text.txt", table));
        QVERIFY(!WordTableReader::parse("01 NEW,B,C,D.\r\n", "text.txt", table));
        QCOMPARE(table.cell(1, 1), QString("NEW"));
        QCOMPARE(table.cell(2, 1), QString("R2A"));
        QCOMPARE(table.cell(56, 4), QString("R56D"));
        // An empty file reads as no lines at all.
        QVERIFY(!WordTableReader::parse(QString(), "text.txt", table));
        QCOMPARE(table.cell(1, 1), QString("NEW"));
    }

    void letterCells() {
        WordTable table;
        QVERIFY(!WordTableReader::parse(validLines(55), "t", table));
        QCOMPARE(table.capitalLetter(4), QString("R42A"));   // E
        QCOMPARE(table.capitalLetter(23), QString("R46D"));  // X
        QCOMPARE(table.smallLetter(25), QString("R55B"));    // z
        QCOMPARE(table.cell(57, 1), QString());
        QCOMPARE(table.cell(-1, 1), QString());
        QCOMPARE(table.cell(1, 5), QString());
    }

    void fileFoundWithoutRegardToCaseAndDecoded() {
        QTemporaryDir dir;
        WordTable table;
        zorbla::WordTableFile file;
        // Windows-1250: 0xC8 is Č, 0x8A is Š; the bytes are no valid UTF-8.
        writeFile(dir.filePath("TEXT.txt"), QByteArray("01 \xC8" "AJ,\x8A" "AL,C,D.\r\n"));
        auto error = WordTableReader::read(table, QDir(dir.path()), &file);
        QVERIFY2(!error, qPrintable(error ? error->message() : QString()));
        QCOMPARE(table.cell(1, 1), QString::fromUtf8("ČAJ"));
        QCOMPARE(table.cell(1, 2), QString::fromUtf8("ŠAL"));
        QCOMPARE(QFileInfo(file.path).fileName(), QString("TEXT.txt"));
        QCOMPARE(file.encoding.kind, TextEncoding::Windows1250);

        // UTF-8 with a byte-order mark: the mark is not part of the prefix.
        writeFile(dir.filePath("TEXT.txt"), QByteArray("\xEF\xBB\xBF" "01 \xC5\xBD" "ABA,B,C,D.\n"));
        QVERIFY(!WordTableReader::read(table, QDir(dir.path()), &file));
        QCOMPARE(table.cell(1, 1), QString::fromUtf8("ŽABA"));
        QCOMPARE(file.encoding.kind, TextEncoding::Utf8);
        QVERIFY(file.encoding.bom);
    }

    void fileFailures() {
        QTemporaryDir dir;
        WordTable table;
        auto error = WordTableReader::read(table, QDir(dir.path()));
        QVERIFY(error);
        QVERIFY2(error->message().startsWith("text.txt: the word table is missing"), qPrintable(error->message()));

        QDir(dir.path()).mkdir("text.txt");
        error = WordTableReader::read(table, QDir(dir.path()));
        QVERIFY(error);
        QVERIFY(error->message().contains("folder"));
        QDir(dir.path()).rmdir("text.txt");

        // Errors name the file as it is found on disk.
        writeFile(dir.filePath("Text.TXT"), validLines(2).toLatin1() + "03 bad line\r\n");
        error = WordTableReader::read(table, QDir(dir.path()));
        QVERIFY(error);
        QCOMPARE(error->message(), QString("Text.TXT, line 3: no comma; four words need three commas between them"));

        // A huge file is refused without being read whole.
        QFile big(dir.filePath("Text.TXT"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(WordTableReader::kMaxFileSize + 1));
        big.close();
        error = WordTableReader::read(table, QDir(dir.path()));
        QVERIFY(error);
        QVERIFY(error->message().contains("too large"));
    }

    void codecRoundTrip() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        TextEncoding enc;
        const QString text = zorbla::decodeText(all, &enc);
        QCOMPARE(enc.kind, TextEncoding::Windows1250);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0xFF), QChar(0x02D9));
        QByteArray back;
        QVERIFY(zorbla::encodeText(text, enc, &back));
        QCOMPARE(back, all);

        // A character outside the code page cannot be written in it.
        qsizetype bad = -1;
        QVERIFY(!zorbla::encodeText(QString::fromUtf8("AB\u4E2D"), enc, &back, &bad));
        QCOMPARE(bad, qsizetype(2));

        // Only the first mark is the file's; a second one is text and stays (found by fuzzing).
        const QByteArray twoMarks = "\xEF\xBB\xBF\xEF\xBB\xBF";
        QCOMPARE(zorbla::decodeText(twoMarks, &enc), QString(QChar(0xFEFF)));
        QVERIFY(zorbla::encodeText(zorbla::decodeText(twoMarks, &enc), enc, &back));
        QCOMPARE(back, twoMarks);

        const QByteArray utf8 = "\xEF\xBB\xBF" "\xC4\x8C" "01";
        const QString decoded = zorbla::decodeText(utf8, &enc);
        QCOMPARE(decoded, QString::fromUtf8("Č01"));
        QVERIFY(zorbla::encodeText(decoded, enc, &back));
        QCOMPARE(back, utf8);
    }
};

QTEST_GUILESS_MAIN(TestWordTable)
#include "test_wordtable.moc"
