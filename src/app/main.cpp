#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>

#include <cstdio>

#include "platform/wordtable.h"

namespace {

// Until the main window exists: an honest empty window that says so.
class PlaceholderWindow : public QLabel {
public:
    PlaceholderWindow() {
        setWindowTitle(QStringLiteral("Zorbla - "));
        setAlignment(Qt::AlignCenter);
        setStyleSheet(QStringLiteral("background: rgb(60,160,245); color: white; font-size: 28px;"));
        setText(QStringLiteral("Zorbla\n\nThe word table was read.\nThe main window is not built yet.\n\n"
                               "Press Escape to leave."));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape)
            QApplication::exit(0);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zorbla::WordTable table;
    if (auto error = zorbla::WordTableReader::read(table)) {
        const QString message = error->message();
        std::fprintf(stderr, "zorbla: %s\n", qPrintable(message));
        QMessageBox::critical(nullptr, QStringLiteral("Zorbla"), message);
        return 1;
    }
    PlaceholderWindow window;
    window.showFullScreen();
    return app.exec();
}
