#pragma once

#include <QFont>
#include <QString>

#include "activities/activity_window.h"
#include "activities/letter_keys.h"

class QLabel;
class QLineEdit;

namespace zorbla {

class ClickLabel;

// What the two typing quizzes share: the check mark that judges the answer, the pauses
// after it, and the exit door. The quizzes differ only in what they judge and how they
// start again after a wrong answer.
class QuizWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr int kAnswerPauseMs = 1500;  // after every answer, while its sound plays
    static constexpr int kClosePauseMs = 1000;   // then, after a right one, before closing

    explicit QuizWindow(GameStart given);

    // The check mark: judge the answer, let its sound play, then either close after a
    // right answer or start another try.
    void confirm();
    // The exit door: the common way back to the main window with its sound.
    void leave() override;

    // True while an answer is being judged and its pauses run.
    bool isPausing() const { return judging_; }

    // The box the child types into.
    QLineEdit* answerBox() const { return answerBox_; }

    // Into the box, as the keyboard's keys go, so that both are limited, rubbed out and
    // judged alike.
    void typeKey(int code, const QString& text) override;

protected:
    // Judges the box against the word or letter asked for and starts the sound that
    // says so; true when the answer is right.
    virtual bool judge() = 0;
    // After the first pause, when the answer was wrong.
    virtual void tryAgain() = 0;
    // Makes the box, and the check mark at the given left edge beside the door.
    void createAnswerControls(QRect box, int checkLeft);
    // The quiz comes up above the main window with the keyboard in its box.
    void openQuiz();

    void closeEvent(QCloseEvent* event) override;

    // The controls both quizzes have: the box the child types into, the check mark and
    // the door.
    QLineEdit* answerBox_ = nullptr;
    ClickLabel* checkMark_ = nullptr;
    ClickLabel* door_ = nullptr;

private:
    // Waits while the sound plays and the window keeps painting. Clicks and keys given
    // meanwhile are held back by the window system and handled after the answer.
    void pause(int ms);

    bool judging_ = false;          // an answer is being judged
    bool confirmAgain_ = false;     // a confirm that came in meanwhile, judged afterwards
    bool leaveAfterwards_ = false;  // the window was closed meanwhile
};

// Sets the text of a label, made smaller until it fits the label's width and height.
void fitText(QLabel* label, const QString& text, int pixelSize, bool bold);

}  // namespace zorbla
