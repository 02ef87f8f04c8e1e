#pragma once

#include "activities/drawing_window.h"

class QLabel;

namespace zorbla {

class ClickLabel;

// "Drawing letter": a small pad with the main window's current letter in its corner. The
// child writes the letter with a thick pen, with any mouse button. The writing is kept
// in an image of the window's own, so it survives a repaint.
class LetterPad : public DrawingWindow {
    Q_OBJECT
public:
    explicit LetterPad(GameStart given);

    static constexpr int kPenWidth = 10;  // whatever the buttons

    void leave() override;

protected:
    void choosePen(Qt::MouseButtons buttons) override;

private:
    void createControls();

    QLabel* letter_;
    ClickLabel* door_;
};

}  // namespace zorbla
