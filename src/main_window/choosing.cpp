#include <QString>

#include "files/pack.h"
#include "main_window/main_window.h"
#include "sound/media_control.h"
#include "widgets/clicklabel.h"
#include "widgets/gif_animation.h"

// Choosing letters and numbers, paging through their pictures, and the colours.

namespace zorbla {

void MainWindow::chooseLetter(int index) {
    smallLetter_->setText(table_.smallLetter(index));
    choose(letterSelection(table_, index));
    if (letterSaying_ == LetterSaying::Name)
        speakLetter(selection_.sound);
    else
        sayLetter(index, false);
}

void MainWindow::chooseNumber(int k) {
    choose(numberSelection(table_, k, selection_.letter));
    speakNumber(selection_.sound);
}

// The first picture of what was chosen, its letter on the big card.
void MainWindow::choose(const Selection& chosen) {
    selection_ = chosen;
    showPicture(selection_.pictures[0]);
    bigLetter_->setText(selection_.letter);
    selection_.pictureNumber = 1;
    pictureNumberLabel_->setText(QStringLiteral("1"));
    previousArrow_->hide();
    nextArrow_->show();
}

void MainWindow::showPictureNumber(int k) {
    selection_.pictureNumber = k;
    pictureNumberLabel_->setText(QString::number(k));
    word_->hide();
    showPicture(selection_.pictures[selection_.shown()]);
    recordingMade_ = false;
}

void MainWindow::nextPicture() {
    const int k = selection_.pictureNumber;
    if (k >= 4)  // hidden at the last picture; nothing lies beyond it
        return;
    previousArrow_->show();
    if (k + 1 == 4)
        nextArrow_->hide();
    showPictureNumber(k + 1);
}

void MainWindow::previousPicture() {
    const int k = selection_.pictureNumber;
    if (k <= 1)
        return;
    nextArrow_->show();
    if (k - 1 == 1)
        previousArrow_->hide();
    showPictureNumber(k - 1);
}

// The picture says its word, plays its animation over it and shows the word under it.
void MainWindow::clickPicture() {
    const size_t at = selection_.shown();
    shownWord_ = selection_.words[at];
    const QString& animation = selection_.animations[at];
    if (!(selection_.pictureNumber == 4 && animation.isEmpty())) {
        // With nothing to play there is nothing to show over the picture.
        if (pictureAnimation_->load(animation)) {
            pictureAnimation_->show();
            pictureAnimation_->start();
        } else {
            pictureAnimation_->hide();
        }
    }
    const QList<LetterSoundPart> parts =
        letterSaying_ == LetterSaying::Name ? QList<LetterSoundPart>() : letterSounds_.partsOf(shownWord_);
    if (parts.isEmpty()) {
        play(selection_.sounds[at], "play");
        word_->setText(shownWord_);
        word_->show();
    } else {
        // Sounded out, each sound lighting its letters, then said whole.
        word_->setText(shownWord_);
        word_->show();
        QList<Turn> turns;
        for (const LetterSoundPart& part : parts)
            turns.push_back({part.sound, part.start, part.length});
        turns.push_back({selection_.sounds[at]});
        playInTurns(turns);
    }
    recordingMade_ = false;
}

void MainWindow::sayLowerCase() { speakLetter(pack::sound(pack::lowerCase)); }

void MainWindow::sayColour(Colour colour) {
    static constexpr const char* sounds[6] = {pack::red, pack::yellow, pack::brown,
                                              pack::green, pack::blue, pack::orange};
    speakColour(pack::sound(sounds[int(colour)]));
}

void MainWindow::sayColours() { speakColour(pack::sound(pack::colours)); }

// The alphabet blocks, the spider and the star each play their animation and a sound.
void MainWindow::playDecoration(GifAnimation* animation, const QString& sound) {
    animation->start();
    speakColour(sound);
}

}  // namespace zorbla
