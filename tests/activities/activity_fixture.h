#pragma once

// What the activity tests share: a working folder with the pack, a loaded and shown main
// window, and a look at the pixels of a kept drawing.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "common/pack_folder.h"
#include "main_window/frmzorbla.h"
#include "sound/mmcontrol.h"
#include "sound/wavdevice.h"

namespace activity_test {

using zorbla_test::fillWorkingFolder;

inline std::unique_ptr<zorbla::frmZorbla> openMainWindow() {
    auto w = std::make_unique<zorbla::frmZorbla>();
    if (w->Form_Load())
        return nullptr;
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowExposed(w.get()))
        return nullptr;
    return w;
}

// The file the main window's media control has open, on disk, and as it was written.
inline QString openPath(const zorbla::frmZorbla& w) { return w.MMControl1->device().path(); }
inline QString openWritten(const zorbla::frmZorbla& w) { return w.MMControl1->fileName(); }
inline QString onDisk(const QString& relative) { return QDir::current().absoluteFilePath(relative); }

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
