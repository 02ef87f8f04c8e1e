#pragma once

#include "activities/quiz_window.h"

class QLabel;

namespace zorbla {

// "Write the right word": the child types the word shown under the main window's picture
// and confirms with the check mark. The window says how many letters the word has.
class frmUnosRijeci : public QuizWindow {
    Q_OBJECT
public:
    explicit frmUnosRijeci(GameStart given);

    void Form_Load();

    // Controls.
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;

private:
    void createControls();

protected:
    bool provjeri() override;
    void ponovo() override;
};

}  // namespace zorbla
