#include <QLabel>

#include "activities/crtanje/frmcrtanje.h"
#include "activities/pisanje_slova/frmpisanjeslova.h"
#include "activities/pog_brojeva/frmpogbrojeva.h"
#include "main_window/frmzorbla.h"
#include "platform/clicklabel.h"

namespace zorbla {

// Ties the launcher controls to their handlers; each launcher disables the main window,
// shows a new activity window and plays its prompt.
void frmZorbla::connectLaunchers() {
    connect(imgDice, &ClickLabel::clicked, this, &frmZorbla::imgDice_Click);
    connect(imgCRT, &ClickLabel::clicked, this, &frmZorbla::imgCRT_Click);
    connect(imgPisanjeSlova, &ClickLabel::clicked, this, &frmZorbla::imgPisanjeSlova_Click);
}

// The main window stays out of use because it is disabled, not through modality. Each
// opening is a window of its own, which deletes itself when it is unloaded.

void frmZorbla::imgDice_Click() {
    setEnabled(false);
    (new frmPogBrojeva(this))->show();
    slovo_wav = QStringLiteral("sounds\\guess_number.wav");
    govor_brojke();
}

void frmZorbla::imgCRT_Click() {
    setEnabled(false);
    (new frmCrtanje(this))->show();
    boja_wav = QStringLiteral("sounds\\draw.wav");
    govor_boje();
}

void frmZorbla::imgPisanjeSlova_Click() {
    setEnabled(false);
    frmPisanjeSlova* pisanje = new frmPisanjeSlova(this);
    pisanje->show();
    pisanje->lblSlovo->setText(slovo);
    slovo_wav = QStringLiteral("sounds\\write_letter.wav");
    govor_brojke();
}

}  // namespace zorbla
