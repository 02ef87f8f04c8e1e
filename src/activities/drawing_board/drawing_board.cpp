#include "activities/drawing_board/drawing_board.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "placement/keep_above.h"

namespace zorbla {

namespace {

constexpr QRgb kColours[16] = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255)};

// Which box stands in each slot of the row, from the left: white and black first, then
// the light colours, then the dark ones.
constexpr int kColourInSlot[16] = {15, 0, 9, 10, 11, 12, 13, 14, 1, 2, 3, 4, 5, 6, 7, 8};

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

}  // namespace

QColor DrawingBoard::colourOf(int k) { return QColor(kColours[k & 15]); }

DrawingBoard::DrawingBoard(GameStart given) : DrawingWindow(std::move(given)) {
    setWindowTitle(tr("Drawing"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every move sets the pen, not only moves with a button held.
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    createControls();
    const QRect screenArea = screen()->geometry();
    setGeometry(screenArea);
    setWindowState(windowState() | Qt::WindowFullScreen);
    surface_ = QImage(screenArea.size(), QImage::Format_RGB32);
    surface_.fill(paper_);
    keepAbove(*this);
    for (int k = 0; k < 16; ++k)
        setBackground(colourBoxes_[size_t(k)], colourOf(k));
    colourIndex_ = 0;
}

void DrawingBoard::createControls() {
    door_ = exitDoor(this, {8, 8});
    connect(door_, &ClickLabel::clicked, this, &DrawingBoard::leave);

    // The painter's palette with a brush, over everything that chooses a colour.
    const QCursor palette = pointer(Pointer::Palette);
    const QString names[16] = {tr("black"),      tr("dark blue"),  tr("dark green"), tr("dark turquoise"),
                               tr("dark red"),   tr("purple"),     tr("olive"),      tr("light grey"),
                               tr("grey"),       tr("blue"),       tr("green"),      tr("turquoise"),
                               tr("red"),        tr("pink"),       tr("yellow"),     tr("white")};
    for (int slot = 0; slot < 16; ++slot) {
        const int k = kColourInSlot[slot];
        ClickLabel* box = new ClickLabel(this);
        box->setObjectName(QStringLiteral("colour%1").arg(k));
        box->setGeometry(72 + 32 * slot, 8, 33, 25);
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setLineWidth(1);
        box->setAutoFillBackground(true);
        box->setCursor(palette);
        box->setAccessibleName(names[k]);
        connect(box, &ClickLabel::clicked, this, [this, k] { chooseColour(k); });
        colourBoxes_[size_t(k)] = box;
    }

    backgroundLabel_ = new ClickLabel(this);
    backgroundLabel_->setObjectName(QStringLiteral("fillBackground"));
    backgroundLabel_->setGeometry(608, 8, 153, 33);
    backgroundLabel_->setText(tr("Change background color (erase)"));
    backgroundLabel_->setAlignment(Qt::AlignCenter);
    backgroundLabel_->setWordWrap(true);
    backgroundLabel_->setAutoFillBackground(true);
    backgroundLabel_->setCursor(palette);
    connect(backgroundLabel_, &ClickLabel::clicked, this, &DrawingBoard::fillBackground);

    // A press or a move over a control belongs to that control, never to the board.
    for (QWidget* control : findChildren<QWidget*>())
        control->setAttribute(Qt::WA_NoMousePropagation);
}

void DrawingBoard::choosePen(Qt::MouseButtons buttons) {
    penColor_ = colourOf(colourIndex_);
    switch (buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) {
    case Qt::LeftButton: penWidth_ = 3; break;
    case Qt::RightButton: penWidth_ = 10; break;
    case Qt::MiddleButton: penWidth_ = 6; break;
    default: break;  // none, or several together: the width stays
    }
}

void DrawingBoard::chooseColour(int k) {
    colourIndex_ = k;
    setBackground(backgroundLabel_, colourOf(k));
}

// A new background clears the board; the pen is black again, while the label keeps
// showing the colour last chosen.
void DrawingBoard::fillBackground() {
    paper_ = colourOf(colourIndex_);
    surface_.fill(paper_);
    update();
    colourIndex_ = 0;
}

void DrawingBoard::leave() { emit done(Ending::ExitSound); }

}  // namespace zorbla
