#include "widgets/clicklabel.h"

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

void ClickLabel::setColours(const QColor& text, const QColor& fill, int radius) {
    QPalette pal = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::WindowText, text);
    setPalette(pal);
    fill_ = fill;
    radius_ = radius;
    update();
}

// A window disabled behind a game keeps its colours: the style would grey the pictures
// and words out, and the child would see the swatches and tiles fade.
void ClickLabel::paintEvent(QPaintEvent* event) {
    if (fill_.alpha() > 0) {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(fill_);
        p.drawRoundedRect(QRectF(rect()), radius_, radius_);
    }
    if (isEnabled()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    const QRect area = contentsRect();
    const QPixmap pix = pixmap();
    if (!pix.isNull()) {
        if (hasScaledContents())
            p.drawPixmap(area, pix);
        else
            p.drawPixmap(
                QStyle::alignedRect(layoutDirection(), alignment(), pix.deviceIndependentSize().toSize(), area), pix);
    } else if (!text().isEmpty()) {
        p.setPen(palette().color(QPalette::Active, foregroundRole()));
        p.setFont(font());
        p.drawText(area, int(alignment()), text());
    }
}

}  // namespace zorbla
