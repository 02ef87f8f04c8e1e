#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QWindow>

#include "activities/crtanje/frmcrtanje.h"
#include "activities/pisanje_slova/frmpisanjeslova.h"
#include "activities/pog_brojeva/frmpogbrojeva.h"
#include "activities/rijeci/frmrijeci.h"
#include "activities/unos_rijeci/frmunosrijeci.h"
#include "activities/unos_slova/frmunosslova.h"
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
// opening is a window of its own, which deletes itself when it is unloaded.

// A game that opens takes the keyboard: without a window manager nothing else gives it.
void frmZorbla::showGame(QWidget* game) {
    game->show();
    activateGame(game);
}

// Asked of the window itself: QWidget::activateWindow() does nothing for a transient
// while its owner has the keyboard, which is just when the game must take it.
void frmZorbla::activateGame(QWidget* game) {
    game->raise();
    if (QWindow* native = game->windowHandle())
        native->requestActivate();
}

void frmZorbla::imgDice_Click() {
    setEnabled(false);
    showGame(new frmPogBrojeva(this));
    slovo_wav = QStringLiteral("sounds\\guess_number.wav");
    govor_brojke();
}

void frmZorbla::imgCRT_Click() {
    setEnabled(false);
    showGame(new frmCrtanje(this));
    boja_wav = QStringLiteral("sounds\\draw.wav");
    govor_boje();
}

void frmZorbla::imgPisanjeSlova_Click() {
    setEnabled(false);
    frmPisanjeSlova* pisanje = new frmPisanjeSlova(this);
    showGame(pisanje);
    pisanje->lblSlovo->setText(slovo);
    slovo_wav = QStringLiteral("sounds\\write_letter.wav");
    govor_brojke();
}

// The letter to find is drawn here, every capital A to Z equally likely and never past Z.
// The program's one generator is seeded once: reseeding from the clock at each click
// would give the same letter to two quick clicks.
void frmZorbla::lblSlovoRnd_Click() {
    setEnabled(false);
    slovo_wav = QStringLiteral("sounds\\press_letter.wav");
    govor_brojke();
    const int c = 65 + int(QRandomGenerator::global()->bounded(26));
    lblSlovoRnd->setText(QString(QChar(c)));
    frmUnosSlova* kviz = new frmUnosSlova(this);  // its load reads the letter just drawn
    kviz->txtUnosSlova->setMaxLength(1);
    showGame(kviz);
}

// The missing-letter game is made once and kept: it reads its word table only then.
void frmZorbla::lblPogodiSLovo_Click() {
    setEnabled(false);
    if (!frmRijeci_) {
        auto* igra = new frmRijeci(this);
        if (const auto error = igra->Form_Initialize()) {
            delete igra;
            // The game does not open, and the main window carries on as before.
            setEnabled(true);
            QMessageBox::warning(this, QStringLiteral("Missing letter"), error->message());
            return;
        }
        frmRijeci_ = igra;
    }
    frmRijeci_->Form_Load();
    showGame(frmRijeci_);
    slovo_wav = QStringLiteral("sounds\\missing_letter.wav");
    govor_brojke();
}

// An empty word on the bar is nothing to type: no quiz opens.
void frmZorbla::lblRijec_Click() {
    if (r.trimmed().isEmpty())
        return;
    setEnabled(false);
    showGame(new frmUnosRijeci(this));
}

}  // namespace zorbla
