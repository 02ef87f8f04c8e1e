// The checks that make the generator stop instead of quietly making a wrong pack.
#include "content.h"
#include "meaning.h"
#include "files/wordtable.h"
#include "paint.h"
#include "pictures.h"
#include "files/pack.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

class TestInputs : public QObject {
    Q_OBJECT
private slots:
    void missingEmojiIsAnError();
    void missingTextGlyphIsAnError();
    void knownEmojiPass();
    void letterPicturesCarryNoWord();
    void contentTableRejects_data();
    void contentTableRejects();
    void promptsFallBackToEnglish();
    void aParentsWordsFindTheirPictures();
    void numberAnimationCountsOneByOne();

private:
    QTemporaryDir m_dir;
};

void TestInputs::missingEmojiIsAnError()
{
    QString error;
    // A private-use code point has no drawing: the generator must stop, not draw nothing.
    ag::EmojiAtlas atlas;
    QVERIFY(!atlas.build(ag::defaultEmojiArt(), {0x1F34E, 0xE123}, &error));
    QVERIFY2(error.contains(QLatin1String("E123")), qPrintable(error));
    QVERIFY(!atlas.build(m_dir.filePath(QStringLiteral("none.json")), {0x1F34E}, &error));
    QVERIFY2(error.contains(QLatin1String("install-deps")), qPrintable(error));
}

void TestInputs::missingTextGlyphIsAnError()
{
    QString error;
    QVERIFY(!ag::checkFonts(QStringLiteral("ABC\u4E2D"), &error)); // no CJK in Comic Neue
    QVERIFY(!error.isEmpty());
}

void TestInputs::knownEmojiPass()
{
    QString error;
    QVERIFY2(ag::checkFonts(QStringLiteral("ONE APPLE X-RAY"), &error), qPrintable(error));
    ag::EmojiAtlas atlas;
    QVERIFY2(atlas.build(ag::defaultEmojiArt(), {0x1F34E}, &error), qPrintable(error));
    // Cut to what it draws: drawn 800 high, the drawing reaches within 1 % of its edges.
    const QImage apple = atlas.image(0x1F34E, 800);
    QCOMPARE(apple.height(), 800);
    bool leftUsed = false, topUsed = false;
    for (int y = 0; y < apple.height(); ++y)
        for (int x = 0; x < 8; ++x) {
            leftUsed |= qAlpha(apple.pixel(x, y)) > 8;
            topUsed |= qAlpha(apple.pixel(y * apple.width() / 800, x)) > 8;
        }
    QVERIFY(leftUsed && topUsed);
}

// The word is the program's to show, under the picture: on the picture it would give
// away the answer of the missing-letter game, and in another language it would be wrong.
void TestInputs::letterPicturesCarryNoWord()
{
    QString error;
    ag::EmojiAtlas atlas;
    QVERIFY2(atlas.build(ag::defaultEmojiArt(), {0x26BD}, &error), qPrintable(error));
    ag::Picture ball;
    ball.kind = QStringLiteral("letter");
    ball.key = QStringLiteral("B");
    ball.index = 1;
    ball.word = QStringLiteral("BALL");
    ball.emoji = {0x26BD};
    ag::Picture lopta = ball;
    lopta.word = QStringLiteral("LOPTA");
    QCOMPARE(ag::letterStill(lopta, 1, atlas), ag::letterStill(ball, 1, atlas));
    const auto a = ag::letterAnimation(ball, 1, atlas), b = ag::letterAnimation(lopta, 1, atlas);
    QCOMPARE(a.last().image, b.last().image);
}

void TestInputs::contentTableRejects_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("why");
    QTest::newRow("out of order") << "letter\tA\t2\tANT\t1F41C\t" << "order";
    QTest::newRow("tile twice") << "letter\tA\t1\tANT\t1F41C\t\nletter\tA\t2\tAPE\t1F98D\t\nletter\tA\t3\tAXE\t1FA93\t\nletter\tA\t4\tARM\t1F4AA\t\nletter\tA\t1\tANT\t1F41C\t" << "second tile";
    QTest::newRow("bad picture number") << "letter\tA\t5\tAPPLE\t1F34E\t" << "1..4";
    QTest::newRow("bad code point") << "letter\tA\t1\tAPPLE\tZZZ\t" << "code point";
    QTest::newRow("too few fields") << "letter\tA\t1\tAPPLE" << "fields";
}

