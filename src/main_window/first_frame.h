#pragma once

#include <QImage>
#include <QSize>

#include <future>

namespace zorbla {

// The work the main window's first frame waits for that need not be done on the
// user-interface thread: the background is decoded and the system's font list read on
// other threads while the window is built.
class FirstFrameWork {
public:
    explicit FirstFrameWork(QSize background);
    ~FirstFrameWork();  // waits: the work must not outlive what it was for
    FirstFrameWork(const FirstFrameWork&) = delete;
    FirstFrameWork& operator=(const FirstFrameWork&) = delete;

    QSize backgroundSize() const { return backgroundSize_; }
    // Taken once; a second take gives a null image.
    QImage takeBackground();

private:
    QSize backgroundSize_;
    std::future<QImage> background_;
    std::future<void> fonts_;
};

// The window's background picture, decoded for drawing at the given size: it may come
// smaller, to be drawn stretched.
QImage decodeBackground(QSize drawn);

}  // namespace zorbla
