#include "main_window/frmzorbla.h"

#include <QApplication>
#include <QCloseEvent>
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
#include "activities/rijeci/frmrijeci.h"
#include "activities/text/frmtext.h"
#include "main_window/first_frame.h"
#include "widgets/anigif.h"
#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "sound/mmcontrol.h"
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

// Column offsets of the letter tiles, left to right.
constexpr double kTileColumns[10] = {-148, -75, -4, 68, 140, 211, 283, 355, 426, 498};
// dy of the number labels 1 to 10; their tile images sit 2 pixels higher.
constexpr double kNumberDy[10] = {42, 104, 164, 224, 284, 44, 104, 164, 224, 284};

}  // namespace

frmZorbla::frmZorbla(QWidget* parent) : QWidget(parent) {
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

frmZorbla::~frmZorbla() {
    qApp->removeEventFilter(this);
    MMControl1->device().shutdown();
    // The game windows are windows of their own; they go with the main window.
    delete frmRijeci_;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* activity = qobject_cast<ActivityWindow*>(w); activity && activity->start().owner == this)
            delete activity;
}

void frmZorbla::createControls() {
    QHash<QString, QPixmap> pixmaps;  // tiles and frames are shared
    auto picture = [this, &pixmaps](const QString& stem, QSize size) {
        auto* l = new ClickLabel(this);
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
    auto caption = [this](QSize size, const QString& text, const QFont& font, const QColor& colour,
                          const QColor& fill = Qt::transparent, int radius = 0) {
        auto* l = new ClickLabel(this);
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

    // Lower controls first: the later a control is made, the higher it lies.
    imgRijecBack = picture(QStringLiteral(":/design/word_back"), {400, 40});
    img1 = picture(QStringLiteral(":/design/title"), {400, 400});
    for (int i = 0; i < 4; ++i) {
        const bool horizontal = i % 2 == 0;
        imgPlaviOkvir[size_t(i)] =
            picture(horizontal ? QStringLiteral(":/design/frame_h") : QStringLiteral(":/design/frame_v"),
                    horizontal ? QSize(400, 3) : QSize(2, 394));
    }
    AniGIF1 = new AniGIF(this);
    AniGIF1->resize(121, 78);
    AniGIF1->hide();
    // A click on the playing animation is a click on the picture under it.
    AniGIF1->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int i = 0; i < 26; ++i)
        Image_[size_t(i)] = picture(QStringLiteral(":/design/tile_letter"), {50, 40});
    for (int k = 0; k < 10; ++k)
        ImageBroj_[size_t(k)] = picture(QStringLiteral(":/design/tile_number"), {50, 40});
    for (int i = 0; i < 26; ++i)
        Label_[size_t(i)] = caption({50, 40}, QString(), childFont(30), plain);
    for (int k = 0; k < 10; ++k)
        LabelBroj_[size_t(k)] = caption({50, 40}, QString::number(k + 1), childFont(28), QColor(150, 30, 40));

    imgLijevo = picture(QStringLiteral(":/design/arrow_left"), {45, 45});
    imgLijevo->setToolTip(tr("PREVIOUS PICTURE"));
    imgDesno = picture(QStringLiteral(":/design/arrow_right"), {45, 45});
    imgDesno->setToolTip(tr("NEXT PICTURE"));
    Label1 = caption({15, 20}, QString(), childFont(20), plain);  // dark, to stand out on the light grass
    lblRijec = caption({400, 35}, QString(), childFont(28), plain);
    lblRijec->hide();  // there is no word to show before the picture is clicked

    const QColor card(255, 255, 255, 215);
    lblSlovoRnd = caption({209, 94}, QStringLiteral("?"), childFont(84), QColor(225, 45, 60), card, 18);
    // The small letter has no card of its own: it lies on the capital's.
    lblMaloSlovo = caption({81, 94}, QString(), childFont(76), QColor(30, 150, 60));
    lblMaloSlovo->setToolTip(tr("malo slovo"));
    imgCRT = picture(QStringLiteral(":/design/crt"), {122, 108});
    Label4 = caption({209, 25}, tr("COLOURS"), childFont(22), Qt::white);
    imgCrvena = picture(QStringLiteral(":/design/swatch_red"), {70, 45});
    imgZuta = picture(QStringLiteral(":/design/swatch_yellow"), {70, 45});
    imgSmeda = picture(QStringLiteral(":/design/swatch_brown"), {70, 45});
    imgZelena = picture(QStringLiteral(":/design/swatch_green"), {70, 45});
    imgPlava = picture(QStringLiteral(":/design/swatch_blue"), {70, 45});
    imgNarandasta = picture(QStringLiteral(":/design/swatch_orange"), {70, 45});
    imgIzlaz = exitDoor(this, {0, 0});
    imgIzlaz->setToolTip(tr("IZLAZ"));
    imgDice = picture(QStringLiteral(":/design/dice"), {65, 66});
    imgPisanjeSlova = picture(QStringLiteral(":/design/b_picture"), {104, 69});
    lblPogodiSLovo = caption({123, 33}, tr("GUESS?"), childFont(22), QColor(120, 40, 140),
                             QColor(255, 215, 60), 10);

    MMControl1 = new MMControl(this);
    const QString mediaCaptions[3] = {tr("RECORD"), tr("STOP"), tr("SPEAK")};
    const QSize mediaSizes[3] = {{65, 15}, {40, 15}, {55, 15}};
    for (int i = 0; i < 3; ++i)
        Label5[size_t(i)] = caption(mediaSizes[i], mediaCaptions[i], childFont(13), Qt::white);

    recordingLight_ = new RecordingLight(this);
    alphabetAniGIF = new AniGIF(this);
    alphabetAniGIF->resize(130, 130);
    alphabetAniGIF->load(QStringLiteral(":/design/alphabet.gif"));
    SpiderAniGIF = new AniGIF(this);
    SpiderAniGIF->resize(113, 257);
    SpiderAniGIF->load(QStringLiteral(":/design/spider.gif"));
    StarAniGIF = new AniGIF(this);
    StarAniGIF->resize(150, 150);
    StarAniGIF->load(QStringLiteral(":/design/star.gif"));
    sharpenPictures(*this, deviceScale_);  // the door

    // What reacts to a click shows the laughing face.
    QList<QWidget*> clickable = {img1, imgLijevo, imgDesno, lblMaloSlovo, imgCRT, Label4,
                                 imgCrvena, imgZuta, imgSmeda, imgZelena, imgPlava, imgNarandasta,
                                 imgIzlaz, imgDice, imgPisanjeSlova, lblPogodiSLovo, lblSlovoRnd,
                                 lblRijec, alphabetAniGIF, SpiderAniGIF, StarAniGIF};
    for (auto* l : Label_)
        clickable << l;
    for (auto* l : LabelBroj_)
        clickable << l;
    for (QWidget* w : clickable)
        w->setCursor(pointer(Pointer::Smiley));

    // Letters: A at the press of any button, the others at a click.
    connect(Label_[0], &ClickLabel::pressed, this, [this] { Label_A_MouseDown(); });
    using Handler = void (frmZorbla::*)();
    static constexpr Handler letterClicks[25] = {
        &frmZorbla::Label_B_Click, &frmZorbla::Label_C_Click, &frmZorbla::Label_D_Click,
        &frmZorbla::Label_E_Click, &frmZorbla::Label_F_Click, &frmZorbla::Label_G_Click,
        &frmZorbla::Label_H_Click, &frmZorbla::Label_I_Click, &frmZorbla::Label_J_Click,
        &frmZorbla::Label_K_Click, &frmZorbla::Label_L_Click, &frmZorbla::Label_M_Click,
        &frmZorbla::Label_N_Click, &frmZorbla::Label_O_Click, &frmZorbla::Label_P_Click,
        &frmZorbla::Label_Q_Click, &frmZorbla::Label_R_Click, &frmZorbla::Label_S_Click,
        &frmZorbla::Label_T_Click, &frmZorbla::Label_U_Click, &frmZorbla::Label_V_Click,
        &frmZorbla::Label_W_Click, &frmZorbla::Label_X_Click, &frmZorbla::Label_Y_Click,
        &frmZorbla::Label_Z_Click};
    for (int i = 1; i < 26; ++i)
        connect(Label_[size_t(i)], &ClickLabel::clicked, this, letterClicks[i - 1]);
    static constexpr Handler numberClicks[10] = {
        &frmZorbla::Label_1_Click, &frmZorbla::Label_2_Click, &frmZorbla::Label_3_Click,
        &frmZorbla::Label_4_Click, &frmZorbla::Label_5_Click, &frmZorbla::Label_6_Click,
        &frmZorbla::Label_7_Click, &frmZorbla::Label_8_Click, &frmZorbla::Label_9_Click,
        &frmZorbla::Label_10_Click};
    for (int k = 0; k < 10; ++k)
        connect(LabelBroj_[size_t(k)], &ClickLabel::clicked, this, numberClicks[k]);

    connect(lblMaloSlovo, &ClickLabel::clicked, this, &frmZorbla::lblMaloSlovo_Click);
    connect(imgCrvena, &ClickLabel::clicked, this, &frmZorbla::imgCrvena_Click);
    connect(imgZuta, &ClickLabel::clicked, this, &frmZorbla::imgZuta_Click);
    connect(imgSmeda, &ClickLabel::clicked, this, &frmZorbla::imgSmeda_Click);
    connect(imgZelena, &ClickLabel::clicked, this, &frmZorbla::imgZelena_Click);
    connect(imgPlava, &ClickLabel::clicked, this, &frmZorbla::imgPlava_Click);
    connect(imgNarandasta, &ClickLabel::clicked, this, &frmZorbla::imgNarandasta_Click);
    connect(Label4, &ClickLabel::clicked, this, &frmZorbla::Label4_Click);
    connect(imgDesno, &ClickLabel::clicked, this, &frmZorbla::imgDesno_Click);
    connect(imgLijevo, &ClickLabel::clicked, this, &frmZorbla::imgLijevo_Click);
    connect(img1, &ClickLabel::clicked, this, &frmZorbla::img1_Click);
    connect(AniGIF1, &AniGIF::animationFinished, this, &frmZorbla::AniGIF1_End);
    connect(alphabetAniGIF, &AniGIF::clicked, this, &frmZorbla::alphabetAniGIF_Click);
    connect(SpiderAniGIF, &AniGIF::clicked, this, &frmZorbla::SpiderAniGIF_Click);
    connect(StarAniGIF, &AniGIF::clicked, this, &frmZorbla::StarAniGIF_Click);
    connect(imgIzlaz, &ClickLabel::clicked, this, &frmZorbla::imgIzlaz_Click);

    // SPEAK replays the open sound from its beginning; RECORD records over it from there.
    connect(MMControl1, &MMControl::playClicked, this,
            [this] { MMControl1->setCommand(QStringLiteral("prev")); });
    connect(MMControl1, &MMControl::recordClicked, this, [this] {
        MMControl1->setCommand(QStringLiteral("prev"));
        snimljeno_ = 1;
    });
    // The light shows what the device does: the click is answered before it records.
    connect(
        MMControl1, &MMControl::recordClicked, this,
        [this] {
            if (MMControl1->device().isRecording())
                recordingLight_->setState(RecordingLight::State::Recording);
        },
        Qt::QueuedConnection);
    connect(&MMControl1->device(), &WavDevice::recordingStopped, this, [this] {
        if (recordingLight_->state() == RecordingLight::State::Recording)
            recordingLight_->setState(RecordingLight::State::Off);
    });
    connect(&MMControl1->device(), &WavDevice::saved, this, [this](bool ok) {
        recordingLight_->setState(ok ? RecordingLight::State::Kept : RecordingLight::State::NotKept);
    });
    connectLaunchers();
}

std::optional<WordTableError> frmZorbla::Form_Load() {
    // 1. The window covers the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    screen_ = screen ? screen->geometry().size() : QSize(1024, 768);
    resize(screen_);
    // 2. Start values.
    slovo = QStringLiteral("A");
    zvuk_[0] = pack::sound(pack::alphabet);
    rijec = QStringLiteral("ZORBLA");
    // 3. The media control.
    MMControl1->setCommand(QStringLiteral("Open"));
    MMControl1->setSwitch(24, false);
    MMControl1->setSwitch(25, true);
    MMControl1->setSwitch(26, false);
    MMControl1->setDeviceType(QStringLiteral("WaveAudio"));
    // 4. Layout, 5. background colour.
    layoutControls();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(60, 160, 245));
    setPalette(pal);
    setAutoFillBackground(true);
    // 6. The word table.
    if (auto error = WordTableReader::read(tablica_))
        return error;
    // 7. The first picture has no previous one, and before a choice there is no next one.
    imgLijevo->hide();
    imgDesno->hide();
    broj_slike_ = 1;
    // 8. Caption, 9. tile captions.
    setWindowTitle(tr("Zorbla - "));
    for (int i = 0; i < 26; ++i)
        Label_[size_t(i)]->setText(tablica_.capitalLetter(i));
    // The window hears every key, whichever of its controls has the focus.
    qApp->installEventFilter(this);
    // Pictures drawn larger than made are scaled while the window is being shown.
    scalingAhead_ = ClickLabel::scaleAhead(findChildren<ClickLabel*>(Qt::FindDirectChildrenOnly));
    return std::nullopt;
}

