#include "main_window/main_window.h"
#include "sound/media_control.h"
#include "widgets/clicklabel.h"

namespace zorbla {

// Every play request starts with "Close", so the newest request cuts off the one before
// and discards a recording that was not kept.
void MainWindow::play(const QString& sound, const char* playCommand) {
    mediaControl_->setCommand(QStringLiteral("Close"));
    mediaControl_->setDeviceType(QStringLiteral("WaveAudio"));
    mediaControl_->setFileName(sound);
    mediaControl_->setCommand(QStringLiteral("Open"));
    mediaControl_->setCommand(QString::fromLatin1(playCommand));
}

void MainWindow::speakLetter(const QString& sound) {
    play(sound);
    smallLetter_->show();
    word_->hide();
}

void MainWindow::speakNumber(const QString& sound) {
    play(sound);
    smallLetter_->hide();
    word_->hide();
}

void MainWindow::speakColour(const QString& sound) { play(sound); }

}  // namespace zorbla
