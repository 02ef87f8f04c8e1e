#include "platform/clicklabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace zorbla {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        leftDown_ = true;
    event->accept();
    emit pressed(event->button());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = leftDown_ && rect().contains(event->position().toPoint());
    leftDown_ = false;
    if (click)
        emit clicked();
}

// A window disabled behind a game keeps its colours: the style would grey the pictures
// out, and the child would see the swatches and tiles fade.
void ClickLabel::paintEvent(QPaintEvent* event) {
    const QPixmap pix = pixmap();
    if (isEnabled() || pix.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    const QRect area = contentsRect();
    if (hasScaledContents())
        p.drawPixmap(area, pix);
    else
        p.drawPixmap(QStyle::alignedRect(layoutDirection(), alignment(), pix.deviceIndependentSize().toSize(), area),
                     pix);
}

}  // namespace zorbla
