#include "activities/activity_window.h"

#include <QCloseEvent>

namespace zorbla {

ActivityWindow::ActivityWindow(frmZorbla* glavni) : QWidget(nullptr), glavni_(glavni) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ActivityWindow::unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    hide();
    deleteLater();
}

void ActivityWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_)
        imgIzlaz_Click();
    // The exit steps unload the window themselves; a close that comes after that is done.
    event->accept();
}

}  // namespace zorbla
