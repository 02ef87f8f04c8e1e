#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include "activities/activity_window.h"

class QLabel;

namespace zorbla {

class ClickLabel;

// "Drawing letter": a small pad with the main window's current letter in its corner. The
// child writes the letter with a thick pen, with any mouse button. The writing is kept
// in an image of the window's own, so it survives a repaint.
class frmPisanjeSlova : public ActivityWindow {
    Q_OBJECT
public:
    explicit frmPisanjeSlova(frmZorbla* glavni);

    static constexpr int kDebljina = 10;  // the pen width, whatever the buttons

    bool crtaj = false;  // a button went down on the pad and is not released yet

    void Form_Load();
    void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Form_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void Form_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void imgIzlaz_Click() override;

    // Controls. The main window writes the letter into lblSlovo.
    QLabel* lblSlovo;
    ClickLabel* imgIzlaz;

    // The pad as written on, and the pen.
    const QImage& ploca() const { return ploca_; }
    QColor penColor() const { return penColor_; }
    int penWidth() const { return penWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void createControls();

    QImage ploca_;
    QPoint pen_;
    QColor penColor_;
    int penWidth_ = 1;
};

}  // namespace zorbla
