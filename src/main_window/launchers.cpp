#include <QMessageBox>
#include <QWindow>

#include "activities/chance.h"
#include "activities/counting/counting_game.h"
#include "activities/drawing_board/drawing_board.h"
#include "activities/key_quiz/key_quiz.h"
#include "activities/letter_pad/letter_pad.h"
#include "activities/missing_letter/missing_letter_game.h"
#include "activities/word_quiz/word_quiz.h"
#include "files/pack.h"
#include "main_window/main_window.h"
#include "widgets/clicklabel.h"

namespace zorbla {

// Ties the launcher controls to their handlers; each launcher disables the main window,
// shows a new activity window and plays its prompt. Each is named by its game, as the
// game's window is captioned.
void MainWindow::connectLaunchers() {
    dice_->setAccessibleName(CountingGame::tr("Guess number"));
    easel_->setAccessibleName(DrawingBoard::tr("Drawing"));
    letterPadLauncher_->setAccessibleName(LetterPad::tr("Drawing letter"));
    bigLetter_->setAccessibleName(KeyQuiz::tr("Press keyboard"));
    guessButton_->setAccessibleName(MissingLetterGame::tr("Missing letter"));
    word_->setAccessibleName(WordQuiz::tr("Write the right word"));
    connect(dice_, &ClickLabel::clicked, this, &MainWindow::openCountingGame);
    connect(easel_, &ClickLabel::clicked, this, &MainWindow::openDrawingBoard);
    connect(letterPadLauncher_, &ClickLabel::clicked, this, &MainWindow::openLetterPad);
    connect(bigLetter_, &ClickLabel::clicked, this, &MainWindow::openKeyQuiz);
    connect(guessButton_, &ClickLabel::clicked, this, &MainWindow::openMissingLetterGame);
    connect(word_, &ClickLabel::clicked, this, &MainWindow::openWordQuiz);
}

// The main window stays out of use because it is disabled, not through modality. Each
// opening is a window of its own, which is deleted when it is taken back; only the
// missing-letter game is made once and kept.

// What a game is given: the letter, the word, and the way to ask for a sound.
GameStart MainWindow::gameStart() {
    GameStart start;
    start.owner = this;
    start.letter = selection_.letter;
    start.word = shownWord_;
    start.letters = tileLetters();
    start.letterKeys = letterKeys_;
    start.scale = s_;
    start.letterSounds = [this](const QString& capital) {
        QStringList sounds;
        const int tile = tileOf(capital);
        if (letterSaying_ != LetterSaying::Name && tile >= 0)
            for (const Turn& turn : letterSaid(tile))
                sounds << turn.sound;
        return sounds;
    };
    start.say = [this](const QString& sound, Speech how) {
        if (how == Speech::HidesLabels)
            speakNumber(sound);
        else
            speakColour(sound);
    };
    return start;
}

QStringList MainWindow::tileLetters() const {
    QStringList letters;
    for (int i = 0; i < 26; ++i)
        if (!table_.capitalLetter(i).isEmpty())
            letters << table_.capitalLetter(i);
    return letters;
}

int MainWindow::tileOf(const QString& capital) const {
    for (int i = 0; i < 26; ++i)
        if (!capital.isEmpty() && table_.capitalLetter(i) == capital)
            return i;
    return -1;
}

// Shows a game over the disabled window; it is taken back when it says it is done.
void MainWindow::openGame(ActivityWindow* game) {
    connect(game, &ActivityWindow::done, this, &MainWindow::gameDone, Qt::UniqueConnection);
    game->show();
    activateGame(game);
}

// A game that opens takes the keyboard: without a window manager nothing else gives it.
// Asked of the native window itself: QWidget::activateWindow() does nothing for a
// transient while its owner has the keyboard, which is just when the game must take it.
void MainWindow::activateGame(QWidget* game) {
    game->raise();
    if (QWindow* native = game->windowHandle())
        native->requestActivate();
}

void MainWindow::gameDone(Ending how) {
    if (auto* game = qobject_cast<ActivityWindow*>(sender()))
        takeBack(game, how);
}

// The way back from a game: unload it, enable this window, say "exit" unless the game
// ends quietly, and show this window with the keyboard.
void MainWindow::takeBack(ActivityWindow* game, Ending how) {
    game->unload();
    setEnabled(true);
    if (how == Ending::ExitSound)
        speakNumber(pack::sound(pack::izlaz));
    show();
    activateWindow();
}

// The games, each opened by its launcher with its prompt.

void MainWindow::openCountingGame() {
    setEnabled(false);
    openGame(new CountingGame(gameStart()));
    speakNumber(pack::sound(pack::guessNumber));
}

void MainWindow::openDrawingBoard() {
    setEnabled(false);
    openGame(new DrawingBoard(gameStart()));
    speakColour(pack::sound(pack::draw));
}

void MainWindow::openLetterPad() {
    setEnabled(false);
    openGame(new LetterPad(gameStart()));  // it writes the current letter
    speakNumber(pack::sound(pack::writeLetter));
}

// The letter to find is drawn here from the edition's own tiles, each equally likely: a
// Croatian child is asked for Č, never for Q.
void MainWindow::openKeyQuiz() {
    const QStringList letters = tileLetters();
    if (letters.isEmpty())  // a table without letters has none to find
        return;
    setEnabled(false);
    speakNumber(pack::sound(pack::pressLetter));
    bigLetter_->setText(letters[randomBelow(int(letters.size()))]);
    GameStart start = gameStart();
    start.letter = bigLetter_->text();
    openGame(new KeyQuiz(std::move(start)));
    // With letter sounds, the prompt goes on with the letter asked for, as its tile says it.
    if (letterSaying_ != LetterSaying::Name && tileOf(bigLetter_->text()) >= 0)
        sayLetter(tileOf(bigLetter_->text()), true);
}

// The missing-letter game is made once and kept: it reads its word table only then.
void MainWindow::openMissingLetterGame() {
    setEnabled(false);
    if (!missingLetterGame_) {
        auto* game = new MissingLetterGame(gameStart());
        if (const auto error = game->readWordTable()) {
            delete game;
            // The game does not open, and the main window carries on as before.
            setEnabled(true);
            QMessageBox::warning(this, MissingLetterGame::tr("Missing letter"), error->message());
            return;
        }
        missingLetterGame_ = game;
    }
    missingLetterGame_->prepare();
    openGame(missingLetterGame_);
    speakNumber(pack::sound(pack::missingLetter));
}

// An empty word on the bar is nothing to type: no quiz opens.
void MainWindow::openWordQuiz() {
    if (shownWord_.trimmed().isEmpty())
        return;
    setEnabled(false);
    openGame(new WordQuiz(gameStart()));
}

}  // namespace zorbla
