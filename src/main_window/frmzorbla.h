#pragma once

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <future>
#include <memory>
#include <optional>

#include "activities/activity_window.h"
#include "main_window/first_frame.h"
#include "files/wordtable.h"

namespace zorbla {

class AniGIF;
class ClickLabel;
class MMControl;
class frmRijeci;
class FirstFrameWork;
class HoldRing;
class RecordingLight;

// The main window and hub of the program: the letter and number tiles around the central
// picture, the colours, the sound service every window uses, and the launchers of the
// games. Its public variables are read and written by the activity windows.
class frmZorbla : public QWidget {
    Q_OBJECT
public:
    explicit frmZorbla(QWidget* parent = nullptr);
    ~frmZorbla() override;

    // The start-up sequence, run before the window is first shown. A word table that
    // cannot be read stops it; the caller then ends the program with the message.
    std::optional<WordTableError> Form_Load();

    // Public variables.
    QString slovo;      // current capital letter
    QString slovo_wav;  // sound for govor_slova and govor_brojke
    QString boja_wav;   // sound for govor_boje
    QString r;          // word last shown under the picture
    QString rijec, rijec1, rijec2, rijec3;  // words of pictures 1 to 4

    // The sound service: play slovo_wav or boja_wav on MMControl1, then set the labels.
    void govor_slova();
    void govor_brojke();
    void govor_boje();
    // Shows picture 1 of the current selection.
    void prikaz_slike();

    // Handlers, named by control and event.
    void Label_A_MouseDown();
    void Label_B_Click();
    void Label_C_Click();
    void Label_D_Click();
    void Label_E_Click();
    void Label_F_Click();
    void Label_G_Click();
    void Label_H_Click();
    void Label_I_Click();
    void Label_J_Click();
    void Label_K_Click();
    void Label_L_Click();
    void Label_M_Click();
    void Label_N_Click();
    void Label_O_Click();
    void Label_P_Click();
    void Label_Q_Click();
    void Label_R_Click();
    void Label_S_Click();
    void Label_T_Click();
    void Label_U_Click();
    void Label_V_Click();
    void Label_W_Click();
    void Label_X_Click();
    void Label_Y_Click();
    void Label_Z_Click();
    void lblMaloSlovo_Click();
    void Label_1_Click();
    void Label_2_Click();
    void Label_3_Click();
    void Label_4_Click();
    void Label_5_Click();
    void Label_6_Click();
    void Label_7_Click();
    void Label_8_Click();
    void Label_9_Click();
    void Label_10_Click();
    void imgCrvena_Click();
    void imgZuta_Click();
    void imgSmeda_Click();
    void imgZelena_Click();
    void imgPlava_Click();
    void imgNarandasta_Click();
    void Label4_Click();
    void imgDesno_Click();
    void imgLijevo_Click();
    void img1_Click();
    void AniGIF1_End();
    void Form_Click();
    void alphabetAniGIF_Click();
    void SpiderAniGIF_Click();
    void StarAniGIF_Click();
    void imgIzlaz_Click();
    void Form_KeyDown(int keyCode);
    void Form_Unload();
    // Launchers of the activity windows.
    void imgDice_Click();
    void imgCRT_Click();
    void imgPisanjeSlova_Click();
    void lblSlovoRnd_Click();
    void lblPogodiSLovo_Click();
    void lblRijec_Click();

