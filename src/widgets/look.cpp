#include "widgets/look.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
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

// Each made once, when a window first asks for it: the main window's face from
// compiled-in raw pixels, so its start reads no PNG (which would first load every image
// plugin Qt has); the palette and the pencil from theirs when their game first opens.
// The face and the palette click at their middle, the pencil at its tip; without the
// picture a pointer of the system says the same. On a screen of two device pixels to the
// pixel they are drawn at twice the size, not enlarged.
QCursor pointer(Pointer which) {
    const auto make = [](const char* stem, QPoint hotSpot, Qt::CursorShape fallback) {
        const QPixmap pix = QPixmap::fromImage(designPicture(QString::fromLatin1(stem), qApp->devicePixelRatio()));
        if (pix.isNull())
            return QCursor(fallback);
        // The hot spot is in the pointer's own pixels, whatever its pixel ratio.
        const QSize size = pix.deviceIndependentSize().toSize();
        return QCursor(pix, hotSpot.x() < 0 ? size.width() / 2 : hotSpot.x(), hotSpot.y() < 0 ? size.height() / 2 : hotSpot.y());
    };
    switch (which) {
    case Pointer::Palette: {
        static const QCursor palette = make(":/design/cursor_palette", {-1, -1}, Qt::PointingHandCursor);
        return palette;
    }
    case Pointer::Pencil: {
        static const QCursor pencil = make(":/design/cursor_pencil", {5, 5}, Qt::CrossCursor);
        return pencil;
    }
    case Pointer::Smiley: break;
    }
    static const QCursor smiley = make(":/design/cursor_smiley", {-1, -1}, Qt::PointingHandCursor);
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

QString inProgramLanguage(const QString& stem) {
    const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
    const QString own = stem + QLatin1Char('-') + language;
    return QResource(own + QStringLiteral(".png")).isValid() ? own : stem;
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

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Controls)
};
}  // namespace

ClickLabel* exitDoor(QWidget* window, QPoint at) {
    auto* door = new ClickLabel(window);
    door->setObjectName(QStringLiteral("door"));
    door->setAccessibleName(Words::tr("Door"));
    door->setGeometry(at.x(), at.y(), 35, 35);
    door->setScaledContents(true);
    setDesignPicture(door, QStringLiteral(":/design/exit"));
    door->setCursor(Qt::ArrowCursor);
    return door;
}

}  // namespace zorbla
