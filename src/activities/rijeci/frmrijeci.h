#pragma once

#include <QString>

#include <array>
#include <optional>

#include "activities/activity_window.h"
#include "files/wordtable.h"

class QLabel;

namespace zorbla {

class ClickLabel;
class MMControl;

// "Missing letter": a picture and its word with one letter hidden; the child presses the
// key of the missing letter. Unlike the other games it lives for the whole run once it
// is made, keeps its own copy of the word table and plays its sounds on its own player.
class frmRijeci : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr int kBrojSlika = 102;  // four pictures a letter, but X has two

    explicit frmRijeci(GameStart given);
    ~frmRijeci() override;

    // Reads text.txt into this window's table; run once, when the window is made.
    std::optional<WordTableError> Form_Initialize();
    // Prepares a new opening: the list, a first word with its first letter hidden.
    void Form_Load();
    // The character a key gives, as one string (an empty one is no key press).
    void Form_KeyPress(const QString& znak);
    void imgButton1_Click();
    void imgButton2_Click();
    void imgIzlaz_Click() override;
    // Only hidden: the window is kept for the next opening.
    void unload() override;

    void prvo_slovo();
    void bilo_koje();

    // Window-level state. Lists are numbered 1 to 102; index 0 is unused.
    std::array<QString, kBrojSlika + 1> popis_slika;
    std::array<QString, kBrojSlika + 1> popis_rijeci;
    int izbor = 1;
    int nacin = 1;
    int pozicija = 1;
    QString tipka;
    QString zvuk;

    const WordTable& tablica() const { return tablica_; }
    // The file last loaded into img1, as written.
    QString shownPicture() const { return shownPicture_; }

    // Controls.
    ClickLabel* imgButton1;
    ClickLabel* imgButton2;
    QLabel* img1;
    QLabel* lblRijec;
    ClickLabel* imgIzlaz;
    MMControl* MMControl1;

    // The draws, each uniform over what it may give. An entry with no word is never
    // drawn, nor in mode 2 one with nothing but spaces, unless no entry has a word.
    int izvuci_izbor(int nacin) const;
    // A position of the word, from 1, that holds a letter; the last one included.
    static int izvuci_poziciju(const QString& rijec);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void pusti_zvuk();
    void showPicture(const QString& file);
    void showWord(const QString& text);

    WordTable tablica_;
    QString shownPicture_;
};

}  // namespace zorbla
