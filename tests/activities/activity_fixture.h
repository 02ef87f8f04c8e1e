#pragma once

// What the activity tests share: a working folder with the pack, a loaded and shown main
// window, and a look at the pixels of a kept drawing.

#include <QApplication>
#include <QColor>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "common/pack_folder.h"
#include "activities/quiz_window.h"
#include "common/controls.h"
#include "main_window/main_window.h"
#include "sound/media_control.h"
#include "sound/wavdevice.h"

namespace activity_test {

using zorbla_test::fillWorkingFolder;

using zorbla_test::control;

inline std::unique_ptr<zorbla::MainWindow> openMainWindow() {
    auto w = std::make_unique<zorbla::MainWindow>();
    if (w->load())
        return nullptr;
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    return w;
}

// The file the main window's media control has open, on disk, and as it was written.
inline QString openPath(const zorbla::MainWindow& w) { return w.mediaControl().device().path(); }
inline QString openWritten(const zorbla::MainWindow& w) { return w.mediaControl().fileName(); }
inline QString onDisk(const QString& relative) { return QDir::current().absoluteFilePath(relative); }

// A game of kind G made over the main window as its launcher makes it, and shown.
template <class G>
G* showGame(zorbla::MainWindow& main) {
    auto* game = new G(main.gameStart());
    game->show();
    return QTest::qWaitForWindowExposed(game) ? game : nullptr;
}

// The window of kind W open now, if any; and all of that kind deleted.
template <class W>
W* openWindowOf() {
    W* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* a = qobject_cast<W*>(w); a && a->isVisible() && !a->isUnloaded())
            found = a;
    return found;
}
template <class W>
void deleteWindowsOf() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<W*>(w))
            delete w;
}

// Types into a quiz's box and confirms with its check mark; returns when the quiz has
// finished with the answer.
inline void answer(zorbla::QuizWindow* q, const QString& typed) {
    q->answerBox()->clear();
    QTest::keyClicks(q->answerBox(), typed);
    QTest::mouseClick(control(*q, "checkMark"), Qt::LeftButton, {}, QPoint(10, 10));
}

// The two ways out of a game, as rows of a data-driven test, and taking the one a row names.
inline void addWaysOut() {
    QTest::addColumn<bool>("door");
    QTest::newRow("door") << true;
    QTest::newRow("window system") << false;
}
inline bool leaveBy(QWidget* game, bool door) {
    if (!door)
        return game->close();
    QTest::mouseClick(control(*game, "door"), Qt::LeftButton, {}, QPoint(10, 10));
    return true;
}

// Lets windows that were unloaded be deleted.
inline void deleteUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// How many pixels of a column, around row y, differ from the background: the width of
// a horizontal line that crosses that column.
inline int thicknessAt(const QImage& image, int x, int y, QColor background) {
    int n = 0;
    for (int row = y - 20; row <= y + 20; ++row)
        if (image.pixelColor(x, row) != background)
            ++n;
    return n;
}

inline bool allOf(const QImage& image, QColor colour) {
    const QRgb want = colour.rgb();
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] | 0xff000000u) != (want | 0xff000000u))
                return false;
    }
    return true;
}

}  // namespace activity_test
