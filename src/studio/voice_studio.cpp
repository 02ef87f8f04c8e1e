#include "studio/voice_studio.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

#include "files/letter_sounds.h"
#include "files/originals.h"
#include "files/settings.h"
#include "files/pack.h"
#include "files/paths.h"
#include "files/wordtable.h"
#include "sound/level.h"
#include "widgets/look.h"

namespace zorbla {

namespace {

// Where a take is held while it is heard: a name of the working folder that is never
// written, as only the take's samples are used.
const char kTakeName[] = "sounds\\.voice-studio-take.wav";

struct Entry {
    QString sound;    // as written
    QString text;     // what the row says
    QString picture;  // as written; empty when the sound has none
};

// Every sound of the pack with its word, in the order a child meets them; each letter's
// sound (as reading is first taught) after its name, where the pack has them.
QList<Entry> entries(const WordTable& table, const LetterSounds& sounds) {
    QList<Entry> list;
    for (int i = 0; i < 26; ++i) {
        const QString letter = table.capitalLetter(i);
        list << Entry{pack::letterSound(i), VoiceStudio::tr("Letter %1").arg(letter), pack::letterPicture(i, 1)};
        if (!sounds.tileSound(i).isEmpty())
            list << Entry{sounds.tileSound(i), VoiceStudio::tr("Letter %1, its sound").arg(letter),
                          pack::letterPicture(i, 1)};
        for (int p = 1; p <= 4; ++p)
            list << Entry{pack::letterWordSound(i, p), QStringLiteral("%1 - %2").arg(letter, table.cell(1 + i, p)),
                          pack::letterPicture(i, p)};
    }
    for (int k = 1; k <= 10; ++k) {
        list << Entry{pack::numberSound(k), VoiceStudio::tr("Number %1").arg(k), pack::numberPicture(k, 1)};
        for (int p = 1; p <= 4; ++p)
            list << Entry{pack::numberWordSound(k, p), QStringLiteral("%1 - %2").arg(k).arg(table.cell(30 + k, p)),
                          pack::numberPicture(k, p)};
    }
    const QHash<QString, QString> said = {
        {QStringLiteral("lower_case"), VoiceStudio::tr("\"small letter\", before a small letter")},
        {QStringLiteral("colours"), VoiceStudio::tr("the word COLOURS")},
        {QStringLiteral("alphabet"), VoiceStudio::tr("the title picture")},
        {QStringLiteral("spider"), VoiceStudio::tr("the spider")},
        {QStringLiteral("star"), VoiceStudio::tr("the star")},
        {QStringLiteral("ops"), VoiceStudio::tr("a click on the sky")},
        {QStringLiteral("izlaz"), VoiceStudio::tr("goodbye, at the door")},
        {QStringLiteral("press_letter"), VoiceStudio::tr("the letter game: press this letter")},
        {QStringLiteral("missing_letter"), VoiceStudio::tr("the guessing game: which letter is missing")},
        {QStringLiteral("guess_number"), VoiceStudio::tr("the counting game: how many")},
        {QStringLiteral("draw"), VoiceStudio::tr("the drawing board")},
        {QStringLiteral("write_letter"), VoiceStudio::tr("the letter pad")},
        {QStringLiteral("yes_correct"), VoiceStudio::tr("a right answer")},
        {QStringLiteral("no_wrong"), VoiceStudio::tr("a wrong answer")},
        {QStringLiteral("alphabet_song"), VoiceStudio::tr("the alphabet blocks' song")},
        {QStringLiteral("boing"), VoiceStudio::tr("the boing")},
        {QLatin1String(pack::red), VoiceStudio::tr("the colour red")},
        {QLatin1String(pack::orange), VoiceStudio::tr("the colour orange")},
        {QLatin1String(pack::blue), VoiceStudio::tr("the colour blue")},
        {QLatin1String(pack::brown), VoiceStudio::tr("the colour brown")},
        {QLatin1String(pack::green), VoiceStudio::tr("the colour green")},
        {QLatin1String(pack::yellow), VoiceStudio::tr("the colour yellow")}};
    for (const QString& group : sounds.groups())
        list << Entry{sounds.soundOf(group), VoiceStudio::tr("%1, their sound").arg(group), QString()};
    QStringList others;
    for (const char* stem : pack::kPrompts)
        others << QLatin1String(stem);
    others << QLatin1String(pack::alphabetSong) << QLatin1String(pack::boing);
    for (const QString& stem : others)
        list << Entry{pack::sound(stem.toLatin1().constData()), said.value(stem, stem),
                      QString()};
    return list;
}

level::Samples mono(const Sound& s) {
    if (s.channels <= 1)
        return s.samples;
    level::Samples out(size_t(s.frames()));
    for (size_t f = 0; f < out.size(); ++f) {
        int sum = 0;
        for (int c = 0; c < s.channels; ++c)
            sum += s.samples[f * size_t(s.channels) + size_t(c)];
        out[f] = qint16(sum / s.channels);
    }
    return out;
}

int peakOf(const level::Samples& s, size_t from = 0) {
    int peak = 0;
    for (size_t i = from; i < s.size(); ++i)
        peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}

}  // namespace

VoiceStudio::VoiceStudio(QWidget* parent) : QWidget(parent) {
    setWindowTitle(tr("Zorbla - Voices"));
    // On a netbook's short screen the picture is smaller and the window fits the screen
    // (40 pixels are left for its title bar).
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(0, 40) : size();
    resize(QSize(940, 660).boundedTo(room));
    const int side = std::clamp(room.height() - 240, 120, 300);
    list = new QListWidget(this);
    list->setMinimumWidth(330);
    list->setFont(childFont(16, false));
    picture = new QLabel(this);
    picture->setFixedSize(side, side);
    picture->setScaledContents(true);
    word = new QLabel(this);
    word->setFont(childFont(34));
    word->setAlignment(Qt::AlignCenter);
    word->setWordWrap(true);
    light = new QLabel(tr("RECORDING"), this);
    light->setObjectName(QStringLiteral("recordingLight"));
    light->setAlignment(Qt::AlignCenter);
    light->setFont(childFont(26));
    light->setStyleSheet(QStringLiteral("background: #e61e1e; color: white; border-radius: 14px; padding: 10px;"));
    light->hide();
    meter = new QProgressBar(this);
    meter->setRange(0, 100);
    meter->setTextVisible(false);
    meter->setFixedHeight(18);
    message = new QLabel(this);
    message->setWordWrap(true);
    message->setFont(childFont(18, false));
    auto* keys = new QLabel(tr("Space: record, and Space again to stop. The take plays back at once.\n"
                                           "Enter: keep it in place of the sound.  Escape: throw it away.\n"
                                           "Up and Down: the next sound.  R: put the pack's sound back."),
                            this);
    keys->setStyleSheet(QStringLiteral("color: #555;"));
    saying = new QComboBox(this);
    saying->setObjectName(QStringLiteral("letterSaying"));
    saying->setFocusPolicy(Qt::NoFocus);  // the keys stay with the list
    saying->addItem(tr("A letter says its name"), QStringLiteral("names"));
    saying->addItem(tr("A letter says its sound, and words are sounded out"), QStringLiteral("sounds"));
    saying->addItem(tr("A letter says its name, then its sound"), QStringLiteral("both"));
    saying->setAccessibleName(tr("What a letter says"));
    restoreButton = new QPushButton(tr("Put this sound back"), this);
    restoreAllButton = new QPushButton(tr("Put all sounds back..."), this);
    for (QPushButton* b : {restoreButton, restoreAllButton})
        b->setFocusPolicy(Qt::NoFocus);  // the keys stay with the list

    auto* right = new QVBoxLayout;
    right->addWidget(picture, 0, Qt::AlignHCenter);
    right->addWidget(word);
    right->addWidget(light);
    right->addWidget(meter);
    right->addWidget(message, 1);
    right->addWidget(keys);
    right->addWidget(saying);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restoreButton);
    buttons->addWidget(restoreAllButton);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(right, 1);

