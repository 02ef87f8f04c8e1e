#include "files/paths.h"

#include <QFileInfo>

namespace zorbla {

namespace {

// The entry of dir whose name equals name without regard to case; an exact match wins,
// then the first in name order, so the choice is the same on every run.
QString findEntry(const QString& dir, const QString& name) {
    if (QFileInfo::exists(dir + '/' + name))
        return name;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                            QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

}  // namespace

QString resolvePath(const QString& written, const QDir& base) {
    if (written.isEmpty())
        return QString();
    QString path = written;
    path.replace('\\', '/');
    const bool absolute = QDir::isAbsolutePath(path);
    QString current = absolute ? QStringLiteral("/") : base.absolutePath();
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    bool found = true;
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String("..")) {
            current = QDir::cleanPath(current + '/' + part);
            continue;
        }
        QString entry = found ? findEntry(current, part) : QString();
        if (entry.isEmpty()) {
            found = false;
            entry = part;
        }
        current = (current.endsWith('/') ? current : current + '/') + entry;
    }
    return current;
}

QString wordTablePath(const QDir& folder) { return resolvePath(QStringLiteral("text.txt"), folder); }

}  // namespace zorbla
