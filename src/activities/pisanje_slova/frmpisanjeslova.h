#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include "activities/drawing_window.h"

class QLabel;

namespace zorbla {

class ClickLabel;

// "Drawing letter": a small pad with the main window's current letter in its corner. The
// child writes the letter with a thick pen, with any mouse button. The writing is kept
// in an image of the window's own, so it survives a repaint.
class frmPisanjeSlova : public DrawingWindow {
    Q_OBJECT
public:
    explicit frmPisanjeSlova(GameStart given);

    static constexpr int kDebljina = 10;  // the pen width, whatever the buttons

    void Form_Load();
    void Form_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y) override;
    void imgIzlaz_Click() override;

    // Controls. The main window writes the letter into lblSlovo.
    QLabel* lblSlovo;
    ClickLabel* imgIzlaz;

private:
    void createControls();
};

}  // namespace zorbla