    connect(list, &QListWidget::currentRowChanged, this, [this] { showSelected(); });
    showLetterSaying();
    connect(saying, &QComboBox::activated, this, [this] { chooseLetterSaying(); });
    connect(restoreButton, &QPushButton::clicked, this, &VoiceStudio::restoreSelected);
    connect(restoreAllButton, &QPushButton::clicked, this, &VoiceStudio::restoreAll);
    list->installEventFilter(this);
    // A take the sound server cut short is thrown away, whether it went in the middle or
    // just before Space.
    connect(&take_, &WavDevice::recordingStopped, this, [this] {
        if (stage_ == Stage::Recording && take_.problem() == SoundProblem::ServerGone) {
            setStage(Stage::Choosing);
            refuseTake(tr("The sound server went away during the take, so it was thrown away and the "
                                      "sound stays as it was. Press Space to record again when sound is back."));
        }
    });
    meterTick_.setInterval(40);
    connect(&meterTick_, &QTimer::timeout, this, [this] {
        const level::Samples& s = take_.sound().samples;
        const size_t recent = std::min<size_t>(s.size(), 2048);
        meter->setValue(peakOf(s, s.size() - recent) * 100 / 32767);
    });
}

VoiceStudio::~VoiceStudio() { take_.shutdown(); }

