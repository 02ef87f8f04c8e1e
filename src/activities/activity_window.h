#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

#include "activities/letter_keys.h"

namespace zorbla {

// How the main window plays a game's sound: as it plays a number's, hiding the small
// letter and the word under the picture, or as it plays a colour's, leaving them.
enum class Speech { HidesLabels, KeepsLabels };

// How a game ends: through its door, with the exit sound, or quietly (after a right
// answer, whose praise is still playing, or with a sound of its own).
enum class Ending { ExitSound, Quiet };

// All a game is given of the main window, when it opens.
struct GameStart {
    QWidget* owner = nullptr;  // the window the game stays above
    QString letter;            // the current capital letter, or the one to find
    QString word;              // the word under the picture
    QStringList letters;       // the edition's tile letters, in the word table's order
    bool letterKeys = false;   // keys on the screen to type with, for hands without a keyboard
    double scale = 1;          // how many times its design size the game is drawn
    std::function<void(const QString& sound, Speech how)> say;
    // The sounds that say a capital letter where a parent chose its sound in reading (its
    // sound, or its name and then its sound); none where letters say their names.
    std::function<QStringList(const QString& capital)> letterSounds;
};

// A game or tool window opened from the main window. It is a new object at each opening
// and is deleted when it is unloaded. It says when it is done; the main window then takes
// it back. Closing it through the window system (its title bar, Alt+F4) runs the same
// steps as its own exit button, so the main window is never left disabled behind it.
class ActivityWindow : public QWidget {
    Q_OBJECT
public:
    explicit ActivityWindow(GameStart given);

    const GameStart& start() const { return start_; }
    bool isUnloaded() const { return unloaded_; }

    // Takes the window off the screen: hidden, and deleted once the current event is done.
    virtual void unload();

    // A key of the keyboard, or one on the screen: its key event goes where the
    // keyboard's would, so both are handled alike. The window itself takes it here.
    virtual void typeKey(int code, const QString& text);

signals:
    void done(zorbla::Ending how);

protected:
    // Asks the main window to play a sound.
    void say(const QString& sound, Speech how = Speech::HidesLabels) const;
    // The window's own way out (its door), run also when the window system closes it.
    virtual void leave() = 0;
    void closeEvent(QCloseEvent* event) override;
    // The first time the window is shown it is made as large as the main window's scale.
    void showEvent(QShowEvent* event) override;
    // Where the start asks for them, the edition's letters as keys under the window's own
    // controls, then a key for each other character of `alsoTyped` that no tile has (a
    // space, Ä, Đ), then the keys given; the window grows to hold them and stays in the
    // middle of the screen. Call it once the controls are made, before it is shown.
    void addLetterKeys(const QString& alsoTyped = QString(), const QList<LetterKeys::Key>& after = {});

private:
    GameStart start_;
    bool unloaded_ = false;
    bool scaled_ = false;
};

}  // namespace zorbla
