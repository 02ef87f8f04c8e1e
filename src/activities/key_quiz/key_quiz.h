#pragma once

#include "activities/quiz_window.h"

class QLabel;

namespace zorbla {

// "Press keyboard": the child finds the letter that the main window drew on the keyboard,
// types it into a one-letter box and confirms with the check mark.
class KeyQuiz : public QuizWindow {
    Q_OBJECT
public:
    explicit KeyQuiz(GameStart given);

protected:
    bool judge() override;
    void tryAgain() override;

private:
    void createControls();

    QLabel* prompt_;  // "Press keyboard:"
    QLabel* letter_;  // the letter to find
};

}  // namespace zorbla