// The control at (X0 + dx, Y0 + dy) of the design, its design size kept; on a larger
// screen both s times as large, rounded to pixels once.
void frmZorbla::place(QWidget* control, double dx, double dy) {
    if (s_ == 1.0) {
        control->move(qRound(x0_ + dx), qRound(y0_ + dy));
        return;
    }
    control->setGeometry(scaled(QRectF(QPointF(x0_ + dx, y0_ + dy), QSizeF(control->size())), s_));
    if (control->testAttribute(Qt::WA_SetFont))
        scaleFont(*control, s_);
}

// The layout rule runs on the screen in design units: W / s by H / s.
void frmZorbla::layoutControls() {
    s_ = screenScale(screen_);
    const double w = screen_.width() / s_;
    const double h = screen_.height() / s_;
    x0_ = float(w * 0.5 - 200);
    y0_ = float(h * 0.52 - 200);
    place(img1, 0, 0);
    place(imgPlaviOkvir[0], 0, 397);
    place(imgPlaviOkvir[1], 0, 3);
    place(imgPlaviOkvir[2], 0, 0);
    place(imgPlaviOkvir[3], 398, 3);
    place(AniGIF1, 2, 2);
    place(imgLijevo, 0, 408);
    place(imgDesno, 355, 408);
    place(Label1, 190, 420);
    place(lblRijec, 0, 472);
    place(imgRijecBack, 0, 472);
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
        place(Label_[size_t(i)], kTileColumns[column], dy[row]);
        place(Image_[size_t(i)], kTileColumns[column], dy[row] - 2);
    }
    for (int k = 0; k < 10; ++k) {
        const double dx = k < 5 ? -67 : 418;
        place(LabelBroj_[size_t(k)], dx, kNumberDy[k]);
        place(ImageBroj_[size_t(k)], dx, kNumberDy[k] - 2);
    }
    place(imgCRT, -280, -30);
    place(lblSlovoRnd, -296, 90);
    place(lblMaloSlovo, -176, 90);
    // The small letter covers the right part of the capital's label: the capital is
    // centred in the part left free, so the child sees both letters whole.
    const QRect capital = lblSlovoRnd->geometry(), small = lblMaloSlovo->geometry();
    lblSlovoRnd->setContentsMargins(0, 0, capital.intersects(small) ? capital.right() - small.left() + 1 : 0, 0);
    place(Label4, -288, 224);
    place(imgCrvena, -272, 256);
    place(imgZuta, -272, 328);
    place(imgSmeda, -272, 400);
    place(imgZelena, -176, 256);
    place(imgPlava, -176, 328);
    place(imgNarandasta, -176, 400);
    place(imgIzlaz, -288, 472);
    place(imgDice, 496, 16);
    place(imgPisanjeSlova, 576, 100);
    place(MMControl1, 488, 416);
    place(recordingLight_, 452, 416);
    place(Label5[2], 488, 448);
    place(Label5[1], 552, 448);
    place(Label5[0], 600, 448);
    place(lblPogodiSLovo, 418, 472);
    place(alphabetAniGIF, -312, -192);
    place(SpiderAniGIF, 560, -170);
    place(StarAniGIF, 520, 200);
    // After placing: an animation drawn larger may be read again at twice the size,
    // which gives it its drawn size at once.
    for (AniGIF* ani : {AniGIF1, alphabetAniGIF, SpiderAniGIF, StarAniGIF})
        ani->setScale(s_);
}

