#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <array>

#include "activities/drawing_window.h"

namespace zorbla {

class ClickLabel;

// "Drawing": a board that covers the screen. The child draws while holding a mouse
// button, and the button chooses the pen width; sixteen colour boxes choose the pen
// colour, and the label fills the board with that colour, which erases the drawing.
// The drawing is kept in an image of the window's own, so it survives a repaint.
class frmCrtanje : public DrawingWindow {
    Q_OBJECT
public:
    explicit frmCrtanje(GameStart given);

    // The sixteen colours of the boxes, by colour index.
    static QColor paleta(int k);

    int boja = 0;  // pen colour index, 0 to 15

    void Form_Load();
    void Form_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y) override;
    void Picture0_Click();
    void Picture1_Click();
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Picture5_Click();
    void Picture6_Click();
    void Picture7_Click();
    void Picture8_Click();
    void Picture9_Click();
    void Picture10_Click();
    void Picture11_Click();
    void Picture12_Click();
    void Picture13_Click();
    void Picture14_Click();
    void Picture15_Click();
    void lblPromjenaPozadine_Click();
    void imgIzlaz_Click() override;

    // Controls.
    ClickLabel* imgIzlaz;
    std::array<ClickLabel*, 16> Picture;  // Picture0 to Picture15, by colour index
    ClickLabel* lblPromjenaPozadine;

    // The background colour of the board.
    QColor backColor() const { return paper_; }

protected:

private:
    void createControls();
    void Picture_Click(int k);

};

}  // namespace zorbla
