#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <array>

#include "activities/pog_brojeva/frmpogbrojeva.h"
#include "activity_fixture.h"
#include "widgets/clicklabel.h"
#include "files/paths.h"

using namespace zorbla;
using namespace activity_test;

namespace {

QImage shownImage(const ClickLabel* label) { return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }
QImage fileImage(const QString& written) {
    return QImage(resolvePath(written)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestFrmPogBrojeva : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<frmZorbla> main_;
    QPointer<frmPogBrojeva> game_;
    QStringList commands_;

    ClickLabel* tile(int k) const { return game_->img[size_t(k - 1)]; }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(10, 10)); }

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
        main_ = openMainWindow();
        QVERIFY(main_);
        connect(main_->MMControl1, &MMControl::commandReceived, this, [this](const QString& c) { commands_ << c; });
    }
    void cleanupTestCase() {
        main_.reset();
    }
    void init() {
        commands_.clear();
        game_ = new frmPogBrojeva(main_->gameStart());
        game_->show();
        QVERIFY(QTest::qWaitForWindowExposed(game_));
    }
    void cleanup() {
        delete game_;
        deleteUnloaded();
    }

    void openingShowsACountWithTheDesignBearAndSaysNothing() {
        QCOMPARE(game_->windowTitle(), QString("Guess number"));
        QVERIFY(game_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(commands_.isEmpty());
        QVERIFY(game_->broj >= 1 && game_->broj <= 10);
        QCOMPARE(game_->shownPicture(), game_->slike[size_t(game_->broj)]);
        QCOMPARE(shownImage(game_->Image1), fileImage(game_->shownPicture()));
        QVERIFY(game_->shownBear().isEmpty());
        const QImage design(QStringLiteral(":/design/bear.png"));
        QVERIFY(!design.isNull());
        QCOMPARE(shownImage(game_->imgMedo), design.convertToFormat(QImage::Format_RGB32));
    }

    void eachCountHasItsOwnPicture() {
        const char* expected[] = {"13", "23", "31", "43", "54", "63", "74", "83", "93", "103"};
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(game_->slike[size_t(n)], QStringLiteral("images\\%1.gif").arg(expected[n - 1]));
            QVERIFY2(!fileImage(game_->slike[size_t(n)]).isNull(), expected[n - 1]);
        }
    }

    void theRightNumeralMakesTheBearHappyEveryTime() {
        const int broj = game_->broj;
        const QString picture = game_->shownPicture();
        for (int round = 0; round < 2; ++round) {
            commands_.clear();
            click(tile(broj));
            QCOMPARE(main_->slovo_wav, QString("sounds\\yes_correct.wav"));
            QCOMPARE(openPath(*main_), onDisk("sounds/yes_correct.wav"));
            QCOMPARE(commands_, QStringList({"Close", "Open", "Play"}));
            QCOMPARE(game_->shownBear(), QString("images\\medo2.gif"));
            QCOMPARE(shownImage(game_->imgMedo), fileImage("images\\medo2.gif"));
            QCOMPARE(game_->broj, broj);
            QCOMPARE(game_->shownPicture(), picture);
        }
        QVERIFY(main_->lblMaloSlovo->isHidden());
    }

    void wrongNumeralsAreJudgedOneByOneAndKeepTheCount() {
        const int broj = game_->broj;
        for (int k = 1; k <= 10; ++k) {
            if (k == broj)
                continue;
            click(tile(k));
            QCOMPARE(main_->slovo_wav, QString("sounds\\no_wrong.wav"));
            QCOMPARE(openPath(*main_), onDisk("sounds/no_wrong.wav"));
            QCOMPARE(game_->shownBear(), QString("images\\medo3.gif"));
            QCOMPARE(shownImage(game_->imgMedo), fileImage("images\\medo3.gif"));
            QCOMPARE(game_->broj, broj);
        }
        // After all the wrong ones the right one is still right.
        click(tile(broj));
        QCOMPARE(game_->shownBear(), QString("images\\medo2.gif"));
        QCOMPARE(main_->slovo_wav, QString("sounds\\yes_correct.wav"));
    }

    void thePictureBeginsANewTurnEvenBeforeAGuess() {
        click(game_->Image1);
        QCOMPARE(main_->slovo_wav, QString("sounds\\boing.wav"));
        QCOMPARE(openPath(*main_), onDisk("sounds/boing.wav"));
        QCOMPARE(game_->shownBear(), QString("images\\medo1.gif"));
        QCOMPARE(shownImage(game_->imgMedo), fileImage("images\\medo1.gif"));
        QCOMPARE(game_->shownPicture(), game_->slike[size_t(game_->broj)]);
        QCOMPARE(shownImage(game_->Image1), fileImage(game_->shownPicture()));
        // A guess after the new turn is judged against the new count.
        const int wrong = game_->broj % 10 + 1;
        click(tile(wrong));
        QCOMPARE(game_->shownBear(), QString("images\\medo3.gif"));
        click(tile(game_->broj));
        QCOMPARE(game_->shownBear(), QString("images\\medo2.gif"));
    }

    void tenShowsItsPictureAndIsAnsweredByTheLastNumeral() {
        for (int turn = 0; turn < 1000 && game_->broj != 10; ++turn)
            click(game_->Image1);
        QCOMPARE(game_->broj, 10);
        QCOMPARE(game_->shownPicture(), QString("images\\103.gif"));
        QCOMPARE(shownImage(game_->Image1), fileImage("images\\103.gif"));
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
        int last = game_->broj;
        for (int i = 0; i < draws; ++i) {
            game_->izvuci_broj();
            const int b = game_->broj;
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
            frmPogBrojeva game(main_->gameStart());
            game.show();
            QVERIFY(QTest::qWaitForWindowExposed(&game));
            QVERIFY(game.Image1->pixmap().isNull());
            QTest::mouseClick(game.Image1, Qt::LeftButton, {}, QPoint(10, 10));
            QVERIFY(game.Image1->pixmap().isNull());
            QVERIFY(game.imgMedo->pixmap().isNull());
            QCOMPARE(game.shownPicture(), game.slike[size_t(game.broj)]);
            QTest::mouseClick(game.img[size_t(game.broj - 1)], Qt::LeftButton, {}, QPoint(10, 10));
            QCOMPARE(game.shownBear(), QString("images\\medo2.gif"));
        }
        QVERIFY(QDir::setCurrent(folder_.path()));
    }
};

QTEST_MAIN(TestFrmPogBrojeva)
#include "test_pogbrojeva.moc"
#include "common/pack_folder.h"
