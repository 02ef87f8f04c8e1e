// The program as a Wayland client of Weston (run-weston): it fills the screen, a game
// opens over it with the keyboard and goes back, and what Weston shows is checked in its
// screenshots. Weston's headless output has no input devices: clicks and keys are given
// to the windows themselves.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <memory>

#include "activities/unos_slova/frmunosslova.h"
#include "app/application.h"
#include "common/pack_folder.h"
#include "main_window/frmzorbla.h"
#include "sound/mmcontrol.h"
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

// Whether the screen shows the window's own rendering anywhere: its middle row, at any
// place the compositor may have put it.
bool shows(const QImage& screen, QWidget* window) {
    const QImage own = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
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
                return true;
        }
    }
    return false;
}

}  // namespace

class TestWayland : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;
    QString oldFolder_;
    std::unique_ptr<frmZorbla> w_;

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        oldFolder_ = QDir::currentPath();
        QVERIFY(zorbla_test::fillWorkingFolder(folder_.path()));
        QVERIFY(QDir::setCurrent(folder_.path()));
        nameApplication();
        w_ = std::make_unique<frmZorbla>();
        QVERIFY(!w_->Form_Load());
        w_->showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void cleanupTestCase() {
        w_.reset();
        QDir::setCurrent(oldFolder_);
    }

    void theMainWindowFillsTheScreen() {
        QCOMPARE(w_->windowHandle()->visibility(), QWindow::FullScreen);
        QTRY_COMPARE(w_->size(), QGuiApplication::primaryScreen()->size());
        QTRY_VERIFY(shows(screenshot(), w_.get()));
    }

    void aGameOpensOverItAndGoesBack() {
        QTest::mouseClick(w_->lblSlovoRnd, Qt::LeftButton, {}, QPoint(20, 20));
        frmUnosSlova* quiz = nullptr;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (auto* q = qobject_cast<frmUnosSlova*>(t); q && q->isVisible())
                quiz = q;
        QVERIFY(quiz);
        QVERIFY(QTest::qWaitForWindowExposed(quiz));
        QCOMPARE(quiz->windowHandle()->transientParent(), w_->windowHandle());
        QTRY_VERIFY(shows(screenshot(), quiz));
        QTest::keyClick(quiz->txtUnosSlova, Qt::Key_Q);
        QCOMPARE(quiz->txtUnosSlova->text(), QStringLiteral("q"));
        QTest::mouseClick(quiz->imgIzlaz, Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY(w_->isEnabled());
        QCOMPARE(w_->MMControl1->fileName(), QStringLiteral("sounds\\izlaz.wav"));
        if (!qEnvironmentVariable("ZORBLA_MIC_FIFO").isEmpty())  // a sound server is there
            QTRY_VERIFY(w_->MMControl1->device().isPlaying());
        QTRY_VERIFY(!shows(screenshot(), quiz));
    }
};

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"
