#include "main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cstdio>

#include "activities/activity_window.h"
#include "activities/missing_letter/missing_letter_game.h"
#include "activities/word_editor/word_editor.h"
#include "main_window/first_frame.h"
#include "widgets/gif_animation.h"
#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "sound/media_control.h"
#include "files/pack.h"
#include "files/paths.h"
#include "main_window/hold_ring.h"
#include "main_window/recording_light.h"
#include "pictures/rawimage.h"
#include "pictures/sharper.h"
#include "placement/scale.h"
#include "sound/wavdevice.h"

namespace zorbla {

namespace {

// The swatches' design pictures, by MainWindow::Colour.
constexpr const char* kSwatchPictures[6] = {"red", "yellow", "brown", "green", "blue", "orange"};
// Where the swatches stand: two columns of three.
constexpr double kSwatchDx[6] = {-272, -272, -272, -176, -176, -176};
constexpr double kSwatchDy[6] = {256, 328, 400, 256, 328, 400};

// Column offsets of the letter tiles, left to right.
constexpr double kTileColumns[10] = {-148, -75, -4, 68, 140, 211, 283, 355, 426, 498};
// dy of the number labels 1 to 10; their tile images sit 2 pixels higher.
constexpr double kNumberDy[10] = {42, 104, 164, 224, 284, 44, 104, 164, 224, 284};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) {
        s_ = screenScale(screen->geometry().size());
        deviceScale_ = s_ * screen->devicePixelRatio();
    }
    // The background is made in the screen's own pixels, so that it is copied, not
    // stretched, where the desktop is scaled.
    const QSize pixels = screen ? screen->geometry().size() * screen->devicePixelRatio() : QSize();
    firstFrame_ = std::make_unique<FirstFrameWork>(backgroundFor(pixels), backgroundCacheFolder());
    createControls();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    mediaControl_->device().shutdown();
    // The game windows are windows of their own; they go with the main window.
    delete missingLetterGame_;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* activity = qobject_cast<ActivityWindow*>(w); activity && activity->start().owner == this)
            delete activity;
}

