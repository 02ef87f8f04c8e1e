// The program on a real X server, under the window manager that run-desktop started:
// clicks and keys go through the server (XTEST, as a child's hands), and what is checked
// is what the server shows: the pixels on the screen, the window that has the keyboard,
// the captions the window manager reads.

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include "activities/drawing_board/drawing_board.h"
#include "activities/letter_pad/letter_pad.h"
#include "activities/counting/counting_game.h"
#include "activities/missing_letter/missing_letter_game.h"
#include "activities/word_editor/word_editor.h"
#include "activities/word_quiz/word_quiz.h"
#include "activities/key_quiz/key_quiz.h"
#include "app/application.h"
#include "common/pack_folder.h"
#include "common/controls.h"
#include "main_window/main_window.h"
#include "widgets/clicklabel.h"

using namespace zorbla;

namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void xdotool(const QStringList& args) { run(QStringLiteral("xdotool"), args); }

QString hex(WId id) { return QStringLiteral("0x%1").arg(id, 0, 16); }

// The window as the server knows it; QWidget::winId() may name one that Qt made anew.
QString xid(QWidget* window) { return hex(window->windowHandle()->winId()); }

// Where the server has the window's own area, frame left out.
QRect onScreen(QWidget* window) {
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), xid(window)});
    auto value = [&info](const char* name) {
        const auto m = QRegularExpression(QStringLiteral("%1:\\s*(-?\\d+)").arg(QLatin1String(name))).match(info);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    };
    return QRect(value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height"));
}

// The middle of a control, on the screen.
QPoint screenPoint(QWidget* control) {
    QWidget* window = control->window();
    return onScreen(window).topLeft() + control->mapTo(window, control->rect().center());
}

void clickAt(QPoint p) {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(p.x()), QString::number(p.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(150);
}
void click(QWidget* control) { clickAt(screenPoint(control)); }
void keys(const QStringList& names) {
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} + names);
    QTest::qWait(250);
}

// The caption the window manager shows.
QString caption(QWidget* window) {
    const QString out = run(QStringLiteral("xprop"), {QStringLiteral("-id"), xid(window),
                                                      QStringLiteral("_NET_WM_NAME")});
    const auto m = QRegularExpression(QStringLiteral("= \"(.*)\"")).match(out);
    return m.hasMatch() ? m.captured(1) : out.trimmed();
}

// The share of the window's pixels that the screen shows as the window draws them: near 1
// when it is uppermost, far lower when another window covers it.
double shownShare(QWidget* window) {
    const QRect where = onScreen(window);
    const QImage screen =
        QGuiApplication::primaryScreen()->grabWindow(0, where.x(), where.y(), where.width(), where.height()).toImage();
    const QImage own = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (screen.isNull() || own.isNull())
        return 0;
    int same = 0, all = 0;
    for (int y = 2; y < std::min(own.height(), screen.height()); y += 4)
        for (int x = 2; x < std::min(own.width(), screen.width()); x += 4) {
            const QRgb a = own.pixel(x, y), b = screen.pixel(x, y);
            ++all;
            if (qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) < 24)
                ++same;
        }
    return all ? double(same) / all : 0;
}

