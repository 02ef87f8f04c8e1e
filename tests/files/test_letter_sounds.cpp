#include <QTemporaryDir>
#include <QtTest>

#include "files/letter_sounds.h"

using zorbla::LetterSounds;

namespace {

// The 26 tiles, a group, and words as the generator writes them.
QByteArray table(const QByteArray& words) {
    QByteArray text = "# made by the generator\n";
    for (char c = 'A'; c <= 'Z'; ++c)
        text += QByteArray(1, c) + "\tsounds\\sound_of_" + QByteArray(1, char(c + 32)) + ".wav\n";
    return text + "CK\tsounds\\sound_of_ck.wav\n[words]\n" + words;
}

QString write(const QTemporaryDir& dir, const QByteArray& bytes) {
    QFile f(dir.filePath("lettersounds.txt"));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return f.fileName();
}

}  // namespace

class TestLetterSounds : public QObject {
    Q_OBJECT
private slots:
    void aWordIsSoundedOutPartByPartOrSaidWhole() {
        QTemporaryDir dir;
        LetterSounds sounds;
        QCOMPARE(sounds.read(write(dir, table("TEN DUCKS\tT E N D U CK S\r\nAPPLE\t-\n"))), std::nullopt);
        QCOMPARE(sounds.tileSound(1), QStringLiteral("sounds\\sound_of_b.wav"));
        // Each part lights its letters, the space between the words skipped.
        QStringList parts;
        for (const auto& p : sounds.partsOf("ten ducks"))
            parts << QStringLiteral("%1@%2+%3 %4").arg(p.letters).arg(p.start).arg(p.length).arg(p.sound);
        QCOMPARE(parts, QStringList({"T@0+1 sounds\\sound_of_t.wav", "E@1+1 sounds\\sound_of_e.wav",
                                     "N@2+1 sounds\\sound_of_n.wav", "D@4+1 sounds\\sound_of_d.wav",
                                     "U@5+1 sounds\\sound_of_u.wav", "CK@6+2 sounds\\sound_of_ck.wav",
                                     "S@8+1 sounds\\sound_of_s.wav"}));
        QVERIFY(sounds.partsOf("APPLE").isEmpty());
        QVERIFY(sounds.partsOf("GRANDMA").isEmpty());  // a parent's own word
    }

    void aFaultyTableIsRefusedWithAMessage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << QByteArray() << "cannot be read";
        QTest::newRow("not UTF-8") << table("\xff\xfe\n") << "not UTF-8";
        QTest::newRow("no words") << table("").replace("[words]\n", "") << "no [words]";
        QTest::newRow("too few tiles") << QByteArray("A\tsounds\\a.wav\n[words]\n") << "line 2";
        QTest::newRow("no tab") << table("CAT C A T\n") << "line 30";
        QTest::newRow("unknown letters") << table("SHIP\tSH I P\n") << "'SH' has no sound";
        QTest::newRow("parts not the word") << table("CAT\tC O T\n") << "'O' does not come next";
        QTest::newRow("letters left over") << table("CATS\tC A T\n") << "unsaid";
    }

    void aFaultyTableIsRefusedWithAMessage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString path = bytes.isEmpty() ? dir.filePath("lettersounds.txt") : write(dir, bytes);
        LetterSounds sounds;
        const auto fault = sounds.read(path);
        QVERIFY(fault);
        QVERIFY2(fault->startsWith("lettersounds.txt") && fault->contains(said), qPrintable(*fault));
        QVERIFY(sounds.isEmpty() && sounds.partsOf("CAT").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLetterSounds)
#include "test_letter_sounds.moc"
