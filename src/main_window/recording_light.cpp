#include "main_window/recording_light.h"

#include <QPainter>
#include <QPainterPath>

namespace zorbla {

RecordingLight::RecordingLight(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("recordingLight"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(30, 30);
    hide();
    blink_.setInterval(500);
    connect(&blink_, &QTimer::timeout, this, [this] {
        lit_ = !lit_;
        update();
    });
    fade_.setSingleShot(true);
    fade_.setInterval(2500);
    connect(&fade_, &QTimer::timeout, this, [this] { setState(State::Off); });
}

void RecordingLight::setState(State state) {
    state_ = state;
    lit_ = true;
    blink_.stop();
    fade_.stop();
    if (state == State::Recording)
        blink_.start();
    else if (state != State::Off)
        fade_.start();
    setVisible(state != State::Off);
    update();
}

void RecordingLight::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const double k = r.width() / 27.0;
    switch (state_) {
    case State::Off:
        return;
    case State::Recording:
        p.setPen(QPen(Qt::white, 2 * k));
        p.setBrush(lit_ ? QColor(235, 30, 30) : QColor(150, 20, 20));
        p.drawEllipse(r);
        return;
    case State::Kept: {
        p.setPen(QPen(QColor(30, 130, 40), 2 * k));
        p.setBrush(Qt::white);
        p.drawEllipse(r);
        QPainterPath tick;
        tick.moveTo(r.left() + 6 * k, r.center().y());
        tick.lineTo(r.left() + 11.5 * k, r.bottom() - 7 * k);
        tick.lineTo(r.right() - 5.5 * k, r.top() + 7 * k);
        p.setPen(QPen(QColor(30, 150, 40), 4 * k, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
        return;
    }
    case State::NotKept:
        p.setPen(QPen(QColor(110, 110, 110), 2 * k));
        p.setBrush(Qt::white);
        p.drawEllipse(r);
        p.setPen(QPen(QColor(110, 110, 110), 4 * k, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(r.topLeft() + QPointF(8 * k, 8 * k), r.bottomRight() - QPointF(8 * k, 8 * k));
        p.drawLine(r.topRight() + QPointF(-8 * k, 8 * k), r.bottomLeft() + QPointF(8 * k, -8 * k));
        return;
    }
}

}  // namespace zorbla
