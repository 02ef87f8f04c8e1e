#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QtTest>

#include <set>

#include "activities/missing_letter/missing_letter_game.h"
#include "activity_fixture.h"
#include "widgets/clicklabel.h"

using namespace zorbla;
using namespace activity_test;

// The missing-letter game, opened from "GUESS?" and kept for the whole run.
class TestMissingLetter : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> main_;
    QStringList mainCommands_;
    QStringList gameCommands_;
    QPointer<MissingLetterGame> listened_;

    MissingLetterGame* launch() {
        QTest::mouseClick(control(*main_, "guess"), Qt::LeftButton, {}, QPoint(10, 10));
        MissingLetterGame* game = main_->missingLetterGame();
        if (game && game != listened_) {
            listened_ = game;
            connect(&game->player(), &MediaControl::commandReceived, this,
                    [this](const QString& c) { gameCommands_ << c; });
        }
        return game;
    }
    // A table whose rows 1 to 26 hold the given words; every other word is "W".
    static void writeTable(const std::map<int, QStringList>& rows) {
        QFile file("text.txt");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int row = 1; row <= 26; ++row) {
            const QStringList words = rows.count(row) ? rows.at(row) : QStringList{"W", "W", "W", "W"};
            file.write(QStringLiteral("%1 %2.\r\n").arg(row, 2, 10, QChar('0')).arg(words.join(',')).toLatin1());
        }
    }
    // The entry whose word the child should guess, set as a button would.
    static void show(MissingLetterGame* game, int mode, int entry, int position = 1) {
        game->showEntry(entry, MissingLetterGame::Mode(mode), position);
    }
    QString gameSound(MissingLetterGame* game) const { return game->player().fileName(); }

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
        QVERIFY(QFile::copy("text.txt", "pack.txt"));
    }
    void init() {
        QFile::remove("text.txt");
        QVERIFY(QFile::copy("pack.txt", "text.txt"));
        main_ = openMainWindow();
        QVERIFY(main_);
        mainCommands_.clear();
        gameCommands_.clear();
        connect(&main_->mediaControl(), &MediaControl::commandReceived, this, [this](const QString& c) { mainCommands_ << c; });
    }
    void cleanup() {
        main_.reset();
        deleteUnloaded();  // the game goes after the main window
        QVERIFY(!listened_);
    }

    void openingShowsAWordWithItsFirstLetterHidden() {
        control(*main_, "smallLetter")->show();
        MissingLetterGame* game = launch();
        QVERIFY(game);
        QVERIFY(game->isVisible());
        QCOMPARE(game->windowTitle(), QString("Missing letter"));
        QVERIFY(!main_->isEnabled());
        QCOMPARE(openWritten(*main_), QString("sounds\\missing_letter.wav"));
        QVERIFY(control(*main_, "smallLetter")->isHidden());
        QVERIFY(gameCommands_.isEmpty() && game->player().fileName().isEmpty());  // it says nothing itself
        QCOMPARE(game->mode(), MissingLetterGame::Mode::FirstLetter);
        const QString word = game->word(game->entry());
        QCOMPARE(game->shownWord(), "_" + word.mid(1));
        QCOMPARE(game->shownPicture(), game->picture(game->entry()));
        QVERIFY(!control<QLabel>(*game, "picture")->pixmap().isNull());
        QVERIFY(game->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    // A parent's own picture, here with a drawing low on a white ground, is shown exactly
    // as it is: nothing is painted over what might be a word.
    void aParentsPictureIsShownAsItIs() {
        QImage own(400, 400, QImage::Format_RGB32);
        own.fill(Qt::white);
        QPainter(&own).fillRect(60, 300, 280, 60, QColor(20, 90, 200));
        const QStringList pictures = QDir("images").entryList({"?[1-4].gif"});
        for (const QString& name : pictures)
            QVERIFY(own.save("images/" + name, "PNG"));
        MissingLetterGame* game = launch();
        QVERIFY(game);
        QCOMPARE(control<QLabel>(*game, "picture")->grab().toImage().convertToFormat(QImage::Format_RGB32), own);
        for (const QString& name : pictures)
            QVERIFY(QFile::remove("images/" + name) &&
                    QFile::copy(QStringLiteral(ZORBLA_DATA_DIR "/images/") + name, "images/" + name));
    }

    // Every letter of the pack's table has four words, the 24th too: four pictures each.
    void theListRunsThroughTheLettersFourPicturesEach() {
        MissingLetterGame* game = launch();
        QVERIFY(game);
        const WordTable& t = game->wordTable();
        QCOMPARE(game->entryCount(), 104);
        QCOMPARE(game->picture(11), QString("images\\C3.gif"));
        QCOMPARE(game->word(11), t.cell(3, 3));
        QCOMPARE(game->picture(96), QString("images\\X4.gif"));
        QCOMPARE(game->word(96), t.cell(24, 4));
        QCOMPARE(game->picture(104), QString("images\\Z4.gif"));
        for (int k = 1; k <= game->entryCount(); ++k)
            QVERIFY2(QFile::exists(onDisk(QString(game->picture(k)).replace('\\', '/'))),
                     qPrintable(game->picture(k)));
    }

    // Opening and both buttons draw from the whole list.
    void everyEntryCanComeUp() {
        MissingLetterGame* game = launch();
        QVERIFY(game);
        std::set<int> opened, first, any;
        for (int i = 0; i < 2500; ++i) {
            game->prepare();
            opened.insert(game->entry());
            game->newWordFirstLetter();
            first.insert(game->entry());
            QCOMPARE(game->mode(), MissingLetterGame::Mode::FirstLetter);
            game->newWordAnyLetter();
            any.insert(game->entry());
            QCOMPARE(game->mode(), MissingLetterGame::Mode::AnyLetter);
        }
        for (const auto* drawn : {&opened, &first, &any}) {
            QCOMPARE(int(drawn->size()), game->entryCount());
            QCOMPARE(*drawn->begin(), 1);
            QCOMPARE(*drawn->rbegin(), game->entryCount());
        }
        QCOMPARE(gameSound(game), QString("sounds\\boing.wav"));
    }

    // Every letter of the word can be hidden, the last one too; a gap never.
    void theHiddenPositionIsAnyLetter_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("one letter") << "X" << QList<int>{1};
        QTest::newRow("plain") << "CAT" << QList<int>{1, 2, 3};
        QTest::newRow("with a space") << "ICE CREAM" << QList<int>{1, 2, 3, 5, 6, 7, 8, 9};
        QTest::newRow("leading and trailing spaces") << " AB " << QList<int>{2, 3};
        QTest::newRow("hyphen") << "X-RAY" << QList<int>{1, 3, 4, 5};
        QTest::newRow("no letters") << "7 8" << QList<int>{1, 3};
    }
    void theHiddenPositionIsAnyLetter() {
        QFETCH(QString, word);
        QFETCH(QList<int>, positions);
        std::set<int> drawn;
        for (int i = 0; i < 400; ++i)
            drawn.insert(MissingLetterGame::drawPosition(word));
        QCOMPARE(QList<int>(drawn.begin(), drawn.end()), positions);
    }

    void theSecondButtonHidesOneLetterOfTheWord() {
        writeTable({{3, {"CAT", "CAR", "CAKE", "COW"}}});
        MissingLetterGame* game = launch();
        QVERIFY(game);
        std::set<QString> shown;
        for (int i = 0; i < 3000; ++i) {
            game->newWordAnyLetter();
            if (game->entry() >= 9 && game->entry() <= 12 && game->word(game->entry()) == "CAT")
                shown.insert(game->shownWord());
        }
        QCOMPARE(shown, (std::set<QString>{"_AT", "C_T", "CA_"}));
    }

    // A letter has the pictures of its words only; mode 2 passes over words of spaces too.
    void entriesWithoutAWordAreNeverDrawn() {
        std::map<int, QStringList> rows;
        for (int row = 1; row <= 26; ++row)
            rows[row] = {"", "", "", ""};
        rows[2] = {"", "BUS", "", " "};
        writeTable(rows);
        MissingLetterGame* game = launch();
        QVERIFY(game);
        QCOMPARE(game->entryCount(), 2);
        QCOMPARE(game->picture(1), QString("images\\B2.gif"));
        QCOMPARE(game->picture(2), QString("images\\B4.gif"));
        for (int i = 0; i < 200; ++i) {
            game->newWordFirstLetter();
            QVERIFY(game->entry() == 1 || game->entry() == 2);
            game->newWordAnyLetter();
            QCOMPARE(game->entry(), 1);
        }
    }

    // With no word at all there is still a picture, "_", and every key is wrong.
    void withNoWordsEveryKeyIsWrong() {
        std::map<int, QStringList> rows;
        for (int row = 1; row <= 26; ++row)
            rows[row] = {"", "", "", ""};
        writeTable(rows);
        MissingLetterGame* game = launch();
        QVERIFY(game);
        QCOMPARE(game->shownWord(), QString("_"));
        QTest::keyClick(game, Qt::Key_A);
        QCOMPARE(gameSound(game), QString("sounds\\no_wrong.wav"));
        game->newWordAnyLetter();
        QCOMPARE(game->shownWord(), QString("_"));
        QTest::keyClick(game, Qt::Key_Space);
        QCOMPARE(gameSound(game), QString("sounds\\no_wrong.wav"));
    }

    // Only the key is made capital; a check never moves the game on.
    void keysAreJudgedByTheMode() {
        writeTable({{9, {"ICE CREAM", "ISLAND", "ice", "IGLOO"}}});
        MissingLetterGame* game = launch();
        QVERIFY(game);
        show(game, 1, 33);  // ICE CREAM
        QTest::keyClick(game, Qt::Key_J);
        QCOMPARE(gameSound(game), QString("sounds\\no_wrong.wav"));
        QCOMPARE(game->shownWord(), QString("_CE CREAM"));
        QTest::keyClicks(game, "i");
        QCOMPARE(gameSound(game), QString("sounds\\yes_correct.wav"));
        QCOMPARE(game->shownWord(), QString("ICE CREAM"));
        QTest::keyClicks(game, "x");  // the word stays on show after a wrong key
        QCOMPARE(gameSound(game), QString("sounds\\no_wrong.wav"));
        QCOMPARE(game->shownWord(), QString("ICE CREAM"));
        QCOMPARE(game->entry(), 33);
        QCOMPARE(game->key(), QString("x"));

        show(game, 2, 33, 4);  // the space between the words is hidden
        QTest::keyClick(game, Qt::Key_Space);
        QCOMPARE(gameSound(game), QString("sounds\\yes_correct.wav"));
        show(game, 2, 33, 9);  // the last letter
        QTest::keyClicks(game, "m");
        QCOMPARE(gameSound(game), QString("sounds\\yes_correct.wav"));
        QTest::keyClicks(game, "C");
        QCOMPARE(gameSound(game), QString("sounds\\no_wrong.wav"));

        show(game, 1, 35);  // "ice", stored small: never right
        QTest::keyClicks(game, "i");
        QCOMPARE(gameSound(game), QString("sounds\\no_wrong.wav"));
        QTest::keyClicks(game, "I");
        QCOMPARE(gameSound(game), QString("sounds\\no_wrong.wav"));
    }

    // Keys on the screen type as the keyboard does; a letter the table's words hide that
    // is no tile has its key too.
    void tappedKeysAreJudgedAsTyped() {
        writeTable({{15, {"\u00D6L", "W", "W", "W"}}});
        main_->setLetterKeys(true);
        MissingLetterGame* game = launch();
        QVERIFY(game);
        auto key = [game](const QString& name) {
            for (QAbstractButton* b : game->findChildren<QAbstractButton*>())
                if (b->accessibleName() == name)
                    return b;
            return static_cast<QAbstractButton*>(nullptr);
        };
        QVERIFY(key("W") && key("\u00D6"));
        show(game, 1, 57);
        QTest::mouseClick(key("W"), Qt::LeftButton);
        QCOMPARE(gameSound(game), QString("sounds\\no_wrong.wav"));
        QTest::mouseClick(key("\u00D6"), Qt::LeftButton);
        QCOMPARE(gameSound(game), QString("sounds\\yes_correct.wav"));
        QCOMPARE(game->shownWord(), QString("\u00D6L"));
    }

    // Where letters say their sounds, the praise goes on with the sound of the letter found.
    void theLetterFoundIsSaidAfterThePraise() {
        QVERIFY(QFile::copy(ZORBLA_DATA_DIR "/lettersounds.txt", "lettersounds.txt"));
        main_ = openMainWindow();
        QVERIFY(QFile::remove("lettersounds.txt"));
        main_->setLetterSaying(MainWindow::LetterSaying::Sound);
        MissingLetterGame* game = launch();
        QVERIFY(game);
        show(game, 1, 5);  // B's first word
        QTest::keyClicks(game, game->word(5).left(1).toLower());
        QCOMPARE(gameSound(game), QString("sounds\\yes_correct.wav"));
        QTRY_COMPARE_WITH_TIMEOUT(gameSound(game), QString("sounds\\sound_of_b.wav"), 5000);
    }

    void keysThatCannotBeRightPlayTheWrongSound_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("digit") << int(Qt::Key_7) << "7";
        QTest::newRow("Enter") << int(Qt::Key_Return) << "\r";
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << "\x1b";
        QTest::newRow("Tab") << int(Qt::Key_Tab) << "\t";
    }
    void keysThatCannotBeRightPlayTheWrongSound() {
        QFETCH(int, key);
        QFETCH(QString, text);
        MissingLetterGame* game = launch();
        QVERIFY(game);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(game, &press);
        QCOMPARE(game->key(), text);
        QCOMPARE(gameSound(game), QString("sounds\\no_wrong.wav"));
        QCOMPARE(gameCommands_, QStringList({"Close", "Open", "Play"}));
        QVERIFY(game->isVisible());
        QVERIFY(!main_->isEnabled());
    }

    // Leaving hides the game, which plays the exit sound itself; the main window plays nothing.
    void theDoorAndTheWindowSystemLeaveTheGameAlive_data() {
        addWaysOut();
    }
    void theDoorAndTheWindowSystemLeaveTheGameAlive() {
        QFETCH(bool, door);
        QPointer<MissingLetterGame> game = launch();
        QVERIFY(game);
        control(*main_, "word")->setText("WORD");
        control(*main_, "word")->show();
        const int mainPlays = mainCommands_.count("Play");
        QVERIFY(leaveBy(game, door));
        deleteUnloaded();
        QVERIFY(game);
        QVERIFY(game->isHidden());
        QVERIFY(main_->isEnabled());
        QCOMPARE(gameSound(game), QString("sounds\\izlaz.wav"));
        QCOMPARE(game->player().device().path(), onDisk("sounds/izlaz.wav"));
        QCOMPARE(mainCommands_.count("Play"), mainPlays);
        QCOMPARE(openWritten(*main_), QString("sounds\\missing_letter.wav"));
        QVERIFY(control(*main_, "word")->isVisible());
    }

    // The table is read at the first opening only; each opening begins afresh in mode 1.
    void reopeningKeepsTheWordsOfTheFirstOpening() {
        writeTable({{1, {"ANT", "ANT", "ANT", "ANT"}}});
        MissingLetterGame* game = launch();
        QVERIFY(game);
        game->newWordAnyLetter();
        game->leave();
        writeTable({{1, {"ARM", "ARM", "ARM", "ARM"}}});
        QCOMPARE(launch(), game);
        QVERIFY(game->isVisible());
        QCOMPARE(game->mode(), MissingLetterGame::Mode::FirstLetter);
        QCOMPARE(game->word(1), QString("ANT"));
        QCOMPARE(game->shownWord(), "_" + game->word(game->entry()).mid(1));
    }

    // A table the game cannot read: the parent hears why, the game stays shut, the main
    // window goes on, and a later opening tries again.
    void anUnreadableTableKeepsTheGameShut() {
        QVERIFY(QFile::remove("text.txt"));
        QString message;
        QTimer::singleShot(0, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        QTest::mouseClick(control(*main_, "guess"), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(message.contains("text.txt", Qt::CaseInsensitive));
        QVERIFY(!main_->missingLetterGame());
        QVERIFY(main_->isEnabled());
        QVERIFY(!main_->ended());
        QVERIFY(QFile::copy("pack.txt", "text.txt"));
        QVERIFY(launch());
        QVERIFY(main_->missingLetterGame()->isVisible());
    }
};

QTEST_MAIN(TestMissingLetter)
#include "test_missing_letter.moc"
#include "common/pack_folder.h"
