#pragma once

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

class QTimer;

#include <array>
#include <future>
#include <memory>
#include <optional>

#include "activities/activity_window.h"
#include "files/letter_sounds.h"
#include "files/wordtable.h"
#include "main_window/first_frame.h"
#include "main_window/selection.h"

namespace zorbla {

class GifAnimation;
class ClickLabel;
class MediaControl;
class MissingLetterGame;
class FirstFrameWork;
class HoldRing;
class RecordingLight;

// The main window and hub of the program: the letter and number tiles around the central
// picture, the colours, the sound service every game uses through its GameStart, and the
// launchers of the games. It shows the Selection the child has made.
//
// Its controls are its own. Each is named (objectName) by what it is ("letterTile1",
// "picture", "dice", ...), so that tests click them as a child does; what a click does
// is also a public function here, and what the window shows can be asked.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The six colour swatches, in the order they stand: left column, then right.
    enum class Colour { Red, Yellow, Brown, Green, Blue, Orange };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence, run before the window is first shown. A word table that
    // cannot be read stops it; the caller then ends the program with the message.
    std::optional<WordTableError> load();

    // What the child can do.
    void chooseLetter(int index);  // a letter tile, 0 for the first
    void chooseNumber(int k);      // a number tile, 1 to 10
    void sayColour(Colour colour);
    void nextPicture();
    void previousPicture();
    void clickPicture();
    void keyDown(int key);
    // Reads text.txt again, as when the word editor closes: the words of the next choice
    // are the new ones.
    void readWordTableAgain();
    // The locked start for the youngest: Escape and the door end the program only when
    // held for three seconds, T opens no editor, and the desktop's close does nothing.
    void setKiosk(bool locked);
    bool kiosk() const { return kiosk_; }
    // Letter keys on the screen in the games that ask for typing: for a touch screen or a
    // whiteboard with no keyboard near it.
    void setLetterKeys(bool shown) { letterKeys_ = shown; }
    bool letterKeys() const { return letterKeys_; }

    // What a letter says where the program says one (a tile, the letter the key quiz asks
    // for): its name, as always, its sound as reading is first taught ("b" as in bat), or
    // its name and then its sound. With sounds, a click on the picture sounds its word
    // out, each letter lit as its sound plays, then says the word.
    enum class LetterSaying { Name, Sound, NameThenSound };
    void setLetterSaying(LetterSaying saying) { letterSaying_ = saying; }
    LetterSaying letterSaying() const { return letterSaying_; }
    // The letters of the word under the picture lit now, while they are sounded out.
    QString litLetters() const;

    // What the window shows.
    const Selection& selection() const { return selection_; }
    const WordTable& wordTable() const { return table_; }
    // The still picture in the middle, as its file name was written.
    QString shownPicture() const { return shownPicture_; }
    // The word last shown under the picture (clicked), whether or not it is on show now.
    QString shownWord() const { return shownWord_; }
    // A recording was made with RECORD and not yet kept with S or dropped.
    bool recordingMade() const { return recordingMade_; }
    // The media control under the picture, which plays every sound of the window.
    MediaControl& mediaControl() const { return *mediaControl_; }
    // The window's origin: the top-left corner of the central picture, in design units.
    QPointF origin() const { return QPointF(x0_, y0_); }
    // How many times the design's size everything is drawn at (1 on 1024 x 768).
    double scale() const { return s_; }
    bool ended() const { return ended_; }
    // The missing-letter game: made at its first opening, kept for the whole run.
    MissingLetterGame* missingLetterGame() const { return missingLetterGame_; }
    // What a game opened now is given.
    GameStart gameStart();
    // The edition's tile letters, in the word table's order; a tile left empty is none.
    QStringList tileLetters() const;
    // The tile that shows this capital letter, or -1.
    int tileOf(const QString& capital) const;

signals:
    // The exit button or Escape asked the program to end at once.
    void programEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectLaunchers();  // launchers.cpp
    void layoutControls();
    void place(QWidget* control, double dx, double dy);

    // choosing.cpp: the selection on show.
    void choose(const Selection& chosen);
    void showPictureNumber(int k);
    void showPicture(const QString& file);
    void sayLowerCase();
    void sayColours();
    void playDecoration(GifAnimation* animation, const QString& sound);

