#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include "activities/activity_window.h"

namespace zorbla {

// A window the child draws on with the mouse. What is drawn is kept in an image of the
// window's own, so it survives a repaint. A button going down starts a stroke where it
// is, each move while the stroke lasts draws a straight segment with the pen of that
// moment, and any button going up ends the stroke.
class DrawingWindow : public ActivityWindow {
    Q_OBJECT
public:
    using ActivityWindow::ActivityWindow;

    // A button went down on the surface and is not released yet.
    bool isStroking() const { return stroking_; }

    void buttonDown(int x, int y);
    // Sets the pen for this move, then draws if a stroke is going on.
    virtual void pointerMoved(Qt::MouseButtons buttons, int x, int y) = 0;
    void buttonUp();

    // The surface as drawn on, and the pen.
    const QImage& surface() const { return surface_; }
    QColor penColor() const { return penColor_; }
    int penWidth() const { return penWidth_; }

protected:
    // Draws from the pen position to (x, y) with the current pen, if a stroke is going on.
    void lineTo(int x, int y);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    QImage surface_;
    QColor paper_ = Qt::white;  // shown where the image does not reach
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;  // a stroke begun with two buttons at once keeps this thin pen

private:
    QPoint pen_;
    bool stroking_ = false;
};

}  // namespace zorbla
