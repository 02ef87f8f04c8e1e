#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "activities/activity_window.h"
#include "files/wordtable.h"

class QLabel;

namespace zorbla {

class ClickLabel;
class MediaControl;

// "Missing letter": a picture and its word with one letter hidden; the child presses the
// key of the missing letter. Unlike the other games it lives for the whole run once it
// is made, keeps its own copy of the word table and plays its sounds on its own player.
class MissingLetterGame : public ActivityWindow {
    Q_OBJECT
public:
    // Which letter is hidden: the first, or one anywhere in the word.
    enum class Mode { FirstLetter = 1, AnyLetter = 2 };

    explicit MissingLetterGame(GameStart given);
    ~MissingLetterGame() override;

    // Reads text.txt into this game's table, and makes its keys on the screen where the
    // start asks for them; run once, when the game is made.
    std::optional<WordTableError> readWordTable();
    // Prepares a new opening: the list, a first word with its first letter hidden.
    void prepare();
    // The character a key gives, as one string (an empty one is no key press).
    void keyTyped(const QString& text);
    // The two buttons: a new word with its first letter hidden, or any letter.
    void newWordFirstLetter();
    void newWordAnyLetter();
    void leave() override;
    // Only hidden: the window is kept for the next opening.
    void unload() override;

    // The draws, each uniform over what it may give. In the any-letter mode an entry of
    // nothing but spaces is never drawn, unless no entry has more.
    int drawEntry(Mode mode) const;
    // A position of the word, from 1, that holds a letter; the last one included.
    static int drawPosition(const QString& word);

    // What the game is at: its list (entries numbered from 1), the entry shown, the mode,
    // the hidden position, the last key and the last sound. The list holds each letter's
    // pictures whose words the table has, in order: a letter of fewer than four words
    // has fewer pictures. A table with no word at all gives every picture, to look at.
    int entryCount() const { return int(words_.size()) - 1; }
    const QString& word(int entry) const { return words_[size_t(entry)]; }
    const QString& picture(int entry) const { return pictures_[size_t(entry)]; }
    int entry() const { return entry_; }
    Mode mode() const { return mode_; }
    int position() const { return position_; }
    QString key() const { return key_; }
    QString sound() const { return sound_; }
    // Sets the list's word of an entry, as an edited table would.
    void setWord(int entry, const QString& word) { words_[size_t(entry)] = word; }
    void showEntry(int entry, Mode mode, int position = 1);

    const WordTable& wordTable() const { return table_; }
    // The file last loaded into the picture, as written, and the word shown.
    QString shownPicture() const { return shownPicture_; }
    QString shownWord() const;
    MediaControl& player() const { return *player_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void judge(const QString& hidden);
    void playSound();
    void showPicture(const QString& file);
    void showWord(const QString& text);

    // Lists are numbered from 1; index 0 is unused.
    std::vector<QString> pictures_{QString()};
    std::vector<QString> words_{QString()};
    int entry_ = 1;
    Mode mode_ = Mode::FirstLetter;
    int position_ = 1;
    QString key_;
    QString sound_;
    QStringList letterSaid_;  // still to play after the praise

    ClickLabel* firstLetterButton_;
    ClickLabel* anyLetterButton_;
    QLabel* picture_;
    QLabel* word_;
    ClickLabel* door_;
    MediaControl* player_;
    WordTable table_;
    QString shownPicture_;
};

}  // namespace zorbla
