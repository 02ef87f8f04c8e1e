#include "widgets/clicklabel.h"

#include <QMouseEvent>
#include <QHash>
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

namespace {

// A picture drawn at another size than its own, made once for every label that shows
// it at that size: on a larger screen the 36 tiles share a few rather than each scaling
// its own.
QPixmap scaledOnce(const QPixmap& pix, QSize pixels) {
    static QHash<QPair<qint64, QSize>, QPixmap> made;
    if (made.size() > 200)
        made.clear();
    QPixmap& scaled = made[qMakePair(pix.cacheKey(), pixels)];
    if (scaled.isNull())
        scaled = QPixmap::fromImage(pix.toImage().scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return scaled;
}

}  // namespace

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
    if (shareScaled_ && hasScaledContents() && !pixmap().isNull()) {
        const QRect area = contentsRect();
        const QSize pixels = (QSizeF(area.size()) * devicePixelRatioF()).toSize();
        if (pixmap().size() != pixels) {
            QPixmap scaled = scaledOnce(pixmap(), pixels);
            scaled.setDevicePixelRatio(devicePixelRatioF());
            QPainter(this).drawPixmap(area.topLeft(), scaled);
            return;
        }
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
