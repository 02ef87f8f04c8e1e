#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <array>

#include "activities/activity_window.h"

namespace zorbla {

class ClickLabel;

// "Drawing": a board that covers the screen. The child draws while holding a mouse
// button, and the button chooses the pen width; sixteen colour boxes choose the pen
// colour, and the label fills the board with that colour, which erases the drawing.
// The drawing is kept in an image of the window's own, so it survives a repaint.
class frmCrtanje : public ActivityWindow {
    Q_OBJECT
public:
    explicit frmCrtanje(frmZorbla* glavni);

    // The sixteen colours of the boxes, by colour index.
    static QColor paleta(int k);

    int boja = 0;        // pen colour index, 0 to 15
    bool crtaj = false;  // a button went down on the board and is not released yet

    void Form_Load();
    void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Form_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void Form_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
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

    // The board as drawn, the pen and the background colour.
    const QImage& ploca() const { return ploca_; }
    QColor penColor() const { return penColor_; }
    int penWidth() const { return penWidth_; }
    QColor backColor() const { return backColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void createControls();
    void Picture_Click(int k);

    QImage ploca_;
    QPoint pen_;
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;  // a stroke begun with two buttons at once keeps this thin pen
    QColor backColor_ = Qt::white;
};

}  // namespace zorbla
