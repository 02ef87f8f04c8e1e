#include "app/workfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

#include "app/edition.h"
#include "files/paths.h"

namespace zorbla {

namespace {

bool hasWordTable(const QString& folder) {
    return QFileInfo::exists(wordTablePath(QDir(folder)));
}

}  // namespace

QString installedPack(const QString& programDir, const QString& edition) {
    const QString pack = QDir::cleanPath(programDir + QStringLiteral("/../share/zorbla/") + edition);
    return hasWordTable(pack) ? pack : QString();
}

QStringList installedEditions(const QString& programDir) {
    QStringList found;
    for (const QString& code : knownEditions())
        if (!installedPack(programDir, code).isEmpty())
            found << code;
    return found;
}

QString userFolderOf(const QString& dataFolder, const QString& edition) {
    return edition == QLatin1String("en") ? dataFolder : QDir(dataFolder).filePath(edition);
}

int fillFromPack(const QString& pack, const QString& userFolder, QString* error) {
    const QDir from(pack);
    if (!QDir().mkpath(userFolder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(userFolder);
        return -1;
    }
    const QDir to(userFolder);
    int copied = 0;
    QDirIterator it(pack, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = from.relativeFilePath(source);
        // "sounds/a.wav" is the user's "SOUNDS/A.WAV" when that is how they have it.
        const QString target = resolvePath(relative, to);
        if (QFileInfo::exists(target))
            continue;
        if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
            *error = QStringLiteral("cannot create the folder %1").arg(QFileInfo(target).absolutePath());
            return -1;
        }
        if (!QFile::copy(source, target)) {
            *error = QStringLiteral("cannot copy %1 to %2").arg(source, target);
            return -1;
        }
        // The pack may be read-only; the copy is the user's to record over and edit. It
        // keeps the pack's time: a picture at twice the size is used only when it is not
        // older than the picture, which the user may have replaced before this copy.
        QFile copy(target);
        copy.setPermissions(copy.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
        if (copy.open(QIODevice::ReadWrite))
            copy.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
        ++copied;
    }
    return copied;
}

WorkFolder chooseWorkFolder(const QString& startFolder, const QString& programDir, const QString& userFolder,
                            const QString& edition) {
    WorkFolder w;
    w.path = startFolder;
    const QString pack = installedPack(programDir, edition);
    // Started inside an installed pack (cd /usr/share/zorbla/en): never record over it.
    const QString start = QFileInfo(startFolder).canonicalFilePath();
    const QString packs = QFileInfo(programDir + QStringLiteral("/../share/zorbla")).canonicalFilePath();
    const bool inPack = !packs.isEmpty() && (start == packs || start.startsWith(packs + QLatin1Char('/')));
    if (hasWordTable(startFolder) && !inPack)
        return w;
    if (pack.isEmpty())
        return w;  // a build tree: the missing table is the usual start-up error
    QString error;
    const int copied = fillFromPack(pack, userFolder, &error);
    if (copied < 0) {
        w.error = error;
        return w;
    }
    w.path = userFolder;
    w.pack = pack;
    w.copied = copied;
    return w;
}

WorkFolder enterWorkFolder(const QString& edition) {
    const WorkFolder w = chooseWorkFolder(
        QDir::currentPath(), QCoreApplication::applicationDirPath(),
        userFolderOf(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), edition), edition);
    if (!w.error.isEmpty())
        std::fprintf(stderr, "zorbla: %s\n", qPrintable(w.error));
    if (w.path != QDir::currentPath() && !QDir::setCurrent(w.path))
        std::fprintf(stderr, "zorbla: cannot change to the folder %s\n", qPrintable(w.path));
    if (w.pack.isEmpty())
        std::fprintf(stderr, "zorbla: working folder %s\n", qPrintable(QDir::toNativeSeparators(QDir::currentPath())));
    else
        std::fprintf(stderr, "zorbla: working folder %s (%d files copied from %s)\n",
                     qPrintable(QDir::toNativeSeparators(w.path)), w.copied, qPrintable(w.pack));
    return w;
}

}  // namespace zorbla