template <class T>
T* openWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            return t;
    return nullptr;
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> w_;
    const QString wm_ = qEnvironmentVariable("ZORBLA_TEST_WM", QStringLiteral("none"));

    // A point of the main window that no game covers.
    QPoint beside() const { return QPoint(4, w_->height() - 4); }

    // The game has opened as the child sees it: uppermost, with its caption as written,
    // and with the keyboard.
    void opened(QWidget* game, const QString& title) {
        QVERIFY(game);
        QVERIFY(QTest::qWaitForWindowExposed(game));
        QTRY_COMPARE(QApplication::activeWindow(), game);
        QTRY_VERIFY2(shownShare(game) > 0.9, qPrintable(QString::number(shownShare(game))));
        QCOMPARE(caption(game), title);
    }

    // A click on the disabled main window beside the game leaves the game uppermost and
    // with the keyboard.
    void clickBeside(QWidget* game) {
        clickAt(beside());
        QTest::qWait(500);
        QVERIFY(game->isVisible());
        QVERIFY2(shownShare(game) > 0.9, qPrintable(QStringLiteral("%1 under %2: %3 of it on the screen")
                                                        .arg(game->windowTitle(), wm_)
                                                        .arg(shownShare(game))));
        QTRY_COMPARE(QApplication::activeWindow(), game);
    }

    // Its door gives the main window back, with the keyboard.
    void leave(ClickLabel* door) {
        click(door);
        QTRY_VERIFY(w_->isEnabled());
        QTRY_COMPARE(QApplication::activeWindow(), w_.get());
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.enter());
        nameApplication();
        redrawShownWindowsOnce();
    }

    void init() {
        w_ = std::make_unique<MainWindow>();
        QVERIFY(!w_->load());
        w_->showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        QTRY_COMPARE(QApplication::activeWindow(), w_.get());
        QTest::qWait(300);
    }
    void cleanup() {
        w_.reset();
        QTest::qWait(100);
    }

    void mainWindowFillsTheScreenWithItsCaption() {
        QCOMPARE(caption(w_.get()), QStringLiteral("Zorbla - "));
        QCOMPARE(onScreen(w_.get()), QGuiApplication::primaryScreen()->geometry());
        // A compositor drawing in software may show the window a moment after it is mapped.
        QTRY_VERIFY2(shownShare(w_.get()) > 0.9, qPrintable(QString::number(shownShare(w_.get()))));
    }

    // Escape and the door end the program, as a family's desktop delivers them.
    void escapeAndTheDoorEnd() {
        QSignalSpy escape(w_.get(), &MainWindow::programEnded);
        keys({QStringLiteral("Escape")});
        QCOMPARE(escape.count(), 1);
        cleanup();
        init();
        QSignalSpy door(w_.get(), &MainWindow::programEnded);
        click(zorbla_test::control(*w_, "door"));
        QCOMPARE(door.count(), 1);
    }

    // The quiz opens with the keyboard: the first key a child presses is in the box,
    // pressed as soon as the quiz is seen.
    void keyPressQuiz() {
        click(zorbla_test::control(*w_, "bigLetter"));
        auto* quiz = openWindow<KeyQuiz>();
        QVERIFY(quiz);
        QVERIFY(QTest::qWaitForWindowExposed(quiz));
        keys({QStringLiteral("q")});
        QCOMPARE(quiz->answerBox()->text(), QStringLiteral("q"));
        opened(quiz, QStringLiteral("Press keyboard"));
        clickBeside(quiz);
        keys({QStringLiteral("BackSpace"), QStringLiteral("w")});
        QCOMPARE(quiz->answerBox()->text(), QStringLiteral("w"));
        leave(zorbla_test::control(*quiz, "door"));
    }

    // With its keys on the screen: the larger window stays above too, and the keyboard
    // types into it as before.
    void wordQuiz() {
        w_->setLetterKeys(true);
        click(zorbla_test::control(*w_, "picture"));  // the word under the picture, to click on
        click(zorbla_test::control(*w_, "word"));
        auto* quiz = openWindow<WordQuiz>();
        opened(quiz, QStringLiteral("Write the right word"));
        keys({QStringLiteral("z")});
        clickBeside(quiz);
        keys({QStringLiteral("o")});
        QCOMPARE(quiz->answerBox()->text(), QStringLiteral("zo"));
        leave(zorbla_test::control(*quiz, "door"));
    }

    void missingLetterGame() {
        click(zorbla_test::control(*w_, "guess"));
        MissingLetterGame* game = w_->missingLetterGame();
        opened(game, QStringLiteral("Missing letter"));
        keys({QStringLiteral("q")});
        QCOMPARE(game->key(), QStringLiteral("q"));
        clickBeside(game);
        keys({QStringLiteral("k")});
        QCOMPARE(game->key(), QStringLiteral("k"));
        leave(zorbla_test::control(*game, "door"));
    }

    void countingGame() {
        click(zorbla_test::control(*w_, "dice"));
        auto* game = openWindow<CountingGame>();
        opened(game, QStringLiteral("Guess number"));
        clickBeside(game);
        click(zorbla_test::control(*game, "numeral3"));  // the numeral 3: the bear answers
        QVERIFY(!game->shownBear().isEmpty());
        leave(zorbla_test::control(*game, "door"));
    }

    void letterPad() {
        click(zorbla_test::control(*w_, "letterPad"));
        auto* pad = openWindow<LetterPad>();
        opened(pad, QStringLiteral("Drawing letter"));
        clickBeside(pad);
        leave(zorbla_test::control(*pad, "door"));
    }

    // The drawing board fills the screen: nothing lies beside it, but it keeps the
    // keyboard and the screen.
    void drawingBoard() {
        click(zorbla_test::control(*w_, "easel"));
        auto* board = openWindow<DrawingBoard>();
        opened(board, QStringLiteral("Drawing"));
        QCOMPARE(onScreen(board), QGuiApplication::primaryScreen()->geometry());
        leave(zorbla_test::control(*board, "door"));
    }

    // Started three times in a row, the program runs once, with one window, brought out of
    // its minimised state to the front with the keyboard; the later starts end with status
    // 0, the one in another edition saying so. The voice studio runs beside it, once, with
    // no lock in the family's folder; a program killed stops no later start.
    void oneProgramPerDisplay() {
        w_.reset();
        for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            qunsetenv(v);
        qputenv("LANG", "C.UTF-8");  // the programs started are English, unless asked
        QObject started;  // its programs end with it
        auto start = [&started](const QStringList& args) {
            auto* p = new QProcess(&started);
            p->start(QStringLiteral(ZORBLA_PROGRAM), args);
            return p;
        };
        // Ended with status 0, having said only this (Qt's own warnings aside).
        auto endsSaying = [](QProcess* p, const QString& said) {
            return p->waitForFinished(20000) && p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0 &&
                   QString::fromUtf8(p->readAllStandardError()).split(QLatin1Char('\n')).filter(
                       QRegularExpression(QStringLiteral("^zorbla:"))).join(QLatin1Char('|')) == said;
        };
        auto shown = [](const char* title) {
            return run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                   QStringLiteral("--name"), QLatin1String(title)})
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        };
        auto inFront = [] { return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).trimmed(); };
        QProcess* first = start({});
        QTRY_COMPARE_WITH_TIMEOUT(shown("^Zorbla - $").size(), 1, 20000);
        const QString window = shown("^Zorbla - $").first();
        // Out of sight: minimised where a window manager can, under another program's window
        // made active as a click would.
        if (wm_ != QLatin1String("none"))
            xdotool({QStringLiteral("windowminimize"), QStringLiteral("--sync"), window});
        QWidget cover;
        cover.showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        if (wm_ == QLatin1String("none"))
            cover.activateWindow();
        else
            xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), xid(&cover)});
        QTRY_VERIFY(inFront() != window);

        QVERIFY(endsSaying(start({}), QString()));
        QTRY_COMPARE(inFront(), window);
        QVERIFY(endsSaying(start({QStringLiteral("--language"), QStringLiteral("hr")}),
                           QStringLiteral("zorbla: Zorbla is already running in the en (English) edition, "
                                          "and was brought to the front")));
        QCOMPARE(shown("^Zorbla - $"), QStringList{window});
        start({QStringLiteral("--voices")});
        QTRY_COMPARE_WITH_TIMEOUT(shown("^Zorbla - Voices$").size(), 1, 20000);
        QVERIFY(endsSaying(start({QStringLiteral("--voices")}), QString()));
        QCOMPARE(shown("^Zorbla - Voices$").size(), 1);
        QCOMPARE(QDir().entryList({QStringLiteral("*.lock")}, QDir::Files | QDir::Hidden), QStringList());

        first->kill();
        first->waitForFinished();
        QProcess* again = start({});
        QTRY_COMPARE_WITH_TIMEOUT(shown("^Zorbla - $").size(), 1, 20000);
        QCOMPARE(again->state(), QProcess::Running);
    }

    // The word editor is modal: a click beside it leaves it above as well.
    void wordEditorStaysAbove() {
        double shown = 0;
        QWidget* active = nullptr;
        QString title;
        bool checked = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* editor = qobject_cast<WordEditor*>(QApplication::activeModalWidget());
            if (!editor || !editor->isVisible() || checked)
                return;
            checked = true;
            poll.stop();
            QTest::qWait(500);
            clickAt(beside());
            QTest::qWait(500);
            shown = shownShare(editor);
            active = QApplication::activeWindow();
            title = caption(editor);
            click(zorbla_test::control<QPushButton>(*editor, "cancel"));
            if (editor->isVisible())
                editor->reject();
            active = active == editor ? w_.get() : nullptr;  // only compared below
        });
        poll.start(100);
        keys({QStringLiteral("t")});
        QTRY_VERIFY_WITH_TIMEOUT(checked, 10000);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(title, QStringLiteral("Word change"));
        QVERIFY2(shown > 0.9, qPrintable(QString::number(shown)));
        QCOMPARE(active, w_.get());
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
