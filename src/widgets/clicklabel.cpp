#include "widgets/clicklabel.h"

#include "pictures/rawimage.h"
#include "widgets/accessible.h"

#include <QMouseEvent>
#include <QHash>
#include <QMetaMethod>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <future>
#include <memory>
#include <vector>

namespace zorbla {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) { exposeClickableControls(); }

bool ClickLabel::answersClicks() const {
    return isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::clicked)) ||
           isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::pressed));
}

void ClickLabel::click() {
    emit pressed(Qt::LeftButton);
    emit clicked();
}

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

// A picture at another size, in device pixels, for drawing at the given pixel ratio.
struct Scaling {
    QImage image;
    QSize pixels;
    qreal dpr;
};

QImage smoothlyScaled(const Scaling& s) {
    QImage scaled = s.image.scaled(s.pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(s.dpr);  // here, while nothing else holds it: later it would be copied
    // Drawn from the scaled copy from now on.
    releaseCompiledIn(s.image);
    return scaled;
}

using ScaledKey = QPair<qint64, QSize>;

// Pictures being scaled ahead, on a helper thread, for the first paint.
QHash<ScaledKey, std::shared_future<QImage>>& ahead() {
    static QHash<ScaledKey, std::shared_future<QImage>> pending;
    return pending;
}

// A picture drawn at another size than its own, made once for every label that shows
// it at that size: on a larger screen the 36 tiles share a few rather than each scaling
// its own.
QPixmap scaledOnce(const QPixmap& pix, QSize pixels, qreal dpr) {
    static QHash<ScaledKey, QPixmap> made;
    if (made.size() > 200)
        made.clear();
    const ScaledKey key = qMakePair(pix.cacheKey(), pixels);
    QPixmap& scaled = made[key];
    if (scaled.isNull()) {
        const auto pending = ahead().constFind(key);
        if (pending != ahead().cend()) {
            scaled = QPixmap::fromImage(pending->get());
            ahead().erase(pending);
        } else {
            scaled = QPixmap::fromImage(smoothlyScaled({pix.toImage(), pixels, dpr}));
        }
    }
    if (scaled.devicePixelRatio() != dpr)  // a copy: not while the window is drawn at one ratio
        scaled.setDevicePixelRatio(dpr);
    return scaled;
}

// The size in device pixels a label draws its picture at.
QSize drawnPixels(const QLabel& label) {
    return (QSizeF(label.contentsRect().size()) * label.devicePixelRatioF()).toSize();
}

}  // namespace

void ClickLabel::forgetScaledAhead() { ahead().clear(); }

std::future<void> ClickLabel::scaleAhead(const QList<ClickLabel*>& labels) {
    std::vector<std::pair<ScaledKey, Scaling>> work;
    for (const ClickLabel* l : labels) {
        if (!l->shareScaled_ || !l->hasScaledContents() || l->pixmap().isNull() || l->isHidden())
            continue;
        const QSize pixels = drawnPixels(*l);
        const ScaledKey key = qMakePair(l->pixmap().cacheKey(), pixels);
        if (l->pixmap().size() == pixels || ahead().contains(key) ||
            std::any_of(work.cbegin(), work.cend(), [&key](const auto& w) { return w.first == key; }))
            continue;
        work.push_back({key, {l->pixmap().toImage(), pixels, l->devicePixelRatioF()}});
    }
    if (work.empty())
        return {};
    // One helper for them all, each picture handed over as soon as it is made.
    auto promises = std::make_shared<std::vector<std::promise<QImage>>>(work.size());
    for (size_t i = 0; i < work.size(); ++i)
        ahead().insert(work[i].first, (*promises)[i].get_future().share());
    return std::async(std::launch::async, [work = std::move(work), promises] {
        for (size_t i = 0; i < work.size(); ++i)
            (*promises)[i].set_value(smoothlyScaled(work[i].second));
    });
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
    if (shareScaled_ && hasScaledContents() && !pixmap().isNull()) {
        const QRect area = contentsRect();
        const QSize pixels = drawnPixels(*this);
        if (pixmap().size() != pixels) {
            QPainter(this).drawPixmap(area.topLeft(), scaledOnce(pixmap(), pixels, devicePixelRatioF()));
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
