// The program as a Wayland client of Weston (run-weston): it fills the screen, a game
// opens over it with the keyboard, stays over it when the child clicks beside it, and
// goes back. Clicks and keys go through Weston's seat (xdotool on the X server Weston
// runs in); what Weston shows is checked in its screenshots.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <memory>

#include "activities/key_quiz/key_quiz.h"
#include "app/application.h"
#include "common/pack_folder.h"
#include "common/controls.h"
#include "main_window/main_window.h"
#include "sound/media_control.h"
#include "widgets/clicklabel.h"

using namespace zorbla;

namespace {

// What Weston shows now.
QImage screenshot() {
    const QDir folder(qEnvironmentVariable("ZORBLA_SCREENSHOTS"));
    for (const QString& old : folder.entryList({QStringLiteral("wayland-screenshot*.png")}))
        QFile::remove(folder.filePath(old));
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    shooter.waitForFinished(10000);
    const QStringList shots = folder.entryList({QStringLiteral("wayland-screenshot*.png")});
    return shots.isEmpty() ? QImage() : QImage(folder.filePath(shots.first())).convertToFormat(QImage::Format_RGB32);
}

// Where the screen shows the picture (a window's own rendering), by its middle row, at
// any place the compositor may have put it; (-1, -1) when it does not show it.
QPoint whereShown(const QImage& screen, const QImage& picture) {
    const QImage own = picture.convertToFormat(QImage::Format_RGB32);
    const int y = own.height() / 2, w = own.width();
    const QRgb* want = reinterpret_cast<const QRgb*>(own.constScanLine(y));
    for (int top = 0; top + own.height() <= screen.height(); ++top) {
        const QRgb* row = reinterpret_cast<const QRgb*>(screen.constScanLine(top + y));
        for (int left = 0; left + w <= screen.width(); ++left) {
            if (row[left + w / 2] != want[w / 2])
                continue;
            int same = 0;
            for (int x = 0; x < w; ++x)
                same += row[left + x] == want[x];
            if (same > w * 9 / 10)
                return QPoint(left, top);
        }
    }
    return QPoint(-1, -1);
}

bool shows(const QImage& screen, QWidget* window) { return whereShown(screen, window->grab().toImage()).x() >= 0; }

void xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(10000);
}

// A click of the seat's mouse at a point of Weston's output.
void clickAt(QPoint p) {
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("click"),
             QStringLiteral("1")});
    QTest::qWait(300);
}

}  // namespace

class TestWayland : public QObject {
    Q_OBJECT
    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> w_;

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY(folder_.enter());
        nameApplication();
        redrawShownWindowsOnce();
        w_ = std::make_unique<MainWindow>();
        QVERIFY(!w_->load());
        w_->showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void cleanupTestCase() {
        w_.reset();
    }

    void theMainWindowFillsTheScreen() {
        QCOMPARE(w_->windowHandle()->visibility(), QWindow::FullScreen);
        QTRY_COMPARE(w_->size(), QGuiApplication::primaryScreen()->size());
        QTRY_VERIFY(shows(screenshot(), w_.get()));
    }

    void aGameOpensOverItWithTheKeyboardAndGoesBack() {
        // The main window fills the output from its corner: its points are the output's.
        clickAt(zorbla_test::control(*w_, "bigLetter")->geometry().center());
        KeyQuiz* quiz = nullptr;
        QTRY_VERIFY((quiz = [] {
            for (QWidget* t : QApplication::topLevelWidgets())
                if (auto* q = qobject_cast<KeyQuiz*>(t); q && q->isVisible())
                    return q;
            return static_cast<KeyQuiz*>(nullptr);
        }()));
        QVERIFY(QTest::qWaitForWindowExposed(quiz));
        QCOMPARE(quiz->windowHandle()->transientParent(), w_->windowHandle());
        const QImage own = quiz->grab().toImage();
        QPoint at;
        QTRY_VERIFY((at = whereShown(screenshot(), own)).x() >= 0);
        xdotool({QStringLiteral("key"), QStringLiteral("q")});
        QTRY_COMPARE(quiz->answerBox()->text(), QStringLiteral("q"));
        // A click beside it, on the disabled main window, leaves it over the main window.
        clickAt(QPoint(4, w_->height() - 4));
        QTest::qWait(500);
        QVERIFY(quiz->isVisible());
        QVERIFY(shows(screenshot(), quiz));
        xdotool({QStringLiteral("key"), QStringLiteral("BackSpace"), QStringLiteral("w")});
        QTRY_COMPARE(quiz->answerBox()->text(), QStringLiteral("w"));
        clickAt(at + zorbla_test::control(*quiz, "door")->geometry().center());
        QTRY_VERIFY(w_->isEnabled());
        QCOMPARE(w_->mediaControl().fileName(), QStringLiteral("sounds\\izlaz.wav"));
        if (!qEnvironmentVariable("ZORBLA_MIC_FIFO").isEmpty())  // a sound server is there
            QTRY_VERIFY(w_->mediaControl().device().isPlaying());
        QTRY_COMPARE(whereShown(screenshot(), own), QPoint(-1, -1));
        // The keys are the main window's again: Escape ends the program.
        QSignalSpy ended(w_.get(), &MainWindow::programEnded);
        QTRY_COMPARE(QApplication::activeWindow(), w_.get());
        xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
        QTRY_COMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"
