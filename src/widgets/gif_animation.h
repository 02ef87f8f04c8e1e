#pragma once

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

class QImageReader;

namespace zorbla {

// An animated picture: loads a GIF by file name (as the program writes it, or a Qt
// resource path), plays it once from its first frame, each frame for its whole delay,
// and says when it is clicked and when the animation has played to its end. A loop
// block in the file is not obeyed: a child's picture must come back after one pass.
// It takes the size of the loaded animation, and it is drawn in its own colours also
// while its window is disabled.
// A compiled-in animation that comes with its first frame as raw pixels shows that frame
// at once and reads the animation only when it is first played.
class GifAnimation : public QWidget {
    Q_OBJECT
public:
    explicit GifAnimation(QWidget* parent = nullptr);
    ~GifAnimation() override;

    // False when the file cannot be read as a picture; the control then shows nothing.
    bool load(const QString& writtenName);
    void start();
    QString loadedPath() const { return path_; }
    bool isRunning() const { return timer_.isActive(); }
    int frameCount() const;
    // The frame on the screen, counted from 0; -1 when nothing is shown.
    int currentFrameNumber() const { return frameNumber_; }
    QImage currentImage() const { return frame_; }
    // Draws the animation this many times its size (the screen's scale). Drawn
    // larger than its own size, it is read from its companion at twice the size, where
    // it has one: a loaded animation is loaded again for that.
    void setScale(double s);
    // Something listens to its clicks: it is a button to assistive technology.
    bool answersClicks() const;
    // A click, as assistive technology presses it.
    void click() { emit clicked(); }

signals:
    void clicked();
    void animationFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool readFrame();  // the next frame onto the screen; false at the end or on a fault
    void nextFrame();
    void finish();
    void showFrame(const QImage& frame, int number);

    QString written_;  // as given to load()
    QString path_;
    std::unique_ptr<QImageReader> reader_;  // open while playing
    QTimer timer_;                          // the delay of the frame on the screen
    int delay_ = 0;                         // of the frame on the screen
    QImage frame_;
    QImage smaller_;  // the frame scaled down, where it is drawn smaller than its own size
    qint64 smallerOf_ = 0;
    int frameNumber_ = -1;
    double scale_ = 1;
    int ratio_ = 1;  // 2 when the frames are the companion's, at twice the size
    bool pressed_ = false;
};

}  // namespace zorbla
