#include "platform/module1.h"

#include <QWidget>
#include <QWindow>

namespace zorbla {
namespace Module1 {

// On X11 the stay-on-top hint becomes _NET_WM_STATE_ABOVE, the window manager's topmost
// band. QWidget::setWindowFlags would re-create the native window and hide a shown one,
// so the widget only records the flag, and a native window that already exists is told
// through QWindow::setFlags, which changes the state in place.
void uvijek_na_vrhu(QWidget& w) {
    const Qt::WindowFlags flags = w.windowFlags() | Qt::WindowStaysOnTopHint;
    w.overrideWindowFlags(flags);
    if (QWindow* native = w.windowHandle())
        native->setFlags(flags);
}

}  // namespace Module1
}  // namespace zorbla
