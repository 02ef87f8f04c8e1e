#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "activities/counting/counting_game.h"
#include "activities/drawing_board/drawing_board.h"
#include "activities/letter_pad/letter_pad.h"
#include "activity_fixture.h"
#include "app/application.h"
#include "widgets/clicklabel.h"

using namespace zorbla;
using namespace activity_test;

// Opening a game from the main window and coming back from it.
class TestLaunchers : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<MainWindow> main_;
    QStringList commands_;

    ClickLabel* launcher(const QString& name) const { return control(*main_, name); }
    ClickLabel* mainControl(const char* name) const { return control(*main_, name); }

    static QList<ActivityWindow*> openActivities() {
        QList<ActivityWindow*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* a = qobject_cast<ActivityWindow*>(w); a && a->isVisible())
                found << a;
        return found;
    }

    // Clicks a launcher and returns the one activity window it opened.
    ActivityWindow* open(const QString& name) {
        QTest::mouseClick(launcher(name), Qt::LeftButton, {}, QPoint(10, 10));
        const QList<ActivityWindow*> open = openActivities();
        return open.size() == 1 ? open.first() : nullptr;
    }

    void checkBackInTheMainWindow() {
        QVERIFY(main_->isEnabled());
        QVERIFY(main_->isVisible());
        QCOMPARE(openWritten(*main_), QString("sounds\\izlaz.wav"));
        QCOMPARE(openPath(*main_), onDisk("sounds/izlaz.wav"));
        QCOMPARE(commands_.mid(commands_.size() - 3), QStringList({"Close", "Open", "Play"}));
        QVERIFY(mainControl("smallLetter")->isHidden());
        QVERIFY(mainControl("word")->isHidden());
        QVERIFY(openActivities().isEmpty());
    }

