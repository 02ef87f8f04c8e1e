#include "activities/activity_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

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

void ActivityWindow::addLetterKeys(const QString& alsoTyped, const QList<LetterKeys::Key>& after) {
    if (!start().letterKeys)
        return;
    QList<LetterKeys::Key> keys;
    for (const QString& letter : start().letters)
        keys << LetterKeys::character(letter);
    QString others;
    for (const QChar c : alsoTyped)
        if (!start().letters.contains(QString(c)) && !others.contains(c))
            others += c;
    for (const QChar c : others)
        keys << LetterKeys::character(QString(c));
    keys << after;
    // In design pixels: the window is drawn start().scale times as large once shown.
    const double s = start().scale;
    const int side = LetterKeys::keySize(screen(), s);
    const QRect room = screen()->availableGeometry();
    constexpr int kMargin = 12;
    constexpr int kTitleBar = 40;  // screen pixels the window manager's frame may take
    const int pitch = side + LetterKeys::kGap;
    // Nine to a row (three rows of the alphabet) where the screen has room for them; more
    // to a row where the window would otherwise reach below the screen (the tall picture
    // of the missing-letter game on a short screen).
    const int across = std::max(1, int((room.width() / s - 2 * kMargin + LetterKeys::kGap) / pitch));
    const int down = int(((room.height() - kTitleBar) / s - size().height() - kMargin * 3 / 2 + LetterKeys::kGap) / pitch);
    int columns = std::min(across, LetterKeys::kMaxColumns);
    if (down > 0)
        columns = std::clamp(int((keys.size() + down - 1) / down), columns, std::max(columns, across));
    auto* panel = new LetterKeys(this, keys, columns, side);
    connect(panel, &LetterKeys::typed, this, [this](int code, const QString& text) { typeKey(code, text); });

    const QSize quiz = size(), keysSize = panel->designSize();
    const int width = std::max(quiz.width(), keysSize.width() + 2 * kMargin);
    // The quiz's own controls stay together, in the middle above the keys.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != panel)
            control->move(control->pos() + QPoint((width - quiz.width()) / 2, 0));
    const int top = quiz.height() + kMargin / 2;
    panel->move((width - keysSize.width()) / 2, top);
    setFixedSize(width, top + keysSize.height() + kMargin);
    move(room.center() - rect().center());
}

void ActivityWindow::typeKey(int code, const QString& text) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(this, &key);
    }
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
