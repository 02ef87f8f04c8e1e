#include "pictures/background.h"

#include <QResource>

#include <algorithm>
#include <cmath>

namespace zorbla {

BackgroundPicture backgroundOfShape(QSize screen, BackgroundShape* shape) {
    if (screen.isEmpty())
        return {};
    constexpr double kOver = 15.0 / 13.0;
    static const BackgroundShape kShapes[] = {{QStringLiteral(":/design/background.jpg"), {2133, 1600}},
                                              {QStringLiteral(":/design/background_16x10.jpg"), {2560, 1600}},
                                              {QStringLiteral(":/design/background_16x9.jpg"), {2844, 1600}},
                                              {QStringLiteral(":/design/background_21x9.jpg"), {3733, 1600}}};
    if (qAbs(screen.width() * 3 - screen.height() * 4) <= 4) {
        if (shape)
            *shape = kShapes[0];
        return {kShapes[0].picture, QSize(qRound(screen.width() * kOver), qRound(screen.height() * kOver)), screen};
    }
    const double aspect = double(screen.width()) / screen.height();
    const BackgroundShape* nearest = &kShapes[0];
    for (const BackgroundShape& s : kShapes)
        if (qAbs(std::log(double(s.size.width()) / s.size.height() / aspect)) <
            qAbs(std::log(double(nearest->size.width()) / nearest->size.height() / aspect)))
            nearest = &s;
    if (shape)
        *shape = *nearest;
    const double k = kOver * std::max(double(screen.width()) / nearest->size.width(),
                                      double(screen.height()) / nearest->size.height());
    return {nearest->picture, QSize(qRound(nearest->size.width() * k), qRound(nearest->size.height() * k)), screen};
}

const QList<QSize>& screensWithBackgroundMade() {
    // The most common screens of laptops and monitors, and 4:3 at twice the design's size.
    static const QList<QSize> kScreens = {
        {1280, 720},  {1280, 800},  {1366, 768},  {1440, 900},  {1600, 900},
        {1680, 1050}, {1920, 1080}, {1920, 1200}, {2048, 1536}, {2560, 1080},
        {2560, 1440}, {2560, 1600}, {2880, 1800}, {3440, 1440}, {3840, 2160}};
    return kScreens;
}

QString backgroundMadeFor(QSize screen) {
    return QStringLiteral("background-%1x%2.jpg").arg(screen.width()).arg(screen.height());
}

BackgroundPicture backgroundFor(QSize screen) {
    BackgroundPicture b = backgroundOfShape(screen);
    if (b.drawn.isEmpty() || !screensWithBackgroundMade().contains(screen))
        return b;
    const QString made = QStringLiteral(":/design/") + backgroundMadeFor(screen);
    if (QResource(made).isValid()) {
        b.picture = made;
        b.madeForScreen = true;
    }
    return b;
}

}  // namespace zorbla
