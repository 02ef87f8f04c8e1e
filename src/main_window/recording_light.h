#pragma once

#include <QTimer>
#include <QWidget>

namespace zorbla {

// Beside the media control: a red light that blinks while the child's voice is being
// recorded, then a green tick when S has kept the take (a grey cross when it could not
// be written), so that a child and a parent see what happened.
class RecordingLight : public QWidget {
    Q_OBJECT
public:
    enum class State { Off, Recording, Kept, NotKept };

    explicit RecordingLight(QWidget* window);

    void setState(State state);
    State state() const { return state_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    State state_ = State::Off;
    bool lit_ = true;
    QTimer blink_;
    QTimer fade_;  // the tick or cross goes after a while
};

}  // namespace zorbla