void MainWindow::createControls() {
    QHash<QString, QPixmap> pixmaps;  // tiles and frames are shared
    auto picture = [this, &pixmaps](const QString& name, const QString& stem, QSize size) {
        auto* l = new ClickLabel(this);
        l->setObjectName(name);
        l->resize(size);
        l->setScaledContents(true);
        l->setShareScaledPicture(deviceScale_ != 1.0);
        auto it = pixmaps.find(stem);
        if (it == pixmaps.end())
            it = pixmaps.insert(stem, QPixmap::fromImage(designPicture(stem, deviceScale_)));
        l->setPixmap(*it);
        return l;
    };
    const QColor plain(25, 45, 120);
    auto caption = [this](const QString& name, QSize size, const QString& text, const QFont& font,
                          const QColor& colour, const QColor& fill = Qt::transparent, int radius = 0) {
        auto* l = new ClickLabel(this);
        l->setObjectName(name);
        l->resize(size);
        l->setText(text);
        // A caption in a longer language is made smaller to fit rather than cut.
        QFont fitting = font;
        while (fitting.pixelSize() > 6 && QFontMetrics(fitting).horizontalAdvance(text) > size.width())
            fitting.setPixelSize(fitting.pixelSize() - 1);
        l->setFont(fitting);
        l->setAlignment(Qt::AlignCenter);
        l->setColours(colour, fill, radius);
        return l;
    };
    auto animation = [this](const QString& name, QSize size) {
        auto* a = new GifAnimation(this);
        a->setObjectName(name);
        a->resize(size);
        return a;
    };

    // Lower controls first: the later a control is made, the higher it lies.
    wordBar_ = picture(QStringLiteral("wordBar"), QStringLiteral(":/design/word_back"), {400, 40});
    picture_ = picture(QStringLiteral("picture"), QStringLiteral(":/design/title"), {400, 400});
    for (int i = 0; i < 4; ++i) {
        const bool horizontal = i % 2 == 0;
        frame_[size_t(i)] =
            picture(QStringLiteral("frame%1").arg(i),
                    horizontal ? QStringLiteral(":/design/frame_h") : QStringLiteral(":/design/frame_v"),
                    horizontal ? QSize(400, 3) : QSize(2, 394));
    }
    pictureAnimation_ = animation(QStringLiteral("pictureAnimation"), {121, 78});
    pictureAnimation_->hide();
    // A click on the playing animation is a click on the picture under it.
    pictureAnimation_->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int i = 0; i < 26; ++i)
        letterTileBacks_[size_t(i)] =
            picture(QStringLiteral("letterTileBack%1").arg(i), QStringLiteral(":/design/tile_letter"), {50, 40});
    for (int k = 0; k < 10; ++k)
        numberTileBacks_[size_t(k)] =
            picture(QStringLiteral("numberTileBack%1").arg(k + 1), QStringLiteral(":/design/tile_number"), {50, 40});
    for (int i = 0; i < 26; ++i)
        letterTiles_[size_t(i)] = caption(QStringLiteral("letterTile%1").arg(i), {50, 40}, QString(), childFont(30), plain);
    for (int k = 0; k < 10; ++k) {
        numberTiles_[size_t(k)] = caption(QStringLiteral("numberTile%1").arg(k + 1), {50, 40}, QString::number(k + 1),
                                          childFont(28), QColor(150, 30, 40));
        numberTiles_[size_t(k)]->setAccessibleName(QString::number(k + 1));
    }

    previousArrow_ = picture(QStringLiteral("previousPicture"), QStringLiteral(":/design/arrow_left"), {45, 45});
    previousArrow_->setToolTip(tr("PREVIOUS PICTURE"));
    previousArrow_->setAccessibleName(tr("Previous picture"));
    nextArrow_ = picture(QStringLiteral("nextPicture"), QStringLiteral(":/design/arrow_right"), {45, 45});
    nextArrow_->setToolTip(tr("NEXT PICTURE"));
    nextArrow_->setAccessibleName(tr("Next picture"));
    picture_->setAccessibleName(tr("Picture"));
    // Dark, to stand out on the light grass.
    pictureNumberLabel_ = caption(QStringLiteral("pictureNumber"), {15, 20}, QString(), childFont(20), plain);
    word_ = caption(QStringLiteral("word"), {400, 35}, QString(), childFont(28), plain);
    word_->hide();  // there is no word to show before the picture is clicked

    const QColor card(255, 255, 255, 215);
    bigLetter_ = caption(QStringLiteral("bigLetter"), {209, 94}, QStringLiteral("?"), childFont(84),
                         QColor(225, 45, 60), card, 18);
    // The small letter has no card of its own: it lies on the capital's.
    smallLetter_ = caption(QStringLiteral("smallLetter"), {81, 94}, QString(), childFont(76), QColor(30, 150, 60));
    smallLetter_->setToolTip(tr("small letter"));
    smallLetter_->setAccessibleName(smallLetter_->toolTip());
    easel_ = picture(QStringLiteral("easel"), QStringLiteral(":/design/crt"), {122, 108});
    coloursLabel_ = caption(QStringLiteral("colours"), {209, 25}, tr("COLOURS"), childFont(22), Qt::white);
    coloursLabel_->setAccessibleName(coloursLabel_->text());
    const QString colourNames[6] = {tr("red"), tr("yellow"), tr("brown"), tr("green"), tr("blue"), tr("orange")};
    for (int c = 0; c < 6; ++c) {
        const QString name = QLatin1String(kSwatchPictures[c]);
        swatches_[size_t(c)] = picture(QStringLiteral("swatch_") + name, QStringLiteral(":/design/swatch_") + name, {70, 45});
        swatches_[size_t(c)]->setAccessibleName(colourNames[c]);
    }
    door_ = exitDoor(this, {0, 0});
    door_->setToolTip(tr("EXIT"));
    dice_ = picture(QStringLiteral("dice"), QStringLiteral(":/design/dice"), {65, 66});
    letterPadLauncher_ = picture(QStringLiteral("letterPad"), QStringLiteral(":/design/b_picture"), {104, 69});
    guessButton_ = caption(QStringLiteral("guess"), {123, 33}, tr("GUESS?"), childFont(22), QColor(120, 40, 140),
                           QColor(255, 215, 60), 10);

    mediaControl_ = new MediaControl(this);
    mediaControl_->setObjectName(QStringLiteral("mediaControl"));
    const QString mediaCaptions[3] = {tr("RECORD"), tr("STOP"), tr("SPEAK")};
    const char* mediaNames[3] = {"recordCaption", "stopCaption", "speakCaption"};
    const QSize mediaSizes[3] = {{65, 15}, {40, 15}, {55, 15}};
    for (int i = 0; i < 3; ++i)
        mediaCaptions_[size_t(i)] =
            caption(QLatin1String(mediaNames[i]), mediaSizes[i], mediaCaptions[i], childFont(13), Qt::white);

    recordingLight_ = new RecordingLight(this);
    alphabetBlocks_ = animation(QStringLiteral("alphabetBlocks"), {130, 130});
    alphabetBlocks_->load(QStringLiteral(":/design/alphabet.gif"));
    alphabetBlocks_->setAccessibleName(tr("Alphabet blocks"));
    spider_ = animation(QStringLiteral("spider"), {113, 257});
    spider_->load(QStringLiteral(":/design/spider.gif"));
    spider_->setAccessibleName(tr("Spider"));
    star_ = animation(QStringLiteral("star"), {150, 150});
    star_->load(QStringLiteral(":/design/star.gif"));
    star_->setAccessibleName(tr("Star"));
    sharpenPictures(*this, deviceScale_);  // the door

    // What reacts to a click shows the laughing face.
    QList<QWidget*> clickable = {picture_, previousArrow_, nextArrow_, smallLetter_, easel_, coloursLabel_,
                                 door_, dice_, letterPadLauncher_, guessButton_, bigLetter_, word_,
                                 alphabetBlocks_, spider_, star_};
    for (auto* l : swatches_)
        clickable << l;
    for (auto* l : letterTiles_)
        clickable << l;
    for (auto* l : numberTiles_)
        clickable << l;
    for (QWidget* w : clickable)
        w->setCursor(pointer(Pointer::Smiley));

    // The letters: A at the press of any button, the others at a click.
    connect(letterTiles_[0], &ClickLabel::pressed, this, [this] { chooseLetter(0); });
    for (int i = 1; i < 26; ++i)
        connect(letterTiles_[size_t(i)], &ClickLabel::clicked, this, [this, i] { chooseLetter(i); });
    for (int k = 1; k <= 10; ++k)
        connect(numberTiles_[size_t(k - 1)], &ClickLabel::clicked, this, [this, k] { chooseNumber(k); });
    for (int c = 0; c < 6; ++c)
        connect(swatches_[size_t(c)], &ClickLabel::clicked, this, [this, c] { sayColour(Colour(c)); });
    connect(coloursLabel_, &ClickLabel::clicked, this, &MainWindow::sayColours);
    connect(smallLetter_, &ClickLabel::clicked, this, &MainWindow::sayLowerCase);
    connect(nextArrow_, &ClickLabel::clicked, this, &MainWindow::nextPicture);
    connect(previousArrow_, &ClickLabel::clicked, this, &MainWindow::previousPicture);
    connect(picture_, &ClickLabel::clicked, this, &MainWindow::clickPicture);
    connect(pictureAnimation_, &GifAnimation::animationFinished, pictureAnimation_, &GifAnimation::hide);
    connect(alphabetBlocks_, &GifAnimation::clicked, this,
            [this] { playDecoration(alphabetBlocks_, pack::sound(pack::alphabetSong)); });
    connect(spider_, &GifAnimation::clicked, this, [this] { playDecoration(spider_, pack::sound(pack::spider)); });
    connect(star_, &GifAnimation::clicked, this, [this] { playDecoration(star_, pack::sound(pack::star)); });
    connect(door_, &ClickLabel::clicked, this, &MainWindow::leaveByDoor);

    // SPEAK replays the open sound from its beginning; RECORD records over it from there.
    connect(mediaControl_, &MediaControl::playClicked, this,
            [this] { mediaControl_->setCommand(QStringLiteral("prev")); });
    connect(mediaControl_, &MediaControl::recordClicked, this, [this] {
        mediaControl_->setCommand(QStringLiteral("prev"));
        recordingMade_ = true;
    });
    // The light shows what the device does: the click is answered before it records.
    connect(
        mediaControl_, &MediaControl::recordClicked, this,
        [this] {
            if (mediaControl_->device().isRecording())
                recordingLight_->setState(RecordingLight::State::Recording);
        },
        Qt::QueuedConnection);
    connect(&mediaControl_->device(), &WavDevice::recordingStopped, this, [this] {
        if (recordingLight_->state() == RecordingLight::State::Recording)
            recordingLight_->setState(RecordingLight::State::Off);
    });
    connect(&mediaControl_->device(), &WavDevice::saved, this, [this](bool ok) {
        recordingLight_->setState(ok ? RecordingLight::State::Kept : RecordingLight::State::NotKept);
    });
    connectLaunchers();
}