    // speech.cpp: the sound service. Each plays a sound and sets the small letter and
    // the word under the picture: shown and hidden, both hidden, or left as they are.
    void speakLetter(const QString& sound);
    void speakNumber(const QString& sound);
    void speakColour(const QString& sound);
    void play(const QString& sound, const char* playCommand = "Play");
    // Sounds played one after another once the one playing now has ended, each lighting
    // the letters of the word under the picture from lit for litLength (none at -1). Any
    // other sound asked for cuts them off.
    struct Turn {
        QString sound;
        int lit = -1;
        int litLength = 0;
    };
    void thenPlay(const QList<Turn>& turns);
    void playInTurns(const QList<Turn>& turns, const char* playCommand = "Play");
    void nextTurn();
    void waitForTurn();
    void lightLetters(int start, int length);
    // A tile's letter as letterSaying_ says it: the first sound, and those that follow.
    QList<Turn> letterSaid(int index) const;
    void sayLetter(int index, bool asPrompt);

    // launchers.cpp: the games.
    void openCountingGame();
    void openDrawingBoard();
    void openLetterPad();
    void openKeyQuiz();
    void openMissingLetterGame();
    void openWordQuiz();
    void openGame(ActivityWindow* game);
    void activateGame(QWidget* game);
    void gameDone(Ending how);
    void takeBack(ActivityWindow* game, Ending how);
    QWidget* openGameWindow() const;

    void clickSky();
    void leaveByDoor();
    void closeMedia();
    void endProgram();
    bool holdToLeave(QObject* watched, QEvent* event);

    WordTable table_;
    LetterSounds letterSounds_;
    LetterSaying letterSaying_ = LetterSaying::Name;
    QList<Turn> turns_;
    QTimer* turnTimer_ = nullptr;
    bool waitingForEnd_ = false;
    int lit_ = -1, litLength_ = 0;
    Selection selection_ = startingSelection();
    QString shownPicture_;
    QString shownWord_;
    bool recordingMade_ = false;
    double x0_ = 0, y0_ = 0;
    double s_ = 1;
    double deviceScale_ = 1;  // s_ times the screen's pixel ratio: how large pictures are drawn
    QSize screen_;
    QImage background_;    // drawn at backgroundFor_
    BackgroundPicture backgroundFor_;
    QSize backgroundPixels_;  // the screen's size in pixels it was chosen for
    std::unique_ptr<FirstFrameWork> firstFrame_;  // until the first frame is out
    std::future<void> keeping_;  // the background being kept for the next start
    std::future<void> scalingAhead_;  // pictures being scaled for the first frame
    bool backgroundPressed_ = false;
    bool ended_ = false;
    bool kiosk_ = false;
    bool letterKeys_ = false;
    HoldRing* holdRing_ = nullptr;  // made for the locked start
    RecordingLight* recordingLight_ = nullptr;
    MissingLetterGame* missingLetterGame_ = nullptr;
    const QEvent* lastKey_ = nullptr;  // compared, never followed
    QPointer<QWidget> lastKeyTarget_;

    // The controls, lowest first.
    ClickLabel* wordBar_;
    ClickLabel* picture_;
    std::array<ClickLabel*, 4> frame_;  // top, left, bottom, right of the picture
    GifAnimation* pictureAnimation_;
    std::array<ClickLabel*, 26> letterTileBacks_;
    std::array<ClickLabel*, 10> numberTileBacks_;
    std::array<ClickLabel*, 26> letterTiles_;
    std::array<ClickLabel*, 10> numberTiles_;  // 1 to 10 at indexes 0 to 9
    ClickLabel* previousArrow_;
    ClickLabel* nextArrow_;
    ClickLabel* pictureNumberLabel_;
    ClickLabel* word_;       // the word under the picture
    ClickLabel* bigLetter_;  // the capital on its card, which opens the key quiz
    ClickLabel* smallLetter_;
    ClickLabel* easel_;
    ClickLabel* coloursLabel_;
    std::array<ClickLabel*, 6> swatches_;  // by Colour
    ClickLabel* door_;
    ClickLabel* dice_;
    ClickLabel* letterPadLauncher_;
    ClickLabel* guessButton_;
    MediaControl* mediaControl_;
    std::array<ClickLabel*, 3> mediaCaptions_;  // RECORD, STOP, SPEAK
    GifAnimation* alphabetBlocks_;
    GifAnimation* spider_;
    GifAnimation* star_;
};

}  // namespace zorbla
