#pragma once

#include <QString>
#include <QStringList>

namespace zorbla {

// The folder the program works in. A copy installed system-wide keeps each edition's pack
// read-only under share/zorbla/<edition> beside its bin/, so when it is started where there
// is no word table (as from a desktop menu) it works in a folder of the user's own for that
// edition, filled from its pack.
// Anywhere else, the folder it is started in is used as it always was.
struct WorkFolder {
    QString path;       // the folder to work in
    QString pack;       // the installed pack it was filled from; empty when not used
    int copied = 0;     // files copied from the pack on this start
    QString error;      // why the user's folder could not be made ready; then path is the start folder
};

// share/zorbla/<edition> beside the program's bin/ folder when it holds a word table,
// else empty.
QString installedPack(const QString& programDir, const QString& edition);

// The editions installed beside the program (those of knownEditions() with a pack), in
// that order; empty for a program that is not installed.
QStringList installedEditions(const QString& programDir);

// The user's own folder of an edition: English's is the data folder itself, where it has
// always been; each other edition's is a folder inside it named by its code.
QString userFolderOf(const QString& dataFolder, const QString& edition);

// Copies every file of pack that the user folder lacks (names matched without regard to
// case, as the program finds them). Existing files are never touched. Returns the number
// copied, or -1 with *error set.
int fillFromPack(const QString& pack, const QString& userFolder, QString* error);

// Decides, and fills the user folder when it is the one chosen. Changes nothing else.
// The installed pack itself is never chosen, even when started inside it.
WorkFolder chooseWorkFolder(const QString& startFolder, const QString& programDir, const QString& userFolder,
                            const QString& edition = QStringLiteral("en"));

// The choice for this process and edition: the current folder, the program's folder and
// the user's data folder; changes to the folder chosen and says on stderr which one it is.
WorkFolder enterWorkFolder(const QString& edition);

}  // namespace zorbla
