#include "activities/quiz_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <algorithm>

#include "placement/keep_above.h"
#include "widgets/clicklabel.h"
#include "widgets/look.h"

namespace zorbla {

QuizWindow::QuizWindow(GameStart given) : ActivityWindow(std::move(given)) {}

void QuizWindow::createAnswerControls(QRect box, int checkLeft) {
    answerBox_ = new QLineEdit(this);
    answerBox_->setObjectName(QStringLiteral("answerBox"));
    answerBox_->setGeometry(box);
    // The box's own menu has nothing for a child.
    answerBox_->setContextMenuPolicy(Qt::NoContextMenu);

    checkMark_ = new ClickLabel(this);
    checkMark_->setObjectName(QStringLiteral("checkMark"));
    checkMark_->setGeometry(checkLeft, 136, 38, 38);
    checkMark_->setScaledContents(true);
    setDesignPicture(checkMark_, QStringLiteral(":/design/check"));
    checkMark_->setCursor(pointer(Pointer::Smiley));
    checkMark_->setAccessibleName(tr("Check"));
    connect(checkMark_, &ClickLabel::clicked, this, &QuizWindow::confirm);

    door_ = exitDoor(this, {8, 136});
    connect(door_, &ClickLabel::clicked, this, &QuizWindow::leave);
}

void QuizWindow::typeKey(int code, const QString& text) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(answerBox_, &key);
    }
}

void QuizWindow::openQuiz() {
    keepAbove(*this);
    show();  // the launcher gives it the keyboard
    answerBox_->setFocus();
}

void QuizWindow::confirm() {
    if (isUnloaded())
        return;
    if (judging_) {
        // Reached only by a click that was not held back; it still waits its turn.
        confirmAgain_ = true;
        return;
    }
    judging_ = true;
    bool closed = false;
    do {
        confirmAgain_ = false;
        const bool right = judge();
        pause(kAnswerPauseMs);
        if (!right) {
            tryAgain();
            continue;
        }
        pause(kClosePauseMs);
        // No exit sound: the praise is still playing.
        emit done(Ending::Quiet);
        closed = true;
    } while (confirmAgain_ && !closed && !leaveAfterwards_);
    judging_ = false;
    confirmAgain_ = false;
    if (leaveAfterwards_ && !closed)
        leave();
}

void QuizWindow::leave() {
    if (isUnloaded())
        return;
    if (judging_) {
        // Unloading inside the pause would delete the window under the running answer.
        leaveAfterwards_ = true;
        return;
    }
    emit done(Ending::ExitSound);
}

void QuizWindow::closeEvent(QCloseEvent* event) {
    if (judging_ && !isUnloaded()) {
        leaveAfterwards_ = true;
        event->ignore();
        return;
    }
    ActivityWindow::closeEvent(event);
}

void QuizWindow::pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void fitText(QLabel* label, const QString& text, int pixelSize, bool bold) {
    QFont f = childFont(pixelSize, bold);
    const QRect room = label->contentsRect();
    while (f.pixelSize() > 6) {
        const QFontMetrics m(f);
        if (m.horizontalAdvance(text) <= room.width() - 2 && m.height() <= room.height())
            break;
        f.setPixelSize(f.pixelSize() - 1);
    }
    label->setFont(f);
    label->setText(text);
}

}  // namespace zorbla
