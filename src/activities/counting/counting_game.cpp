#include "activities/counting/counting_game.h"

#include <QCursor>
#include <QPixmap>
#include <QScreen>

#include "activities/chance.h"
#include "files/pack.h"
#include "widgets/clicklabel.h"
#include "pictures/rawimage.h"
#include "pictures/sharper.h"
#include "widgets/look.h"
#include "placement/keep_above.h"
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

CountingGame::CountingGame(GameStart given) : ActivityWindow(std::move(given)) {
    setWindowTitle(tr("Guess number"));
    setFixedSize(573, 467);
    // In the middle of the screen, where the child is looking.
    move(screen()->availableGeometry().center() - rect().center());
    createControls();
    keepAbove(*this);
    for (int n = 1; n <= 10; ++n)
        pictures_[size_t(n)] = pack::numberPicture(n, pack::countingPicture(n));
    drawCount();
    showPicture(pictures_[size_t(count_)]);
    // The bear keeps its design picture until the first new turn, and the main window
    // plays the announcement, so nothing is said here.
}

void CountingGame::createControls() {
    const QCursor smiley = pointer(Pointer::Smiley);
    for (int k = 1; k <= 10; ++k) {
        ClickLabel* tile = new ClickLabel(this);
        tile->setObjectName(QStringLiteral("numeral%1").arg(k));
        tile->setGeometry(8 + 56 * (k - 1), 8, 50, 40);
        const QString numeral = QStringLiteral(":/design/numeral_%1").arg(k);
        if (designPicture(numeral).isNull()) {
            tile->setText(QString::number(k));
            tile->setAlignment(Qt::AlignCenter);
        } else {
            setDesignPicture(tile, numeral);
        }
        tile->setCursor(smiley);
        tile->setAccessibleName(QString::number(k));
        connect(tile, &ClickLabel::clicked, this, [this, k] { answer(k); });
        numerals_[size_t(k - 1)] = tile;
    }

    picture_ = new ClickLabel(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setGeometry(160, 56, 400, 400);
    picture_->setScaledContents(true);
    picture_->setCursor(smiley);
    picture_->setAccessibleName(tr("Picture"));
    connect(picture_, &ClickLabel::clicked, this, &CountingGame::newTurn);

    bear_ = new ClickLabel(this);
    bear_->setObjectName(QStringLiteral("bear"));
    bear_->setGeometry(0, 144, 136, 152);
    bear_->setScaledContents(true);
    setDesignPicture(bear_, QStringLiteral(":/design/bear"));

    door_ = exitDoor(this, {8, 408});
    connect(door_, &ClickLabel::clicked, this, &CountingGame::leave);
}

void CountingGame::drawCount() { count_ = randomBelow(10) + 1; }

void CountingGame::answer(int k) {
    const bool right = count_ == k;
    showBear(right ? pack::bear(2) : pack::bear(3));
    say(right ? pack::sound(pack::yesCorrect) : pack::sound(pack::noWrong));
}

void CountingGame::newTurn() {
    say(pack::sound(pack::boing));
    drawCount();
    showPicture(pictures_[size_t(count_)]);
    showBear(pack::bear(1));
}

void CountingGame::leave() { emit done(Ending::ExitSound); }

void CountingGame::showPicture(const QString& file) {
    loadInto(picture_, file, start().scale * devicePixelRatioF());
    shownPicture_ = file;
}

void CountingGame::showBear(const QString& file) {
    loadInto(bear_, file, start().scale * devicePixelRatioF());
    shownBear_ = file;
}

}  // namespace zorbla
