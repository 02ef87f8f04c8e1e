#include "main_window/hold_ring.h"

#include <QPainter>

namespace zorbla {

HoldRing::HoldRing(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("holdRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    letGo_.setSingleShot(true);
    letGo_.setInterval(150);
    connect(&letGo_, &QTimer::timeout, this, &HoldRing::letGo);
    tick_.setInterval(30);
    connect(&tick_, &QTimer::timeout, this, [this] {
        if (clock_.elapsed() < kHoldMs) {
            update();
            return;
        }
        letGo();
        emit done();
    });
}

void HoldRing::hold(QPoint centre, int diameter) {
    letGo_.stop();
    if (isHeld())
        return;
    setGeometry(centre.x() - diameter / 2, centre.y() - diameter / 2, diameter, diameter);
    raise();
    show();
    clock_.start();
    tick_.start();
}

void HoldRing::letGoUnlessPressedAgain() { letGo_.start(); }

void HoldRing::letGo() {
    letGo_.stop();
    tick_.stop();
    clock_.invalidate();
    hide();
}

void HoldRing::paintEvent(QPaintEvent*) {
    const double filled = isHeld() ? std::min(1.0, double(clock_.elapsed()) / kHoldMs) : 0.0;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double pen = width() / 8.0;
    const QRectF ring = QRectF(rect()).adjusted(pen / 2 + 1, pen / 2 + 1, -pen / 2 - 1, -pen / 2 - 1);
    p.setPen(QPen(QColor(255, 255, 255, 200), pen));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(ring);
    p.setPen(QPen(QColor(230, 40, 40), pen, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(ring, 90 * 16, -int(filled * 360 * 16));
}

}  // namespace zorbla
