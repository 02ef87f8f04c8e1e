#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

#include "main_window/frmzorbla.h"

// The program is its main window: it starts by creating it and ends when it ends.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorbla"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorbla"));

    zorbla::frmZorbla window;
    if (auto error = window.Form_Load()) {
        const QString message = error->message();
        std::fprintf(stderr, "zorbla: %s\n", qPrintable(message));
        QMessageBox::critical(nullptr, QStringLiteral("Zorbla"),
                              QStringLiteral("Zorbla cannot start in the folder %1.\n\n%2")
                                  .arg(QDir::toNativeSeparators(QDir::currentPath()), message));
        return 1;
    }
    // The exit button and Escape end the program at once, without further events.
    QObject::connect(&window, &zorbla::frmZorbla::programEnded, &app, [] { QCoreApplication::exit(0); },
                     Qt::DirectConnection);
    window.showFullScreen();
    return app.exec();
}
