#include "activities/activity_window.h"

#include <QCloseEvent>

#include "placement/keep_above.h"
#include "placement/scale.h"
#include "widgets/look.h"

namespace zorbla {

ActivityWindow::ActivityWindow(GameStart start) : QWidget(nullptr), start_(std::move(start)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (start_.owner)
        makeTransientFor(*this, *start_.owner);
}

void ActivityWindow::unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    hide();
    deleteLater();
}

void ActivityWindow::say(const QString& sound, Speech how) const {
    if (start_.say)
        start_.say(sound, how);
}

void ActivityWindow::showEvent(QShowEvent* event) {
    if (!scaled_) {
        scaled_ = true;
        scaleWindow(*this, start_.scale);
        sharpenPictures(*this, start_.scale * devicePixelRatioF());
    }
    QWidget::showEvent(event);
}

void ActivityWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_)
        leave();
    // The exit steps unload the window themselves; a close that comes after that is done.
    event->accept();
}

}  // namespace zorbla