std::optional<WordTableError> MainWindow::load() {
    // The window covers the screen; nothing is chosen yet (startingSelection).
    const QScreen* screen = QGuiApplication::primaryScreen();
    screen_ = screen ? screen->geometry().size() : QSize(1024, 768);
    resize(screen_);
    // The media control, with the three switches of its design.
    mediaControl_->setCommand(QStringLiteral("Open"));
    mediaControl_->setSwitch(24, false);
    mediaControl_->setSwitch(25, true);
    mediaControl_->setSwitch(26, false);
    mediaControl_->setDeviceType(QStringLiteral("WaveAudio"));
    // Layout, and the sky's colour under the background picture.
    layoutControls();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(60, 160, 245));
    setPalette(pal);
    setAutoFillBackground(true);
    if (auto error = WordTableReader::read(table_))
        return error;
    // Without its table of letter sounds (a folder of one's own may have none) a letter
    // says its name.
    const QString letterSoundsFile = resolvePath(pack::letterSoundTable());
    if (QFileInfo::exists(letterSoundsFile))
        if (auto error = letterSounds_.read(letterSoundsFile))
            std::fprintf(stderr, "zorbla: %s; letters say their names\n", qPrintable(*error));
    // The first picture has no previous one, and before a choice there is no next one.
    previousArrow_->hide();
    nextArrow_->hide();
    setWindowTitle(tr("Zorbla - "));
    for (int i = 0; i < 26; ++i) {
        letterTiles_[size_t(i)]->setText(table_.capitalLetter(i));
        letterTiles_[size_t(i)]->setAccessibleName(table_.capitalLetter(i));
    }
    // The window hears every key, whichever of its controls has the focus.
    qApp->installEventFilter(this);
    // Pictures drawn larger than made are scaled while the window is being shown.
    scalingAhead_ = ClickLabel::scaleAhead(findChildren<ClickLabel*>(Qt::FindDirectChildrenOnly));
    return std::nullopt;
}

