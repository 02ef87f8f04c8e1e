// The pictures of the program's windows, compiled in as Qt resources.
#pragma once

#include "paint.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace ag {

struct DesignItem {
    QString name; // file name, also the resource name under :/design/
    std::function<QByteArray(const EmojiAtlas &, QString *error)> make;
};

// translations: the folder of the program's .ts files, for the words drawn on pictures
// in the other editions' languages.
QList<DesignItem> designItems(const QString &translations);
QList<char32_t> designEmoji();

QByteArray pngBytes(const QImage &img);

} // namespace ag
