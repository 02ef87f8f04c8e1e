#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointer>

#include <map>

#include "activities/activity_window.h"

class QTouchEvent;

namespace zorbla {

// A window the child draws on with the mouse or with fingers. What is drawn is kept in an
// image of the window's own, so it survives a repaint. A button going down starts a
// stroke where it is, each move while the stroke lasts draws a straight segment with the
// pen of that moment, and any button going up ends the stroke. Each finger on a touch
// screen draws a line of its own, as the left button does, however many are down.
class DrawingWindow : public ActivityWindow {
    Q_OBJECT
public:
    explicit DrawingWindow(GameStart given);

    // A button went down on the surface and is not released yet.
    bool isStroking() const { return stroking_; }

    void buttonDown(int x, int y);
    // Sets the pen for this move, then draws if a stroke is going on.
    void pointerMoved(Qt::MouseButtons buttons, int x, int y);
    void buttonUp();

    // The surface as drawn on, and the pen.
    const QImage& surface() const { return surface_; }
    QColor penColor() const { return penColor_; }
    int penWidth() const { return penWidth_; }

protected:
    // The pen for a move with these buttons held; a finger draws as the left button.
    virtual void choosePen(Qt::MouseButtons buttons) = 0;
    // Draws from the pen position to (x, y) with the current pen, if a stroke is going on.
    void lineTo(int x, int y);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QImage surface_;
    QColor paper_ = Qt::white;  // shown where the image does not reach
    QColor penColor_ = Qt::black;
    int penWidth_ = 1;  // a stroke begun with two buttons at once keeps this thin pen

private:
    void drawLine(QPoint from, QPoint to);
    void touched(QTouchEvent* event);

    QPoint pen_;
    bool stroking_ = false;
    // The fingers down, by touch point: where each drew to, or the control it pressed.
    struct Finger {
        QPoint at;
        QPointer<QWidget> control;
    };
    std::map<int, Finger> fingers_;
};

}  // namespace zorbla
