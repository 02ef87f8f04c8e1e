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

// The word table of a folder: whatever spelling of "text.txt" is on disk there, or
// "text.txt" when there is none. The program, its editor and the pack generator all read
// and write this one file, so no second table is ever made beside the first.
QString wordTablePath(const QDir& folder = QDir::current());

}  // namespace zorbla
