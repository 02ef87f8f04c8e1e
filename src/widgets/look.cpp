#include "widgets/look.h"

#include <QPixmap>

#include "pictures/rawimage.h"
#include "widgets/clicklabel.h"

namespace zorbla {

QFont childFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Comic Neue"));
    f.setStyleHint(QFont::SansSerif);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// Made once each from the compiled-in raw pixels: reading a PNG would first load every
// image plugin Qt has. The face and the palette click at their middle, the pencil at
// its tip; without the picture a pointer of the system says the same.
QCursor pointer(Pointer which) {
    static const auto make = [](const char* stem, QPoint hotSpot, Qt::CursorShape fallback) {
        const QPixmap pix = QPixmap::fromImage(designPicture(QString::fromLatin1(stem)));
        if (pix.isNull())
            return QCursor(fallback);
        return QCursor(pix, hotSpot.x() < 0 ? pix.width() / 2 : hotSpot.x(), hotSpot.y() < 0 ? pix.height() / 2 : hotSpot.y());
    };
    static const QCursor smiley = make(":/design/cursor_smiley", {-1, -1}, Qt::PointingHandCursor);
    static const QCursor palette = make(":/design/cursor_palette", {-1, -1}, Qt::PointingHandCursor);
    static const QCursor pencil = make(":/design/cursor_pencil", {5, 5}, Qt::CrossCursor);
    switch (which) {
    case Pointer::Palette: return palette;
    case Pointer::Pencil: return pencil;
    case Pointer::Smiley: break;
    }
    return smiley;
}

ClickLabel* exitDoor(QWidget* window, QPoint at) {
    auto* door = new ClickLabel(window);
    door->setObjectName(QStringLiteral("imgIzlaz"));
    door->setGeometry(at.x(), at.y(), 35, 35);
    door->setScaledContents(true);
    door->setPixmap(QPixmap::fromImage(designPicture(QStringLiteral(":/design/exit"))));
    door->setCursor(Qt::ArrowCursor);
    return door;
}

}  // namespace zorbla
