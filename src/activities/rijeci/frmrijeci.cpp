#include "activities/rijeci/frmrijeci.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include <vector>

#include "activities/quiz_window.h"
#include "files/pack.h"
#include "pictures/sharper.h"
#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "sound/mmcontrol.h"
#include "placement/module1.h"
#include "activities/chance.h"
#include "files/paths.h"

namespace zorbla {

namespace {

int bounded(int n) { return randomBelow(n); }

bool imaZnak(const QString& rijec) {
    for (QChar c : rijec)
        if (!c.isSpace())
            return true;
    return false;
}

}  // namespace

frmRijeci::frmRijeci(GameStart given) : ActivityWindow(std::move(given)) {
    setWindowTitle(tr("Missing letter"));
    setFixedSize(531, 502);
    move(screen()->availableGeometry().center() - rect().center());
    // Every key comes to the window itself: none of its controls takes the focus.
    setFocusPolicy(Qt::StrongFocus);
    createControls();
}

// Stopping a sound lets the sound system run pending events, so it is done while the
// window is still whole rather than among its children's destruction.
frmRijeci::~frmRijeci() { MMControl1->device().shutdown(); }

// The word on the faces of the two buttons, drawn by the pack generator in each
// edition's language from this translation.
[[maybe_unused]] constexpr const char* kButtonWord = QT_TRANSLATE_NOOP("PictureButtons", "PICTURE");

void frmRijeci::createControls() {
    const QCursor smiley = pointer(Pointer::Smiley);
    auto button = [&](const char* name, const QString& face, int top) {
        ClickLabel* b = new ClickLabel(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(8, top, 90, 40);
        b->setScaledContents(true);
        setDesignPicture(b, face);
        b->setCursor(smiley);
        return b;
    };
    imgButton1 = button("imgButton1", inProgramLanguage(QStringLiteral(":/design/button_first")), 16);
    connect(imgButton1, &ClickLabel::clicked, this, &frmRijeci::imgButton1_Click);
    imgButton2 = button("imgButton2", inProgramLanguage(QStringLiteral(":/design/button_any")), 72);
    connect(imgButton2, &ClickLabel::clicked, this, &frmRijeci::imgButton2_Click);

    img1 = new QLabel(this);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(121, 18, 400, 400);
    img1->setScaledContents(true);
    img1->setStyleSheet(QStringLiteral("background: white;"));

    lblRijec = new QLabel(this);
    lblRijec->setObjectName(QStringLiteral("lblRijec"));
    lblRijec->setGeometry(120, 432, 401, 41);
    lblRijec->setAlignment(Qt::AlignCenter);
    lblRijec->setFont(childFont(30, true));

    imgIzlaz = exitDoor(this, {8, 456});
    connect(imgIzlaz, &ClickLabel::clicked, this, &frmRijeci::imgIzlaz_Click);

    MMControl1 = new MMControl(this);
    MMControl1->setObjectName(QStringLiteral("MMControl1"));
    MMControl1->hide();

    for (QWidget* w : findChildren<QWidget*>())
        w->setFocusPolicy(Qt::NoFocus);
}

std::optional<WordTableError> frmRijeci::Form_Initialize() { return WordTableReader::read(tablica_); }

void frmRijeci::Form_Load() {
    Module1::uvijek_na_vrhu(*this);
    nacin = 1;
    int k = 1;
    for (int slovo = 0; slovo < 26; ++slovo) {
        const QChar L = QChar(u'A' + slovo);
        const int slika = L == u'X' ? 2 : 4;
        for (int n = 1; n <= slika; ++n, ++k) {
            popis_slika[size_t(k)] = pack::letterPicture(slovo, n);
            popis_rijeci[size_t(k)] = tablica_.cell(slovo + 1, n);
        }
    }
    izbor = izvuci_izbor(1);
    showPicture(popis_slika[size_t(izbor)]);
    showWord(QStringLiteral("_") + popis_rijeci[size_t(izbor)].mid(1));
}

int frmRijeci::izvuci_izbor(int mod) const {
    std::vector<int> moguci;
    for (int k = 1; k <= kBrojSlika; ++k) {
        const QString& rijec = popis_rijeci[size_t(k)];
        if (mod == 1 ? !rijec.isEmpty() : imaZnak(rijec))
            moguci.push_back(k);
    }
    // With no word at all there is still a picture to look at; every key is then wrong.
    if (moguci.empty())
        return bounded(kBrojSlika) + 1;
    return moguci[size_t(bounded(int(moguci.size())))];
}

int frmRijeci::izvuci_poziciju(const QString& rijec) {
    std::vector<int> slova, znakovi;
    for (int i = 0; i < rijec.size(); ++i) {
        if (rijec[i].isLetter())
            slova.push_back(i + 1);
        if (!rijec[i].isSpace())
            znakovi.push_back(i + 1);
    }
    // A word without letters (a number) still hides one of its characters, never a gap.
    const std::vector<int>& moguci = slova.empty() ? znakovi : slova;
    if (moguci.empty())
        return 1;
    return moguci[size_t(bounded(int(moguci.size())))];
}

void frmRijeci::imgButton1_Click() {
    nacin = 1;
    zvuk = pack::sound(pack::boing);
    pusti_zvuk();
    izbor = izvuci_izbor(1);
    showPicture(popis_slika[size_t(izbor)]);
    showWord(QStringLiteral("_") + popis_rijeci[size_t(izbor)].mid(1));
}

void frmRijeci::imgButton2_Click() {
    nacin = 2;
    zvuk = pack::sound(pack::boing);
    pusti_zvuk();
    izbor = izvuci_izbor(2);
    const QString& rijec = popis_rijeci[size_t(izbor)];
    pozicija = izvuci_poziciju(rijec);
    showPicture(popis_slika[size_t(izbor)]);
    showWord(rijec.left(pozicija - 1) + QStringLiteral("_") + rijec.mid(pozicija));
}

void frmRijeci::Form_KeyPress(const QString& znak) {
    if (znak.isEmpty())
        return;
    tipka = znak.left(1);
    if (nacin == 1)
        prvo_slovo();
    else if (nacin == 2)
        bilo_koje();
}

// The stored word is never changed: a word kept in small letters cannot be guessed.
void frmRijeci::prvo_slovo() {
    const QString& rijec = popis_rijeci[size_t(izbor)];
    if (!rijec.isEmpty() && rijec.left(1) == tipka.toUpper()) {
        zvuk = pack::sound(pack::yesCorrect);
        showWord(rijec);
    } else {
        zvuk = pack::sound(pack::noWrong);
    }
    pusti_zvuk();
}

void frmRijeci::bilo_koje() {
    const QString& rijec = popis_rijeci[size_t(izbor)];
    const QString skriven = rijec.mid(pozicija - 1, 1);
    if (!skriven.isEmpty() && skriven == tipka.toUpper()) {
        zvuk = pack::sound(pack::yesCorrect);
        showWord(rijec);
    } else {
        zvuk = pack::sound(pack::noWrong);
    }
    pusti_zvuk();
}

void frmRijeci::pusti_zvuk() {
    MMControl1->setCommand(QStringLiteral("Close"));
    MMControl1->setDeviceType(QStringLiteral("WaveAudio"));
    MMControl1->setFileName(zvuk);
    MMControl1->setCommand(QStringLiteral("Open"));
    MMControl1->setCommand(QStringLiteral("Play"));
}

// The window is hidden, not deleted: it keeps its table and its player, which plays the
// exit sound itself, to its end.
void frmRijeci::imgIzlaz_Click() {
    emit done(Ending::Quiet);
    zvuk = pack::sound(pack::izlaz);
    pusti_zvuk();
}

void frmRijeci::unload() { hide(); }

bool frmRijeci::event(QEvent* e) {
    // Taken before the widget's own handling, so Tab too is a key and not a focus move.
    if (e->type() == QEvent::KeyPress) {
        const QString znak = static_cast<QKeyEvent*>(e)->text();
        if (!znak.isEmpty()) {
            Form_KeyPress(znak);
            return true;
        }
    }
    return ActivityWindow::event(e);
}

void frmRijeci::closeEvent(QCloseEvent* e) {
    if (isVisible())
        imgIzlaz_Click();
    e->accept();
}

void frmRijeci::showPicture(const QString& file) {
    const QPixmap picture = readSharperPixmap(resolvePath(file), start().scale * devicePixelRatioF());
    if (picture.isNull())
        img1->clear();  // an empty white box rather than an error before a child
    else
        img1->setPixmap(picture);  // as it is: the pack's pictures carry no word
    shownPicture_ = file;
}

void frmRijeci::showWord(const QString& text) { fitText(lblRijec, text, 30, true); }

}  // namespace zorbla
