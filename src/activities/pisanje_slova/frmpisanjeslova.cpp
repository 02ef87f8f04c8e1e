#include "activities/pisanje_slova/frmpisanjeslova.h"

#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "placement/module1.h"

namespace zorbla {

frmPisanjeSlova::frmPisanjeSlova(GameStart given) : DrawingWindow(std::move(given)) {
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
    ploca_ = QImage(size(), QImage::Format_RGB32);
    paper_ = palette().color(QPalette::Window);
    ploca_.fill(paper_);
    createControls();
    Form_Load();
    lblSlovo->setText(start().letter);
}

void frmPisanjeSlova::createControls() {
    lblSlovo = new QLabel(this);
    lblSlovo->setObjectName(QStringLiteral("lblSlovo"));
    lblSlovo->setGeometry(8, 8, 49, 49);
    lblSlovo->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(28.5);
    lblSlovo->setFont(font);
    lblSlovo->setAutoFillBackground(true);
    lblSlovo->setCursor(Qt::ArrowCursor);

    imgIzlaz = exitDoor(this, {8, 200});
    connect(imgIzlaz, &ClickLabel::clicked, this, &frmPisanjeSlova::imgIzlaz_Click);

    // A press or a move over the letter box or the door is not writing on the pad.
    lblSlovo->setAttribute(Qt::WA_NoMousePropagation);
    imgIzlaz->setAttribute(Qt::WA_NoMousePropagation);
}

void frmPisanjeSlova::Form_Load() { Module1::uvijek_na_vrhu(*this); }

void frmPisanjeSlova::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
    penWidth_ = kDebljina;
    lineTo(x, y);
}

void frmPisanjeSlova::imgIzlaz_Click() { emit done(Ending::ExitSound); }

}  // namespace zorbla
