#include "activities/drawing_window.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QtMath>

namespace zorbla {

void DrawingWindow::buttonDown(int x, int y) {
    stroking_ = true;
    pen_ = QPoint(x, y);  // nothing is drawn yet: a click leaves no mark
}

void DrawingWindow::buttonUp() { stroking_ = false; }

void DrawingWindow::lineTo(int x, int y) {
    const QPoint to(x, y);
    // A move that stays on the same point draws no dot either.
    if (!stroking_ || to == pen_)
        return;
    {
        QPainter painter(&surface_);
        // On another screen the pen is as much wider or narrower as everything else.
        painter.setPen(QPen(penColor_, penWidth_ * start().scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(pen_, to);
    }
    const int margin = qCeil(penWidth_ * start().scale / 2) + 2;
    update(QRect(pen_, to).normalized().adjusted(-margin, -margin, margin, margin));
    pen_ = to;
}

void DrawingWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), paper_);
    painter.drawImage(event->rect().topLeft(), surface_, event->rect());
}

// The board only grows: what was drawn stays where it was, and new room shows the
// background colour.
void DrawingWindow::resizeEvent(QResizeEvent* event) {
    const QSize needed = surface_.size().expandedTo(event->size());
    if (needed != surface_.size()) {
        QImage larger(needed, QImage::Format_RGB32);
        larger.fill(paper_);
        QPainter(&larger).drawImage(0, 0, surface_);
        surface_ = larger;
    }
    ActivityWindow::resizeEvent(event);
}

void DrawingWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    buttonDown(p.x(), p.y());
}

void DrawingWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    pointerMoved(event->buttons(), p.x(), p.y());
}

void DrawingWindow::mouseReleaseEvent(QMouseEvent*) { buttonUp(); }

}  // namespace zorbla
