#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <array>

#include "activities/counting/counting_game.h"
#include "activity_fixture.h"
#include "widgets/clicklabel.h"
#include "files/pack.h"
#include "files/paths.h"

using namespace zorbla;
using namespace activity_test;

namespace {

QImage shownImage(const ClickLabel* label) { return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }
QImage fileImage(const QString& written) {
    return QImage(resolvePath(written)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestCountingGame : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> main_;
    QPointer<CountingGame> game_;
    QStringList commands_;

    ClickLabel* tile(int k) const { return control(*game_, QStringLiteral("numeral%1").arg(k)); }
    static QString pictureOf(int n) { return pack::numberPicture(n, pack::countingPicture(n)); }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(10, 10)); }

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
        main_ = openMainWindow();
        QVERIFY(main_);
        connect(&main_->mediaControl(), &MediaControl::commandReceived, this, [this](const QString& c) { commands_ << c; });
    }
    void init() {
        commands_.clear();
        game_ = showGame<CountingGame>(*main_);
        QVERIFY(game_);
    }
    void cleanup() {
        delete game_;
        deleteUnloaded();
    }

    void openingShowsACountWithTheDesignBearAndSaysNothing() {
        QCOMPARE(game_->windowTitle(), QString("Guess number"));
        QVERIFY(game_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(commands_.isEmpty());
        QVERIFY(game_->count() >= 1 && game_->count() <= 10);
        QCOMPARE(game_->shownPicture(), pictureOf(game_->count()));
        QCOMPARE(shownImage(control(*game_, "picture")), fileImage(game_->shownPicture()));
        QVERIFY(game_->shownBear().isEmpty());
        const QImage design(QStringLiteral(":/design/bear.png"));
        QVERIFY(!design.isNull());
        QCOMPARE(shownImage(control(*game_, "bear")), design.convertToFormat(QImage::Format_RGB32));
    }

    void eachCountHasItsOwnPicture() {
        const char* expected[] = {"13", "23", "31", "43", "54", "63", "74", "83", "93", "103"};
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(pictureOf(n), QStringLiteral("images\\%1.gif").arg(expected[n - 1]));
            QVERIFY2(!fileImage(pictureOf(n)).isNull(), expected[n - 1]);
        }
    }

    void theRightNumeralMakesTheBearHappyEveryTime() {
        const int count = game_->count();
        const QString picture = game_->shownPicture();
        for (int round = 0; round < 2; ++round) {
            commands_.clear();
            click(tile(count));
            QCOMPARE(openWritten(*main_), QString("sounds\\yes_correct.wav"));
            QCOMPARE(openPath(*main_), onDisk("sounds/yes_correct.wav"));
            QCOMPARE(commands_, QStringList({"Close", "Open", "Play"}));
            QCOMPARE(game_->shownBear(), QString("images\\medo2.gif"));
            QCOMPARE(shownImage(control(*game_, "bear")), fileImage("images\\medo2.gif"));
            QCOMPARE(game_->count(), count);
            QCOMPARE(game_->shownPicture(), picture);
        }
        QVERIFY(control(*main_, "smallLetter")->isHidden());
    }

    void wrongNumeralsAreJudgedOneByOneAndKeepTheCount() {
        const int count = game_->count();
        for (int k = 1; k <= 10; ++k) {
            if (k == count)
                continue;
            click(tile(k));
            QCOMPARE(openWritten(*main_), QString("sounds\\no_wrong.wav"));
            QCOMPARE(openPath(*main_), onDisk("sounds/no_wrong.wav"));
            QCOMPARE(game_->shownBear(), QString("images\\medo3.gif"));
            QCOMPARE(shownImage(control(*game_, "bear")), fileImage("images\\medo3.gif"));
            QCOMPARE(game_->count(), count);
        }
        // After all the wrong ones the right one is still right.
        click(tile(count));
        QCOMPARE(game_->shownBear(), QString("images\\medo2.gif"));
        QCOMPARE(openWritten(*main_), QString("sounds\\yes_correct.wav"));
    }

    void thePictureBeginsANewTurnEvenBeforeAGuess() {
        click(control(*game_, "picture"));
        QCOMPARE(openWritten(*main_), QString("sounds\\boing.wav"));
        QCOMPARE(openPath(*main_), onDisk("sounds/boing.wav"));
        QCOMPARE(game_->shownBear(), QString("images\\medo1.gif"));
        QCOMPARE(shownImage(control(*game_, "bear")), fileImage("images\\medo1.gif"));
        QCOMPARE(game_->shownPicture(), pictureOf(game_->count()));
        QCOMPARE(shownImage(control(*game_, "picture")), fileImage(game_->shownPicture()));
        // A guess after the new turn is judged against the new count.
        const int wrong = game_->count() % 10 + 1;
        click(tile(wrong));
        QCOMPARE(game_->shownBear(), QString("images\\medo3.gif"));
        click(tile(game_->count()));
        QCOMPARE(game_->shownBear(), QString("images\\medo2.gif"));
    }

    void tenShowsItsPictureAndIsAnsweredByTheLastNumeral() {
        for (int turn = 0; turn < 1000 && game_->count() != 10; ++turn)
            click(control(*game_, "picture"));
        QCOMPARE(game_->count(), 10);
        QCOMPARE(game_->shownPicture(), QString("images\\103.gif"));
        QCOMPARE(shownImage(control(*game_, "picture")), fileImage("images\\103.gif"));
        click(tile(10));
        QCOMPARE(game_->shownBear(), QString("images\\medo2.gif"));
        click(tile(1));
        QCOMPARE(game_->shownBear(), QString("images\\medo3.gif"));
    }

    // 20000 draws: every count about a tenth of them (the bounds are seven standard
    // deviations wide), nothing outside 1 to 10, and a count may follow itself.
    void everyCountIsEquallyLikely() {
        const int draws = 20000;
        std::array<int, 12> seen{};
        int repeats = 0;
        int last = game_->count();
        for (int i = 0; i < draws; ++i) {
            game_->drawCount();
            const int b = game_->count();
            QVERIFY2(b >= 1 && b <= 10, qPrintable(QString::number(b)));
            ++seen[size_t(b)];
            repeats += b == last;
            last = b;
        }
        for (int n = 1; n <= 10; ++n)
            QVERIFY2(qAbs(seen[size_t(n)] - draws / 10) < 300,
                     qPrintable(QStringLiteral("%1 drawn %2 times").arg(n).arg(seen[size_t(n)])));
        QVERIFY(repeats > draws / 20);
    }

    // Without its pictures the game goes on with empty boxes.
    void missingPicturesShowNothingAndTheGameGoesOn() {
        QTemporaryDir empty;
        QVERIFY(QDir::setCurrent(empty.path()));
        {
            CountingGame game(main_->gameStart());
            game.show();
            QVERIFY(QTest::qWaitForWindowExposed(&game));
            QVERIFY(control(game, "picture")->pixmap().isNull());
            QTest::mouseClick(control(game, "picture"), Qt::LeftButton, {}, QPoint(10, 10));
            QVERIFY(control(game, "picture")->pixmap().isNull());
            QVERIFY(control(game, "bear")->pixmap().isNull());
            QCOMPARE(game.shownPicture(), pictureOf(game.count()));
            QTest::mouseClick(control(game, QStringLiteral("numeral%1").arg(game.count())), Qt::LeftButton, {}, QPoint(10, 10));
            QCOMPARE(game.shownBear(), QString("images\\medo2.gif"));
        }
        QVERIFY(QDir::setCurrent(folder_.path()));
    }
};

QTEST_MAIN(TestCountingGame)
#include "test_counting_game.moc"
#include "common/pack_folder.h"