// The user's choice, or the machine's, which may hold it.
void VoiceStudio::showLetterSaying() {
    const Settings settings = Settings::ofThisUser();
    saying->setCurrentIndex(std::max(0, saying->findData(settings.choice(Settings::kLetters, Settings::letterSayings()))));
    const bool locked = settings.isLocked(Settings::kLetters);
    saying->setEnabled(!locked);
    saying->setToolTip(locked ? tr("Set for the whole computer in %1").arg(settings.fileOf(Settings::kLetters))
                              : QString());
}

void VoiceStudio::chooseLetterSaying() {
    Settings settings = Settings::ofThisUser();
    QString error;
    if (!settings.setUserValue(Settings::kLetters, saying->currentData().toString(), &error)) {
        say(tr("The choice could not be kept: %1").arg(error), true);
        showLetterSaying();
        return;
    }
    say(tr("Kept: Zorbla's letters speak so from its next start."));
}

std::optional<QString> VoiceStudio::load() {
    WordTable table;
    if (auto error = WordTableReader::read(table))
        return error->message();
    list->clear();
    sounds_.clear();
    LetterSounds sounds;
    const QString soundsFile = resolvePath(pack::letterSoundTable());
    if (QFileInfo::exists(soundsFile))
        sounds.read(soundsFile);  // without it the letters have their names only
    for (const Entry& e : entries(table, sounds)) {
        auto* item = new QListWidgetItem(e.text, list);
        item->setData(Qt::UserRole, e.picture);
        sounds_ << e.sound;
        markOwn(int(sounds_.size()) - 1);
    }
    select(0);
    list->setFocus();
    say(tr("Choose a sound and press Space to record your own voice for it."));
    return std::nullopt;
}

QString VoiceStudio::selectedSound() const {
    const int row = list->currentRow();
    return row >= 0 && row < sounds_.size() ? sounds_[row] : QString();
}

void VoiceStudio::select(int row) {
    list->setCurrentRow(row);
    showSelected();
}

void VoiceStudio::showSelected() {
    const QListWidgetItem* item = list->currentItem();
    if (!item)
        return;
    if (stage_ != Stage::Choosing)
        throwAway();
    const QString file = item->data(Qt::UserRole).toString();
    const QPixmap pix = file.isEmpty() ? QPixmap() : QPixmap(resolvePath(file));
    picture->setPixmap(pix);
    picture->setVisible(!pix.isNull());
    word->setText(item->text().section(tr(" (family's voice)"), 0, 0));
    restoreButton->setEnabled(originals::isReplaced(selectedSound()));
}

void VoiceStudio::markOwn(int row) {
    QListWidgetItem* item = list->item(row);
    const bool own = originals::isReplaced(sounds_[row]);
    const QString base = item->text().section(tr(" (family's voice)"), 0, 0);
    item->setText(own ? base + tr(" (family's voice)") : base);
    QFont f = item->font();
    f.setBold(own);
    item->setFont(f);
}

bool VoiceStudio::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat() && key->key() != Qt::Key_Up && key->key() != Qt::Key_Down)
        return true;
    switch (key->key()) {
    case Qt::Key_Space:
        if (stage_ == Stage::Recording)
            stopRecording();
        else
            startRecording();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (stage_ == Stage::Listening)
            keepTake();
        return true;
    case Qt::Key_Escape:
        throwAway();
        return true;
    case Qt::Key_R:
        restoreSelected();
        return true;
    default:
        return false;  // the arrows and the rest go to the list
    }
}

void VoiceStudio::setStage(Stage stage) {
    stage_ = stage;
    light->setVisible(stage == Stage::Recording);
    if (stage == Stage::Recording) {
        meterTick_.start();
    } else {
        meterTick_.stop();
        meter->setValue(0);
    }
}

