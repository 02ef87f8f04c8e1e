#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace zorbla {

// One sound of a word sounded out: the letters it lights and the file it plays.
struct LetterSoundPart {
    QString letters;  // as the table writes them: "B", "SH"
    int start = 0;    // where they stand in the word
    int length = 0;
    QString sound;    // written as the program writes files: "sounds\sound_of_sh.wav"
};

// The pack's letter sounds (lettersounds.txt, made by the pack generator): the sound each
// tile letter and each group of letters stands for in reading, and which words of the
// word table are sounded out letter by letter, and how.
//
// The file is UTF-8, one entry a line; a line starting with '#' is a comment.
//     A<TAB>sounds\sound_of_a.wav      the 26 tile letters in the tiles' order, then
//     SH<TAB>sounds\sound_of_sh.wav    the groups of letters that make one sound
//     [words]
//     TEN DUCKS<TAB>T E N D U CK S     the letters of each sound, in order
//     APPLE<TAB>-                      said whole
class LetterSounds {
public:
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    // Reads the table at path. On failure the table is left empty and the message says
    // which file and line is wrong and why.
    std::optional<QString> read(const QString& path);

    bool isEmpty() const { return tiles_.isEmpty(); }
    // The sound of tile i (0 to 25), or empty.
    QString tileSound(int i) const;
    // The groups of letters that make one sound, as the table writes them ("SH"), in order.
    QStringList groups() const { return groups_; }
    // The sound of a letter or group as the table writes it ("SH", "sh"), or empty.
    QString soundOf(const QString& letters) const;
    // The sounds a word is sounded out with, in order; none for a word said whole and for
    // one the table does not know (a parent's own word), which is said whole as well.
    QList<LetterSoundPart> partsOf(const QString& word) const;

private:
    QStringList tiles_;
    QStringList groups_;
    QHash<QString, QString> sounds_;                 // letters, upper case -> file
    QHash<QString, QList<LetterSoundPart>> words_;   // word, upper case -> parts
};

}  // namespace zorbla
