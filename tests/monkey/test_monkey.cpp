// A child who clicks everywhere: thousands of random clicks, drags and key presses with
// every mouse button, in whatever window is on top, with a fixed seed. The program must
// still be running at the end, and its windows must give the main window back.
#include <QApplication>
#include <QDialog>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include "common/pack_folder.h"
#include "common/controls.h"
#include "main_window/main_window.h"
#include "widgets/clicklabel.h"

using namespace zorbla;

namespace {

// The window a child's input goes to now: a modal dialog, else the newest visible
// window that is not the main one, else the main window.
QWidget* windowOnTop(QWidget* main) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* top = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != main && w->isVisible() && !w->isHidden() && w->isWindow())
            top = w;
    return top ? top : main;
}

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT
    zorbla_test::WorkingFolder folder_;

private slots:
    void initTestCase() {
        QVERIFY(folder_.enter());
    }

    void clicksEverywhere() {
        const int events = qEnvironmentVariableIntValue("ZORBLA_MONKEY_EVENTS") > 0
                               ? qEnvironmentVariableIntValue("ZORBLA_MONKEY_EVENTS")
                               : 2000;
        const quint32 seed = qEnvironmentVariableIsSet("ZORBLA_MONKEY_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("ZORBLA_MONKEY_SEED"))
                                 : 20261208u;
        QRandomGenerator rng(seed);

        MainWindow main;
        QVERIFY(!main.load());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                           Qt::MiddleButton};
        const Qt::Key keys[] = {Qt::Key_A, Qt::Key_B, Qt::Key_K, Qt::Key_S, Qt::Key_T, Qt::Key_Z, Qt::Key_1,
                                Qt::Key_5, Qt::Key_Space, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape,
                                Qt::Key_Tab, Qt::Key_Left, Qt::Key_Period, Qt::Key_Comma};
        QMap<QString, int> windowsSeen;

        // Each step is a timer of its own, queued before the step acts, so that the
        // monkey goes on inside the editor's modal loop and the quizzes' pauses just as
        // a child would (a timer does not fire again while its own handler runs).
        int done = 0;
        int baseLevel = -1;
        bool running = true;
        std::function<void()> step;
        step = [&] {
            if (done >= events || main.ended()) {
                // A modal window runs its own loop inside one of the monkey's steps:
                // close it, so that step can finish, before stopping.
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    QTimer::singleShot(10, this, step);
                    modal->close();
                } else {
                    running = false;
                }
                return;
            }
            // A quiz's pause holds a child's input back; the monkey waits it out too. A
            // pause shows as one event loop more than the modal windows account for.
            int modals = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                modals += w->isVisible() && w->isModal() ? 1 : 0;
            if (baseLevel < 0)
                baseLevel = QThread::currentThread()->loopLevel();
            if (QThread::currentThread()->loopLevel() > baseLevel + modals) {
                QTimer::singleShot(20, this, step);
                return;
            }
            QTimer::singleShot(0, this, step);
            ++done;
            QWidget* window = windowOnTop(&main);
            windowsSeen[QString::fromLatin1(window->metaObject()->className())]++;
            const QRect area = window->rect();
            auto randomPoint = [&] {
                return QPoint(rng.bounded(area.width()), rng.bounded(area.height()));
            };
            QPoint at = randomPoint();
            // The main window's two ways out are not the monkey's to take.
            if (window == &main && zorbla_test::control(main, "door")->geometry().contains(at))
                return;
            const int what = rng.bounded(100);
            if (what < 70) {
                QWidget* target = window->childAt(at) ? window->childAt(at) : window;
                const QPoint local = target->mapFrom(window, at);
                QTest::mouseClick(target, buttons[rng.bounded(5)], {}, local);
            } else if (what < 85) {
                QWidget* target = window->childAt(at) ? window->childAt(at) : window;
                const Qt::MouseButton b = buttons[rng.bounded(5)];
                QPoint p = target->mapFrom(window, at);
                QTest::mousePress(target, b, {}, p);
                for (int step = 0; step < 5; ++step) {
                    p += QPoint(rng.bounded(41) - 20, rng.bounded(41) - 20);
                    QTest::mouseMove(target, p);
                }
                QTest::mouseRelease(target, b, {}, p);
            } else {
                Qt::Key key = keys[rng.bounded(int(std::size(keys)))];
                if (key == Qt::Key_Escape && window == &main)
                    key = Qt::Key_Space;
                QWidget* target = QApplication::focusWidget() && QApplication::focusWidget()->window() == window
                                      ? QApplication::focusWidget()
                                      : window;
                QTest::keyClick(target, key, rng.bounded(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
            }
        };
        QTimer::singleShot(0, this, step);
        QTRY_VERIFY_WITH_TIMEOUT(!running, 800000);

        QVERIFY2(!main.ended(), "the program ended");
        QCOMPARE(done, events);
        qInfo() << "events per window:" << windowsSeen;
        QVERIFY2(windowsSeen.size() >= 4, "the monkey should have reached several windows");

        // Whatever is still open closes through the window system and gives the main
        // window back.
        for (int round = 0; round < 5; ++round) {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != &main && w->isVisible())
                    w->close();
            QTest::qWait(50);
        }
        QTRY_VERIFY(main.isEnabled());
        QVERIFY(!main.ended());
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