void VoiceStudio::startRecording() {
    if (selectedSound().isEmpty())
        return;
    if (stage_ != Stage::Choosing)
        throwAway();
    QFile::remove(ownPath(QString::fromLatin1(kTakeName)));
    take_.open(QString::fromLatin1(kTakeName));
    take_.record();
    if (!take_.isRecording()) {
        if (take_.problem() == SoundProblem::NoMicrophone)
            refuseTake(tr("There is no microphone. Plug one in, or choose it in the desktop's sound "
                                      "settings, and press Space again. No sound was changed."));
        else
            refuseTake(tr("Nothing can be recorded: there is no sound server. No sound was changed. "
                                      "Press Space again once the computer's sound works."));
        return;
    }
    setStage(Stage::Recording);
    say(tr("Recording... say the word now, then press Space."));
}

// A take that cannot be used goes, and the parent is told why.
void VoiceStudio::refuseTake(const QString& why) {
    take_.close();
    say(why, true);
}

void VoiceStudio::stopRecording() {
    take_.stop();
    if (stage_ != Stage::Recording)
        return;  // the take was cut short, and the parent told so
    setStage(Stage::Choosing);
    const level::Samples s = mono(take_.sound());
    const int peak = peakOf(s);
    const auto clipped = std::count_if(s.begin(), s.end(), [](qint16 v) { return std::abs(int(v)) >= kClipped; });
    if (peak < kHeard) {
        refuseTake(tr("Nothing was heard. Speak a little closer to the microphone and press Space again."));
        return;
    }
    if (clipped > qsizetype(s.size() / 1000)) {
        refuseTake(tr("That was too loud: the sound was cut off. Speak a little further from the "
                                  "microphone and press Space again."));
        return;
    }
    setStage(Stage::Listening);
    take_.rewind();
    take_.play();
    say(tr("Listen. Enter keeps it in place of the sound, Escape throws it away."));
}

void VoiceStudio::keepTake() {
    const Sound& raw = take_.sound();
    level::Samples s = level::trimSilence(mono(raw), raw.sampleRate);
    level::toPackLoudness(&s, raw.sampleRate);
    Sound kept;
    kept.sampleRate = raw.sampleRate;
    kept.channels = 1;
    kept.samples = s;
    take_.close();
    setStage(Stage::Choosing);
    const int row = list->currentRow();
    const QString target = ownPath(sounds_[row]);
    QString error;
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!originals::keep(sounds_[row], &error) || !writeWav(target, kept, &error)) {
        say(tr("The take could not be kept, and the sound stays as it was: %1").arg(error), true);
        return;
    }
    markOwn(row);
    emit takeKept(sounds_[row]);
    say(tr("Kept: \"%1\" now speaks with your voice.").arg(word->text()));
    if (row + 1 < list->count())
        select(row + 1);
}

void VoiceStudio::throwAway() {
    if (stage_ == Stage::Choosing)
        return;
    take_.stop();
    take_.close();
    setStage(Stage::Choosing);
    say(tr("Thrown away: the sound stays as it was."));
}

void VoiceStudio::restoreSelected() {
    const int row = list->currentRow();
    if (row < 0 || stage_ != Stage::Choosing)
        return;
    if (!originals::isReplaced(sounds_[row])) {
        say(tr("This sound is still the pack's own."));
        return;
    }
    QString error;
    if (!originals::restore(sounds_[row], &error)) {
        say(tr("The pack's sound could not be put back: %1").arg(error), true);
        return;
    }
    markOwn(row);
    showSelected();
    say(tr("The pack's sound is back."));
}

void VoiceStudio::restoreAll() {
    if (stage_ != Stage::Choosing)
        return;
    int own = 0;
    for (const QString& s : sounds_)
        own += originals::isReplaced(s);
    if (own == 0) {
        say(tr("Every sound is still the pack's own."));
        return;
    }
    if (QMessageBox::question(this, tr("Zorbla - Voices"),
                              tr("Put back the pack's own sound in place of all %1 recorded by the family?")
                                  .arg(own)) != QMessageBox::Yes)
        return;
    QStringList failed;
    for (int row = 0; row < sounds_.size(); ++row) {
        QString error;
        if (originals::isReplaced(sounds_[row]) && !originals::restore(sounds_[row], &error))
            failed << error;
        markOwn(row);
    }
    showSelected();
    if (failed.isEmpty())
        say(tr("Every sound is the pack's own again."));
    else
        say(tr("%1 sounds could not be put back: %2").arg(failed.size()).arg(failed.first()), true);
}

void VoiceStudio::say(const QString& text, bool fault) {
    message->setText(text);
    message->setStyleSheet(fault ? QStringLiteral("color: #b00000;") : QString());
}

void VoiceStudio::closeEvent(QCloseEvent* event) {
    throwAway();
    event->accept();
}

}  // namespace zorbla
