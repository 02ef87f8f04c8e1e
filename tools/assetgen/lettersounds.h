// The letter sounds of an edition: its table (letter_sounds.tsv beside its word table),
// each sound spoken from its phonemes and checked against what the synthesizer made, and
// the table the program reads (lettersounds.txt), with which words are sounded out.
#pragma once

#include "sound.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbla {
class WordTable;
}

namespace ag {

// How a sound is said on its own.
enum class SoundKind {
    Vowel,   // as it is
    Held,    // a sound that can be held (m, s, f...), without a vowel; a phone written
             // twice is held twice as long, and counts once in a word
    Schwa,   // a stop, or another sound that cannot stand alone (b, t, h, w...): with the
             // shortest neutral vowel after it, the last phone, which a word does not have
    Silent,  // no sound of its own (Spanish H): the phones say its name, and a word with
             // it is said whole
};

struct LetterSound {
    QString letters;    // upper case, as in the word table: "B", "Č", "SH"
    QString stem;       // a group's file stem; empty for a tile, named by its position
    int tile = -1;      // 0-25 for a tile letter
    SoundKind kind = SoundKind::Vowel;
    QStringList phonemes;           // given to the synthesizer, in its own notation
    QString ipa;                    // for people
    QList<QStringList> alsoInWords; // other phonemes that are this sound in a word's own
                                    // transcription (allophones the synthesizer writes)

    QString file() const;           // as written: "sounds\sound_of_b.wav"
    QStringList inWords() const;    // the phonemes this sound has inside a word
};

struct LetterSoundTable {
    QList<LetterSound> sounds;      // the 26 tiles in their order, then the groups
    QHash<QString, QString> saidWhole; // words the voice's transcription gets wrong, and why
};

// Reads letter_sounds.tsv; its first 26 rows must be the word table's tiles, in order.
// After a line "[said whole]", each line is a word to say whole and why.
bool loadLetterSounds(const QString &path, const zorbla::WordTable &table, LetterSoundTable *out,
                      QString *error);

// The sounds a word's letters are read with, longest group first ("TEN DUCKS": T E N D U
// CK S); empty when a letter has none.
QList<const LetterSound *> splitWord(const QString &word, const LetterSoundTable &table);

// Whether the sounds, one after another, are the word's own phonemes; lengths, when given,
// gets how many of them each sound has.
bool saysWord(const QList<const LetterSound *> &parts, const QStringList &wordPhonemes, const Speaker &speaker,
              QList<int> *lengths = nullptr);

// Speaks one letter sound as the pack has it, untrimmed: its phones as the voice made them in
// made; a stop's vowel the voice draws out is said again quicker.
Samples speakLetterSound(Speaker &speaker, const LetterSound &sound, QList<RenderedPhone> *made, QString *error);

// Speaks one letter sound into path and checks it: exactly the phones of the table, none
// swallowed, a stop's vowel at most 0.12 s, a held sound held, at most 0.6 s when trimmed.
// Returns an error, or empty.
QString makeLetterSound(Speaker &speaker, const LetterSound &sound, const QString &path);

struct WordReading {
    QString word;
    QList<const LetterSound *> parts;  // empty when said whole
};

// How each word of the table is read: sounded out only when its letters' sounds are what
// the voice says for it, and it is said as written (spoken is what the pack says when
// that differs from the word: "Christmas tree" for XMAS TREE).
QList<WordReading> readWords(Speaker &speaker, const LetterSoundTable &sounds, const QStringList &words,
                             const QStringList &spoken);

// lettersounds.txt, as files/letter_sounds.h reads it.
QByteArray letterSoundsFile(const LetterSoundTable &sounds, const QList<WordReading> &words);

// A section of docs/letter-sounds.md for the edition generated in dataDir: its sounds with
// their lengths and loudness as the pack has them, and its words sounded out.
int reportLetterSounds(const QString &assetsDir, const QString &language, const QString &dataDir);

} // namespace ag