private slots:
    void initTestCase() {
        QVERIFY2(folder_.enter(), "the picture and sound pack is not built");
        redrawShownWindowsOnce();  // as the program does
    }
    void init() {
        main_ = openMainWindow();
        QVERIFY(main_);
        commands_.clear();
        connect(&main_->mediaControl(), &MediaControl::commandReceived, this, [this](const QString& c) { commands_ << c; });
    }
    void cleanup() {
        for (ActivityWindow* a : openActivities())
            delete a;
        deleteUnloaded();
        main_.reset();
    }

    void eachLauncherOpensItsWindowAndAnnouncesIt_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<bool>("labelsHidden");
        QTest::newRow("dice") << "dice" << "sounds\\guess_number.wav" << true;
        QTest::newRow("drawing") << "easel" << "sounds\\draw.wav" << false;
        QTest::newRow("letter") << "letterPad" << "sounds\\write_letter.wav" << true;
    }
    void eachLauncherOpensItsWindowAndAnnouncesIt() {
        QFETCH(QString, control);
        QFETCH(QString, prompt);
        QFETCH(bool, labelsHidden);
        mainControl("smallLetter")->show();
        mainControl("word")->show();
        ActivityWindow* a = open(control);
        QVERIFY(a);
        if (control == "dice")
            QVERIFY(qobject_cast<CountingGame*>(a));
        else if (control == "easel")
            QVERIFY(qobject_cast<DrawingBoard*>(a));
        else
            QVERIFY(qobject_cast<LetterPad*>(a));
        QCOMPARE(a->windowHandle()->transientParent(), main_->windowHandle());  // it belongs to this window
        QVERIFY(!main_->isEnabled());
        QVERIFY(a->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(openWritten(*main_), prompt);
        QCOMPARE(openPath(*main_), onDisk(QString(prompt).replace('\\', '/')));
        QCOMPARE(mainControl("smallLetter")->isHidden(), labelsHidden);
        QCOMPARE(mainControl("word")->isHidden(), labelsHidden);
        // A disabled main window takes no second click.
        QTest::mouseClick(launcher(control), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(openActivities().size(), 1);
    }

    void theLetterPadGetsTheCurrentLetter() {
        auto* pad = qobject_cast<LetterPad*>(open("letterPad"));
        QVERIFY(pad);
        QCOMPARE(control<QLabel>(*pad, "letter")->text(), QString("A"));  // before any choice
        pad->close();
        deleteUnloaded();
        QTest::mouseClick(mainControl("letterTile2"), Qt::LeftButton, {}, QPoint(5, 5));  // C
        const QString letter = main_->selection().letter;
        QVERIFY(!letter.isEmpty());
        QVERIFY(letter != "A");
        QTest::mouseClick(mainControl("numberTile5"), Qt::LeftButton, {}, QPoint(5, 5));  // a number keeps it
        pad = qobject_cast<LetterPad*>(open("letterPad"));
        QVERIFY(pad);
        QCOMPARE(control<QLabel>(*pad, "letter")->text(), letter);
    }

    // Each opening is a new window, begun afresh; the old one was deleted when it closed.
    void eachOpeningIsANewWindow() {
        QPointer<DrawingBoard> first = qobject_cast<DrawingBoard*>(open("easel"));
        QVERIFY(first);
        QTest::mouseClick(control(*first, "colour4"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(first->colourIndex(), 4);
        QTest::mousePress(first, Qt::RightButton, {}, QPoint(100, 300));
        QTest::mouseMove(first, QPoint(300, 300));
        QTest::mouseRelease(first, Qt::RightButton, {}, QPoint(300, 300));
        QTest::mouseClick(control(*first, "door"), Qt::LeftButton, {}, QPoint(5, 5));
        deleteUnloaded();
        QVERIFY(first.isNull());

        auto* second = qobject_cast<DrawingBoard*>(open("easel"));
        QVERIFY(second);
        QCOMPARE(second->colourIndex(), 0);
        QVERIFY(allOf(second->surface(), Qt::white));
    }

    // A game draws itself whole once more after it has settled, with nothing changed: a
    // compositor that took its picture before it was drawn then shows it.
    void anOpenedGameDrawsItselfAgainOnceSettled() {
        ActivityWindow* a = open("letterPad");
        QVERIFY(a);
        QVERIFY(QTest::qWaitForWindowExposed(a));
        struct WholePaints : QObject {
            int count = 0;
            bool eventFilter(QObject* o, QEvent* e) override {
                if (e->type() == QEvent::Paint &&
                    static_cast<QPaintEvent*>(e)->rect() == static_cast<QWidget*>(o)->rect())
                    ++count;
                return false;
            }
        } paints;
        a->installEventFilter(&paints);
        QTRY_VERIFY_WITH_TIMEOUT(paints.count > 0, 2000);
        a->removeEventFilter(&paints);
    }

    void theExitButtonReturnsToTheMainWindow_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("dice") << "dice";
        QTest::newRow("drawing") << "easel";
        QTest::newRow("letter") << "letterPad";
    }
    void theExitButtonReturnsToTheMainWindow() {
        QFETCH(QString, control);
        mainControl("smallLetter")->show();
        QPointer<ActivityWindow> a = open(control);
        QVERIFY(a);
        auto* exit = a->findChild<ClickLabel*>("door");
        QVERIFY(exit);
        QTest::mouseClick(exit, Qt::LeftButton, {}, QPoint(10, 10));
        checkBackInTheMainWindow();
        deleteUnloaded();
        QVERIFY(a.isNull());
    }

    // Closing the window through the window system runs the same way back.
    void closingTheWindowReturnsToTheMainWindow_data() { theExitButtonReturnsToTheMainWindow_data(); }
    void closingTheWindowReturnsToTheMainWindow() {
        QFETCH(QString, control);
        mainControl("smallLetter")->show();
        QPointer<ActivityWindow> a = open(control);
        QVERIFY(a);
        QVERIFY(a->close());
        checkBackInTheMainWindow();
        QCOMPARE(commands_.count("Play"), 2);  // the prompt and the exit sound, once
        deleteUnloaded();
        QVERIFY(a.isNull());
    }
};

QTEST_MAIN(TestLaunchers)
#include "test_launchers.moc"
#include "common/pack_folder.h"
