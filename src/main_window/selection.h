#pragma once

#include <QString>

#include <array>

namespace zorbla {

class WordTable;

// What the child has chosen: a letter or a number, with its four pictures and their
// words, animations and sounds, and which of the four is on show. The main window shows
// it; it is made from the word table and the pack's names alone.
struct Selection {
    QString letter;        // the capital on the big card; a number leaves it as it was
    QString sound;         // said when it is chosen ("sounds\b.wav", "sounds\3.wav")
    QString smallLetter;   // a letter's small form; empty for a number
    std::array<QString, 4> words;
    std::array<QString, 4> pictures;    // the still pictures, as written
    std::array<QString, 4> animations;  // played over them when one is clicked
    std::array<QString, 4> sounds;      // the words, spoken
    int pictureNumber = 1;              // the one on show, 1 to 4

    size_t shown() const { return size_t(pictureNumber - 1); }
};

// Before anything is chosen: the letter A, and the title picture, which says the
// alphabet and shows the program's name.
Selection startingSelection();

// The letter of tile `index` (0 is the first) of the table, on its first picture.
Selection letterSelection(const WordTable& table, int index);

// The number k (1 to 10), on its first picture; the big card keeps `letter`.
Selection numberSelection(const WordTable& table, int k, const QString& letter);

}  // namespace zorbla
