// The yardstick: a bare Qt window with one label, shown full screen.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Zorbla"));
    label.showFullScreen();
    return app.exec();
}
