#include "files/paths.h"

#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <cstdio>

namespace zorbla {

namespace {

// The entry of dir whose name equals name without regard to case; an exact match wins,
// then the first in name order, so the choice is the same on every run.
QString findEntry(const QString& dir, const QString& name) {
    const QString exact = dir + '/' + name;
    if (QFileInfo::exists(exact) || QFileInfo(exact).isSymLink())
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

const QString kTableName = QStringLiteral("text.txt");

QMutex foldersLock;
PackFolders folders;  // guarded by foldersLock
QSet<QString> toldUnreadable;  // guarded by foldersLock

// Said once per file: the same picture is asked for at every click.
void tellUnreadable(const QString& path, const QString& why) {
    QMutexLocker hold(&foldersLock);
    if (toldUnreadable.contains(path))
        return;
    toldUnreadable.insert(path);
    std::fprintf(stderr, "zorbla: %s %s; the pack's own is used\n", qPrintable(QDir::toNativeSeparators(path)),
                 qPrintable(why));
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

void setPackFolders(const PackFolders& f) {
    QMutexLocker hold(&foldersLock);
    folders = f;
    toldUnreadable.clear();
}

PackFolders packFolders() {
    QMutexLocker hold(&foldersLock);
    PackFolders f = folders;
    f.own = f.own.isEmpty() ? QDir::currentPath() : QDir(f.own).absolutePath();
    return f;
}

QString ownFolder() { return packFolders().own; }

QString ownPath(const QString& written) { return resolvePath(written, QDir(ownFolder())); }

QString pathBeneath(const QString& written) {
    if (written.isEmpty() || QDir::isAbsolutePath(QString(written).replace('\\', '/')))
        return QString();
    for (const QString& folder : packFolders().beneath) {
        const QString path = resolvePath(written, QDir(folder));
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

QString resolvePath(const QString& written) {
    const PackFolders f = packFolders();
    const QString own = resolvePath(written, QDir(f.own));
    if (f.beneath.isEmpty() || written.isEmpty())
        return own;
    const QFileInfo info(own);
    if (info.isFile() && info.isReadable())
        return own;
    const QString beneath = pathBeneath(written);
    if (beneath.isEmpty())
        return own;
    if (info.isSymLink() && !info.exists())
        tellUnreadable(own, QStringLiteral("is a link to nowhere"));
    else if (info.exists())
        tellUnreadable(own, info.isFile() ? QStringLiteral("cannot be read") : QStringLiteral("is not a file"));
    return beneath;
}

QString wordTablePath(const QDir& folder) { return resolvePath(kTableName, folder); }

QString wordTablePath() { return resolvePath(kTableName); }

}  // namespace zorbla
