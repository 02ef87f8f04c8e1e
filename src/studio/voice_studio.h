#pragma once

#include <QTimer>
#include <QWidget>

#include <optional>

#include "sound/wavdevice.h"

class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace zorbla {

// zorbla --voices: a parent records the family's own voice for every sound of the working
// folder's pack, keyboard first. Space records the selected sound and Space stops; the
// take plays back at once; Enter keeps it in place of the sound (trimmed of its silences,
// brought to the pack's loudness, written whole), Escape throws it away; the arrows go
// to the next sound. Any sound can be put back as the pack had it.
class VoiceStudio : public QWidget {
    Q_OBJECT
public:
    enum class Stage { Choosing, Recording, Listening };

    explicit VoiceStudio(QWidget* parent = nullptr);
    ~VoiceStudio() override;

    // Lists the sounds of the working folder; why not, when it has no pack. (One studio
    // runs on a display: the program's start sees to that.)
    std::optional<QString> load();

    Stage stage() const { return stage_; }
    QString selectedSound() const;  // as the program writes it, "sounds\b.wav"
    void select(int row);

    QListWidget* list = nullptr;
    QLabel* picture = nullptr;
    QLabel* word = nullptr;
    QLabel* light = nullptr;  // the big red light while recording
    QProgressBar* meter = nullptr;
    QLabel* message = nullptr;
    QPushButton* restoreButton = nullptr;
    QPushButton* restoreAllButton = nullptr;
    QComboBox* saying = nullptr;  // what a letter says in Zorbla: kept in the user's settings

    // The loudest a take may be and the quietest it must reach, in sample values.
    static constexpr int kClipped = 32000;
    static constexpr int kHeard = 1000;

signals:
    void takeKept(const QString& writtenName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showSelected();
    void startRecording();
    void stopRecording();
    void refuseTake(const QString& why);
    void keepTake();
    void throwAway();
    void restoreSelected();
    void restoreAll();
    void say(const QString& text, bool fault = false);
    void setStage(Stage stage);
    void markOwn(int row);
    void showLetterSaying();
    void chooseLetterSaying();

    Stage stage_ = Stage::Choosing;
    WavDevice take_;
    QTimer meterTick_;
    QStringList sounds_;  // as written, one per row
};

}  // namespace zorbla
