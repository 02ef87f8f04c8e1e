#include <QDir>
#include <QTest>

#include "files/wordtable.h"

using zorbla::WordTable;
using zorbla::WordTableReader;

// Every edition's letter words, as a teacher reads them: a word belongs to its tile when it
// begins with the tile's letter. A letter with marks that has no tile of its own (É, Î) is
// its plain letter; one that has a tile (Č, Ñ) is not.
class TestEditions : public QObject {
    Q_OBJECT

private slots:
    void lettersWordsBeginWithTheirLetter_data() {
        QTest::addColumn<QString>("folder");
        const QDir assets(QStringLiteral(ZORBLA_TEST_SOURCE_DIR "/../../assets"));
        QTest::newRow("en") << assets.path();
        for (const QString& edition : assets.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            if (assets.exists(edition + QStringLiteral("/text.txt")))
                QTest::newRow(qPrintable(edition)) << assets.filePath(edition);
        QVERIFY(assets.exists(QStringLiteral("hr/text.txt")));
    }

    void lettersWordsBeginWithTheirLetter() {
        QFETCH(QString, folder);
        WordTable table;
        const auto error = WordTableReader::read(table, QDir(folder));
        QVERIFY2(!error, error ? qPrintable(error->message()) : "");
        QStringList tiles;
        for (int i = 0; i < 26; ++i)
            tiles << table.capitalLetter(i).toUpper();
        int words = 0, fitting = 0;
        QStringList misses;
        for (int i = 0; i < 26; ++i)
            for (int col = 1; col <= 4; ++col) {
                const QString word = table.cell(1 + i, col).toUpper();
                QString first = word.left(1);
                if (!tiles.contains(first))
                    first = first.normalized(QString::NormalizationForm_D).left(1);
                ++words;
                if (first == tiles[i])
                    ++fitting;
                else
                    misses << tiles[i] + QStringLiteral(": ") + word;
            }
        QVERIFY2(fitting * 100 >= words * 95, qPrintable(QStringLiteral("%1 of %2 fit; not: %3")
                                                             .arg(fitting).arg(words).arg(misses.join(", "))));
    }
};

QTEST_GUILESS_MAIN(TestEditions)
#include "test_editions.moc"
