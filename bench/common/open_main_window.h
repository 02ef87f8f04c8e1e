// The main window on the generated pack, loaded and shown, as the benchmarks start it.
#pragma once

#include <QDir>
#include <QTest>

#include <cstdio>

#include "main_window/frmzorbla.h"

namespace bench {

inline bool openMainWindow(zorbla::frmZorbla& window) {
    QDir::setCurrent(QStringLiteral(ZORBLA_DATA_DIR));
    if (auto error = window.Form_Load()) {
        std::fprintf(stderr, "%s\n", qPrintable(error->message()));
        return false;
    }
    window.showFullScreen();
    return QTest::qWaitForWindowExposed(&window);
}

}  // namespace bench
