#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace zorbla {

// Where the program finds its pack and writes what the family makes. An installed copy
// keeps each edition's pack read-only under share/zorbla/<edition> beside its bin/ and
// reads it there. Started where there is no word table (as from a desktop menu), it
// writes into a folder of the user's own for the edition, whose files lie over a school's
// folders and the installed pack: the user's folder holds only what the family made.
// Anywhere else, the folder it is started in is the whole pack, read and written, as it
// always was.
struct WorkFolder {
    QString path;         // the folder written to: the family's, or the folder started in
    QStringList beneath;  // read-only under it: a school's folders, then the installed pack
    QString pack;         // the installed pack; empty when not used
    int tidied = 0;       // copies of the pack an earlier version made, taken away
    QStringList said;     // lines for stderr about folders passed over
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

// A school's folders of an edition, most important first: <site>/<edition> for the folder
// the settings name, then <dir>/zorbla/<edition> for each of the desktop's data folders
// ($XDG_DATA_DIRS) that is not itself where a Zorbla is installed (one with bin/zorbla
// beside it). Only those that exist; one that cannot be read is passed over with a line
// in *said.
QStringList siteFolders(const QString& site, const QStringList& dataDirs, const QString& edition, QStringList* said);

// A folder an earlier version filled with a copy of the whole pack keeps only what the
// family made: the files that are copies of the pack's are taken away, so that the
// pack's own, and a newer version's, are read in their place. Certain copies are those
// with the pack's bytes; a copy of an older pack's file is told by the times the copier
// gave it (see tidyCopies in workfolder.cpp). A file that may be the family's stays.
// Returns how many files were taken away.
int tidyCopies(const QString& userFolder, const QStringList& beneath);

// Decides where to work. Changes nothing but what tidyCopies takes away.
// The installed pack itself is never written to, even when started inside it.
WorkFolder chooseWorkFolder(const QString& startFolder, const QString& programDir, const QString& userFolder,
                            const QString& edition = QStringLiteral("en"), const QStringList& sites = {});

// The choice for this process and edition: the current folder, the program's folder, the
// user's data folder and the school's; makes the family's folder, changes to it, makes
// its folders those the pack is found in and says on stderr where it works.
WorkFolder enterWorkFolder(const QString& edition, const QString& siteSetting = QString(),
                           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

}  // namespace zorbla