void frmZorbla::paintEvent(QPaintEvent*) {
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

void frmZorbla::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void frmZorbla::mousePressEvent(QMouseEvent* event) {
    backgroundPressed_ = event->button() == Qt::LeftButton;
}

void frmZorbla::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && backgroundPressed_ && rect().contains(event->position().toPoint()))
        Form_Click();
    backgroundPressed_ = false;
}

void frmZorbla::Form_Click() { playFile(pack::sound(pack::ops), "Play"); }

void frmZorbla::imgIzlaz_Click() {
    if (!kiosk_)  // locked, the door is held (see eventFilter)
        endProgram();
}

void frmZorbla::setKiosk(bool locked) {
    kiosk_ = locked;
    if (locked && !holdRing_) {
        holdRing_ = new HoldRing(this);
        connect(holdRing_, &HoldRing::done, this, &frmZorbla::endProgram);
    }
}

void frmZorbla::endProgram() {
    ended_ = true;
    emit programEnded();
}

void frmZorbla::Form_Unload() { MMControl1->setCommand(QStringLiteral("Close")); }

void frmZorbla::closeEvent(QCloseEvent* event) {
    if (kiosk_ && !ended_) {  // the desktop's close key does not open the locked start
        event->ignore();
        return;
    }
    if (!ended_) {
        Form_Unload();
        endProgram();
    }
    event->accept();
}

