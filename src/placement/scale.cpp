#include "placement/scale.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zorbla {

double screenScale(QSize logicalScreen) {
    if (logicalScreen.isEmpty())
        return 1.0;
    return std::min(logicalScreen.width() / 1024.0, logicalScreen.height() / 768.0);
}

QRect scaled(const QRectF& design, double s) {
    const int left = int(std::lround(design.left() * s));
    const int top = int(std::lround(design.top() * s));
    const int right = int(std::lround((design.left() + design.width()) * s));
    const int bottom = int(std::lround((design.top() + design.height()) * s));
    return QRect(left, top, right - left, bottom - top);
}

void scaleFont(QWidget& w, double s) {
    QFont f = w.font();
    if (f.pixelSize() > 0)
        f.setPixelSize(int(std::lround(f.pixelSize() * s)));
    else
        f.setPointSizeF(f.pointSizeF() * s);
    w.setFont(f);
}

void scaleWindow(QWidget& window, double s) {
    if (s == 1.0)
        return;
    scaleFont(window, s);
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow())
            continue;
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->pixmap().isNull() &&
                                                          label->pixmap().deviceIndependentSize() == label->size())
            label->setScaledContents(true);
        control->setGeometry(scaled(QRectF(control->geometry()), s));
        if (control->testAttribute(Qt::WA_SetFont))
            scaleFont(*control, s);
    }
    if (window.isFullScreen() || window.windowState().testFlag(Qt::WindowFullScreen))
        return;
    const QPoint centre = window.geometry().center();
    const QSize size = scaled(QRectF(QPointF(), QSizeF(window.size())), s).size();
    if (window.minimumSize() == window.maximumSize())
        window.setFixedSize(size);
    else
        window.resize(size);
    window.move(centre - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace zorbla
