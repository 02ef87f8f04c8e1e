#include "app/application.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zorbla {

void nameApplication() {
    // No organization, so the folder has no second level. No display name: the window
    // system would append it to every caption ("Guess number — Zorbla").
    QCoreApplication::setApplicationName(QStringLiteral("zorbla"));
}

namespace {

// Long enough for the window manager to have framed, shown and first composited the
// window, short enough that a child hardly sees the black.
constexpr int settleMs = 500;

class RedrawShown : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow())
                QTimer::singleShot(settleMs, widget, [widget] { widget->update(); });
        }
        return false;
    }
};

}  // namespace

void redrawShownWindowsOnce() {
    if (qApp)
        qApp->installEventFilter(new RedrawShown(qApp));
}

}  // namespace zorbla
