#include "files/originals.h"

#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zorbla::originals {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Originals)
};

// A whole copy under the target's name, through a temporary file beside it.
bool copyWhole(const QString& from, const QString& to, QString* error) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = Words::tr("cannot read %1: %2").arg(from, source.errorString());
        return false;
    }
    if (!QDir().mkpath(QFileInfo(to).absolutePath())) {
        if (error)
            *error = Words::tr("cannot create the folder of %1").arg(to);
        return false;
    }
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly) || target.write(source.readAll()) != source.size() || !target.commit()) {
        if (error)
            *error = Words::tr("cannot write %1: %2").arg(to, target.errorString());
        return false;
    }
    return true;
}

}  // namespace

QString keptPath(const QString& path) {
    const QDir work = QDir::current();
    return work.filePath(QStringLiteral("originals/") + work.relativeFilePath(QFileInfo(path).absoluteFilePath()));
}

bool isKept(const QString& path) { return QFileInfo::exists(keptPath(path)); }

bool keep(const QString& path, QString* error) {
    if (isKept(path) || !QFileInfo::exists(path))
        return true;
    return copyWhole(path, keptPath(path), error);
}

bool restore(const QString& path, QString* error) {
    const QString kept = keptPath(path);
    if (!QFileInfo::exists(kept)) {
        if (error)
            *error = Words::tr("%1 has no original kept").arg(QDir::current().relativeFilePath(path));
        return false;
    }
    if (!copyWhole(kept, path, error))
        return false;
    QFile::remove(kept);
    return true;
}

}  // namespace zorbla::originals
