#pragma once

#include <QDir>
#include <QString>

namespace zorbla {

// Maps a path as the program writes it ("sounds\b.wav", "TEXT.txt") to a file in the
// working folder. The backslash is a separator, and each component is matched without
// regard to case, because the names are written in mixed case while the files may not
// be. A component that does not exist yet keeps the name as written, so a new file is
// created under that name. An empty path stays empty.
QString resolvePath(const QString& written, const QDir& base = QDir::current());

}  // namespace zorbla
