#include <QMessageBox>
#include <QWindow>

#include "activities/chance.h"
#include "activities/crtanje/frmcrtanje.h"
#include "activities/pisanje_slova/frmpisanjeslova.h"
#include "activities/pog_brojeva/frmpogbrojeva.h"
#include "activities/rijeci/frmrijeci.h"
#include "activities/unos_rijeci/frmunosrijeci.h"
#include "activities/unos_slova/frmunosslova.h"
#include "files/pack.h"
#include "main_window/frmzorbla.h"
#include "widgets/clicklabel.h"

namespace zorbla {

// Ties the launcher controls to their handlers; each launcher disables the main window,
// shows a new activity window and plays its prompt.
void frmZorbla::connectLaunchers() {
    connect(imgDice, &ClickLabel::clicked, this, &frmZorbla::imgDice_Click);
    connect(imgCRT, &ClickLabel::clicked, this, &frmZorbla::imgCRT_Click);
    connect(imgPisanjeSlova, &ClickLabel::clicked, this, &frmZorbla::imgPisanjeSlova_Click);
    connect(lblSlovoRnd, &ClickLabel::clicked, this, &frmZorbla::lblSlovoRnd_Click);
    connect(lblPogodiSLovo, &ClickLabel::clicked, this, &frmZorbla::lblPogodiSLovo_Click);
    connect(lblRijec, &ClickLabel::clicked, this, &frmZorbla::lblRijec_Click);
}

// The main window stays out of use because it is disabled, not through modality. Each
// opening is a window of its own, which is deleted when it is taken back; only the
// missing-letter game is made once and kept.

// What a game is given: the letter, the word, and the way to ask for a sound.
GameStart frmZorbla::gameStart() {
    GameStart start;
    start.owner = this;
    start.letter = slovo;
    start.word = r;
    start.scale = s_;
    start.say = [this](const QString& sound, Speech how) {
        if (how == Speech::HidesLabels) {
            slovo_wav = sound;
            govor_brojke();
        } else {
            boja_wav = sound;
            govor_boje();
        }
    };
    return start;
}

// Shows a game over the disabled window; it is taken back when it says it is done.
void frmZorbla::openGame(ActivityWindow* game) {
    connect(game, &ActivityWindow::done, this, &frmZorbla::gameDone, Qt::UniqueConnection);
    game->show();
    activateGame(game);
}

// A game that opens takes the keyboard: without a window manager nothing else gives it.
// Asked of the native window itself: QWidget::activateWindow() does nothing for a
// transient while its owner has the keyboard, which is just when the game must take it.
void frmZorbla::activateGame(QWidget* game) {
    game->raise();
    if (QWindow* native = game->windowHandle())
        native->requestActivate();
}

void frmZorbla::gameDone(Ending how) {
    if (auto* game = qobject_cast<ActivityWindow*>(sender()))
        takeBack(game, how);
}

// The way back from a game: unload it, enable this window, say "exit" unless the game
// ends quietly, and show this window with the keyboard.
void frmZorbla::takeBack(ActivityWindow* game, Ending how) {
    game->unload();
    setEnabled(true);
    if (how == Ending::ExitSound) {
        slovo_wav = pack::sound(pack::izlaz);
        govor_brojke();
    }
    show();
    activateWindow();
}

// The games, each opened by its launcher with its prompt.

void frmZorbla::imgDice_Click() {
    setEnabled(false);
    openGame(new frmPogBrojeva(gameStart()));
    slovo_wav = pack::sound(pack::guessNumber);
    govor_brojke();
}

void frmZorbla::imgCRT_Click() {
    setEnabled(false);
    openGame(new frmCrtanje(gameStart()));
    boja_wav = pack::sound(pack::draw);
    govor_boje();
}

void frmZorbla::imgPisanjeSlova_Click() {
    setEnabled(false);
    openGame(new frmPisanjeSlova(gameStart()));  // it writes the current letter
    slovo_wav = pack::sound(pack::writeLetter);
    govor_brojke();
}

// The letter to find is drawn here, every capital A to Z equally likely and never past Z.
// The program's one generator is seeded once: reseeding from the clock at each click
// would give the same letter to two quick clicks.
void frmZorbla::lblSlovoRnd_Click() {
    setEnabled(false);
    slovo_wav = pack::sound(pack::pressLetter);
    govor_brojke();
    const int c = 65 + randomBelow(26);
    lblSlovoRnd->setText(QString(QChar(c)));
    GameStart start = gameStart();
    start.letter = lblSlovoRnd->text();
    openGame(new frmUnosSlova(std::move(start)));
}

// The missing-letter game is made once and kept: it reads its word table only then.
void frmZorbla::lblPogodiSLovo_Click() {
    setEnabled(false);
    if (!frmRijeci_) {
        auto* igra = new frmRijeci(gameStart());
        if (const auto error = igra->Form_Initialize()) {
            delete igra;
            // The game does not open, and the main window carries on as before.
            setEnabled(true);
            QMessageBox::warning(this, frmRijeci::tr("Missing letter"), error->message());
            return;
        }
        frmRijeci_ = igra;
    }
    frmRijeci_->Form_Load();
    openGame(frmRijeci_);
    slovo_wav = pack::sound(pack::missingLetter);
    govor_brojke();
}

// An empty word on the bar is nothing to type: no quiz opens.
void frmZorbla::lblRijec_Click() {
    if (r.trimmed().isEmpty())
        return;
    setEnabled(false);
    openGame(new frmUnosRijeci(gameStart()));
}

}  // namespace zorbla
