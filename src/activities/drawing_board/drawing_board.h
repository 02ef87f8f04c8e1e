#pragma once

#include <QColor>

#include <array>

#include "activities/drawing_window.h"

namespace zorbla {

class ClickLabel;

// "Drawing": a board that covers the screen. The child draws while holding a mouse
// button, and the button chooses the pen width; sixteen colour boxes choose the pen
// colour, and the label fills the board with that colour, which erases the drawing.
// The drawing is kept in an image of the window's own, so it survives a repaint.
class DrawingBoard : public DrawingWindow {
    Q_OBJECT
public:
    explicit DrawingBoard(GameStart given);

    // The sixteen colours of the boxes, by colour index.
    static QColor colourOf(int k);

    // The pen's colour index, 0 to 15.
    int colourIndex() const { return colourIndex_; }
    // A colour box is clicked.
    void chooseColour(int k);
    // The label is clicked: the board is filled with the colour chosen.
    void fillBackground();
    void leave() override;

    // The background colour of the board.
    QColor backColor() const { return paper_; }

protected:
    void choosePen(Qt::MouseButtons buttons) override;

private:
    void createControls();

    int colourIndex_ = 0;
    ClickLabel* door_;
    std::array<ClickLabel*, 16> colourBoxes_;  // by colour index
    ClickLabel* backgroundLabel_;
};

}  // namespace zorbla
