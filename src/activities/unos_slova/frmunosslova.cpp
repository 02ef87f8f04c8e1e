#include "activities/unos_slova/frmunosslova.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "files/pack.h"
#include "widgets/look.h"

namespace zorbla {

frmUnosSlova::frmUnosSlova(GameStart given) : QuizWindow(std::move(given)) {
    setWindowTitle(tr("Press keyboard"));
    setFixedSize(249, 177);
    // In the middle of the screen, where the child is looking.
    move(screen()->availableGeometry().center() - rect().center());
    createControls();
    txtUnosSlova->setMaxLength(1);  // one key, one letter
    Form_Load();
}

void frmUnosSlova::createControls() {
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 16, 129, 25);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fitText(Label1, tr("Press keyboard:"), 18, true);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(160, 12, 57, 33);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(childFont(28, true));
    Label2->setStyleSheet(QStringLiteral("color: rgb(200,30,50);"));

    createAnswerControls({88, 72, 65, 53}, 104);
    txtUnosSlova->setAlignment(Qt::AlignCenter);
    txtUnosSlova->setFont(childFont(40, true));
}

void frmUnosSlova::Form_Load() {
    openQuiz();
    Label2->setText(start().letter);
}

bool frmUnosSlova::provjeri() {
    txtUnosSlova->setText(txtUnosSlova->text().toUpper());
    const bool tocno = txtUnosSlova->text() == start().letter;
    say(tocno ? pack::sound(pack::yesCorrect) : pack::sound(pack::noWrong));
    return tocno;
}

void frmUnosSlova::ponovo() {
    txtUnosSlova->clear();
    txtUnosSlova->setFocus();
}

}  // namespace zorbla
