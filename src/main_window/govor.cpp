#include "main_window/frmzorbla.h"
#include "widgets/clicklabel.h"
#include "sound/mmcontrol.h"

namespace zorbla {

// Every play request starts with "Close", so the newest request cuts off the one before
// and discards a recording that was not kept.
void frmZorbla::playFile(const QString& file, const char* playCommand) {
    MMControl1->setCommand(QStringLiteral("Close"));
    MMControl1->setDeviceType(QStringLiteral("WaveAudio"));
    MMControl1->setFileName(file);
    MMControl1->setCommand(QStringLiteral("Open"));
    MMControl1->setCommand(QString::fromLatin1(playCommand));
}

void frmZorbla::govor_slova() {
    playFile(slovo_wav, "Play");
    lblMaloSlovo->show();
    lblRijec->hide();
}

void frmZorbla::govor_brojke() {
    playFile(slovo_wav, "Play");
    lblMaloSlovo->hide();
    lblRijec->hide();
}

void frmZorbla::govor_boje() { playFile(boja_wav, "Play"); }

}  // namespace zorbla
