#pragma once

#include <QString>
#include <QStringList>

// The files of the picture and sound pack, named as the program writes them
// ("sounds\b.wav", "images\B1.gif"). The program asks for these names and the pack
// generator makes exactly these files: both take them from here.
namespace zorbla::pack {

// Letter i (A = 0, to Z = 25), picture p (1 to 4), number k (1 to 10).
QString letterSound(int i);  // the letter's name; A, B and C in small letters: "sounds\a.wav"
QString letterPicture(int i, int p);
QString letterAnimation(int i, int p);
QString letterWordSound(int i, int p);
QString numberSound(int k);
QString numberPicture(int k, int p);
QString numberAnimation(int k);  // one for all four pictures of the number
QString numberWordSound(int k, int p);
// Which of a number's pictures the counting game shows: the generator draws it without
// the number and its word, which would give the answer away.
int countingPicture(int k);
QString bear(int mood);  // the counting game's bear: 1 waits, 2 is glad, 3 is sad

// The sounds that are not words of the table, by the stem of their file name. The
// prompts are spoken by the generator from its prompt table; the two effects it makes.
QString sound(const char* stem);
inline constexpr const char alphabet[] = "alphabet";  // the title picture's sound
inline constexpr const char lowerCase[] = "lower_case";
inline constexpr const char red[] = "red";
inline constexpr const char orange[] = "orange";
inline constexpr const char blue[] = "blue";
inline constexpr const char brown[] = "brown";
inline constexpr const char green[] = "green";
inline constexpr const char yellow[] = "yellow";
inline constexpr const char colours[] = "colours";
inline constexpr const char spider[] = "spider";
inline constexpr const char star[] = "star";
inline constexpr const char ops[] = "ops";
inline constexpr const char izlaz[] = "izlaz";
inline constexpr const char pressLetter[] = "press_letter";
inline constexpr const char missingLetter[] = "missing_letter";
inline constexpr const char guessNumber[] = "guess_number";
inline constexpr const char draw[] = "draw";
inline constexpr const char writeLetter[] = "write_letter";
inline constexpr const char yesCorrect[] = "yes_correct";
inline constexpr const char noWrong[] = "no_wrong";
inline constexpr const char* kPrompts[] = {lowerCase,   red,           orange,      blue,      brown,
                                           green,       yellow,        colours,     alphabet,  spider,
                                           star,        ops,           izlaz,       pressLetter, missingLetter,
                                           guessNumber, draw,          writeLetter, yesCorrect, noWrong};
inline constexpr const char boing[] = "boing";
inline constexpr const char alphabetSong[] = "alphabet_song";

// The same picture drawn at twice the size ("images\B1@2x.gif"), beside the still
// pictures, for screens that show them larger; a parent's own picture need not have one.
QString atScale(const QString& written, int scale);

// The sound a letter stands for in reading ("b" as in bat, where letterSound says "bee"),
// for tile i by its position like the pictures ("sounds\sound_of_b.wav" whatever the
// tile's letter), and for a group of letters that makes one sound by the stem the
// edition's table gives it ("sounds\sound_of_sh.wav").
QString letterSoundOf(int i);
QString groupSoundOf(const QString& stem);
// The table of the letter sounds and of which words are sounded out, beside text.txt.
QString letterSoundTable();

// Every file of the pack, as written. The letter sounds are listed on their own: the
// voice studio offers allSounds() for recording, and a group's sounds differ by edition.
QStringList allSounds();
QStringList letterSounds();  // the 26 tiles' letterSoundOf
QStringList allPictures();
// The name of the file itself, without its folder: "b.wav".
QString fileName(const QString& written);

}  // namespace zorbla::pack
