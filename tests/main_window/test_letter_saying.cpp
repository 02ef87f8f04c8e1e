#include <QFile>
#include <QtTest>

#include <memory>

#include "common/controls.h"
#include "common/pack_folder.h"
#include "files/pack.h"
#include "main_window/main_window.h"
#include "sound/media_control.h"
#include "widgets/clicklabel.h"

using namespace zorbla;

// The pack's words with its letter sounds: what a tile and a picture say, in order, and
// which letters of the word are lit while each sound plays.
class TestLetterSaying : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;

private slots:
    void initTestCase() {
        QVERIFY(folder_.enter());
        QVERIFY(QFile::copy(QStringLiteral(ZORBLA_DATA_DIR "/lettersounds.txt"), folder_.filePath("lettersounds.txt")));
    }

    void saidInTurn_data() {
        QTest::addColumn<int>("saying");
        QTest::addColumn<int>("letter");   // the tile clicked, then its first picture
        QTest::addColumn<QStringList>("heard");  // sound, and the letters lit while it plays
        using S = MainWindow::LetterSaying;
        QTest::newRow("names: B, then BALL as always")
            << int(S::Name) << 1 << QStringList{"sounds\\b.wav", "", "sounds\\B1.wav", ""};
        QTest::newRow("sounds: C, then CAT sounded out")
            << int(S::Sound) << 2
            << QStringList{"sounds\\sound_of_c.wav", "",  "sounds\\sound_of_c.wav", "C", "sounds\\sound_of_a.wav", "A",
                           "sounds\\sound_of_t.wav", "T", "sounds\\C1.wav", ""};
        QTest::newRow("both: A's name and sound, then APPLE said whole")
            << int(S::NameThenSound) << 0
            << QStringList{"sounds\\a.wav", "", "sounds\\sound_of_a.wav", "", "sounds\\A1.wav", ""};
    }
    void saidInTurn() {
        QFETCH(int, saying);
        QFETCH(int, letter);
        QFETCH(QStringList, heard);
        MainWindow w;
        QVERIFY(!w.load());
        w.setLetterSaying(MainWindow::LetterSaying(saying));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList played;
        connect(&w.mediaControl(), &MediaControl::commandReceived, this, [&](const QString& c) {
            if (c.compare(QStringLiteral("play"), Qt::CaseInsensitive) == 0)
                played << w.mediaControl().fileName() << w.litLetters();
        });
        QTest::mouseClick(zorbla_test::control<ClickLabel>(w, QStringLiteral("letterTile%1").arg(letter)), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(played.size() >= 2 * (saying == int(MainWindow::LetterSaying::NameThenSound) ? 2 : 1), 3000);
        QTest::qWait(800);  // the tile's sounds are over
        QTest::mouseClick(zorbla_test::control<ClickLabel>(w, QStringLiteral("picture")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(played, heard, 8000);
        QTRY_VERIFY_WITH_TIMEOUT(w.litLetters().isEmpty(), 3000);  // plain again once said
    }
};

QTEST_MAIN(TestLetterSaying)
#include "test_letter_saying.moc"