    // Controls.
    ClickLabel* img1;
    std::array<ClickLabel*, 4> imgPlaviOkvir;  // 1 to 4 at indexes 0 to 3
    AniGIF* AniGIF1;
    std::array<ClickLabel*, 26> Label_;  // Label_A to Label_Z
    std::array<ClickLabel*, 26> Image_;  // Image1 to Image26
    std::array<ClickLabel*, 10> LabelBroj_;  // Label_1 to Label_10
    std::array<ClickLabel*, 10> ImageBroj_;  // Image31 to Image40
    ClickLabel* imgLijevo;
    ClickLabel* imgDesno;
    ClickLabel* Label1;
    ClickLabel* lblRijec;
    ClickLabel* imgRijecBack;
    ClickLabel* lblSlovoRnd;
    ClickLabel* lblMaloSlovo;
    ClickLabel* imgCRT;
    ClickLabel* Label4;
    ClickLabel* imgCrvena;
    ClickLabel* imgZuta;
    ClickLabel* imgSmeda;
    ClickLabel* imgZelena;
    ClickLabel* imgPlava;
    ClickLabel* imgNarandasta;
    ClickLabel* imgIzlaz;
    ClickLabel* imgDice;
    ClickLabel* imgPisanjeSlova;
    ClickLabel* lblPogodiSLovo;
    MMControl* MMControl1;
    std::array<ClickLabel*, 3> Label5;  // (0) RECORD, (1) STOP, (2) SPEAK
    AniGIF* alphabetAniGIF;
    AniGIF* SpiderAniGIF;
    AniGIF* StarAniGIF;

    // State that tests look at.
    const WordTable& tablica() const { return tablica_; }
    int broj_slike() const { return broj_slike_; }
    bool snimljeno() const { return snimljeno_ != 0; }
    QString slika(int k) const { return slika_[size_t(k - 1)]; }
    QString ani(int k) const { return ani_[size_t(k - 1)]; }
    QString zvuk(int k) const { return zvuk_[size_t(k - 1)]; }
    // The still picture now shown in img1, as its file name was written.
    QString shownPicture() const { return shownPicture_; }
    // The window's origin: the top-left corner of the central picture, in design units.
    QPointF origin() const { return QPointF(x0_, y0_); }
    // How many times the design's size everything is drawn at (1 up to 1024 x 768).
    double scale() const { return s_; }
    bool ended() const { return ended_; }
    // The locked start for the youngest: Escape and the door end the program only when
    // held for three seconds, T opens no editor, and the desktop's close does nothing.
    void setKiosk(bool locked);
    bool kiosk() const { return kiosk_; }
    // The missing-letter game: made at its first opening, kept for the whole run.
    frmRijeci* rijeciGame() const { return frmRijeci_; }
    // What a game opened now is given.
    GameStart gameStart();

signals:
    // The exit button or Escape asked the program to end at once.
    void programEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool holdToLeave(QObject* watched, QEvent* event);

private:
    void createControls();
    void connectLaunchers();  // launchers.cpp
    void openGame(ActivityWindow* game);
    void activateGame(QWidget* game);
    void gameDone(Ending how);
    void takeBack(ActivityWindow* game, Ending how);
    void layoutControls();
    void place(QWidget* control, double dx, double dy);
    void chooseLetter(int index);
    void chooseNumber(int k);
    void speakColour(const QString& sound);
    void playFile(const QString& file, const char* playCommand);
    void showPicture(const QString& file);
    void showPictureNumber(int k);
    void endProgram();
    void readWordTableAgain();
    QWidget* openActivity() const;

    WordTable tablica_;
    int broj_slike_ = 1;
    int snimljeno_ = 0;
    std::array<QString, 4> zvuk_;  // zvuk1 to zvuk4
    std::array<QString, 4> slika_;
    std::array<QString, 4> ani_;
    QString shownPicture_;
    double x0_ = 0, y0_ = 0;
    double s_ = 1;
    double deviceScale_ = 1;  // s_ times the screen's pixel ratio: how large pictures are drawn
    QSize screen_;
    QImage background_;    // drawn at backgroundFor_
    BackgroundPicture backgroundFor_;
    QSize backgroundPixels_;  // the screen's size in pixels it was chosen for
    std::unique_ptr<FirstFrameWork> firstFrame_;  // until the first frame is out
    std::future<void> keeping_;  // the background being kept for the next start
    std::future<void> scalingAhead_;  // pictures being scaled for the first frame
    bool backgroundPressed_ = false;
    bool ended_ = false;
    bool kiosk_ = false;
    HoldRing* holdRing_ = nullptr;  // made for the locked start
    RecordingLight* recordingLight_ = nullptr;
    frmRijeci* frmRijeci_ = nullptr;
    const QEvent* lastKey_ = nullptr;  // compared, never followed
    QPointer<QWidget> lastKeyTarget_;
};

}  // namespace zorbla
