#pragma once

#include <QString>

#include <array>

#include "activities/activity_window.h"

namespace zorbla {

class ClickLabel;

// "Guess number": a picture of one to ten objects and ten numerals to answer with. The
// bear beside the picture is glad or sad about each answer. Only a click on the picture
// begins a new turn, so a wrong answer can be tried again as often as the child likes.
class CountingGame : public ActivityWindow {
    Q_OBJECT
public:
    explicit CountingGame(GameStart given);

    // The count in the picture shown now: the right answer of this turn, 1 to 10.
    int count() const { return count_; }
    // The numeral k (1 to 10) is clicked: the bear and the sound say whether it is right.
    void answer(int k);
    // The picture is clicked: a new count (drawCount) with its picture.
    void newTurn();
    // A new count, each of 1 to 10 equally likely; it may repeat the last.
    void drawCount();
    void leave() override;

    // The files last loaded into the picture and the bear, as written; the bear's is empty
    // while it shows its design picture.
    QString shownPicture() const { return shownPicture_; }
    QString shownBear() const { return shownBear_; }

private:
    void createControls();
    void showPicture(const QString& file);
    void showBear(const QString& file);

    // pictures_[n] is the picture of n objects; index 0 is unused so the count is the index.
    std::array<QString, 11> pictures_;
    int count_ = 0;
    std::array<ClickLabel*, 10> numerals_;  // 1 to 10 at indexes 0 to 9
    ClickLabel* picture_;
    ClickLabel* bear_;
    ClickLabel* door_;
    QString shownPicture_;
    QString shownBear_;
};

}  // namespace zorbla
