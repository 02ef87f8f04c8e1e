#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QLabel>
#include <QtTest>

#include <set>

#include "activities/key_quiz/key_quiz.h"
#include "activity_fixture.h"
#include "widgets/clicklabel.h"

using namespace zorbla;
using namespace activity_test;

// The key-press quiz, opened as the child opens it: from the "?" letter of the main window.
class TestKeyQuiz : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> main_;
    QStringList commands_;
    QList<qint64> plays_;  // when each "Play" came, on clock_
    QElapsedTimer clock_;

    static KeyQuiz* openQuiz() { return openWindowOf<KeyQuiz>(); }
    KeyQuiz* launch() {
        QTest::mouseClick(control(*main_, "bigLetter"), Qt::LeftButton, {}, QPoint(20, 20));
        return openQuiz();
    }
    void checkBackWithoutExitSound() {
        QVERIFY(main_->isEnabled());
        QVERIFY(main_->isVisible());
        QVERIFY(!openQuiz());
        // Nothing was played after the praise: no exit sound.
        QCOMPARE(openWritten(*main_), QString("sounds\\yes_correct.wav"));
    }

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
        clock_.start();
    }
    void init() {
        main_ = openMainWindow();
        QVERIFY(main_);
        commands_.clear();
        plays_.clear();
        connect(&main_->mediaControl(), &MediaControl::commandReceived, this, [this](const QString& c) {
            commands_ << c;
            if (c == "Play")
                plays_ << clock_.elapsed();
        });
    }
    void cleanup() {
        deleteWindowsOf<KeyQuiz>();
        deleteUnloaded();
        main_.reset();
    }

    void theLauncherAsksForADrawnLetterInAOneLetterBox() {
        control(*main_, "word")->show();
        KeyQuiz* q = launch();
        QVERIFY(q);
        QVERIFY(!main_->isEnabled());
        QCOMPARE(q->windowTitle(), QString("Press keyboard"));
        QCOMPARE(openWritten(*main_), QString("sounds\\press_letter.wav"));
        QCOMPARE(openPath(*main_), onDisk("sounds/press_letter.wav"));
        QVERIFY(control(*main_, "smallLetter")->isHidden());
        QVERIFY(control(*main_, "word")->isHidden());
        QCOMPARE(control<QLabel>(*q, "letter")->text(), control(*main_, "bigLetter")->text());
        QVERIFY(q->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QTRY_COMPARE(QApplication::focusWidget(), q->answerBox());
        QTest::keyClicks(q->answerBox(), "abc");
        QCOMPARE(q->answerBox()->text(), QString("a"));
    }

    // Every capital comes up, and nothing past Z or before A.
    void theDrawnLettersAreAllOfAToZ() {
        std::set<QString> seen;
        for (int i = 0; i < 1200; ++i) {
            KeyQuiz* q = launch();
            QVERIFY(q);
            const QString letter = control(*main_, "bigLetter")->text();
            QVERIFY2(letter.size() == 1 && letter[0] >= u'A' && letter[0] <= u'Z', qPrintable(letter));
            seen.insert(letter);
            q->leave();
            deleteUnloaded();
        }
        QCOMPARE(int(seen.size()), 26);
    }

    // Only the answer is made capital; the comparison is exact.
    void aSmallLetterCountsAndTheQuizClosesWithoutTheExitSound() {
        KeyQuiz* q = launch();
        QVERIFY(q);
        const QString letter = control(*main_, "bigLetter")->text();
        QPointer<KeyQuiz> guard(q);
        QString shownDuringPause;
        QTimer::singleShot(300, this, [&] { shownDuringPause = guard ? guard->answerBox()->text() : "gone"; });
        QElapsedTimer waited;
        waited.start();
        answer(q, letter.toLower());
        QVERIFY(waited.elapsed() >= QuizWindow::kAnswerPauseMs + QuizWindow::kClosePauseMs);
        QCOMPARE(shownDuringPause, letter);
        checkBackWithoutExitSound();
        deleteUnloaded();
        QVERIFY(guard.isNull());
    }

    void wrongAnswersEmptyTheBoxForAnotherTry_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty box") << "";
        QTest::newRow("another letter") << "another";
        QTest::newRow("digit") << "7";
        QTest::newRow("space") << " ";
    }
    void wrongAnswersEmptyTheBoxForAnotherTry() {
        QFETCH(QString, typed);
        KeyQuiz* q = launch();
        QVERIFY(q);
        const QString letter = control(*main_, "bigLetter")->text();
        if (typed == "another")
            typed = letter == "Q" ? "r" : "q";
        QElapsedTimer waited;
        waited.start();
        answer(q, typed);
        QVERIFY(waited.elapsed() >= QuizWindow::kAnswerPauseMs);
        QCOMPARE(openWritten(*main_), QString("sounds\\no_wrong.wav"));
        QCOMPARE(openWritten(*main_), QString("sounds\\no_wrong.wav"));
        QCOMPARE(openQuiz(), q);
        QVERIFY(!main_->isEnabled());
        QVERIFY(q->answerBox()->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), q->answerBox());
        QCOMPARE(control<QLabel>(*q, "letter")->text(), letter);
        // The same letter can be tried again.
        answer(q, letter);
        checkBackWithoutExitSound();
    }

    // The pause lets the sound play on, and a second confirm waits for its turn.
    void aConfirmDuringThePauseIsJudgedAfterIt() {
        KeyQuiz* q = launch();
        QVERIFY(q);
        // With no sound server nothing plays at all; with one the prompt is playing now.
        const bool soundServer = main_->mediaControl().device().isPlaying();
        QStringList commandsInPause;
        bool pausing = false, playing = false;
        const qsizetype before = commands_.size();
        QTimer::singleShot(700, this, [&] {
            pausing = q->isPausing();
            playing = main_->mediaControl().device().isPlaying();
            commandsInPause = commands_.mid(before);
            q->confirm();  // a second confirm, not held back by the window system
        });
        answer(q, control(*main_, "bigLetter")->text() == "X" ? "y" : "x");
        QVERIFY(pausing);
        QCOMPARE(commandsInPause.count("Close"), 1);  // nothing cut the wrong sound off
        QCOMPARE(commandsInPause.last(), QString("Play"));
        if (soundServer)
            QVERIFY(playing);
        QCOMPARE(plays_.size(), 3);  // the prompt and two answers
        QVERIFY(plays_[2] - plays_[1] >= QuizWindow::kAnswerPauseMs);
        QVERIFY(!q->isPausing());
        QCOMPARE(openQuiz(), q);
    }

    // The window system's close, like the door, runs the way back with the exit sound.
    void theDoorAndTheWindowSystemReturnToTheMainWindow_data() {
        addWaysOut();
    }
    void theDoorAndTheWindowSystemReturnToTheMainWindow() {
        QFETCH(bool, door);
        QPointer<KeyQuiz> q = launch();
        QVERIFY(q);
        QVERIFY(leaveBy(q, door));
        QVERIFY(main_->isEnabled());
        QVERIFY(main_->isVisible());
        QCOMPARE(openWritten(*main_), QString("sounds\\izlaz.wav"));
        QCOMPARE(commands_.count("Play"), 2);
        deleteUnloaded();
        QVERIFY(q.isNull());
    }

    // Closed while an answer is being judged: the answer finishes, then the way back runs.
    void aCloseDuringThePauseWaitsForTheAnswer() {
        QPointer<KeyQuiz> q = launch();
        QVERIFY(q);
        bool closed = true;
        QTimer::singleShot(300, this, [&] { closed = q->close(); });
        answer(q, "7");
        QVERIFY(!closed);
        QVERIFY(main_->isEnabled());
        QCOMPARE(openWritten(*main_), QString("sounds\\izlaz.wav"));
        deleteUnloaded();
        QVERIFY(q.isNull());
    }
};

QTEST_MAIN(TestKeyQuiz)
#include "test_key_quiz.moc"
#include "common/pack_folder.h"