// The control at (X0 + dx, Y0 + dy) of the design, its design size kept; on another
// screen both s times as large, rounded to pixels once.
void MainWindow::place(QWidget* control, double dx, double dy) {
    if (s_ == 1.0) {
        control->move(qRound(x0_ + dx), qRound(y0_ + dy));
        return;
    }
    control->setGeometry(scaled(QRectF(QPointF(x0_ + dx, y0_ + dy), QSizeF(control->size())), s_));
    if (control->testAttribute(Qt::WA_SetFont))
        scaleFont(*control, s_);
}

// The layout rule runs on the screen in design units: W / s by H / s.
void MainWindow::layoutControls() {
    s_ = screenScale(screen_);
    const double w = screen_.width() / s_;
    const double h = screen_.height() / s_;
    x0_ = float(w * 0.5 - 200);
    y0_ = float(h * 0.52 - 200);
    place(picture_, 0, 0);
    place(frame_[0], 0, 397);
    place(frame_[1], 0, 3);
    place(frame_[2], 0, 0);
    place(frame_[3], 398, 3);
    place(pictureAnimation_, 2, 2);
    place(previousArrow_, 0, 408);
    place(nextArrow_, 355, 408);
    place(pictureNumberLabel_, 190, 420);
    place(word_, 0, 472);
    place(wordBar_, 0, 472);
    for (int i = 0; i < 26; ++i) {
        int row, column;
        if (i < 10) {
            row = 0;
            column = i;
        } else if (i < 20) {
            row = 1;
            column = i - 10;
        } else {
            row = 2;
            column = i - 20 + 2;
        }
        const double dy[3] = {-173, -115, -55};
        place(letterTiles_[size_t(i)], kTileColumns[column], dy[row]);
        place(letterTileBacks_[size_t(i)], kTileColumns[column], dy[row] - 2);
    }
    for (int k = 0; k < 10; ++k) {
        const double dx = k < 5 ? -67 : 418;
        place(numberTiles_[size_t(k)], dx, kNumberDy[k]);
        place(numberTileBacks_[size_t(k)], dx, kNumberDy[k] - 2);
    }
    place(easel_, -280, -30);
    place(bigLetter_, -296, 90);
    place(smallLetter_, -176, 90);
    // The small letter covers the right part of the capital's label: the capital is
    // centred in the part left free, so the child sees both letters whole.
    const QRect capital = bigLetter_->geometry(), small = smallLetter_->geometry();
    bigLetter_->setContentsMargins(0, 0, capital.intersects(small) ? capital.right() - small.left() + 1 : 0, 0);
    place(coloursLabel_, -288, 224);
    for (int c = 0; c < 6; ++c)
        place(swatches_[size_t(c)], kSwatchDx[c], kSwatchDy[c]);
    place(door_, -288, 472);
    place(dice_, 496, 16);
    place(letterPadLauncher_, 576, 100);
    place(mediaControl_, 488, 416);
    place(recordingLight_, 452, 416);
    place(mediaCaptions_[2], 488, 448);
    place(mediaCaptions_[1], 552, 448);
    place(mediaCaptions_[0], 600, 448);
    place(guessButton_, 418, 472);
    place(alphabetBlocks_, -312, -192);
    place(spider_, 560, -170);
    place(star_, 520, 200);
    // After placing: an animation drawn larger may be read again at twice the size,
    // which gives it its drawn size at once.
    for (GifAnimation* a : {pictureAnimation_, alphabetBlocks_, spider_, star_})
        a->setScale(s_);
}

