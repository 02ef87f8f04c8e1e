#include "activities/activity_window.h"

#include <QCloseEvent>

#include "main_window/frmzorbla.h"
#include "placement/module1.h"

namespace zorbla {

ActivityWindow::ActivityWindow(frmZorbla* glavni) : QWidget(nullptr), glavni_(glavni) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (glavni)
        Module1::transientFor(*this, *glavni);
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
