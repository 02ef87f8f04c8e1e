#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace zorbla {

// In the locked start, the way out is held, not pressed: a ring over the window fills
// while Escape or the door is held and says "done" when it is full. Let go before, and
// nothing happens.
class HoldRing : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHoldMs = 3000;

    explicit HoldRing(QWidget* window);

    // Starts filling, centred on the point of the window, unless it is filling already.
    void hold(QPoint centre, int diameter);
    void letGo();
    // A key let go: a key held down repeats as pairs of let go and pressed again, which
    // not every desktop marks as repeats, so the ring stops only when no press follows.
    void letGoUnlessPressedAgain();
    bool isHeld() const { return clock_.isValid(); }

signals:
    void done();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QElapsedTimer clock_;
    QTimer tick_;
    QTimer letGo_;
};

}  // namespace zorbla
