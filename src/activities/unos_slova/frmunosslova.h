#pragma once

#include "activities/quiz_window.h"

class QLabel;

namespace zorbla {

// "Press keyboard": the child finds the letter that the main window drew on the keyboard,
// types it into a one-letter box and confirms with the check mark.
class frmUnosSlova : public QuizWindow {
    Q_OBJECT
public:
    explicit frmUnosSlova(GameStart given);

    void Form_Load();

    // Controls.
    QLabel* Label1;
    QLabel* Label2;

protected:
    bool provjeri() override;
    void ponovo() override;

private:
    void createControls();
};

}  // namespace zorbla
