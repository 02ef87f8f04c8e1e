#include <QAbstractButton>
#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QDirIterator>
#include <QImageReader>
#include <QtTest>

#include "common/pack_folder.h"
#include "common/recording.h"
#include "files/originals.h"
#include "files/pack.h"
#include "common/controls.h"
#include "main_window/main_window.h"
#include "main_window/hold_ring.h"
#include "pictures/background.h"
#include "main_window/recording_light.h"
#include "widgets/look.h"
#include "widgets/gif_animation.h"
#include "widgets/clicklabel.h"
#include "sound/media_control.h"
#include "sound/wavdevice.h"

using namespace zorbla;

namespace {

// A word table whose every cell says where it came from: row 2 is "B1w".."B4w", the
// capitals are "Cap<letter>", the small letters "sm<letter>", the numbers "N<k>w<p>".
QByteArray testTable() {
    QByteArray t;
    for (int n = 1; n <= 26; ++n) {
        const char L = char('A' + n - 1);
        t += QStringLiteral("%1 %2%3,%2%4,%2%5,%2%6.\r\n")
                 .arg(n, 2, 10, QChar('0')).arg(QChar(L)).arg("1w").arg("2w").arg("3w").arg("4w").toLatin1();
    }
    for (int n = 27; n <= 30; ++n)
        t += QByteArray::number(n) + " -,-,-,-.\r\n";
    for (int k = 1; k <= 10; ++k)
        t += QStringLiteral("%1 N%2w1,N%2w2,N%2w3,N%2w4.\r\n").arg(30 + k).arg(k).toLatin1();
    for (int row = 0; row < 7; ++row) {
        QByteArray line = QByteArray::number(41 + row) + " ";
        for (int c = 0; c < 4; ++c) {
            const int i = row * 4 + c;
            if (i < 26)
                line += "Cap" + QByteArray(1, char('A' + i));
            line += c < 3 ? "," : ".\r\n";
        }
        t += line;
    }
    t += "48 -,-,-,-.\r\n";
    for (int row = 0; row < 7; ++row) {
        QByteArray line = QByteArray::number(49 + row) + " ";
        for (int c = 0; c < 4; ++c) {
            const int i = row * 4 + c;
            if (i < 26)
                line += "sm" + QByteArray(1, char('a' + i));
            line += c < 3 ? "," : ".\r\n";
        }
        t += line;
    }
    return t;
}

// The animation with a loop block that says "forever", put in after its colour table.
QByteArray loopingForever(QByteArray gif) {
    const int colours = (gif.at(10) & 0x80) ? 3 << ((gif.at(10) & 7) + 1) : 0;
    return gif.insert(13 + colours, QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19));
}

// A click where the child clicks: on whatever lies uppermost there.
void clickAt(QWidget* window, QPoint pos) {
    QWidget* target = window->childAt(pos);
    QTest::mouseClick(target ? target : window, Qt::LeftButton, {}, target ? target->mapFrom(window, pos) : pos);
}

bool serverAvailable() { return !qEnvironmentVariable("ZORBLA_MIC_FIFO").isEmpty(); }

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> w_;
    QStringList commands_;

    QString openWritten() const { return w_->mediaControl().fileName(); }
    template <class T = ClickLabel>
    T* ctl(const QString& name) const { return zorbla_test::control<T>(*w_, name); }
    ClickLabel* letterTile(int i) const { return ctl(QStringLiteral("letterTile%1").arg(i)); }
    ClickLabel* numberTile(int k) const { return ctl(QStringLiteral("numberTile%1").arg(k)); }

