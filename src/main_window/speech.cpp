#include <QTimer>

#include "main_window/main_window.h"
#include "files/pack.h"
#include "sound/media_control.h"
#include "sound/wavdevice.h"
#include "widgets/clicklabel.h"

namespace zorbla {

namespace {

// Between two sounds of a word sounded out, so that each is heard on its own.
constexpr int kBetweenMs = 150;
// How long a sound is taken to last when it cannot be read (missing, or no sound engine).
constexpr int kUnknownMs = 500;
// How much longer than its length a playing sound is waited for, should its end not be told.
constexpr int kNeverToldMs = 1500;

// Plays a sound on the control: "Close", so that it cuts off the one before and discards
// a recording that was not kept, then "Open" and the play command.
void playOn(MediaControl& control, const QString& sound, const char* playCommand) {
    control.setCommand(QStringLiteral("Close"));
    control.setDeviceType(QStringLiteral("WaveAudio"));
    control.setFileName(sound);
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QString::fromLatin1(playCommand));
}

// How long the sound open on the control lasts.
int lengthMs(const MediaControl& control) {
    const Sound& s = control.device().sound();
    const qint64 ms = s.sampleRate > 0 ? s.frames() * 1000 / s.sampleRate : 0;
    return ms > 0 ? int(ms) : kUnknownMs;
}

}  // namespace

// Every play request cuts off the one before, and any sounds that were to follow it.
// The first of a word's sounds lights its letters before it is asked to play.
void MainWindow::play(const QString& sound, const char* playCommand) {
    playInTurns({{sound}}, playCommand);
}

void MainWindow::thenPlay(const QList<Turn>& turns) {
    turns_ = turns;
    if (turns_.isEmpty())
        return;
    if (!turnTimer_) {
        turnTimer_ = new QTimer(this);
        turnTimer_->setSingleShot(true);
        connect(turnTimer_, &QTimer::timeout, this, &MainWindow::nextTurn);
        // The next sound waits for the one playing to have been heard to its end: the
        // sound server may still be playing what it was given well after it took it.
        connect(&mediaControl_->device(), &WavDevice::playbackFinished, this, [this] {
            if (waitingForEnd_) {
                waitingForEnd_ = false;
                turnTimer_->start(kBetweenMs);
            }
        });
    }
    waitForTurn();
}

// Until the sound playing has ended; one that does not play (no sound server) is given
// its length, and one whose end is never told a while longer.
void MainWindow::waitForTurn() {
    waitingForEnd_ = mediaControl_->device().isPlaying();
    turnTimer_->start(lengthMs(*mediaControl_) + (waitingForEnd_ ? kNeverToldMs : kBetweenMs));
}

void MainWindow::playInTurns(const QList<Turn>& turns, const char* playCommand) {
    waitingForEnd_ = false;
    if (turnTimer_)
        turnTimer_->stop();
    if (turns.isEmpty())
        return;
    lightLetters(turns.first().lit, turns.first().litLength);
    playOn(*mediaControl_, turns.first().sound, playCommand);
    thenPlay(turns.mid(1));
}

void MainWindow::nextTurn() {
    if (turns_.isEmpty()) {
        lightLetters(-1, 0);
        return;
    }
    waitingForEnd_ = false;
    const Turn turn = turns_.takeFirst();
    lightLetters(turn.lit, turn.litLength);
    playOn(*mediaControl_, turn.sound, "Play");
    // After the last one, the word goes back to plain letters when it has been said.
    waitForTurn();
}

void MainWindow::lightLetters(int start, int length) {
    if (start == lit_ && length == litLength_)
        return;
    lit_ = start;
    litLength_ = length;
    if (start < 0) {
        word_->setTextFormat(Qt::PlainText);
        word_->setText(shownWord_);
        return;
    }
    word_->setTextFormat(Qt::RichText);
    word_->setText(shownWord_.left(start).toHtmlEscaped() + QStringLiteral("<span style=\"color:#e1283c\"><u>") +
                   shownWord_.mid(start, length).toHtmlEscaped() + QStringLiteral("</u></span>") +
                   shownWord_.mid(start + length).toHtmlEscaped());
}

QString MainWindow::litLetters() const { return lit_ < 0 ? QString() : shownWord_.mid(lit_, litLength_); }

QList<MainWindow::Turn> MainWindow::letterSaid(int index) const {
    const QString name = pack::letterSound(index);
    const QString sound = letterSounds_.tileSound(index);
    if (letterSaying_ == LetterSaying::Name || sound.isEmpty())
        return {{name}};
    if (letterSaying_ == LetterSaying::Sound)
        return {{sound}};
    return {{name}, {sound}};
}

// A tile's letter, or after a game's prompt the letter it asks for.
void MainWindow::sayLetter(int index, bool asPrompt) {
    QList<Turn> said = letterSaid(index);
    if (asPrompt) {
        thenPlay(said);
        return;
    }
    speakLetter(said.takeFirst().sound);
    thenPlay(said);
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
