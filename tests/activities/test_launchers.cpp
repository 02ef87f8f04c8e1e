#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "activities/crtanje/frmcrtanje.h"
#include "activities/pisanje_slova/frmpisanjeslova.h"
#include "activities/pog_brojeva/frmpogbrojeva.h"
#include "activity_fixture.h"
#include "app/application.h"
#include "widgets/clicklabel.h"

using namespace zorbla;
using namespace activity_test;

// Opening a game from the main window and coming back from it.
class TestLaunchers : public QObject {
    Q_OBJECT

    zorbla_test::WorkingFolder folder_;
    std::unique_ptr<frmZorbla> main_;
    QStringList commands_;

    ClickLabel* launcher(const QString& name) const {
        if (name == "imgDice")
            return main_->imgDice;
        if (name == "imgCRT")
            return main_->imgCRT;
        return main_->imgPisanjeSlova;
    }

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
        QCOMPARE(main_->slovo_wav, QString("sounds\\izlaz.wav"));
        QCOMPARE(openWritten(*main_), QString("sounds\\izlaz.wav"));
        QCOMPARE(openPath(*main_), onDisk("sounds/izlaz.wav"));
        QCOMPARE(commands_.mid(commands_.size() - 3), QStringList({"Close", "Open", "Play"}));
        QVERIFY(main_->lblMaloSlovo->isHidden());
        QVERIFY(main_->lblRijec->isHidden());
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
        connect(main_->MMControl1, &MMControl::commandReceived, this, [this](const QString& c) { commands_ << c; });
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
        QTest::newRow("dice") << "imgDice" << "sounds\\guess_number.wav" << true;
        QTest::newRow("drawing") << "imgCRT" << "sounds\\draw.wav" << false;
        QTest::newRow("letter") << "imgPisanjeSlova" << "sounds\\write_letter.wav" << true;
    }
    void eachLauncherOpensItsWindowAndAnnouncesIt() {
        QFETCH(QString, control);
        QFETCH(QString, prompt);
        QFETCH(bool, labelsHidden);
        main_->lblMaloSlovo->show();
        main_->lblRijec->show();
        ActivityWindow* a = open(control);
        QVERIFY(a);
        if (control == "imgDice")
            QVERIFY(qobject_cast<frmPogBrojeva*>(a));
        else if (control == "imgCRT")
            QVERIFY(qobject_cast<frmCrtanje*>(a));
        else
            QVERIFY(qobject_cast<frmPisanjeSlova*>(a));
        QCOMPARE(a->windowHandle()->transientParent(), main_->windowHandle());  // it belongs to this window
        QVERIFY(!main_->isEnabled());
        QVERIFY(a->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(openWritten(*main_), prompt);
        QCOMPARE(openPath(*main_), onDisk(QString(prompt).replace('\\', '/')));
        QCOMPARE(control == "imgCRT" ? main_->boja_wav : main_->slovo_wav, prompt);
        QCOMPARE(main_->lblMaloSlovo->isHidden(), labelsHidden);
        QCOMPARE(main_->lblRijec->isHidden(), labelsHidden);
        // A disabled main window takes no second click.
        QTest::mouseClick(launcher(control), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(openActivities().size(), 1);
    }

    void theLetterPadGetsTheCurrentLetter() {
        auto* pad = qobject_cast<frmPisanjeSlova*>(open("imgPisanjeSlova"));
        QVERIFY(pad);
        QCOMPARE(pad->lblSlovo->text(), QString("A"));  // before any choice
        pad->close();
        deleteUnloaded();
        QTest::mouseClick(main_->Label_[2], Qt::LeftButton, {}, QPoint(5, 5));  // C
        QVERIFY(!main_->slovo.isEmpty());
        QVERIFY(main_->slovo != "A");
        const QString letter = main_->slovo;
        QTest::mouseClick(main_->LabelBroj_[4], Qt::LeftButton, {}, QPoint(5, 5));  // a number keeps it
        pad = qobject_cast<frmPisanjeSlova*>(open("imgPisanjeSlova"));
        QVERIFY(pad);
        QCOMPARE(pad->lblSlovo->text(), letter);
    }

    // Each opening is a new window, begun afresh; the old one was deleted when it closed.
    void eachOpeningIsANewWindow() {
        QPointer<frmCrtanje> first = qobject_cast<frmCrtanje*>(open("imgCRT"));
        QVERIFY(first);
        QTest::mouseClick(first->Picture[4], Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(first->boja, 4);
        QTest::mousePress(first, Qt::RightButton, {}, QPoint(100, 300));
        QTest::mouseMove(first, QPoint(300, 300));
        QTest::mouseRelease(first, Qt::RightButton, {}, QPoint(300, 300));
        QTest::mouseClick(first->imgIzlaz, Qt::LeftButton, {}, QPoint(5, 5));
        deleteUnloaded();
        QVERIFY(first.isNull());

        auto* second = qobject_cast<frmCrtanje*>(open("imgCRT"));
        QVERIFY(second);
        QCOMPARE(second->boja, 0);
        QVERIFY(allOf(second->ploca(), Qt::white));
    }

    // A game draws itself whole once more after it has settled, with nothing changed: a
    // compositor that took its picture before it was drawn then shows it.
    void anOpenedGameDrawsItselfAgainOnceSettled() {
        ActivityWindow* a = open("imgPisanjeSlova");
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
        QTest::newRow("dice") << "imgDice";
        QTest::newRow("drawing") << "imgCRT";
        QTest::newRow("letter") << "imgPisanjeSlova";
    }
    void theExitButtonReturnsToTheMainWindow() {
        QFETCH(QString, control);
        main_->lblMaloSlovo->show();
        QPointer<ActivityWindow> a = open(control);
        QVERIFY(a);
        auto* exit = a->findChild<ClickLabel*>("imgIzlaz");
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
        main_->lblMaloSlovo->show();
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
