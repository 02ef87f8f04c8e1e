#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "activities/unos_rijeci/frmunosrijeci.h"
#include "activity_fixture.h"
#include "widgets/clicklabel.h"

using namespace zorbla;
using namespace activity_test;

// The word typing quiz, opened from the word under the main window's picture.
class TestFrmUnosRijeci : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<frmZorbla> main_;
    QStringList commands_;

    static frmUnosRijeci* openQuiz() {
        frmUnosRijeci* found = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* q = qobject_cast<frmUnosRijeci*>(w); q && q->isVisible() && !q->isUnloaded())
                found = q;
        return found;
    }
    // Shows a word under the picture, as a picture click does, and opens the quiz from it.
    frmUnosRijeci* launch(const QString& word) {
        main_->r = word;
        main_->lblRijec->setText(word);
        main_->lblRijec->show();
        QTest::mouseClick(main_->lblRijec, Qt::LeftButton, {}, QPoint(20, 10));
        return openQuiz();
    }
    static void answer(frmUnosRijeci* q, const QString& typed) {
        q->txtUnosSlova->clear();
        QTest::keyClicks(q->txtUnosSlova, typed);
        QTest::mouseClick(q->imgOK, Qt::LeftButton, {}, QPoint(10, 10));
    }

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
    }
    void init() {
        main_ = openMainWindow();
        QVERIFY(main_);
        commands_.clear();
        connect(main_->MMControl1, &MMControl::commandReceived, this, [this](const QString& c) { commands_ << c; });
    }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<frmUnosRijeci*>(w))
                delete w;
        deleteUnloaded();
        main_.reset();
    }

    // The word under a clicked picture opens the quiz, silently.
    void aClickedPictureWordOpensTheQuizWithoutASound() {
        QTest::mouseClick(main_->img1, Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(main_->lblRijec->isVisible());
        const QString word = main_->lblRijec->text();
        QVERIFY(!word.isEmpty());
        commands_.clear();
        QTest::mouseClick(main_->lblRijec, Qt::LeftButton, {}, QPoint(20, 10));
        frmUnosRijeci* q = openQuiz();
        QVERIFY(q);
        QCOMPARE(q->windowTitle(), QString("Write the right word"));
        QVERIFY(!main_->isEnabled());
        QVERIFY(commands_.isEmpty());
        QVERIFY(main_->lblRijec->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), q->txtUnosSlova);
        QCOMPARE(q->txtUnosSlova->maxLength(), int(word.size()));
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
        frmUnosRijeci* q = launch(word);
        QVERIFY(q);
        QCOMPARE(q->Label3->text(), count);
        QCOMPARE(q->txtUnosSlova->maxLength(), limit);
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
        QPointer<frmUnosRijeci> q = launch(word);
        QVERIFY(q);
        QString boxDuringPause;
        QTimer::singleShot(300, this, [&] { boxDuringPause = q ? q->txtUnosSlova->text() : "gone"; });
        QElapsedTimer waited;
        waited.start();
        answer(q, typed);
        QCOMPARE(boxDuringPause, typed);
        // The feedback goes through the colour sound, which leaves the word label alone.
        QVERIFY(main_->lblRijec->isVisible());
        if (right) {
            QVERIFY(waited.elapsed() >= QuizWindow::kPrvaPauzaMs + QuizWindow::kDrugaPauzaMs);
            QCOMPARE(main_->boja_wav, QString("sounds\\yes_correct.wav"));
            QCOMPARE(openWritten(*main_), QString("sounds\\yes_correct.wav"));  // no exit sound after it
            QVERIFY(main_->isEnabled());
            QVERIFY(!openQuiz());
            deleteUnloaded();
            QVERIFY(q.isNull());
        } else {
            QVERIFY(waited.elapsed() >= QuizWindow::kPrvaPauzaMs);
            QCOMPARE(main_->boja_wav, QString("sounds\\no_wrong.wav"));
            QCOMPARE(openWritten(*main_), QString("sounds\\no_wrong.wav"));
            QCOMPARE(openQuiz(), q.data());
            QVERIFY(!main_->isEnabled());
            QVERIFY(q->txtUnosSlova->text().isEmpty());
            QCOMPARE(QApplication::focusWidget(), q->txtUnosSlova);
        }
    }

    void theDoorAndTheWindowSystemReturnToTheMainWindow_data() {
        QTest::addColumn<bool>("door");
        QTest::newRow("door") << true;
        QTest::newRow("window system") << false;
    }
    void theDoorAndTheWindowSystemReturnToTheMainWindow() {
        QFETCH(bool, door);
        QPointer<frmUnosRijeci> q = launch("TIGER");
        QVERIFY(q);
        if (door)
            QTest::mouseClick(q->imgIzlaz, Qt::LeftButton, {}, QPoint(10, 10));
        else
            QVERIFY(q->close());
        QVERIFY(main_->isEnabled());
        QCOMPARE(openWritten(*main_), QString("sounds\\izlaz.wav"));
        QVERIFY(main_->lblRijec->isHidden());
        QCOMPARE(commands_.count("Play"), 1);
        deleteUnloaded();
        QVERIFY(q.isNull());
    }
};

QTEST_MAIN(TestFrmUnosRijeci)
#include "test_unosrijeci.moc"
#include "common/pack_folder.h"
