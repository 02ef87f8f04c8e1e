// The main window on the generated pack, loaded and shown, as the benchmarks start it.
#pragma once

#include <QDir>
#include <QTest>

#include <cstdio>

#include "widgets/clicklabel.h"
#include "main_window/main_window.h"

namespace bench {

// A control of the window by its name ("letterTile1", "picture", ...).
template <class T = zorbla::ClickLabel>
T* control(const QObject& window, const QString& name) {
    return window.findChild<T*>(name);
}

inline bool openMainWindow(zorbla::MainWindow& window) {
    QDir::setCurrent(QStringLiteral(ZORBLA_DATA_DIR));
    if (auto error = window.load()) {
        std::fprintf(stderr, "%s\n", qPrintable(error->message()));
        return false;
    }
    window.showFullScreen();
    return QTest::qWaitForWindowExposed(&window);
}

}  // namespace bench
