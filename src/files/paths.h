#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

namespace zorbla {

// Maps a path as the program writes it ("sounds\b.wav", "TEXT.txt") to a file in a
// folder. The backslash is a separator, and each component is matched without regard to
// case, because the names are written in mixed case while the files may not be. A
// component that does not exist yet keeps the name as written, so a new file is created
// under that name. An empty path stays empty.
QString resolvePath(const QString& written, const QDir& base);

// The folders the pack's files are found in. The family's own folder comes first: it is
// the only one written to, and its files win. Beneath it, read only and in order, are a
// school's folders and the installed pack. Without beneath, the family's folder is the
// whole pack, as a folder started in by hand is; own empty means the current folder.
struct PackFolders {
    QString own;
    QStringList beneath;
};
void setPackFolders(const PackFolders& folders);
PackFolders packFolders();  // own made absolute
QString ownFolder();

// A pack file to read: the family's where it has a readable one, else the first folder
// beneath that has it, else the family's path as written (a file not made yet). A file
// of the family's that cannot be read (a link to nowhere, no permission) is passed over,
// and said once on stderr.
QString resolvePath(const QString& written);
// Where the family's own copy of a pack file is, or is written.
QString ownPath(const QString& written);
// The file that shows when the family's own is not there; empty when no folder beneath
// has one.
QString pathBeneath(const QString& written);

// The word table of a folder: whatever spelling of "text.txt" is on disk there, or
// "text.txt" when there is none. The program, its editor and the pack generator all read
// and write this one file, so no second table is ever made beside the first.
QString wordTablePath(const QDir& folder);
// The word table the program reads, found as every pack file is.
QString wordTablePath();

}  // namespace zorbla