void MainWindow::paintEvent(QPaintEvent*) {
    const double dpr = devicePixelRatioF();
    // Which picture the screen shows is looked up again only when its size in pixels
    // changes, not at every paint behind an animation.
    const QSize pixels = screen_ * dpr;
    if (pixels != backgroundPixels_) {
        backgroundPixels_ = pixels;
        const BackgroundPicture wanted = backgroundFor(pixels);
        if (backgroundFor_ != wanted) {
            Background b;
            if (firstFrame_) {
                if (firstFrame_->background() == wanted)
                    b = firstFrame_->takeBackground();
                // The helpers are let go once this frame is out, not waited for in it, and
                // pictures scaled for it that it did not draw; then, before the first click,
                // the sound engine.
                QTimer::singleShot(0, this, [this] {
                    firstFrame_.reset();
                    ClickLabel::forgetScaledAhead();
                    preloadSoundEngine();
                });
            }
            if (b.image.isNull())
                b = loadBackground(wanted, backgroundCacheFolder());
            // In the screen's own pixels, set while the picture is not shared yet: a shared
            // one would be copied whole for it.
            b.image.setDevicePixelRatio(dpr);
            if (b.fromCache)
                // Drawn straight from the kept file for this frame; from then on from memory of
                // its own, so that nothing done to the file can reach the window.
                QTimer::singleShot(0, this, [this] { background_ = copyInLargePages(background_); });
            else if (!b.image.isNull())
                // Kept for the next start once this frame is out.
                QTimer::singleShot(0, this, [this, b] {
                    if (keeping_.valid())
                        keeping_.wait();
                    keeping_ = keepBackground(b);
                });
            background_ = b.image;
            backgroundFor_ = wanted;
        }
    }
    if (background_.isNull())
        return;
    // Made at the size drawn, only its part on the screen: copied as it is.
    QPainter(this).drawImage(QPoint(0, 0), background_);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    backgroundPressed_ = event->button() == Qt::LeftButton;
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && backgroundPressed_ && rect().contains(event->position().toPoint()))
        clickSky();
    backgroundPressed_ = false;
}

void MainWindow::clickSky() { play(pack::sound(pack::ops)); }

void MainWindow::leaveByDoor() {
    if (!kiosk_)  // locked, the door is held (see eventFilter)
        endProgram();
}

