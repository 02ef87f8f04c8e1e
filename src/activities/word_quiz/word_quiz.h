#pragma once

#include "activities/quiz_window.h"

class QLabel;

namespace zorbla {

// "Write the right word": the child types the word shown under the main window's picture
// and confirms with the check mark. The window says how many letters the word has.
class WordQuiz : public QuizWindow {
    Q_OBJECT
public:
    explicit WordQuiz(GameStart given);

protected:
    bool judge() override;
    void tryAgain() override;

private:
    void createControls();

    QLabel* prompt_;       // "Enter the requested word"
    QLabel* countBefore_;  // "This word has"
    QLabel* count_;        // how many letters
    QLabel* countAfter_;   // "letters"
};

}  // namespace zorbla
