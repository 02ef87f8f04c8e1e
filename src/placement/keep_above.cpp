#include "placement/keep_above.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace zorbla {

// On X11 the stay-on-top hint becomes _NET_WM_STATE_ABOVE, the window manager's topmost
// band. QWidget::setWindowFlags would re-create the native window and hide a shown one,
// so the widget only records the flag, and a native window that already exists is told
// through QWindow::setFlags, which changes the state in place.
void keepAbove(QWidget& w) {
    const Qt::WindowFlags flags = w.windowFlags() | Qt::WindowStaysOnTopHint;
    w.overrideWindowFlags(flags);
    if (QWindow* native = w.windowHandle())
        native->setFlags(flags);
}

namespace {

// Gives the window its owner each time it is shown, when its native window exists: made
// earlier, the native window would be made twice, since the above band set while the
// window loads makes Qt create it anew.
class Owner : public QObject {
public:
    Owner(QWidget& window, QWidget& owner) : QObject(&window), owner_(owner.window()) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && owner_)
            if (QWindow* native = static_cast<QWidget*>(watched)->windowHandle())
                native->setTransientParent(owner_->windowHandle());
        return false;
    }

private:
    QPointer<QWidget> owner_;
};

}  // namespace

// The above band alone is not enough: a window manager puts a focused full-screen
// window over it (openbox, xfwm4), and a click on the disabled main window would hide
// the game behind it. A transient goes with its owner's layer and stays above it. On X11
// Qt writes WM_TRANSIENT_FOR only for windows of the dialog type, so the window becomes
// one. It is not made a child widget of its owner: disabling the owner would disable it.
void makeTransientFor(QWidget& window, QWidget& owner) {
    window.setWindowFlags((window.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    window.installEventFilter(new Owner(window, owner));
}

}  // namespace zorbla