void TestInputs::contentTableRejects()
{
    QFETCH(QString, row);
    QFETCH(QString, why);
    const QString path = m_dir.filePath(QStringLiteral("content.tsv"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("# comment\n");
    f.write(row.toUtf8() + "\n");
    f.close();
    ag::Content c;
    QString error;
    QVERIFY(!ag::loadContent(path, &c, &error));
    QVERIFY2(error.contains(why), qPrintable(error));
}

void TestInputs::promptsFallBackToEnglish()
{
    ag::Prompts hr, xx, en;
    QString error;
    const QString path = QStringLiteral(ZORBLA_ASSETS_DIR "/prompts.tsv");
    QVERIFY2(ag::loadPrompts(path, QStringLiteral("en"), &en, &error), qPrintable(error));
    QVERIFY2(ag::loadPrompts(path, QStringLiteral("hr"), &hr, &error), qPrintable(error));
    QVERIFY2(ag::loadPrompts(path, QStringLiteral("xx"), &xx, &error), qPrintable(error));
    QVERIFY(!hr.fellBack && xx.fellBack);
    QVERIFY(hr.text.value(QStringLiteral("red")) != en.text.value(QStringLiteral("red")));
    QCOMPARE(xx.text, en.text);
    QVERIFY(xx.voice.startsWith(QLatin1String("xx")));
    for (const char *stem : zorbla::pack::kPrompts)
        QVERIFY(!hr.text.value(QLatin1String(stem)).isEmpty());
}

// A parent's table: a word the edition has keeps its picture wherever it is put, a word
// it has not gets the emoji its name finds in the edition's language, and a word nothing
// finds gets a card.
void TestInputs::aParentsWordsFindTheirPictures()
{
    ag::Content curated;
    QString error;
    const QString hr = QStringLiteral(ZORBLA_ASSETS_DIR "/hr");
    QVERIFY2(ag::loadContent(hr + QStringLiteral("/content.tsv"), &curated, &error), qPrintable(error));
    zorbla::WordTable table;
    QVERIFY(!zorbla::WordTableReader::read(table, QDir(hr)));
    QFile in(hr + QStringLiteral("/text.txt"));
    QVERIFY(in.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(in.readAll());
    const QString moved = curated.letter(2, 0).word;
    text.replace(curated.letter(0, 0).word + QLatin1Char(','), moved + QLatin1Char(','));   // AUTO -> a curated word
    text.replace(curated.letter(1, 0).word + QLatin1Char(','), QStringLiteral("PIZZA,"));   // no curated picture
    text.replace(curated.letter(1, 1).word + QLatin1Char(','), QStringLiteral("BRBLJ,"));   // nothing is called so
    QFile out(m_dir.filePath(QStringLiteral("text.txt")));
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(text.toUtf8());
    out.close();
    zorbla::WordTable own;
    const auto fault = zorbla::WordTableReader::read(own, QDir(m_dir.path()));
    QVERIFY2(!fault, fault ? qPrintable(fault->message()) : "");

    ag::EmojiNames names;
    QVERIFY2(names.load(ag::cldrAnnotations(QStringLiteral("hr")), ag::drawableEmoji(ag::defaultEmojiArt()), &error), qPrintable(error));
    const ag::Content c = ag::contentForTable(curated, own, names);
    QCOMPARE(c.letter(0, 0).word, moved);
    QCOMPARE(c.letter(0, 0).emoji, curated.letter(2, 0).emoji);
    QCOMPARE(c.letter(1, 0).word, QStringLiteral("PIZZA"));
    QCOMPARE(c.letter(1, 0).emoji.size(), 1);
    QVERIFY(c.letter(1, 0).emoji != curated.letter(1, 0).emoji);
    QVERIFY(!ag::hasDrawing(c.letter(1, 1)));
    QCOMPARE(c.letter(5, 2).emoji, curated.letter(5, 2).emoji); // the rest as it was
    ag::EmojiAtlas atlas; // what it found can be drawn
    QVERIFY2(atlas.build(ag::defaultEmojiArt(), c.letter(1, 0).emoji, &error), qPrintable(error));
}

// Bright blobs above the badge: what a child counts in a frame.
static int blobs(const QImage &frame)
{
    const int h = frame.height() * 7 / 10, w = frame.width();
    QList<bool> seen(w * h, false);
    auto bright = [&](int x, int y) { return QColor(frame.pixel(x, y)).hsvSaturation() > 100; };
    int count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (seen[y * w + x] || !bright(x, y))
                continue;
            int area = 0;
            QList<QPoint> todo{{x, y}};
            seen[y * w + x] = true;
            while (!todo.isEmpty()) {
                const QPoint q = todo.takeLast();
                ++area;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = q + d;
                    if (n.x() >= 0 && n.y() >= 0 && n.x() < w && n.y() < h && !seen[n.y() * w + n.x()] && bright(n.x(), n.y())) {
                        seen[n.y() * w + n.x()] = true;
                        todo.append(n);
                    }
                }
            }
            count += area > 60;
        }
    return count;
}

// A number's animation serves all four of its pictures: it counts what none of them
// contradicts, dots, one more at a time up to the number, never more.
void TestInputs::numberAnimationCountsOneByOne()
{
    for (int k : {1, 4, 10}) {
        QSet<int> shown;
        for (const ag::GifFrame &f : ag::numberAnimation(k))
            shown.insert(blobs(f.image));
        for (int n = 1; n <= k; ++n)
            QVERIFY2(shown.contains(n), qPrintable(QStringLiteral("%1 of %2 never shown").arg(n).arg(k)));
        QVERIFY2(*std::max_element(shown.begin(), shown.end()) == k, qPrintable(QString::number(k)));
    }
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestInputs t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_inputs.moc"
