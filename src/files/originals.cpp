#include "files/originals.h"

#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "files/paths.h"

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

QString keptPath(const QString& written) {
    return resolvePath(QStringLiteral("originals/") + QString(written).replace('\\', '/'), QDir(ownFolder()));
}

bool isReplaced(const QString& written) {
    return QFileInfo::exists(keptPath(written)) ||
           (QFileInfo(ownPath(written)).isFile() && !pathBeneath(written).isEmpty());
}

bool keep(const QString& written, QString* error) {
    const QString path = ownPath(written);
    if (QFileInfo::exists(keptPath(written)) || !QFileInfo(path).isFile() || !pathBeneath(written).isEmpty())
        return true;
    return copyWhole(path, keptPath(written), error);
}

bool restore(const QString& written, QString* error) {
    const QString kept = keptPath(written);
    const QString path = ownPath(written);
    if (QFileInfo::exists(kept)) {
        if (!copyWhole(kept, path, error))
            return false;
        QFile::remove(kept);
        return true;
    }
    if (QFileInfo(path).isFile() && !pathBeneath(written).isEmpty()) {
        QFile own(path);
        if (own.remove())
            return true;
        if (error)
            *error = Words::tr("cannot remove %1: %2").arg(path, own.errorString());
        return false;
    }
    if (error)
        *error = Words::tr("%1 has no original kept").arg(written);
    return false;
}

}  // namespace zorbla::originals