// The game open over the disabled window, if any.
QWidget* frmZorbla::openActivity() const {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* activity = qobject_cast<ActivityWindow*>(w);
            activity && activity->start().owner == this && activity->isVisible() && !activity->isUnloaded())
            return activity;
    return nullptr;
}

// A click on the disabled window behind a game makes it the active window, and the
// game's keys would go nowhere: the game is given the keyboard back.
void frmZorbla::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || isEnabled())
        return;
    if (QWidget* game = openActivity())
        activateGame(game);
}

bool frmZorbla::eventFilter(QObject* watched, QEvent* event) {
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
        Form_KeyDown(static_cast<QKeyEvent*>(event)->key());
    return false;  // the key goes on as usual
}

// Locked, Escape and the door end the program only when held: a press on the door starts
// the ring over it, Escape starts it over the middle of the window, and letting go before
// it is full stops it. Taken events go no further: the door's click does nothing.
bool frmZorbla::holdToLeave(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == imgIzlaz && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                                type == QEvent::MouseButtonDblClick)) {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return true;
        if (type == QEvent::MouseButtonRelease)
            holdRing_->letGo();
        else
            holdRing_->hold(imgIzlaz->geometry().center(), imgIzlaz->width() * 3);
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

void frmZorbla::Form_KeyDown(int keyCode) {
    if (keyCode == Qt::Key_Escape) {
        endProgram();
        return;
    }
    if (keyCode == Qt::Key_S) {
        if (snimljeno_ == 1)
            MMControl1->setCommand(QStringLiteral("save"));
        snimljeno_ = 0;
        return;
    }
    if (keyCode == Qt::Key_T && !kiosk_) {  // the locked start has no editor
        frmText editor(this);
        if (editor.Form_Load())
            editor.exec();
        activateWindow();  // the keys are the main window's again
        readWordTableAgain();
    }
}

void frmZorbla::readWordTableAgain() {
    // Read after Cancel too. A table that another program broke meanwhile is reported,
    // and the words read before stay in use rather than the child's session ending.
    if (auto error = WordTableReader::read(tablica_)) {
        const QString message = error->message();
        std::fprintf(stderr, "zorbla: %s\n", qPrintable(message));
        QMessageBox::warning(this, QStringLiteral("Zorbla"),
                             tr("The word table could not be read again, so the words read "
                                            "before stay in use.\n\n%1")
                                 .arg(message));
    }
}

void frmZorbla::showPicture(const QString& file) {
    shownPicture_ = file;
    if (file.isEmpty()) {
        img1->setPixmap(QPixmap());
        return;
    }
    QString error;
    const QImage image = readSharper(resolvePath(file), deviceScale_, &error);
    if (image.isNull()) {
        // A missing picture must not end a child's session: show none and say why.
        std::fprintf(stderr, "zorbla: cannot show the picture %s: %s\n", qPrintable(file), qPrintable(error));
        img1->setPixmap(QPixmap());
        return;
    }
    img1->setPixmap(QPixmap::fromImage(image));
}

}  // namespace zorbla
