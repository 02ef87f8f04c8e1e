#include "activities/crtanje/frmcrtanje.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "placement/module1.h"

namespace zorbla {

namespace {

constexpr QRgb kPaleta[16] = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255)};

// Which box stands in each slot of the row, from the left: white and black first, then
// the light colours, then the dark ones.
constexpr int kSlotBoja[16] = {15, 0, 9, 10, 11, 12, 13, 14, 1, 2, 3, 4, 5, 6, 7, 8};

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

}  // namespace

QColor frmCrtanje::paleta(int k) { return QColor(kPaleta[k & 15]); }

frmCrtanje::frmCrtanje(GameStart given) : DrawingWindow(std::move(given)) {
    setWindowTitle(tr("Drawing"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every move sets the pen, not only moves with a button held.
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    createControls();
    Form_Load();
}

void frmCrtanje::createControls() {
    imgIzlaz = exitDoor(this, {8, 8});
    connect(imgIzlaz, &ClickLabel::clicked, this, &frmCrtanje::imgIzlaz_Click);

    // The painter's palette with a brush, over everything that chooses a colour.
    const QCursor palette = pointer(Pointer::Palette);
    for (int slot = 0; slot < 16; ++slot) {
        const int k = kSlotBoja[slot];
        ClickLabel* box = new ClickLabel(this);
        box->setObjectName(QStringLiteral("Picture%1").arg(k));
        box->setGeometry(72 + 32 * slot, 8, 33, 25);
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setLineWidth(1);
        box->setAutoFillBackground(true);
        box->setCursor(palette);
        Picture[size_t(k)] = box;
    }
    connect(Picture[0], &ClickLabel::clicked, this, &frmCrtanje::Picture0_Click);
    connect(Picture[1], &ClickLabel::clicked, this, &frmCrtanje::Picture1_Click);
    connect(Picture[2], &ClickLabel::clicked, this, &frmCrtanje::Picture2_Click);
    connect(Picture[3], &ClickLabel::clicked, this, &frmCrtanje::Picture3_Click);
    connect(Picture[4], &ClickLabel::clicked, this, &frmCrtanje::Picture4_Click);
    connect(Picture[5], &ClickLabel::clicked, this, &frmCrtanje::Picture5_Click);
    connect(Picture[6], &ClickLabel::clicked, this, &frmCrtanje::Picture6_Click);
    connect(Picture[7], &ClickLabel::clicked, this, &frmCrtanje::Picture7_Click);
    connect(Picture[8], &ClickLabel::clicked, this, &frmCrtanje::Picture8_Click);
    connect(Picture[9], &ClickLabel::clicked, this, &frmCrtanje::Picture9_Click);
    connect(Picture[10], &ClickLabel::clicked, this, &frmCrtanje::Picture10_Click);
    connect(Picture[11], &ClickLabel::clicked, this, &frmCrtanje::Picture11_Click);
    connect(Picture[12], &ClickLabel::clicked, this, &frmCrtanje::Picture12_Click);
    connect(Picture[13], &ClickLabel::clicked, this, &frmCrtanje::Picture13_Click);
    connect(Picture[14], &ClickLabel::clicked, this, &frmCrtanje::Picture14_Click);
    connect(Picture[15], &ClickLabel::clicked, this, &frmCrtanje::Picture15_Click);

    lblPromjenaPozadine = new ClickLabel(this);
    lblPromjenaPozadine->setObjectName(QStringLiteral("lblPromjenaPozadine"));
    lblPromjenaPozadine->setGeometry(608, 8, 153, 33);
    lblPromjenaPozadine->setText(tr("Change background color (erase)"));
    lblPromjenaPozadine->setAlignment(Qt::AlignCenter);
    lblPromjenaPozadine->setWordWrap(true);
    lblPromjenaPozadine->setAutoFillBackground(true);
    lblPromjenaPozadine->setCursor(palette);
    connect(lblPromjenaPozadine, &ClickLabel::clicked, this, &frmCrtanje::lblPromjenaPozadine_Click);

    // A press or a move over a control belongs to that control, never to the board.
    for (QWidget* control : findChildren<QWidget*>())
        control->setAttribute(Qt::WA_NoMousePropagation);
}

void frmCrtanje::Form_Load() {
    const QRect zaslon = screen()->geometry();
    setGeometry(zaslon);
    setWindowState(windowState() | Qt::WindowFullScreen);
    ploca_ = QImage(zaslon.size(), QImage::Format_RGB32);
    ploca_.fill(paper_);
    Module1::uvijek_na_vrhu(*this);
    for (int k = 0; k < 16; ++k)
        setBackground(Picture[size_t(k)], paleta(k));
    boja = 0;
}

void frmCrtanje::Form_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers, int x, int y) {
    penColor_ = paleta(boja);
    switch (button & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)) {
    case Qt::LeftButton: penWidth_ = 3; break;
    case Qt::RightButton: penWidth_ = 10; break;
    case Qt::MiddleButton: penWidth_ = 6; break;
    default: break;  // none, or several together: the width stays
    }
    lineTo(x, y);
}

void frmCrtanje::Picture_Click(int k) {
    boja = k;
    setBackground(lblPromjenaPozadine, paleta(k));
}

void frmCrtanje::Picture0_Click() { Picture_Click(0); }
void frmCrtanje::Picture1_Click() { Picture_Click(1); }
void frmCrtanje::Picture2_Click() { Picture_Click(2); }
void frmCrtanje::Picture3_Click() { Picture_Click(3); }
void frmCrtanje::Picture4_Click() { Picture_Click(4); }
void frmCrtanje::Picture5_Click() { Picture_Click(5); }
void frmCrtanje::Picture6_Click() { Picture_Click(6); }
void frmCrtanje::Picture7_Click() { Picture_Click(7); }
void frmCrtanje::Picture8_Click() { Picture_Click(8); }
void frmCrtanje::Picture9_Click() { Picture_Click(9); }
void frmCrtanje::Picture10_Click() { Picture_Click(10); }
void frmCrtanje::Picture11_Click() { Picture_Click(11); }
void frmCrtanje::Picture12_Click() { Picture_Click(12); }
void frmCrtanje::Picture13_Click() { Picture_Click(13); }
void frmCrtanje::Picture14_Click() { Picture_Click(14); }
void frmCrtanje::Picture15_Click() { Picture_Click(15); }

// A new background clears the board; the pen is black again, while the label keeps
// showing the colour last chosen.
void frmCrtanje::lblPromjenaPozadine_Click() {
    paper_ = paleta(boja);
    ploca_.fill(paper_);
    update();
    boja = 0;
}

void frmCrtanje::imgIzlaz_Click() { emit done(Ending::ExitSound); }

}  // namespace zorbla
