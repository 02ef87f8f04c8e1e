#include "activities/letter_pad/letter_pad.h"

#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "placement/keep_above.h"

namespace zorbla {

LetterPad::LetterPad(GameStart given) : DrawingWindow(std::move(given)) {
    setWindowTitle(tr("Drawing letter"));
    setFixedSize(317, 243);
    // In the middle of the screen, where the child is looking.
    move(screen()->availableGeometry().center() - rect().center());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(pointer(Pointer::Pencil));  // the pencil writes where its tip is
    // The pad is the window's own colour, and the pen the colour of button text, as on
    // any other control of the desktop.
    penColor_ = palette().color(QPalette::ButtonText);
    surface_ = QImage(size(), QImage::Format_RGB32);
    paper_ = palette().color(QPalette::Window);
    surface_.fill(paper_);
    createControls();
    keepAbove(*this);
    letter_->setText(start().letter);
}

void LetterPad::createControls() {
    letter_ = new QLabel(this);
    letter_->setObjectName(QStringLiteral("letter"));
    letter_->setGeometry(8, 8, 49, 49);
    letter_->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(28.5);
    letter_->setFont(font);
    letter_->setAutoFillBackground(true);
    letter_->setCursor(Qt::ArrowCursor);

    door_ = exitDoor(this, {8, 200});
    connect(door_, &ClickLabel::clicked, this, &LetterPad::leave);

    // A press or a move over the letter box or the door is not writing on the pad.
    letter_->setAttribute(Qt::WA_NoMousePropagation);
    door_->setAttribute(Qt::WA_NoMousePropagation);
}

void LetterPad::choosePen(Qt::MouseButtons) { penWidth_ = kPenWidth; }

void LetterPad::leave() { emit done(Ending::ExitSound); }

}  // namespace zorbla
