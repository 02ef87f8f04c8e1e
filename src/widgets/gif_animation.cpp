#include "widgets/gif_animation.h"

#include <QImageReader>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include "files/paths.h"
#include "pictures/rawimage.h"
#include "pictures/sharper.h"
#include "widgets/accessible.h"

#include <cstdio>

namespace zorbla {

namespace {

// What browsers do with the delays of GIFs found on the web: 0 and 10 ms mean "as fast
// as the author's tool allowed", shown as 100 ms.
int frameDelay(int ms) { return ms <= 10 ? 100 : ms; }

}  // namespace

GifAnimation::GifAnimation(QWidget* parent) : QWidget(parent) {
    exposeClickableControls();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GifAnimation::nextFrame);
}

GifAnimation::~GifAnimation() = default;

bool GifAnimation::load(const QString& writtenName) {
    timer_.stop();
    reader_.reset();
    path_.clear();
    showFrame(QImage(), -1);
    written_ = writtenName;
    if (writtenName.isEmpty())
        return false;
    // Drawn larger than its own size, it is read from its companion at twice the size.
    const QString path = sharperFile(writtenName.startsWith(':') ? writtenName : resolvePath(writtenName),
                                     scale_ * devicePixelRatioF(), &ratio_);
    path_ = path;
    const QImage first = firstFramePicture(path);
    if (!first.isNull()) {
        showFrame(first, 0);
        return true;
    }
    reader_ = std::make_unique<QImageReader>(path);
    if (!readFrame()) {
        std::fprintf(stderr, "zorbla: cannot play the animation %s: %s\n", qPrintable(writtenName),
                     qPrintable(reader_->errorString()));
        reader_.reset();
        path_.clear();
        return false;
    }
    return true;
}

void GifAnimation::setScale(double s) {
    const bool sharperBefore = scale_ * devicePixelRatioF() > 1.0;
    scale_ = s;
    if (!written_.isEmpty() && (scale_ * devicePixelRatioF() > 1.0) != sharperBefore && !isRunning())
        load(written_);
}

bool GifAnimation::answersClicks() const { return isSignalConnected(QMetaMethod::fromSignal(&GifAnimation::clicked)); }

void GifAnimation::start() {
    if (path_.isEmpty())
        return;
    // A reader that has shown only the first frame starts from there; any other starts
    // the file again.
    if (!reader_ || frameNumber_ != 0) {
        timer_.stop();
        reader_ = std::make_unique<QImageReader>(path_);
        frameNumber_ = -1;
        if (!readFrame()) {
            finish();
            return;
        }
    }
    timer_.start(delay_);
}

bool GifAnimation::readFrame() {
    const QImage frame = reader_->read();
    if (frame.isNull())
        return false;
    delay_ = frameDelay(reader_->nextImageDelay());
    showFrame(frame, frameNumber_ + 1);
    return true;
}

// The frame on the screen has had its whole delay.
void GifAnimation::nextFrame() {
    if (reader_ && readFrame())
        timer_.start(delay_);
    else
        finish();
}

void GifAnimation::finish() {
    timer_.stop();
    reader_.reset();
    emit animationFinished();
}

void GifAnimation::showFrame(const QImage& frame, int number) {
    frame_ = frame;
    frameNumber_ = number;
    const QSize drawn(qRound(frame.width() * scale_ / ratio_), qRound(frame.height() * scale_ / ratio_));
    if (!frame.isNull() && drawn != size())
        resize(drawn);
    update();
}

int GifAnimation::frameCount() const { return path_.isEmpty() ? 0 : QImageReader(path_).imageCount(); }

void GifAnimation::paintEvent(QPaintEvent*) {
    if (frame_.isNull())
        return;
    QPainter p(this);
    const QSize pixels = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (frame_.size() == size()) {
        p.drawImage(QPoint(0, 0), frame_);
    } else if (frame_.width() > pixels.width()) {
        // Drawn smaller (a small screen), the frame is scaled over all its pixels: the
        // painter's sampling would skip some and leave the lines ragged.
        if (smaller_.size() != pixels || smallerOf_ != frame_.cacheKey()) {
            smaller_ = frame_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            smaller_.setDevicePixelRatio(devicePixelRatioF());
            smallerOf_ = frame_.cacheKey();
        }
        p.drawImage(QPoint(0, 0), smaller_);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), frame_);
    }
}

void GifAnimation::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void GifAnimation::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_ && inside)
        emit clicked();
    pressed_ = false;
    event->accept();
}

}  // namespace zorbla
