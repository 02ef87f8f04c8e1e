#include "content.h"
#include "files/wordtable.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

class TestText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void lineEndsAndCharacters();
    void everyLineFollowsTheGrammar();
    void letterRows();
    void numberRows();
    void alphabetRows();
    void matchesTheContentTable();

private:
    QByteArray m_raw;
    QList<QByteArray> m_lines;
};

void TestText::initTestCase()
{
    QFile f(QStringLiteral(ZORBLA_ASSETS_DIR "/text.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    m_raw = f.readAll();
    m_lines = m_raw.split('\n');
    QVERIFY(m_lines.last().isEmpty()); // the last line ends too
    m_lines.removeLast();
    for (QByteArray &l : m_lines) {
        QVERIFY(l.endsWith('\r'));
        l.chop(1);
    }
}

void TestText::lineEndsAndCharacters()
{
    QVERIFY(m_lines.size() == 56 || m_lines.size() == 55);
    QCOMPARE(m_raw.count("\r\n"), m_lines.size());
    QCOMPARE(m_raw.count('\r'), m_lines.size()); // no lone CR
    QCOMPARE(m_raw.count('\n'), m_lines.size()); // no lone LF
    QVERIFY(!m_raw.startsWith("\xEF\xBB\xBF"));
    for (char c : m_raw)
        QVERIFY2(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F), "only printable ASCII");
    for (const QByteArray &l : m_lines)
        QVERIFY2(!l.isEmpty(), "no blank lines");
}

// The program reads it, and every line is written the tidy way: its number, four words
// and a full stop that ends the line.
void TestText::everyLineFollowsTheGrammar()
{
    zorbla::WordTable table;
    const auto error = zorbla::WordTableReader::read(table, QDir(QStringLiteral(ZORBLA_ASSETS_DIR)));
    QVERIFY2(!error, error ? qPrintable(error->message()) : "");
    for (int i = 0; i < m_lines.size(); ++i) {
        const QByteArray &l = m_lines[i];
        QCOMPARE(l.left(3), QByteArray::number(i + 1).rightJustified(2, '0') + ' ');
        QVERIFY2(l.endsWith('.') && l.count(',') == 3 && l.count('.') == 1, l.constData());
    }
}

static QStringList words(const QByteArray &line)
{
    return QString::fromLatin1(line.mid(3, line.size() - 4)).split(QLatin1Char(','));
}

void TestText::letterRows()
{
    static const QRegularExpression shape(QStringLiteral("^[A-Z][A-Z -]*[A-Z]$|^[A-Z]$"));
    for (int l = 0; l < 26; ++l) {
        const QStringList w = words(m_lines[l]);
        for (const QString &word : w) {
            QVERIFY2(word.startsWith(QLatin1Char('A' + l)), qPrintable(QStringLiteral("%1 in row %2").arg(word).arg(l + 1)));
            QVERIFY2(shape.match(word).hasMatch(), qPrintable(word));
        }
        QCOMPARE(QSet<QString>(w.begin(), w.end()).size(), 4);
    }
}

void TestText::numberRows()
{
    const char *names[] = {"ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE", "TEN"};
    for (int k = 1; k <= 10; ++k)
        for (const QString &w : words(m_lines[29 + k])) {
            QVERIFY2(w.startsWith(QLatin1String(names[k - 1]) + QLatin1Char(' ')), qPrintable(w));
            QCOMPARE(w, w.toUpper());
        }
}

void TestText::alphabetRows()
{
    for (int i = 0; i < 26; ++i) {
        QCOMPARE(words(m_lines[40 + i / 4]).at(i % 4), QString(QLatin1Char('A' + i)));
        QCOMPARE(words(m_lines[48 + i / 4]).at(i % 4), QString(QLatin1Char('a' + i)));
    }
    QCOMPARE(words(m_lines[46]).mid(2), QStringList({QString(), QString()}));
    QCOMPARE(words(m_lines[54]).mid(2), QStringList({QString(), QString()}));
}

void TestText::matchesTheContentTable()
{
    ag::Content c;
    zorbla::WordTable t;
    QString error;
    QVERIFY2(ag::loadContent(QStringLiteral(ZORBLA_ASSETS_DIR "/content.tsv"), &c, &error), qPrintable(error));
    QVERIFY(!zorbla::WordTableReader::read(t, QDir(QStringLiteral(ZORBLA_ASSETS_DIR))));
    for (int l = 0; l < 26; ++l)
        for (int p = 0; p < 4; ++p)
            QCOMPARE(t.cell(1 + l, p + 1), c.letter(l, p).word);
    for (int k = 1; k <= 10; ++k)
        for (int p = 0; p < 4; ++p)
            QCOMPARE(t.cell(30 + k, p + 1), c.number(k, p).word);
}

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
