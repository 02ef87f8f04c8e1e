#include "widgets/look.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QResource>
#include <QVariant>

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
// its tip; without the picture a pointer of the system says the same. On a screen of
// two device pixels to the pixel they are drawn at twice the size, not enlarged.
QCursor pointer(Pointer which) {
    static const auto make = [](const char* stem, QPoint hotSpot, Qt::CursorShape fallback) {
        const QPixmap pix = QPixmap::fromImage(designPicture(QString::fromLatin1(stem), qApp->devicePixelRatio()));
        if (pix.isNull())
            return QCursor(fallback);
        // The hot spot is in the pointer's own pixels, whatever its pixel ratio.
        const QSize size = pix.deviceIndependentSize().toSize();
        return QCursor(pix, hotSpot.x() < 0 ? size.width() / 2 : hotSpot.x(), hotSpot.y() < 0 ? size.height() / 2 : hotSpot.y());
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

namespace {
const char kDesignPicture[] = "zorblaDesignPicture";
}

void setDesignPicture(QLabel* label, const QString& stem) {
    label->setProperty(kDesignPicture, stem);
    // A PNG is read as a pixmap, as it always was: made from an image, its edges would be
    // scaled a shade differently.
    if (QResource(stem + QStringLiteral(".argb")).isValid())
        label->setPixmap(QPixmap::fromImage(designPicture(stem)));
    else
        label->setPixmap(QPixmap(stem + QStringLiteral(".png")));
}

void sharpenPictures(QWidget& window, double deviceScale) {
    if (deviceScale <= 1.0)
        return;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QString stem = label->property(kDesignPicture).toString();
        if (stem.isEmpty())
            continue;
        const QImage sharp = designPicture(stem, deviceScale);
        if (!sharp.isNull())
            label->setPixmap(QPixmap::fromImage(sharp));
    }
}

ClickLabel* exitDoor(QWidget* window, QPoint at) {
    auto* door = new ClickLabel(window);
    door->setObjectName(QStringLiteral("imgIzlaz"));
    door->setGeometry(at.x(), at.y(), 35, 35);
    door->setScaledContents(true);
    setDesignPicture(door, QStringLiteral(":/design/exit"));
    door->setCursor(Qt::ArrowCursor);
    return door;
}

}  // namespace zorbla
