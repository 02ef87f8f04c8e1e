#pragma once

#include <QLabel>
#include <QString>

class QMovie;

namespace zorbla {

// An animated picture: loads a GIF by file name (as the program writes it, or a Qt
// resource path), plays it from its first frame, and says when it is clicked and when
// the animation has played to its end. It takes the size of the loaded animation.
// A compiled-in animation that comes with its first frame as raw pixels shows that frame
// at once and reads the animation only when it is first played.
class AniGIF : public QLabel {
    Q_OBJECT
public:
    explicit AniGIF(QWidget* parent = nullptr);

    // False when the file cannot be read as an animation; the control then shows nothing.
    bool load(const QString& writtenName);
    void start();
    QString loadedPath() const { return path_; }
    bool isRunning() const;
    int frameCount() const;

signals:
    void clicked();
    void animationFinished();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool openMovie(const QString& writtenName);  // the name is for messages

    QMovie* movie_ = nullptr;
    QString path_;
    bool pressed_ = false;
};

}  // namespace zorbla
