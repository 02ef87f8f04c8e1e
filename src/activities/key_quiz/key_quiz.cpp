#include "activities/key_quiz/key_quiz.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

#include "files/pack.h"
#include "widgets/look.h"

namespace zorbla {

KeyQuiz::KeyQuiz(GameStart given) : QuizWindow(std::move(given)) {
    setWindowTitle(tr("Press keyboard"));
    setFixedSize(249, 177);
    // In the middle of the screen, where the child is looking.
    move(screen()->availableGeometry().center() - rect().center());
    createControls();
    // One key, one letter; a tile of two letters that a parent wrote (LJ) takes two.
    answerBox_->setMaxLength(std::max(1, int(start().letter.size())));
    addLetterKeys();
    openQuiz();
    letter_->setText(start().letter);
}

void KeyQuiz::createControls() {
    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("prompt"));
    prompt_->setGeometry(16, 16, 129, 25);
    prompt_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fitText(prompt_, tr("Press keyboard:"), 18, true);

    letter_ = new QLabel(this);
    letter_->setObjectName(QStringLiteral("letter"));
    letter_->setGeometry(160, 12, 57, 33);
    letter_->setAlignment(Qt::AlignCenter);
    letter_->setFont(childFont(28, true));
    letter_->setStyleSheet(QStringLiteral("color: rgb(200,30,50);"));

    createAnswerControls({88, 72, 65, 53}, 104);
    answerBox_->setAccessibleName(prompt_->text());
    answerBox_->setAlignment(Qt::AlignCenter);
    answerBox_->setFont(childFont(40, true));
}

bool KeyQuiz::judge() {
    answerBox_->setText(answerBox_->text().toUpper());
    const bool right = answerBox_->text() == start().letter;
    say(right ? pack::sound(pack::yesCorrect) : pack::sound(pack::noWrong));
    return right;
}

void KeyQuiz::tryAgain() {
    answerBox_->clear();
    answerBox_->setFocus();
}

}  // namespace zorbla
