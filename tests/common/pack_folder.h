#pragma once

// A working folder for tests: copies of the generated pack's word table, pictures and
// sounds, so that a test may change or record over them.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace zorbla_test {

inline bool copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir src(from);
    const QStringList names = src.entryList(QDir::Files);
    if (names.isEmpty())
        return false;
    for (const QString& name : names)
        if (!QFile::copy(src.filePath(name), to + '/' + name))
            return false;
    return true;
}

// Fills folder with the pack's pictures and sounds, and its word table unless told not to.
inline bool fillWorkingFolder(const QString& folder, bool withTable = true) {
    const QString data = QStringLiteral(ZORBLA_DATA_DIR);
    return (!withTable || QFile::copy(data + "/text.txt", folder + "/text.txt")) &&
           copyFolder(data + "/images", folder + "/images") && copyFolder(data + "/sounds", folder + "/sounds");
}

// A test case's own folder: entered at its start (filled with the pack when asked) and
// left again, before it is removed, at its end.
class WorkingFolder : public QTemporaryDir {
public:
    bool enter(bool fill = true, bool withTable = true) {
        previous_ = QDir::currentPath();
        return (!fill || fillWorkingFolder(path(), withTable)) && QDir::setCurrent(path());
    }
    ~WorkingFolder() {
        if (!previous_.isEmpty())
            QDir::setCurrent(previous_);
    }

private:
    QString previous_;
};

}  // namespace zorbla_test
