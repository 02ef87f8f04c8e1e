#include "activities/pog_brojeva/frmpogbrojeva.h"

#include <QCursor>
#include <QPixmap>
#include <QScreen>

#include "activities/chance.h"
#include "files/pack.h"
#include "widgets/clicklabel.h"
#include "pictures/rawimage.h"
#include "pictures/sharper.h"
#include "widgets/look.h"
#include "placement/module1.h"
#include "files/paths.h"

namespace zorbla {

namespace {

// A picture file of the pack; one that cannot be read shows an empty box instead of
// ending the game.
void loadInto(ClickLabel* label, const QString& file, double deviceScale) {
    const QPixmap picture = readSharperPixmap(resolvePath(file), deviceScale);
    if (picture.isNull())
        label->clear();
    else
        label->setPixmap(picture);
}

}  // namespace

frmPogBrojeva::frmPogBrojeva(GameStart given) : ActivityWindow(std::move(given)) {
    setWindowTitle(tr("Guess number"));
    setFixedSize(573, 467);
    // In the middle of the screen, where the child is looking.
    move(screen()->availableGeometry().center() - rect().center());
    createControls();
    Form_Load();
}

void frmPogBrojeva::createControls() {
    const QCursor smiley = pointer(Pointer::Smiley);
    for (int k = 1; k <= 10; ++k) {
        ClickLabel* tile = new ClickLabel(this);
        tile->setObjectName(QStringLiteral("img%1").arg(k));
        tile->setGeometry(8 + 56 * (k - 1), 8, 50, 40);
        const QString numeral = QStringLiteral(":/design/numeral_%1").arg(k);
        if (designPicture(numeral).isNull()) {
            tile->setText(QString::number(k));
            tile->setAlignment(Qt::AlignCenter);
        } else {
            setDesignPicture(tile, numeral);
        }
        tile->setCursor(smiley);
        img[size_t(k - 1)] = tile;
    }
    connect(img[0], &ClickLabel::clicked, this, &frmPogBrojeva::img1_Click);
    connect(img[1], &ClickLabel::clicked, this, &frmPogBrojeva::img2_Click);
    connect(img[2], &ClickLabel::clicked, this, &frmPogBrojeva::img3_Click);
    connect(img[3], &ClickLabel::clicked, this, &frmPogBrojeva::img4_Click);
    connect(img[4], &ClickLabel::clicked, this, &frmPogBrojeva::img5_Click);
    connect(img[5], &ClickLabel::clicked, this, &frmPogBrojeva::img6_Click);
    connect(img[6], &ClickLabel::clicked, this, &frmPogBrojeva::img7_Click);
    connect(img[7], &ClickLabel::clicked, this, &frmPogBrojeva::img8_Click);
    connect(img[8], &ClickLabel::clicked, this, &frmPogBrojeva::img9_Click);
    connect(img[9], &ClickLabel::clicked, this, &frmPogBrojeva::img10_Click);

    Image1 = new ClickLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(160, 56, 400, 400);
    Image1->setScaledContents(true);
    Image1->setCursor(smiley);
    connect(Image1, &ClickLabel::clicked, this, &frmPogBrojeva::Image1_Click);

    imgMedo = new ClickLabel(this);
    imgMedo->setObjectName(QStringLiteral("imgMedo"));
    imgMedo->setGeometry(0, 144, 136, 152);
    imgMedo->setScaledContents(true);
    setDesignPicture(imgMedo, QStringLiteral(":/design/bear"));

    imgIzlaz = exitDoor(this, {8, 408});
    connect(imgIzlaz, &ClickLabel::clicked, this, &frmPogBrojeva::imgIzlaz_Click);
}

void frmPogBrojeva::Form_Load() {
    Module1::uvijek_na_vrhu(*this);
    for (int n = 1; n <= 10; ++n)
        slike[size_t(n)] = pack::numberPicture(n, pack::countingPicture(n));
    izvuci_broj();
    showPicture(slike[size_t(broj)]);
    // The bear keeps its design picture until the first new turn, and the main window
    // plays the announcement, so nothing is said here.
}

void frmPogBrojeva::izvuci_broj() { broj = randomBelow(10) + 1; }

void frmPogBrojeva::img_Click(int k) {
    const bool tocno = broj == k;
    showBear(tocno ? pack::bear(2) : pack::bear(3));
    say(tocno ? pack::sound(pack::yesCorrect) : pack::sound(pack::noWrong));
}

void frmPogBrojeva::img1_Click() { img_Click(1); }
void frmPogBrojeva::img2_Click() { img_Click(2); }
void frmPogBrojeva::img3_Click() { img_Click(3); }
void frmPogBrojeva::img4_Click() { img_Click(4); }
void frmPogBrojeva::img5_Click() { img_Click(5); }
void frmPogBrojeva::img6_Click() { img_Click(6); }
void frmPogBrojeva::img7_Click() { img_Click(7); }
void frmPogBrojeva::img8_Click() { img_Click(8); }
void frmPogBrojeva::img9_Click() { img_Click(9); }
void frmPogBrojeva::img10_Click() { img_Click(10); }

void frmPogBrojeva::Image1_Click() {
    say(pack::sound(pack::boing));
    izvuci_broj();
    showPicture(slike[size_t(broj)]);
    showBear(pack::bear(1));
}

void frmPogBrojeva::imgIzlaz_Click() { emit done(Ending::ExitSound); }

void frmPogBrojeva::showPicture(const QString& file) {
    loadInto(Image1, file, start().scale * devicePixelRatioF());
    shownPicture_ = file;
}

void frmPogBrojeva::showBear(const QString& file) {
    loadInto(imgMedo, file, start().scale * devicePixelRatioF());
    shownBear_ = file;
}

}  // namespace zorbla
