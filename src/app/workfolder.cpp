#include "app/workfolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <limits>

#include "app/edition.h"
#include "files/paths.h"

namespace zorbla {

namespace {

bool hasWordTable(const QString& folder) { return QFileInfo::exists(wordTablePath(QDir(folder))); }

QString dataHome(const QProcessEnvironment& env) {
    const QString dir = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (!dir.isEmpty() && QDir::isAbsolutePath(dir))
        return dir;
    const QString home = env.value(QStringLiteral("HOME"));
    return (home.isEmpty() ? QDir::homePath() : home) + QStringLiteral("/.local/share");
}

QStringList dataDirs(const QProcessEnvironment& env) {
    QStringList dirs = env.value(QStringLiteral("XDG_DATA_DIRS")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dirs.isEmpty())
        dirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return dirs;
}

bool sameBytes(const QString& a, const QString& b) {
    QFile fa(a), fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kChunk = 256 * 1024;
    while (!fa.atEnd()) {
        const QByteArray x = fa.read(kChunk);
        if (x.isEmpty() || x != fb.read(kChunk))
            return false;
    }
    return true;
}

// A file of the pack beneath the user's folder, by its name there ("Sounds/B.WAV").
QString packFileOf(const QString& relative, const QStringList& beneath) {
    for (const QString& folder : beneath) {
        const QString path = resolvePath(relative, QDir(folder));
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
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

QStringList siteFolders(const QString& site, const QStringList& dirs, const QString& edition, QStringList* said) {
    QStringList candidates;
    if (!site.isEmpty())
        candidates << QDir(site).filePath(edition);
    for (const QString& dir : dirs) {
        // A Zorbla installed there has its pack there, which is a package, not a school's.
        if (QFileInfo(QDir(dir).filePath(QStringLiteral("../bin/zorbla"))).isFile())
            continue;
        candidates << QDir(dir).filePath(QStringLiteral("zorbla/") + edition);
    }
    QStringList found;
    QSet<QString> seen;
    for (const QString& c : candidates) {
        const QFileInfo info(c);
        if (!info.isDir()) {
            if (!site.isEmpty() && c == candidates.first())
                *said << QStringLiteral("the school's folder %1 is not there; it is passed over").arg(c);
            continue;
        }
        if (!info.isReadable() || !info.isExecutable()) {
            *said << QStringLiteral("the school's folder %1 cannot be read; it is passed over").arg(c);
            continue;
        }
        const QString canonical = info.canonicalFilePath();
        if (!seen.contains(canonical)) {
            seen.insert(canonical);
            found << QDir::cleanPath(info.absoluteFilePath());
        }
    }
    return found;
}

// An earlier version copied the whole pack into the user's folder at a first start and
// read only that copy. Each copy kept the time of the pack's file, so:
// - a file with the pack's bytes is a copy (certain);
// - a file that differs from the pack's is a copy of an older pack's file when nothing
//   was ever recorded over it (no original kept), its time is among the times the
//   certain copies carry (the older pack's, which the copier gave them, within a minute)
//   and that time was set back (its change time is later than its modification time;
//   a file written by a program, the editor's and the recorder's among them, has the two
//   equal). With too few certain copies to tell the older pack's times, it stays.
// An original kept with the pack's bytes is taken away too: putting the sound back
// then takes the pack's own from beneath. Links are taken away only when they lead to
// the pack's bytes; a link to nowhere stays (it may lead to a drive not plugged in).
int tidyCopies(const QString& userFolder, const QStringList& beneath) {
    const QDir own(userFolder);
    if (beneath.isEmpty() || !own.exists())
        return 0;
    constexpr int kEnoughToTell = 10;
    constexpr qint64 kSlackMs = 60 * 1000;
    constexpr qint64 kSetBackMs = 1000;
    QStringList removed, doubtful;
    qint64 oldest = std::numeric_limits<qint64>::max(), newest = std::numeric_limits<qint64>::min();
    int certain = 0;
    QDirIterator it(userFolder, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = own.relativeFilePath(path);
        const bool original = relative.startsWith(QLatin1String("originals/"), Qt::CaseInsensitive);
        const QString packFile = packFileOf(original ? relative.mid(10) : relative, beneath);
        if (packFile.isEmpty())
            continue;
        const QFileInfo info(path);
        if (!info.exists())
            continue;  // a link to nowhere
        if (sameBytes(path, packFile)) {
            removed << path;
            if (!original && !info.isSymLink()) {
                ++certain;
                const qint64 t = info.lastModified().toMSecsSinceEpoch();
                oldest = std::min(oldest, t);
                newest = std::max(newest, t);
            }
        } else if (!original && !info.isSymLink() &&
                   !QFileInfo::exists(resolvePath(QStringLiteral("originals/") + relative, own))) {
            doubtful << path;
        }
    }
    if (certain >= kEnoughToTell) {
        for (const QString& path : doubtful) {
            const QFileInfo info(path);
            const qint64 made = info.lastModified().toMSecsSinceEpoch();
            const qint64 changed = info.metadataChangeTime().toMSecsSinceEpoch();
            if (made >= oldest - kSlackMs && made <= newest + kSlackMs && changed - made > kSetBackMs)
                removed << path;
        }
    }
    int count = 0;
    QSet<QString> folders;
    for (const QString& path : removed) {
        if (QFile::remove(path)) {
            ++count;
            folders.insert(QFileInfo(path).absolutePath());
        }
    }
    // Folders left empty go too, up to the user's folder itself.
    const QString top = QDir::cleanPath(own.absolutePath());
    for (QString folder : folders) {
        while (folder.startsWith(top + QLatin1Char('/')) && QDir().rmdir(folder))
            folder = QFileInfo(folder).absolutePath();
    }
    return count;
}

WorkFolder chooseWorkFolder(const QString& startFolder, const QString& programDir, const QString& userFolder,
                            const QString& edition, const QStringList& sites) {
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
    w.path = userFolder;
    w.pack = pack;
    const QString packCanonical = QFileInfo(pack).canonicalFilePath();
    const QString ownCanonical = QFileInfo(userFolder).canonicalFilePath();
    for (const QString& site : sites) {
        const QString canonical = QFileInfo(site).canonicalFilePath();
        if (canonical != packCanonical && canonical != ownCanonical)
            w.beneath << site;
    }
    w.beneath << pack;
    w.tidied = tidyCopies(userFolder, w.beneath);
    return w;
}

WorkFolder enterWorkFolder(const QString& edition, const QString& siteSetting, const QProcessEnvironment& env) {
    QStringList said;
    const QStringList sites = siteFolders(siteSetting, dataDirs(env), edition, &said);
    WorkFolder w = chooseWorkFolder(QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                    userFolderOf(dataHome(env) + QStringLiteral("/zorbla"), edition), edition, sites);
    w.said = said + w.said;
    if (!w.pack.isEmpty()) {
        // Made now, empty: the family's files go there once it records or edits.
        const QFileInfo own(w.path);
        if (!QDir().mkpath(w.path))
            w.said << QStringLiteral("cannot create the folder %1; what the family records cannot be kept").arg(w.path);
        else if (!own.isReadable() || !own.isExecutable())
            w.said << QStringLiteral("the folder %1 cannot be read; the pack's own files are used").arg(w.path);
        setPackFolders({w.path, w.beneath});
    } else {
        setPackFolders({w.path, {}});
    }
    for (const QString& line : w.said)
        std::fprintf(stderr, "zorbla: %s\n", qPrintable(line));
    if (w.path != QDir::currentPath() && QFileInfo(w.path).isDir() && !QDir::setCurrent(w.path))
        std::fprintf(stderr, "zorbla: cannot change to the folder %s\n", qPrintable(w.path));
    if (w.pack.isEmpty()) {
        std::fprintf(stderr, "zorbla: working folder %s\n", qPrintable(QDir::toNativeSeparators(w.path)));
        return w;
    }
    if (w.tidied > 0)
        std::fprintf(stderr,
                     "zorbla: %d files in %s were copies of the pack's own (an earlier version copied the whole "
                     "pack there); they are taken away and the pack's are read in their place\n",
                     w.tidied, qPrintable(QDir::toNativeSeparators(w.path)));
    std::fprintf(stderr, "zorbla: working folder %s, over %s\n", qPrintable(QDir::toNativeSeparators(w.path)),
                 qPrintable(w.beneath.join(QStringLiteral(", "))));
    return w;
}

}  // namespace zorbla
