#include "activities/word_quiz/word_quiz.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "files/pack.h"
#include "widgets/look.h"

namespace zorbla {

WordQuiz::WordQuiz(GameStart given) : QuizWindow(std::move(given)) {
    setWindowTitle(tr("Write the right word"));
    setFixedSize(391, 179);
    // In the middle of the screen, where the child is looking.
    move(screen()->availableGeometry().center() - rect().center());
    createControls();
    const QString& word = start().word;
    // Keys for what the word has besides the tile letters (a space, Ä, É, a hyphen), so
    // that every word can be typed on the screen alone; the last key rubs out.
    addLetterKeys(word, {LetterKeys::rubOut()});
    openQuiz();
    // The limit counts the spaces too, since they must be typed; no word, no limit.
    if (!word.isEmpty())
        answerBox_->setMaxLength(int(word.size()));
    // The child counts letters, not the gaps between the words.
    count_->setText(QString::number(word.size() - word.count(QLatin1Char(' '))));
}

void WordQuiz::createControls() {
    auto label = [this](const char* name, QRect where, Qt::Alignment align) {
        QLabel* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(where);
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };
    prompt_ = label("prompt", {72, 16, 241, 25}, Qt::AlignHCenter);
    fitText(prompt_, tr("Enter the requested word"), 20, true);

    createAnswerControls({24, 64, 345, 37}, 176);
    answerBox_->setAccessibleName(prompt_->text());
    answerBox_->setFont(childFont(26, true));
    answerBox_->setStyleSheet(QStringLiteral("background: white;"));

    // One sentence read left to right: "This word has", the number, "letters".
    countBefore_ = label("countBefore", {24, 112, 81, 17}, Qt::AlignRight);
    fitText(countBefore_, tr("This word has"), 12, true);
    count_ = label("count", {112, 108, 25, 17}, Qt::AlignHCenter);
    count_->setFont(childFont(15, true));
    count_->setStyleSheet(QStringLiteral("color: rgb(200,30,50);"));
    countAfter_ = label("countAfter", {144, 112, 57, 17}, Qt::AlignLeft);
    fitText(countAfter_, tr("letters"), 12, true);
}

bool WordQuiz::judge() {
    // Only the answer is made capital; the box keeps what the child typed.
    const bool right = answerBox_->text().toUpper() == start().word;
    if (!right)
        answerBox_->setFocus();
    // As a colour is said: the word stays under the picture.
    say(right ? pack::sound(pack::yesCorrect) : pack::sound(pack::noWrong),
        Speech::KeepsLabels);
    return right;
}

void WordQuiz::tryAgain() { answerBox_->clear(); }

}  // namespace zorbla
