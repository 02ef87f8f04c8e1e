#pragma once

#include <QString>

#include <array>

#include "activities/activity_window.h"

namespace zorbla {

class ClickLabel;

// "Guess number": a picture of one to ten objects and ten numerals to answer with. The
// bear beside the picture is glad or sad about each answer. Only a click on the picture
// begins a new turn, so a wrong answer can be tried again as often as the child likes.
class frmPogBrojeva : public ActivityWindow {
    Q_OBJECT
public:
    explicit frmPogBrojeva(GameStart given);

    // slike[n] is the picture of n objects; index 0 is unused so the count is the index.
    std::array<QString, 11> slike;
    // The count in the picture shown now: the right answer of this turn, 1 to 10.
    int broj = 0;

    void Form_Load();
    void img1_Click();
    void img2_Click();
    void img3_Click();
    void img4_Click();
    void img5_Click();
    void img6_Click();
    void img7_Click();
    void img8_Click();
    void img9_Click();
    void img10_Click();
    void Image1_Click();
    void imgIzlaz_Click() override;

    // Draws a new count into broj, each of 1 to 10 equally likely; it may repeat the last.
    void izvuci_broj();

    // Controls.
    std::array<ClickLabel*, 10> img;  // img1 to img10 at indexes 0 to 9
    ClickLabel* Image1;
    ClickLabel* imgMedo;
    ClickLabel* imgIzlaz;

    // The files last loaded into Image1 and imgMedo, as written; the bear's is empty
    // while it shows its design picture.
    QString shownPicture() const { return shownPicture_; }
    QString shownBear() const { return shownBear_; }

private:
    void img_Click(int k);
    void createControls();
    void showPicture(const QString& file);
    void showBear(const QString& file);

    QString shownPicture_;
    QString shownBear_;
};

}  // namespace zorbla