private slots:
    void initTestCase() {
        const QString data = QStringLiteral(ZORBLA_DATA_DIR);
        QVERIFY2(QFile::exists(data + "/images/B1.gif"), "the picture and sound pack is not built");
        QVERIFY(zorbla_test::fillWorkingFolder(folder_.path(), false));
        QFile table(folder_.filePath("text.txt"));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write(testTable());
        table.close();
        QVERIFY(folder_.enter(false));
    }

    void init() {
        w_ = std::make_unique<MainWindow>();
        auto error = w_->load();
        QVERIFY2(!error, qPrintable(error ? error->message() : QString()));
        w_->show();
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        commands_.clear();
        connect(&w_->mediaControl(), &MediaControl::commandReceived, this, [this](const QString& c) { commands_ << c; });
    }
    void cleanup() { w_.reset(); }

    void layoutFollowsTheScreen() {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(w_->size(), screen);
        if (screen == QSize(1024, 768)) {
            QCOMPARE(w_->origin().x(), 312.0);
            QVERIFY(qAbs(w_->origin().y() - 199.36) < 1e-3);
            QCOMPARE(ctl("picture")->pos(), QPoint(312, 199));
            QCOMPARE(letterTile(0)->pos(), QPoint(164, 26));
            QCOMPARE(ctl("door")->pos(), QPoint(24, 671));
            QCOMPARE(ctl("recordCaption")->pos(), QPoint(912, 647));
            QCOMPARE(ctl("recordCaption")->text(), QString("RECORD"));
        } else {
            QFAIL("the test expects a 1024 x 768 screen");
        }
        // Relative placements, whatever the screen: X0 + dx, Y0 + dy, rounded once.
        const QPointF o = w_->origin();
        auto at = [&](double dx, double dy) { return QPoint(qRound(o.x() + dx), qRound(o.y() + dy)); };
        QCOMPARE(letterTile(10)->pos(), at(-148, -115));      // K starts row 2
        QCOMPARE(letterTile(20)->pos(), at(-4, -55));         // U in column 3 of row 3
        QCOMPARE(letterTile(25)->pos(), at(355, -55));        // Z in column 8
        QCOMPARE(ctl(QStringLiteral("letterTileBack25"))->pos(), at(355, -57));        // its tile 2 pixels higher
        QCOMPARE(numberTile(6)->pos(), at(418, 44));      // 6
        QCOMPARE(ctl(QStringLiteral("numberTileBack10"))->pos(), at(418, 282));     // the tile of 10
        QCOMPARE(w_->mediaControl().geometry(), QRect(at(488, 416), QSize(170, 30)));
        QCOMPARE(ctl("frame3")->geometry(), QRect(at(398, 3), QSize(2, 394)));
        QCOMPARE(ctl<GifAnimation>("star")->pos(), at(520, 200));
        QCOMPARE(ctl("smallLetter")->size(), QSize(81, 94));
    }

    // On a screen other than the design's everything is drawn s times as large, where the
    // layout rule puts it on a screen of W / s by H / s, every control on the screen, and
    // clicks land where it is drawn.
    void everythingFollowsTheScreen() {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        const double s = std::min(screen.width() / 1024.0, screen.height() / 768.0);
        QCOMPARE(w_->scale(), s);
        QVERIFY(qAbs(ctl("picture")->width() - 400 * s) <= 1);  // 562 on 1920 x 1080
        QVERIFY(qAbs(ctl("picture")->geometry().center().x() - screen.width() / 2) <= 1);
        QCOMPARE(letterTile(0)->font().pixelSize(), qRound(30 * s));
        QVERIFY(qAbs((letterTile(1)->x() - letterTile(0)->x()) - 73 * s) <= 1);
        for (QWidget* c : w_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (c->isVisible())
                QVERIFY2(w_->rect().contains(c->geometry()), qPrintable(c->objectName()));
        QVERIFY(qAbs(ctl<GifAnimation>("star")->width() - 150 * s) <= 1);
        const QPoint b = letterTile(1)->geometry().center();
        clickAt(w_.get(), b);
        QCOMPARE(w_->selection().letter, QString("CapB"));
        // Drawn larger, on a larger screen or a scaled desktop, the picture, the window's
        // own pictures and its pointer come at twice the size.
        const bool sharper = s * w_->devicePixelRatioF() > 1;
        QCOMPARE(ctl("picture")->pixmap().width(), sharper ? 800 : 400);
        QCOMPARE(ctl(QStringLiteral("letterTileBack0"))->pixmap().width(), sharper ? 100 : 50);
        QCOMPARE(pointer(Pointer::Smiley).pixmap().devicePixelRatio(), w_->devicePixelRatioF() > 1 ? 2.0 : 1.0);
        // A game is s times its design size too, over the middle of the window.
        clickAt(w_.get(), ctl("bigLetter")->geometry().center());
        QWidget* quiz = nullptr;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t != w_.get() && t->isVisible() && t->windowTitle() == "Press keyboard")
                quiz = t;
        QVERIFY(quiz);
        QVERIFY(ctl("bigLetter")->text().startsWith("Cap"));  // a tile of the table, not A to Z
        QVERIFY(qAbs(quiz->width() - 249 * s) <= 1 && qAbs(quiz->height() - 177 * s) <= 1);
        QVERIFY(qAbs(quiz->geometry().center().x() - screen.width() / 2) <= 1);
        quiz->close();
    }

    // A tap on a touch screen is a click, on the tiles and on the picture alike.
    void aTapIsAClick() {
        static QPointingDevice* finger = QTest::createTouchDevice();
        auto tap = [this](QWidget* control) {
            const QPoint at = control->geometry().center();
            QTest::touchEvent(w_.get(), finger).press(0, at);
            QTest::touchEvent(w_.get(), finger).release(0, at);
        };
        tap(letterTile(1));
        QCOMPARE(w_->selection().letter, QString("CapB"));
        tap(ctl("picture"));
        QCOMPARE(openWritten(), QString("sounds\\B1.wav"));
        QVERIFY(ctl("word")->isVisible());
    }

    void startUpState() {
        QCOMPARE(w_->windowTitle(), QString("Zorbla - "));
        // Before a choice there is no picture to page to: no arrow shows.
        QVERIFY(!ctl("previousPicture")->isVisible());
        QVERIFY(!ctl("nextPicture")->isVisible());
        QCOMPARE(w_->selection().letter, QString("A"));
        QCOMPARE(w_->selection().words[0], QString("ZORBLA"));
        QCOMPARE(w_->selection().pictureNumber, 1);
        QCOMPARE(w_->selection().sounds[0], QString("sounds\\alphabet.wav"));
        QCOMPARE(ctl("bigLetter")->text(), QString("?"));
        QCOMPARE(letterTile(0)->text(), QString("CapA"));
        QCOMPARE(letterTile(25)->text(), QString("CapZ"));
        QCOMPARE(w_->palette().color(QPalette::Window), QColor(60, 160, 245));
        QCOMPARE(ctl("previousPicture")->toolTip(), QString("PREVIOUS PICTURE"));
        QCOMPARE(ctl("door")->toolTip(), QString("EXIT"));
        QVERIFY(!w_->recordingMade());
    }

    void aBadWordTableStopsTheProgram() {
        // Start the real program in a folder whose table breaks on line 3.
        QTemporaryDir dir;
        QFile table(dir.filePath("TEXT.TXT"));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("01 A,B,C,D.\r\n02 A,B,C,D.\r\n03 A,B,C,D\r\n");
        table.close();
        QProcess p;
        p.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZORBLA_PROGRAM), {});
        QVERIFY(p.waitForStarted());
        // The message box waits for the parent; its text went to stderr first.
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += p.readAllStandardError())
                                     .contains("TEXT.TXT, line 3: no full stop after the third comma"),
                                 5000);
        p.kill();
        p.waitForFinished();

        // The same through the window: no start-up past the table.
        table.open(QIODevice::WriteOnly);
        table.write("01 A,B,C,D.\r\n");
        table.close();
        QDir::setCurrent(dir.path());
        QFile::remove(dir.filePath("TEXT.TXT"));
        MainWindow broken;
        auto error = broken.load();
        QDir::setCurrent(folder_.path());
        QVERIFY(error);
        QVERIFY(error->message().startsWith("text.txt: the word table is missing"));
        QCOMPARE(broken.windowTitle(), QString());
    }

    void choosingALetter() {
        QTest::mouseClick(letterTile(1), Qt::LeftButton);
        QCOMPARE(w_->selection().letter, QString("CapB"));
        QCOMPARE(openWritten(), QString("sounds\\b.wav"));
        QCOMPARE(QFileInfo(w_->mediaControl().device().path()).fileName(), QString("b.wav"));
        QCOMPARE(commands_.first(), QString("Close"));
        QCOMPARE(w_->selection().words[0], QString("B1w"));
        QCOMPARE(w_->selection().words[3], QString("B4w"));
        QCOMPARE(w_->selection().sounds[2], QString("sounds\\B3.wav"));
        QCOMPARE(w_->selection().pictures[3], QString("images\\B4.gif"));
        QCOMPARE(w_->selection().animations[1], QString("images\\B2ani.gif"));
        QCOMPARE(w_->shownPicture(), QString("images\\B1.gif"));
        QVERIFY(!ctl("picture")->pixmap().isNull());
        QCOMPARE(ctl("smallLetter")->text(), QString("smb"));
        QVERIFY(ctl("smallLetter")->isVisible());
        QVERIFY(!ctl("word")->isVisible());
        QCOMPARE(ctl("bigLetter")->text(), QString("CapB"));
        QCOMPARE(ctl("pictureNumber")->text(), QString("1"));

        // C is named in small letters, D in capitals.
        QTest::mouseClick(letterTile(2), Qt::LeftButton);
        QCOMPARE(openWritten(), QString("sounds\\c.wav"));
        QTest::mouseClick(letterTile(3), Qt::LeftButton);
        QCOMPARE(openWritten(), QString("sounds\\D.wav"));
        QVERIFY(w_->mediaControl().device().isOpen());

        // B to Z need a completed click: a press that leaves the tile selects nothing.
        QTest::mousePress(letterTile(4), Qt::LeftButton);
        QTest::mouseRelease(letterTile(4), Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(w_->selection().letter, QString("CapD"));
        QTest::mouseClick(letterTile(4), Qt::RightButton);
        QCOMPARE(w_->selection().letter, QString("CapD"));
        // A goes at the press of any button.
        QTest::mousePress(letterTile(0), Qt::RightButton);
        QCOMPARE(w_->selection().letter, QString("CapA"));
        QCOMPARE(openWritten(), QString("sounds\\a.wav"));
        QTest::mouseRelease(letterTile(0), Qt::RightButton);

        // The small letter speaks "lower case" and keeps the selection.
        QTest::mouseClick(ctl("smallLetter"), Qt::LeftButton);
        QCOMPARE(openWritten(), QString("sounds\\lower_case.wav"));
        QCOMPARE(w_->selection().letter, QString("CapA"));
        QVERIFY(ctl("smallLetter")->isVisible());
    }

    void pagingThroughThePictures() {
        QTest::mouseClick(letterTile(23), Qt::LeftButton);  // X
        QVERIFY(!ctl("previousPicture")->isVisible());
        QVERIFY(ctl("nextPicture")->isVisible());
        for (int k = 2; k <= 4; ++k) {
            QTest::mouseClick(ctl("nextPicture"), Qt::LeftButton);
            QCOMPARE(w_->selection().pictureNumber, k);
            QCOMPARE(ctl("pictureNumber")->text(), QString::number(k));
            QCOMPARE(w_->shownPicture(), QString("images\\X%1.gif").arg(k));
            QVERIFY(!ctl("picture")->pixmap().isNull());
            QVERIFY(ctl("previousPicture")->isVisible());
        }
        QVERIFY(!ctl("nextPicture")->isVisible());
        QTest::mouseClick(ctl("previousPicture"), Qt::LeftButton);
        QCOMPARE(w_->selection().pictureNumber, 3);
        QVERIFY(ctl("previousPicture")->isVisible());
        QVERIFY(ctl("nextPicture")->isVisible());
        // The arrows do not speak.
        QCOMPARE(openWritten(), QString("sounds\\X.wav"));
        // The same letter again starts from picture 1.
        QTest::mouseClick(letterTile(23), Qt::LeftButton);
        QCOMPARE(w_->selection().pictureNumber, 1);
        QVERIFY(!ctl("previousPicture")->isVisible());
    }

    void clickingThePicture() {
        // Before any choice: the start values.
        QTest::mouseClick(ctl("picture"), Qt::LeftButton);
        QCOMPARE(openWritten(), QString("sounds\\alphabet.wav"));
        QCOMPARE(ctl("word")->text(), QString("ZORBLA"));
        QVERIFY(ctl("word")->isVisible());
        QCOMPARE(commands_.last(), QString("play"));

        QTest::mouseClick(letterTile(1), Qt::LeftButton);
        QTest::mouseClick(ctl("nextPicture"), Qt::LeftButton);
        QTest::mouseClick(ctl("picture"), Qt::LeftButton);
        QCOMPARE(w_->shownWord(), QString("B2w"));
        QCOMPARE(openWritten(), QString("sounds\\B2.wav"));
        QVERIFY(ctl<GifAnimation>("pictureAnimation")->isVisible());
        QVERIFY(ctl<GifAnimation>("pictureAnimation")->loadedPath().endsWith("images/B2ani.gif"));
        QCOMPARE(ctl<GifAnimation>("pictureAnimation")->size(), QSize(396, 396));
        QCOMPARE(ctl("word")->text(), QString("B2w"));
        QVERIFY(ctl("word")->isVisible());
        QVERIFY(ctl("smallLetter")->isVisible());  // the picture leaves the small letter alone

        // A new letter leaves the animation until its end hides it.
        QTest::mouseClick(letterTile(2), Qt::LeftButton);
        QVERIFY(ctl<GifAnimation>("pictureAnimation")->isVisible());
        QVERIFY(!ctl("word")->isVisible());
        QCOMPARE(ctl("word")->text(), QString("B2w"));
        QTRY_VERIFY_WITH_TIMEOUT(!ctl<GifAnimation>("pictureAnimation")->isVisible(), 5000);
    }

    // The small letter lies on the right of the capital's card; even the widest capital
    // is seen whole beside it.
    void bothLettersAreSeenWhole() {
        auto count = [this](QColor colour) {
            const QImage shot = w_->grab(ctl("bigLetter")->geometry()).toImage();
            int n = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    n += qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) + qAbs(c.blue() - colour.blue()) < 40;
                }
            return n;
        };
        const QColor capitalRed(225, 45, 60), smallGreen(30, 150, 60);
        ctl("bigLetter")->setText("W");
        ctl("smallLetter")->setText("w");
        ctl("smallLetter")->hide();
        const int alone = count(capitalRed);
        ctl("smallLetter")->show();
        QVERIFY(count(smallGreen) > 200);
        QVERIFY(alone > 200);
        QCOMPARE(count(capitalRed), alone);
    }

    void anAnimationThatLoopsForeverEndsAfterOnePass() {
        QFile gif("images/B1ani.gif");
        QVERIFY(gif.open(QIODevice::ReadWrite));
        const QByteArray original = gif.readAll();
        QVERIFY(gif.resize(0));
        gif.write(loopingForever(original));
        gif.close();
        QTest::mouseClick(letterTile(1), Qt::LeftButton);
        const QPoint picture = ctl("picture")->geometry().center();
        clickAt(w_.get(), picture);
        QVERIFY(ctl<GifAnimation>("pictureAnimation")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!ctl<GifAnimation>("pictureAnimation")->isVisible(), 5000);
        // The still picture is back and answers again.
        commands_.clear();
        clickAt(w_.get(), picture);
        QCOMPARE(openWritten(), QString("sounds\\B1.wav"));
        QVERIFY(ctl<GifAnimation>("pictureAnimation")->isVisible());
        // While it plays, a click on it is a click on the picture.
        commands_.clear();
        clickAt(w_.get(), picture);
        QCOMPARE(commands_.last(), QString("play"));
        QVERIFY(gif.open(QIODevice::WriteOnly | QIODevice::Truncate));
        gif.write(original);
    }

    void numbersAndColours() {
        QTest::mouseClick(letterTile(6), Qt::LeftButton);  // G
        QTest::mouseClick(numberTile(10), Qt::LeftButton);  // 10
        QCOMPARE(openWritten(), QString("sounds\\10.wav"));
        for (int p = 1; p <= 4; ++p) {
            QCOMPARE(w_->selection().pictures[size_t(p - 1)], QString("images\\10%1.gif").arg(p));
            QCOMPARE(w_->selection().animations[size_t(p - 1)], QString("images\\10ani.gif"));
            QCOMPARE(w_->selection().sounds[size_t(p - 1)], QString("sounds\\10%1.wav").arg(p));
        }
        QCOMPARE(w_->selection().words[2], QString("N10w3"));
        QCOMPARE(w_->selection().letter, QString("CapG"));  // numbers keep the letter
        QCOMPARE(ctl("bigLetter")->text(), QString("CapG"));
        QVERIFY(!ctl("smallLetter")->isVisible());
        QCOMPARE(w_->shownPicture(), QString("images\\101.gif"));

        QTest::mouseClick(numberTile(1), Qt::LeftButton);  // 1
        QCOMPARE(w_->selection().sounds[0], QString("sounds\\11.wav"));

        // A colour while picture 3 and its word are shown changes nothing but the sound.
        QTest::mouseClick(letterTile(7), Qt::LeftButton);  // H: small letter shown again
        QVERIFY(ctl("smallLetter")->isVisible());
        QTest::mouseClick(ctl("nextPicture"), Qt::LeftButton);
        QTest::mouseClick(ctl("nextPicture"), Qt::LeftButton);
        QTest::mouseClick(ctl("picture"), Qt::LeftButton);
        QTest::mouseClick(ctl("swatch_red"), Qt::LeftButton);
        QCOMPARE(openWritten(), QString("sounds\\red.wav"));
        QCOMPARE(w_->selection().pictureNumber, 3);
        QCOMPARE(w_->shownPicture(), QString("images\\H3.gif"));
        QVERIFY(ctl("word")->isVisible());
        QVERIFY(ctl("smallLetter")->isVisible());
        QVERIFY(ctl("previousPicture")->isVisible() && ctl("nextPicture")->isVisible());

        const std::pair<ClickLabel*, const char*> colours[] = {
            {ctl("swatch_yellow"), "yellow"}, {ctl("swatch_brown"), "brown"}, {ctl("swatch_green"), "green"},
            {ctl("swatch_blue"), "blue"}, {ctl("swatch_orange"), "orange"}, {ctl("colours"), "colours"}};
        for (const auto& [control, name] : colours) {
            QTest::mouseClick(control, Qt::LeftButton);
            QCOMPARE(openWritten(), QString("sounds\\%1.wav").arg(name));
        }
        // SPEAK repeats the colour from its beginning.
        commands_.clear();
        QTest::mouseClick(w_->mediaControl().playButton(), Qt::LeftButton);
        QCOMPARE(commands_, QStringList{"prev"});
        QCOMPARE(openWritten(), QString("sounds\\colours.wav"));
    }

    void backgroundAndDecorations() {
        // A click on the window itself says "oops"; a click on a control does not.
        QTest::mouseClick(letterTile(1), Qt::LeftButton);
        QTest::mouseClick(w_.get(), Qt::LeftButton, {}, QPoint(700, 740));
        QCOMPARE(openWritten(), QString("sounds\\ops.wav"));
        QTest::mouseClick(letterTile(1), Qt::LeftButton);
        QTest::mouseClick(ctl("pictureNumber"), Qt::LeftButton);
        QTest::mouseClick(ctl(QStringLiteral("letterTileBack5")), Qt::LeftButton);
        QCOMPARE(openWritten(), QString("sounds\\b.wav"));

        const std::pair<GifAnimation*, const char*> animations[] = {
            {ctl<GifAnimation>("alphabetBlocks"), "alphabet_song"}, {ctl<GifAnimation>("spider"), "spider"}, {ctl<GifAnimation>("star"), "star"}};
        for (const auto& [ani, sound] : animations) {
            // Still until clicked, showing its first frame at the animation's size.
            QVERIFY(!ani->isRunning());
            const QImage first = QImageReader(ani->loadedPath()).read();
            QCOMPARE(ani->size(), first.size());
            QCOMPARE(ani->currentImage().convertToFormat(first.format()), first);
            QVERIFY(ani->frameCount() > 1);
            QTest::mouseClick(ani, Qt::LeftButton, {}, QPoint(ani->width() / 2, ani->height() / 2));
            QCOMPARE(openWritten(), QString("sounds\\%1.wav").arg(sound));
            QVERIFY(ani->isRunning());
            QVERIFY(ctl("smallLetter")->isVisible());  // colour sounds leave the labels
        }
    }

    void wordsKeepTheirColoursBehindAGame() {
        // A game disables the window behind it; the child must not see the words fade.
        auto hasColour = [](const QImage& img, QColor want) {
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    if (qAbs(c.red() - want.red()) < 12 && qAbs(c.green() - want.green()) < 12 &&
                        qAbs(c.blue() - want.blue()) < 12)
                        return true;
                }
            return false;
        };
        for (const bool enabled : {true, false}) {
            w_->setEnabled(enabled);
            QVERIFY2(hasColour(letterTile(0)->grab().toImage(), QColor(25, 45, 120)), enabled ? "enabled" : "disabled");
            QVERIFY(hasColour(numberTile(1)->grab().toImage(), QColor(150, 30, 40)));
            const QImage guess = ctl("guess")->grab().toImage();
            QVERIFY(hasColour(guess, QColor(120, 40, 140)));  // the word
            QCOMPARE(guess.pixelColor(8, guess.height() / 2), QColor(255, 215, 60));  // on its yellow card
        }
        // The decorations too: the blocks, the spider and the star are drawn as they are.
        for (GifAnimation* ani : {ctl<GifAnimation>("alphabetBlocks"), ctl<GifAnimation>("spider"), ctl<GifAnimation>("star")}) {
            w_->setEnabled(true);
            const QImage enabled = ani->grab().toImage();
            w_->setEnabled(false);
            QCOMPARE(ani->grab().toImage(), enabled);
        }
        w_->setEnabled(true);
    }

    void backgroundPictureIsDrawnStretched() {
        // Stretched by 15/13 from the top-left corner: the sun (at 260, 230 of the
        // 2133 x 1600 picture) lands near (144, 127), and grass fills the bottom right.
        const QImage shot = w_->grab().toImage();
        const QColor sun = shot.pixelColor(144, 127);
        QVERIFY2(sun.red() > 220 && sun.green() > 190 && sun.blue() < 200, qPrintable(sun.name()));
        const QColor grass = shot.pixelColor(1010, 700);
        QVERIFY2(grass.green() > grass.red() + 30 && grass.green() > grass.blue() + 30, qPrintable(grass.name()));
    }

    void backgroundLooksTheSameWhenKeptFromAnEarlierStart() {
        if (!backgroundFor(w_->size() * w_->devicePixelRatio()).ready.isEmpty())
            QSKIP("this screen's background is compiled in: nothing is kept");
        QTemporaryDir cache;
        const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
        auto start = [] {
            auto w = std::make_unique<MainWindow>();
            if (w->load())
                return std::unique_ptr<MainWindow>();
            w->show();
            return QTest::qWaitForWindowExposed(w.get()) ? std::move(w) : std::unique_ptr<MainWindow>();
        };
        w_.reset();
        auto first = start();
        QVERIFY(first);
        const QImage decoded = first->grab().toImage();
        auto kept = [&cache] {
            QDirIterator it(cache.path(), {QStringLiteral("background-*.raw")}, QDir::Files, QDirIterator::Subdirectories);
            return it.hasNext();
        };
        QTRY_VERIFY(kept());  // once the first frame is out
        first.reset();
        w_ = start();
        qputenv("XDG_CACHE_HOME", oldCache);
        QVERIFY(w_);
        // Once the first frame is out, the file may go or be cut short under the window.
        QTest::qWait(50);
        QDirIterator it(cache.path(), {QStringLiteral("background-*.raw")}, QDir::Files, QDirIterator::Subdirectories);
        QFile file(it.next());
        QVERIFY(file.resize(16));
        const QImage mapped = w_->grab().toImage();
        QCOMPARE(mapped.size(), decoded.size());
        int worst = 0;
        for (int y = 0; y < mapped.height(); y += 7)
            for (int x = 0; x < mapped.width(); x += 7) {
                const QRgb a = decoded.pixel(x, y), b = mapped.pixel(x, y);
                worst = std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
            }
        QVERIFY2(worst == 0, qPrintable(QString::number(worst)));
    }

    void recordingKeptWithS() {
        QTest::mouseClick(letterTile(2), Qt::LeftButton);  // C: "sounds\c.wav" is open
        const QString file = w_->mediaControl().device().path();
        Sound before;
        QVERIFY(readWav(file, &before));

        // S without a recording sends nothing.
        commands_.clear();
        QTest::keyClick(w_.get(), Qt::Key_S);
        QVERIFY(commands_.isEmpty());

        QTest::mouseClick(w_->mediaControl().recordButton(), Qt::LeftButton);
        QVERIFY(w_->recordingMade());
        std::vector<qint16> known(4410);
        for (size_t i = 0; i < known.size(); ++i)
            known[i] = qint16(i * 13 - 20000);
        auto* light = w_->findChild<RecordingLight*>(QStringLiteral("recordingLight"));
        QVERIFY(light);
        if (serverAvailable()) {
            QVERIFY(w_->mediaControl().device().isRecording());
            // The child sees that it records, and then that the take was kept.
            QTRY_VERIFY(light->isVisible() && light->state() == RecordingLight::State::Recording);
            QTest::qWait(300);
            QVERIFY(zorbla_test::speakIntoMicrophone(known));
            QTRY_VERIFY_WITH_TIMEOUT(zorbla_test::holds(w_->mediaControl().device().sound().samples, known), 5000);
        }
        QTest::mouseClick(w_->mediaControl().stopButton(), Qt::LeftButton);
        // The key reaches the window whichever control has the focus; Shift does not matter.
        ctl("word")->setFocusPolicy(Qt::StrongFocus);
        ctl("word")->show();
        ctl("word")->setFocus();
        commands_.clear();
        QTest::keyClick(ctl("word"), Qt::Key_S, Qt::ShiftModifier);
        QCOMPARE(commands_, QStringList{"save"});
        QVERIFY(!w_->recordingMade());
        Sound after;
        QVERIFY(readWav(file, &after));
        if (serverAvailable())
            QVERIFY(zorbla_test::holdsIntact(after.samples, known));
        QVERIFY(light->isVisible() && light->state() == RecordingLight::State::Kept);
        QVERIFY(originals::isReplaced(pack::letterSound(2)));  // the pack's sound can be put back
        // A second S does nothing.
        QTest::keyClick(w_.get(), Qt::Key_S);
        QCOMPARE(commands_, QStringList{"save"});

        // An arrow after a recording forgets it.
        QTest::mouseClick(w_->mediaControl().recordButton(), Qt::LeftButton);
        QTest::mouseClick(w_->mediaControl().stopButton(), Qt::LeftButton);
        QTest::mouseClick(ctl("nextPicture"), Qt::LeftButton);
        QVERIFY(!w_->recordingMade());
        commands_.clear();
        QTest::keyClick(w_.get(), Qt::Key_S);
        QVERIFY(commands_.isEmpty());
        // Restore the sound for the tests after this one.
        QVERIFY(writeWav(file, before));
    }

    void waysOut() {
        QSignalSpy ended(w_.get(), &MainWindow::programEnded);
        QTest::mouseClick(letterTile(1), Qt::LeftButton);
        commands_.clear();
        QTest::mouseClick(ctl("door"), Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(commands_.isEmpty());  // no "Close" on the way out
        // Once ended, keys do nothing more.
        QTest::keyClick(w_.get(), Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);

        cleanup();
        init();
        QSignalSpy ended2(w_.get(), &MainWindow::programEnded);
        QTest::keyClick(w_.get(), Qt::Key_Escape);
        QCOMPARE(ended2.count(), 1);
        QVERIFY(commands_.isEmpty());

        // Closing the window any other way sends "Close" first.
        cleanup();
        init();
        QSignalSpy ended3(w_.get(), &MainWindow::programEnded);
        w_->close();
        QCOMPARE(commands_, QStringList{"Close"});
        QCOMPARE(ended3.count(), 1);
    }

    // Locked, a press of Escape or the door, T and the desktop's close do nothing; held
    // for three seconds, Escape and the door end the program while a ring fills.
    void aLockedStartIsLeftOnlyByHolding() {
        w_->setKiosk(true);
        QSignalSpy ended(w_.get(), &MainWindow::programEnded);
        auto* ring = w_->findChild<QWidget*>(QStringLiteral("holdRing"));
        QVERIFY(ring);
        QTest::keyClick(w_.get(), Qt::Key_Escape);
        QTest::mouseClick(ctl("door"), Qt::LeftButton);
        bool editorOpened = false;
        QTimer::singleShot(300, this, [&editorOpened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                editorOpened = true;
                modal->close();
            }
        });
        QTest::keyClick(w_.get(), Qt::Key_T);
        w_->close();
        // Let go before the ring is full: nothing.
        QTest::keyPress(w_.get(), Qt::Key_Escape);
        QVERIFY(ring->isVisible());
        QTest::qWait(HoldRing::kHoldMs / 2);
        QTest::keyRelease(w_.get(), Qt::Key_Escape);
        QTRY_VERIFY(!ring->isVisible());
        QTest::qWait(HoldRing::kHoldMs);
        QVERIFY(!editorOpened);
        QVERIFY(w_->isVisible());
        QCOMPARE(ended.count(), 0);
        // Held on.
        QTest::keyPress(w_.get(), Qt::Key_Escape);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, HoldRing::kHoldMs + 1000);

        cleanup();
        init();
        w_->setKiosk(true);
        QSignalSpy door(w_.get(), &MainWindow::programEnded);
        QTest::mousePress(ctl("door"), Qt::LeftButton);
        QVERIFY(w_->findChild<QWidget*>(QStringLiteral("holdRing"))->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(door.count(), 1, HoldRing::kHoldMs + 1000);
    }

    // At a whiteboard the locked door is held with a finger: lifted early, nothing.
    void aFingerHeldOnTheLockedDoorEnds() {
        static QPointingDevice* finger = QTest::createTouchDevice();
        w_->setKiosk(true);
        QSignalSpy ended(w_.get(), &MainWindow::programEnded);
        const QPoint door = ctl("door")->geometry().center();
        QTest::touchEvent(w_.get(), finger).press(0, door);
        QTest::qWait(HoldRing::kHoldMs / 2);
        QTest::touchEvent(w_.get(), finger).release(0, door);
        QTest::qWait(HoldRing::kHoldMs);
        QCOMPARE(ended.count(), 0);
        QTest::touchEvent(w_.get(), finger).press(0, door);
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, HoldRing::kHoldMs + 1000);
    }

    // With keys on the screen each quiz still fits the screen, every key 9 mm or more.
    void theLetterKeysFitTheScreen() {
        w_->setLetterKeys(true);
        w_->chooseLetter(0);
        w_->clickPicture();
        const double nineMillimetres = w_->screen()->physicalDotsPerInch() * 9 / 25.4;
        for (const char* launcher : {"word", "bigLetter", "guess"}) {  // the word goes with the exit sound
            QTest::mouseClick(ctl(launcher), Qt::LeftButton, {}, QPoint(20, 10));
            QWidget* quiz = nullptr;
            for (QWidget* t : QApplication::topLevelWidgets())
                quiz = t != w_.get() && t->isVisible() ? t : quiz;
            QVERIFY(quiz && w_->screen()->availableGeometry().contains(quiz->frameGeometry()));
            const auto keys = quiz->findChildren<QAbstractButton*>();
            QVERIFY(keys.size() >= 26);
            for (QAbstractButton* key : keys)
                QVERIFY(key->width() >= nineMillimetres && quiz->rect().contains(key->geometry().translated(key->parentWidget()->pos())));
            quiz->close();
        }
    }

    void aMissingPictureDoesNotEndTheSession() {
        QVERIFY(QFile::rename("images/Q1.gif", "images/Q1.gif.away"));
        QTest::mouseClick(letterTile(16), Qt::LeftButton);  // Q
        QVERIFY(QFile::rename("images/Q1.gif.away", "images/Q1.gif"));
        QCOMPARE(w_->shownPicture(), QString("images\\Q1.gif"));
        QVERIFY(ctl("picture")->pixmap().isNull());
        QTest::mouseClick(ctl("nextPicture"), Qt::LeftButton);
        QVERIFY(!ctl("picture")->pixmap().isNull());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