void MainWindow::setKiosk(bool locked) {
    kiosk_ = locked;
    if (locked && !holdRing_) {
        holdRing_ = new HoldRing(this);
        connect(holdRing_, &HoldRing::done, this, &MainWindow::endProgram);
    }
}

void MainWindow::endProgram() {
    ended_ = true;
    emit programEnded();
}

void MainWindow::closeMedia() { mediaControl_->setCommand(QStringLiteral("Close")); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (kiosk_ && !ended_) {  // the desktop's close key does not open the locked start
        event->ignore();
        return;
    }
    if (!ended_) {
        closeMedia();
        endProgram();
    }
    event->accept();
}

// The game open over the disabled window, if any.
QWidget* MainWindow::openGameWindow() const {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* activity = qobject_cast<ActivityWindow*>(w);
            activity && activity->start().owner == this && activity->isVisible() && !activity->isUnloaded())
            return activity;
    return nullptr;
}

// A click on the disabled window behind a game makes it the active window, and the
// game's keys would go nowhere: the game is given the keyboard back.
void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || isEnabled())
        return;
    if (QWidget* game = openGameWindow())
        activateGame(game);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (kiosk_ && !ended_ && holdToLeave(watched, event))
        return true;
    if (event->type() != QEvent::KeyPress || ended_ || !isActiveWindow() || !isEnabled())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    // A key that a control does not take goes on to its parents, and the filter sees it
    // again at each: take it only where it first arrived.
    const bool passedUp = event == lastKey_ && lastKeyTarget_ && lastKeyTarget_ != widget &&
                          widget->isAncestorOf(lastKeyTarget_);
    lastKey_ = event;
    lastKeyTarget_ = widget;
    if (!passedUp)
        keyDown(static_cast<QKeyEvent*>(event)->key());
    return false;  // the key goes on as usual
}

// Locked, Escape and the door end the program only when held: a press on the door starts
// the ring over it, Escape starts it over the middle of the window, and letting go before
// it is full stops it. Taken events go no further: the door's click does nothing.
bool MainWindow::holdToLeave(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == door_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                                type == QEvent::MouseButtonDblClick)) {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return true;
        if (type == QEvent::MouseButtonRelease)
            holdRing_->letGo();
        else
            holdRing_->hold(door_->geometry().center(), door_->width() * 3);
        return true;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    if (type == QEvent::KeyRelease)
        holdRing_->letGoUnlessPressedAgain();
    else if (isEnabled())
        holdRing_->hold(rect().center(), qRound(160 * s_));
    return true;
}

void MainWindow::keyDown(int key) {
    if (key == Qt::Key_Escape) {
        endProgram();
        return;
    }
    if (key == Qt::Key_S) {
        if (recordingMade_)
            mediaControl_->setCommand(QStringLiteral("save"));
        recordingMade_ = false;
        return;
    }
    if (key == Qt::Key_T && !kiosk_) {  // the locked start has no editor
        WordEditor editor(this);
        if (editor.load())
            editor.exec();
        activateWindow();  // the keys are the main window's again
        readWordTableAgain();
    }
}

void MainWindow::readWordTableAgain() {
    // Read after Cancel too. A table that another program broke meanwhile is reported,
    // and the words read before stay in use rather than the child's session ending.
    if (auto error = WordTableReader::read(table_)) {
        const QString message = error->message();
        std::fprintf(stderr, "zorbla: %s\n", qPrintable(message));
        QMessageBox::warning(this, QStringLiteral("Zorbla"),
                             tr("The word table could not be read again, so the words read "
                                            "before stay in use.\n\n%1")
                                 .arg(message));
    }
}

void MainWindow::showPicture(const QString& file) {
    shownPicture_ = file;
    if (file.isEmpty()) {
        picture_->setPixmap(QPixmap());
        return;
    }
    QString error;
    const QImage image = readSharper(resolvePath(file), deviceScale_, &error);
    if (image.isNull()) {
        // A missing picture must not end a child's session: show none and say why.
        std::fprintf(stderr, "zorbla: cannot show the picture %s: %s\n", qPrintable(file), qPrintable(error));
        picture_->setPixmap(QPixmap());
        return;
    }
    picture_->setPixmap(QPixmap::fromImage(image));
}

}  // namespace zorbla
