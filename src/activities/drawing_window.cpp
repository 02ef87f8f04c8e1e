#include "activities/drawing_window.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTouchEvent>
#include <QWindow>
#include <QtMath>

namespace zorbla {

DrawingWindow::DrawingWindow(GameStart given) : ActivityWindow(std::move(given)) {
    setAttribute(Qt::WA_AcceptTouchEvents);
}

void DrawingWindow::buttonDown(int x, int y) {
    stroking_ = true;
    pen_ = QPoint(x, y);  // nothing is drawn yet: a click leaves no mark
}

void DrawingWindow::pointerMoved(Qt::MouseButtons buttons, int x, int y) {
    choosePen(buttons);
    lineTo(x, y);
}

void DrawingWindow::buttonUp() { stroking_ = false; }

void DrawingWindow::lineTo(int x, int y) {
    const QPoint to(x, y);
    // A move that stays on the same point draws no dot either.
    if (!stroking_ || to == pen_)
        return;
    drawLine(pen_, to);
    pen_ = to;
}

void DrawingWindow::drawLine(QPoint from, QPoint to) {
    {
        QPainter painter(&surface_);
        // On another screen the pen is as much wider or narrower as everything else.
        painter.setPen(QPen(penColor_, penWidth_ * start().scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(from, to);
    }
    const int margin = qCeil(penWidth_ * start().scale / 2) + 2;
    update(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
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

// The fingers are taken where they reach the window, before Qt gives each to a control:
// Qt sends a finger that comes down near another to the other's widget, so a finger on
// a colour box would keep a second child from drawing beside it.
void DrawingWindow::showEvent(QShowEvent* event) {
    ActivityWindow::showEvent(event);
    if (QWindow* native = windowHandle())
        native->installEventFilter(this);
}

bool DrawingWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        if (watched != windowHandle())
            break;
        touched(static_cast<QTouchEvent*>(event));
        // Taken whole: no mouse is made from a finger here.
        event->accept();
        return true;
    default:
        break;
    }
    return ActivityWindow::eventFilter(watched, event);
}

// A finger down on a control presses it as a click would, and lifting it clicks; a finger
// down on the surface draws as it moves. A finger that rests (a palm, a wrist) draws
// nothing and ends no other's line.
void DrawingWindow::touched(QTouchEvent* event) {
    const auto mouse = [](QWidget* control, QEvent::Type type, QPoint at) {
        const QPoint local = control->mapFrom(control->window(), at);
        QMouseEvent click(type, local, control->mapToGlobal(local), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &click);
    };
    for (const QEventPoint& point : event->points()) {
        const QPoint at = point.position().toPoint();
        const int id = point.id();
        switch (point.state()) {
        case QEventPoint::State::Pressed: {
            QWidget* control = childAt(at);
            fingers_[id] = {at, control};
            if (control)
                mouse(control, QEvent::MouseButtonPress, at);
            break;
        }
        case QEventPoint::State::Updated: {
            auto finger = fingers_.find(id);
            if (finger == fingers_.end() || finger->second.control || finger->second.at == at)
                break;
            choosePen(Qt::LeftButton);
            drawLine(finger->second.at, at);
            finger->second.at = at;
            break;
        }
        case QEventPoint::State::Released: {
            auto finger = fingers_.find(id);
            if (finger == fingers_.end())
                break;
            const QPointer<QWidget> control = finger->second.control;
            fingers_.erase(finger);
            if (control)
                mouse(control, QEvent::MouseButtonRelease, at);
            break;
        }
        default:  // resting
            break;
        }
    }
    if (event->type() == QEvent::TouchCancel)
        fingers_.clear();
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
