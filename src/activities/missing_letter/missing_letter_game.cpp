#include "activities/missing_letter/missing_letter_game.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include <vector>

#include "activities/quiz_window.h"
#include "files/pack.h"
#include "pictures/sharper.h"
#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "sound/media_control.h"
#include "placement/keep_above.h"
#include "activities/chance.h"
#include "files/paths.h"

namespace zorbla {

namespace {

bool hasCharacter(const QString& word) {
    for (QChar c : word)
        if (!c.isSpace())
            return true;
    return false;
}

}  // namespace

MissingLetterGame::MissingLetterGame(GameStart given) : ActivityWindow(std::move(given)) {
    setWindowTitle(tr("Missing letter"));
    setFixedSize(531, 502);
    move(screen()->availableGeometry().center() - rect().center());
    // Every key comes to the window itself: none of its controls takes the focus.
    setFocusPolicy(Qt::StrongFocus);
    createControls();
}

// Stopping a sound lets the sound system run pending events, so it is done while the
// window is still whole rather than among its children's destruction.
MissingLetterGame::~MissingLetterGame() { player_->device().shutdown(); }

// The word on the faces of the two buttons, drawn by the pack generator in each
// edition's language from this translation.
[[maybe_unused]] constexpr const char* kButtonWord = QT_TRANSLATE_NOOP("PictureButtons", "PICTURE");

void MissingLetterGame::createControls() {
    const QCursor smiley = pointer(Pointer::Smiley);
    auto button = [&](const char* name, const QString& face, int top) {
        ClickLabel* b = new ClickLabel(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(8, top, 90, 40);
        b->setScaledContents(true);
        setDesignPicture(b, face);
        b->setCursor(smiley);
        return b;
    };
    firstLetterButton_ = button("firstLetterButton", inProgramLanguage(QStringLiteral(":/design/button_first")), 16);
    firstLetterButton_->setAccessibleName(tr("New picture, first letter missing"));
    connect(firstLetterButton_, &ClickLabel::clicked, this, &MissingLetterGame::newWordFirstLetter);
    anyLetterButton_ = button("anyLetterButton", inProgramLanguage(QStringLiteral(":/design/button_any")), 72);
    anyLetterButton_->setAccessibleName(tr("New picture, any letter missing"));
    connect(anyLetterButton_, &ClickLabel::clicked, this, &MissingLetterGame::newWordAnyLetter);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setGeometry(121, 18, 400, 400);
    picture_->setScaledContents(true);
    picture_->setStyleSheet(QStringLiteral("background: white;"));

    word_ = new QLabel(this);
    word_->setObjectName(QStringLiteral("word"));
    word_->setGeometry(120, 432, 401, 41);
    word_->setAlignment(Qt::AlignCenter);
    word_->setFont(childFont(30, true));

    door_ = exitDoor(this, {8, 456});
    connect(door_, &ClickLabel::clicked, this, &MissingLetterGame::leave);

    player_ = new MediaControl(this);
    player_->setObjectName(QStringLiteral("player"));
    player_->hide();
    // After the praise, the letter that was found, where letters say their sounds.
    connect(player_, &MediaControl::playbackFinished, this, [this] {
        if (!letterSaid_.isEmpty()) {
            sound_ = letterSaid_.takeFirst();
            const QStringList rest = letterSaid_;
            playSound();
            letterSaid_ = rest;
        }
    });

    for (QWidget* w : findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
}

// The keys on the screen, where asked for, are read from the table too: after the
// tiles, any other letter its words hide (a word of a letter group).
std::optional<WordTableError> MissingLetterGame::readWordTable() {
    auto error = WordTableReader::read(table_);
    if (error)
        return error;
    QString letters;
    for (int letter = 1; letter <= 26; ++letter)
        for (int n = 1; n <= 4; ++n)
            for (const QChar c : table_.cell(letter, n))
                if (c.isLetter())
                    letters += c.toUpper();
    addLetterKeys(letters);
    return error;
}

void MissingLetterGame::prepare() {
    keepAbove(*this);
    // A letter has as many pictures as the table has words for it, whatever its letter.
    pictures_.resize(1);
    words_.resize(1);
    for (const bool wordsOnly : {true, false}) {
        for (int letter = 0; letter < 26; ++letter)
            for (int n = 1; n <= 4; ++n)
                if (!wordsOnly || !table_.cell(letter + 1, n).isEmpty()) {
                    pictures_.push_back(pack::letterPicture(letter, n));
                    words_.push_back(table_.cell(letter + 1, n));
                }
        if (entryCount() > 0)
            break;
    }
    showEntry(drawEntry(Mode::FirstLetter), Mode::FirstLetter);
}

int MissingLetterGame::drawEntry(Mode mode) const {
    std::vector<int> possible;
    for (int k = 1; k <= entryCount(); ++k) {
        const QString& word = words_[size_t(k)];
        if (mode == Mode::FirstLetter ? !word.isEmpty() : hasCharacter(word))
            possible.push_back(k);
    }
    // With no word at all there is still a picture to look at; every key is then wrong.
    if (possible.empty())
        return randomBelow(entryCount()) + 1;
    return possible[size_t(randomBelow(int(possible.size())))];
}

int MissingLetterGame::drawPosition(const QString& word) {
    std::vector<int> letters, characters;
    for (int i = 0; i < word.size(); ++i) {
        if (word[i].isLetter())
            letters.push_back(i + 1);
        if (!word[i].isSpace())
            characters.push_back(i + 1);
    }
    // A word without letters (a number) still hides one of its characters, never a gap.
    const std::vector<int>& possible = letters.empty() ? characters : letters;
    if (possible.empty())
        return 1;
    return possible[size_t(randomBelow(int(possible.size())))];
}

void MissingLetterGame::showEntry(int entry, Mode mode, int position) {
    entry_ = entry;
    mode_ = mode;
    position_ = position;
    const QString& word = words_[size_t(entry)];
    showPicture(pictures_[size_t(entry)]);
    if (mode == Mode::FirstLetter)
        showWord(QStringLiteral("_") + word.mid(1));
    else
        showWord(word.left(position - 1) + QStringLiteral("_") + word.mid(position));
}

void MissingLetterGame::newWordFirstLetter() {
    sound_ = pack::sound(pack::boing);
    playSound();
    showEntry(drawEntry(Mode::FirstLetter), Mode::FirstLetter);
}

void MissingLetterGame::newWordAnyLetter() {
    sound_ = pack::sound(pack::boing);
    playSound();
    const int entry = drawEntry(Mode::AnyLetter);
    showEntry(entry, Mode::AnyLetter, drawPosition(words_[size_t(entry)]));
}

void MissingLetterGame::keyTyped(const QString& text) {
    if (text.isEmpty())
        return;
    key_ = text.left(1);
    const QString& word = words_[size_t(entry_)];
    judge(mode_ == Mode::FirstLetter ? word.left(1) : word.mid(position_ - 1, 1));
}

// The stored word is never changed: a word kept in small letters cannot be guessed.
void MissingLetterGame::judge(const QString& hidden) {
    const bool right = !hidden.isEmpty() && hidden == key_.toUpper();
    if (right) {
        sound_ = pack::sound(pack::yesCorrect);
        showWord(words_[size_t(entry_)]);
    } else {
        sound_ = pack::sound(pack::noWrong);
    }
    playSound();
    // Queued once the praise has begun: cutting off what played before ends nothing here.
    if (right && start().letterSounds)
        letterSaid_ = start().letterSounds(hidden);
}

void MissingLetterGame::playSound() {
    letterSaid_.clear();  // a sound played cuts off the letter still to come
    player_->setCommand(QStringLiteral("Close"));
    player_->setDeviceType(QStringLiteral("WaveAudio"));
    player_->setFileName(sound_);
    player_->setCommand(QStringLiteral("Open"));
    player_->setCommand(QStringLiteral("Play"));
}

// The window is hidden, not deleted: it keeps its table and its player, which plays the
// exit sound itself, to its end.
void MissingLetterGame::leave() {
    emit done(Ending::Quiet);
    sound_ = pack::sound(pack::izlaz);
    playSound();
}

void MissingLetterGame::unload() { hide(); }

bool MissingLetterGame::event(QEvent* e) {
    // Taken before the widget's own handling, so Tab too is a key and not a focus move.
    if (e->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(e)->text();
        if (!text.isEmpty()) {
            keyTyped(text);
            return true;
        }
    }
    return ActivityWindow::event(e);
}

void MissingLetterGame::closeEvent(QCloseEvent* e) {
    if (isVisible())
        leave();
    e->accept();
}

void MissingLetterGame::showPicture(const QString& file) {
    const QPixmap picture = readSharperPixmap(resolvePath(file), start().scale * devicePixelRatioF());
    if (picture.isNull())
        picture_->clear();  // an empty white box rather than an error before a child
    else
        picture_->setPixmap(picture);  // as it is: the pack's pictures carry no word
    shownPicture_ = file;
}

void MissingLetterGame::showWord(const QString& text) { fitText(word_, text, 30, true); }

QString MissingLetterGame::shownWord() const { return word_->text(); }

}  // namespace zorbla
