#include "activities/quiz_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>

#include "placement/module1.h"
#include "widgets/clicklabel.h"
#include "widgets/look.h"

namespace zorbla {

QuizWindow::QuizWindow(GameStart given) : ActivityWindow(std::move(given)) {}

void QuizWindow::createAnswerControls(QRect box, int checkLeft) {
    txtUnosSlova = new QLineEdit(this);
    txtUnosSlova->setObjectName(QStringLiteral("txtUnosSlova"));
    txtUnosSlova->setGeometry(box);
    // The box's own menu has nothing for a child.
    txtUnosSlova->setContextMenuPolicy(Qt::NoContextMenu);

    imgOK = new ClickLabel(this);
    imgOK->setObjectName(QStringLiteral("imgOK"));
    imgOK->setGeometry(checkLeft, 136, 38, 38);
    imgOK->setScaledContents(true);
    setDesignPicture(imgOK, QStringLiteral(":/design/check"));
    imgOK->setCursor(pointer(Pointer::Smiley));
    connect(imgOK, &ClickLabel::clicked, this, &QuizWindow::imgOK_Click);

    imgIzlaz = exitDoor(this, {8, 136});
    connect(imgIzlaz, &ClickLabel::clicked, this, &QuizWindow::imgIzlaz_Click);
}

void QuizWindow::openQuiz() {
    Module1::uvijek_na_vrhu(*this);
    show();  // the launcher gives it the keyboard
    txtUnosSlova->setFocus();
}

void QuizWindow::imgOK_Click() {
    if (isUnloaded())
        return;
    if (potvrda_) {
        // Reached only by a click that was not held back; it still waits its turn.
        josJedna_ = true;
        return;
    }
    potvrda_ = true;
    bool zatvoren = false;
    do {
        josJedna_ = false;
        const bool tocno = provjeri();
        pauza(kPrvaPauzaMs);
        if (!tocno) {
            ponovo();
            continue;
        }
        pauza(kDrugaPauzaMs);
        // No exit sound: the praise is still playing.
        emit done(Ending::Quiet);
        zatvoren = true;
    } while (josJedna_ && !zatvoren && !izlazKasnije_);
    potvrda_ = false;
    josJedna_ = false;
    if (izlazKasnije_ && !zatvoren)
        imgIzlaz_Click();
}

void QuizWindow::imgIzlaz_Click() {
    if (isUnloaded())
        return;
    if (potvrda_) {
        // Unloading inside the pause would delete the window under the running answer.
        izlazKasnije_ = true;
        return;
    }
    emit done(Ending::ExitSound);
}

void QuizWindow::closeEvent(QCloseEvent* event) {
    if (potvrda_ && !isUnloaded()) {
        izlazKasnije_ = true;
        event->ignore();
        return;
    }
    ActivityWindow::closeEvent(event);
}

void QuizWindow::pauza(int ms) {
    QEventLoop petlja;
    QTimer::singleShot(ms, &petlja, &QEventLoop::quit);
    petlja.exec(QEventLoop::ExcludeUserInputEvents);
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
