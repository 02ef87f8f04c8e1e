#include "activities/unos_rijeci/frmunosrijeci.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "files/pack.h"
#include "widgets/look.h"

namespace zorbla {

frmUnosRijeci::frmUnosRijeci(GameStart given) : QuizWindow(std::move(given)) {
    setWindowTitle(tr("Write the right word"));
    setFixedSize(391, 179);
    // In the middle of the screen, where the child is looking.
    move(screen()->availableGeometry().center() - rect().center());
    createControls();
    Form_Load();
}

void frmUnosRijeci::createControls() {
    auto label = [this](const char* name, QRect where, Qt::Alignment align) {
        QLabel* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(where);
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };
    Label1 = label("Label1", {72, 16, 241, 25}, Qt::AlignHCenter);
    fitText(Label1, tr("Enter the requested word"), 20, true);

    createAnswerControls({24, 64, 345, 37}, 176);
    txtUnosSlova->setFont(childFont(26, true));
    txtUnosSlova->setStyleSheet(QStringLiteral("background: white;"));

    // One sentence read left to right: "This word has", the number, "letters".
    Label2 = label("Label2", {24, 112, 81, 17}, Qt::AlignRight);
    fitText(Label2, tr("This word has"), 12, true);
    Label3 = label("Label3", {112, 108, 25, 17}, Qt::AlignHCenter);
    Label3->setFont(childFont(15, true));
    Label3->setStyleSheet(QStringLiteral("color: rgb(200,30,50);"));
    Label4 = label("Label4", {144, 112, 57, 17}, Qt::AlignLeft);
    fitText(Label4, tr("letters"), 12, true);
}

void frmUnosRijeci::Form_Load() {
    openQuiz();
    const QString& rijec = start().word;
    // The limit counts the spaces too, since they must be typed; no word, no limit.
    if (!rijec.isEmpty())
        txtUnosSlova->setMaxLength(int(rijec.size()));
    // The child counts letters, not the gaps between the words.
    Label3->setText(QString::number(rijec.size() - rijec.count(QLatin1Char(' '))));
}

bool frmUnosRijeci::provjeri() {
    // Only the answer is made capital; the box keeps what the child typed.
    const bool tocno = txtUnosSlova->text().toUpper() == start().word;
    if (!tocno)
        txtUnosSlova->setFocus();
    // As a colour is said: the word stays under the picture.
    say(tocno ? pack::sound(pack::yesCorrect) : pack::sound(pack::noWrong),
        Speech::KeepsLabels);
    return tocno;
}

void frmUnosRijeci::ponovo() { txtUnosSlova->clear(); }

}  // namespace zorbla
