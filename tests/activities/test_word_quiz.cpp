#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "activities/word_quiz/word_quiz.h"
#include "activity_fixture.h"
#include "widgets/clicklabel.h"

using namespace zorbla;
using namespace activity_test;

// The word typing quiz, opened from the word under the main window's picture.
class TestWordQuiz : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> main_;
    QStringList commands_;

    static WordQuiz* openQuiz() { return openWindowOf<WordQuiz>(); }
    // The word of A's first picture, as a parent's edit of the table makes it; then A, its
    // picture and the word under it are clicked.
    WordQuiz* launch(const QString& word) {
        QFile table("text.txt");
        if (!table.open(QIODevice::ReadWrite))
            return nullptr;
        QList<QByteArray> lines = table.readAll().split('\n');
        lines[0] = "01 " + word.toUtf8() + ",ANT,ANCHOR,AIRPLANE.\r";
        table.resize(0);
        table.write(lines.join('\n'));
        table.close();
        main_->readWordTableAgain();
        main_->chooseLetter(0);
        main_->clickPicture();
        commands_.clear();  // what the quiz says is counted from here
        QTest::mouseClick(control(*main_, "word"), Qt::LeftButton, {}, QPoint(20, 10));
        return openQuiz();
    }

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
    }
    void init() {
        main_ = openMainWindow();
        QVERIFY(main_);
        commands_.clear();
        connect(&main_->mediaControl(), &MediaControl::commandReceived, this, [this](const QString& c) { commands_ << c; });
    }
    void cleanup() {
        deleteWindowsOf<WordQuiz>();
        deleteUnloaded();
        main_.reset();
    }

    // The word under a clicked picture opens the quiz, silently.
    void aClickedPictureWordOpensTheQuizWithoutASound() {
        QTest::mouseClick(control(*main_, "picture"), Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(control(*main_, "word")->isVisible());
        const QString word = control(*main_, "word")->text();
        QVERIFY(!word.isEmpty());
        commands_.clear();
        QTest::mouseClick(control(*main_, "word"), Qt::LeftButton, {}, QPoint(20, 10));
        WordQuiz* q = openQuiz();
        QVERIFY(q);
        QCOMPARE(q->windowTitle(), QString("Write the right word"));
        QVERIFY(!main_->isEnabled());
        QVERIFY(commands_.isEmpty());
        QVERIFY(control(*main_, "word")->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), q->answerBox());
        QCOMPARE(q->answerBox()->maxLength(), int(word.size()));
        QVERIFY(q->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    // The box takes the spaces too; the count is of letters only.
    void theLetterCountLeavesOutEverySpace_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("limit");
        QTest::newRow("no space") << "TIGER" << "5" << 5;
        QTest::newRow("one space") << "ICE CREAM" << "8" << 9;
        QTest::newRow("two spaces") << "A B C" << "3" << 5;
    }
    void theLetterCountLeavesOutEverySpace() {
        QFETCH(QString, word);
        QFETCH(QString, count);
        QFETCH(int, limit);
        WordQuiz* q = launch(word);
        QVERIFY(q);
        QCOMPARE(control<QLabel>(*q, "count")->text(), count);
        QCOMPARE(q->answerBox()->maxLength(), limit);
    }

    // A bar without a word (a picture whose word the table leaves empty) is nothing to
    // type: no quiz opens and the main window stays in use.
    void anEmptyWordOpensNoQuiz() {
        for (const QString& word : {QString(), QStringLiteral("  ")}) {
            QVERIFY(!launch(word));
            QVERIFY(main_->isEnabled());
        }
    }

    // The answer is made capital, the box is not, and the space must be typed.
    void judgement_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("small letters") << "ICE CREAM" << "ice cream" << true;
        QTest::newRow("mixed case") << "TIGER" << "TiGeR" << true;
        QTest::newRow("space left out") << "ICE CREAM" << "icecream" << false;
        QTest::newRow("empty box") << "TIGER" << "" << false;
        QTest::newRow("part of the word") << "TIGER" << "TIGE" << false;
        QTest::newRow("word stored small") << "tiger" << "tiger" << false;
    }
    void judgement() {
        QFETCH(QString, word);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QPointer<WordQuiz> q = launch(word);
        QVERIFY(q);
        QString boxDuringPause;
        QTimer::singleShot(300, this, [&] { boxDuringPause = q ? q->answerBox()->text() : "gone"; });
        QElapsedTimer waited;
        waited.start();
        answer(q, typed);
        QCOMPARE(boxDuringPause, typed);
        // The feedback goes through the colour sound, which leaves the word label alone.
        QVERIFY(control(*main_, "word")->isVisible());
        if (right) {
            QVERIFY(waited.elapsed() >= QuizWindow::kAnswerPauseMs + QuizWindow::kClosePauseMs);
            QCOMPARE(openWritten(*main_), QString("sounds\\yes_correct.wav"));
            QCOMPARE(openWritten(*main_), QString("sounds\\yes_correct.wav"));  // no exit sound after it
            QVERIFY(main_->isEnabled());
            QVERIFY(!openQuiz());
            deleteUnloaded();
            QVERIFY(q.isNull());
        } else {
            QVERIFY(waited.elapsed() >= QuizWindow::kAnswerPauseMs);
            QCOMPARE(openWritten(*main_), QString("sounds\\no_wrong.wav"));
            QCOMPARE(openWritten(*main_), QString("sounds\\no_wrong.wav"));
            QCOMPARE(openQuiz(), q.data());
            QVERIFY(!main_->isEnabled());
            QVERIFY(q->answerBox()->text().isEmpty());
            QCOMPARE(QApplication::focusWidget(), q->answerBox());
        }
    }

    void theDoorAndTheWindowSystemReturnToTheMainWindow_data() {
        addWaysOut();
    }
    void theDoorAndTheWindowSystemReturnToTheMainWindow() {
        QFETCH(bool, door);
        QPointer<WordQuiz> q = launch("TIGER");
        QVERIFY(q);
        QVERIFY(leaveBy(q, door));
        QVERIFY(main_->isEnabled());
        QCOMPARE(openWritten(*main_), QString("sounds\\izlaz.wav"));
        QVERIFY(control(*main_, "word")->isHidden());
        QCOMPARE(commands_.count("Play"), 1);
        deleteUnloaded();
        QVERIFY(q.isNull());
    }
};

QTEST_MAIN(TestWordQuiz)
#include "test_word_quiz.moc"
#include "common/pack_folder.h"
