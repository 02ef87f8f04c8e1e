#include <QString>

#include "files/pack.h"
#include "main_window/frmzorbla.h"
#include "widgets/anigif.h"
#include "widgets/clicklabel.h"
#include "sound/mmcontrol.h"

// Choosing letters and numbers, paging through their pictures, and the colours.

namespace zorbla {

void frmZorbla::chooseLetter(int i) {
    slovo = tablica_.capitalLetter(i);
    slovo_wav = pack::letterSound(i);
    QString* words[4] = {&rijec, &rijec1, &rijec2, &rijec3};
    for (int p = 1; p <= 4; ++p) {
        zvuk_[size_t(p - 1)] = pack::letterWordSound(i, p);
        *words[p - 1] = tablica_.cell(i + 1, p);
        slika_[size_t(p - 1)] = pack::letterPicture(i, p);
        ani_[size_t(p - 1)] = pack::letterAnimation(i, p);
    }
    lblMaloSlovo->setText(tablica_.smallLetter(i));
    prikaz_slike();
    govor_slova();
}

void frmZorbla::chooseNumber(int k) {
    slovo_wav = pack::numberSound(k);
    QString* words[4] = {&rijec, &rijec1, &rijec2, &rijec3};
    for (int p = 1; p <= 4; ++p) {
        zvuk_[size_t(p - 1)] = pack::numberWordSound(k, p);
        *words[p - 1] = tablica_.cell(30 + k, p);
        slika_[size_t(p - 1)] = pack::numberPicture(k, p);
        ani_[size_t(p - 1)] = pack::numberAnimation(k);
    }
    prikaz_slike();
    govor_brojke();
}

void frmZorbla::prikaz_slike() {
    showPicture(slika_[0]);
    lblSlovoRnd->setText(slovo);
    broj_slike_ = 1;
    Label1->setText(QStringLiteral("1"));
    imgLijevo->hide();
    imgDesno->show();
}

void frmZorbla::showPictureNumber(int k) {
    broj_slike_ = k;
    Label1->setText(QString::number(k));
    lblRijec->hide();
    showPicture(slika_[size_t(k - 1)]);
    snimljeno_ = 0;
}

void frmZorbla::imgDesno_Click() {
    if (broj_slike_ >= 4)  // hidden at the last picture; nothing lies beyond it
        return;
    imgLijevo->show();
    if (broj_slike_ + 1 == 4)
        imgDesno->hide();
    showPictureNumber(broj_slike_ + 1);
}

void frmZorbla::imgLijevo_Click() {
    if (broj_slike_ <= 1)
        return;
    imgDesno->show();
    if (broj_slike_ - 1 == 1)
        imgLijevo->hide();
    showPictureNumber(broj_slike_ - 1);
}

void frmZorbla::img1_Click() {
    const int k = broj_slike_;
    const QString* words[4] = {&rijec, &rijec1, &rijec2, &rijec3};
    const QString sound = zvuk_[size_t(k - 1)];
    r = *words[k - 1];
    const QString& animation = ani_[size_t(k - 1)];
    if (!(k == 4 && animation.isEmpty())) {
        // With nothing to play there is nothing to show over the picture.
        if (AniGIF1->load(animation)) {
            AniGIF1->show();
            AniGIF1->start();
        } else {
            AniGIF1->hide();
        }
    }
    playFile(sound, "play");
    lblRijec->setText(r);
    lblRijec->show();
    snimljeno_ = 0;
}

void frmZorbla::AniGIF1_End() { AniGIF1->hide(); }

void frmZorbla::lblMaloSlovo_Click() {
    slovo_wav = pack::sound(pack::lowerCase);
    govor_slova();
}

void frmZorbla::speakColour(const QString& sound) {
    boja_wav = sound;
    govor_boje();
}

void frmZorbla::imgCrvena_Click() { speakColour(pack::sound(pack::red)); }
void frmZorbla::imgNarandasta_Click() { speakColour(pack::sound(pack::orange)); }
void frmZorbla::imgPlava_Click() { speakColour(pack::sound(pack::blue)); }
void frmZorbla::imgSmeda_Click() { speakColour(pack::sound(pack::brown)); }
void frmZorbla::imgZelena_Click() { speakColour(pack::sound(pack::green)); }
void frmZorbla::imgZuta_Click() { speakColour(pack::sound(pack::yellow)); }
void frmZorbla::Label4_Click() { speakColour(pack::sound(pack::colours)); }

void frmZorbla::alphabetAniGIF_Click() {
    alphabetAniGIF->start();
    speakColour(pack::sound(pack::alphabetSong));
}

void frmZorbla::SpiderAniGIF_Click() {
    SpiderAniGIF->start();
    speakColour(pack::sound(pack::spider));
}

void frmZorbla::StarAniGIF_Click() {
    StarAniGIF->start();
    speakColour(pack::sound(pack::star));
}

void frmZorbla::Label_A_MouseDown() { chooseLetter(0); }
void frmZorbla::Label_B_Click() { chooseLetter(1); }
void frmZorbla::Label_C_Click() { chooseLetter(2); }
void frmZorbla::Label_D_Click() { chooseLetter(3); }
void frmZorbla::Label_E_Click() { chooseLetter(4); }
void frmZorbla::Label_F_Click() { chooseLetter(5); }
void frmZorbla::Label_G_Click() { chooseLetter(6); }
void frmZorbla::Label_H_Click() { chooseLetter(7); }
void frmZorbla::Label_I_Click() { chooseLetter(8); }
void frmZorbla::Label_J_Click() { chooseLetter(9); }
void frmZorbla::Label_K_Click() { chooseLetter(10); }
void frmZorbla::Label_L_Click() { chooseLetter(11); }
void frmZorbla::Label_M_Click() { chooseLetter(12); }
void frmZorbla::Label_N_Click() { chooseLetter(13); }
void frmZorbla::Label_O_Click() { chooseLetter(14); }
void frmZorbla::Label_P_Click() { chooseLetter(15); }
void frmZorbla::Label_Q_Click() { chooseLetter(16); }
void frmZorbla::Label_R_Click() { chooseLetter(17); }
void frmZorbla::Label_S_Click() { chooseLetter(18); }
void frmZorbla::Label_T_Click() { chooseLetter(19); }
void frmZorbla::Label_U_Click() { chooseLetter(20); }
void frmZorbla::Label_V_Click() { chooseLetter(21); }
void frmZorbla::Label_W_Click() { chooseLetter(22); }
void frmZorbla::Label_X_Click() { chooseLetter(23); }
void frmZorbla::Label_Y_Click() { chooseLetter(24); }
void frmZorbla::Label_Z_Click() { chooseLetter(25); }

void frmZorbla::Label_1_Click() { chooseNumber(1); }
void frmZorbla::Label_2_Click() { chooseNumber(2); }
void frmZorbla::Label_3_Click() { chooseNumber(3); }
void frmZorbla::Label_4_Click() { chooseNumber(4); }
void frmZorbla::Label_5_Click() { chooseNumber(5); }
void frmZorbla::Label_6_Click() { chooseNumber(6); }
void frmZorbla::Label_7_Click() { chooseNumber(7); }
void frmZorbla::Label_8_Click() { chooseNumber(8); }
void frmZorbla::Label_9_Click() { chooseNumber(9); }
void frmZorbla::Label_10_Click() { chooseNumber(10); }

}  // namespace zorbla
