#include "platform/anigif.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QMovie>

#include "platform/paths.h"
#include "platform/rawimage.h"

#include <cstdio>

namespace zorbla {

AniGIF::AniGIF(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TranslucentBackground);
}

bool AniGIF::load(const QString& writtenName) {
    if (movie_) {
        movie_->stop();
        movie_->deleteLater();
        movie_ = nullptr;
    }
    clear();
    path_.clear();
    if (writtenName.isEmpty())
        return false;
    const QString path = writtenName.startsWith(':') ? writtenName : resolvePath(writtenName);
    if (path.startsWith(':')) {
        const QImage first = firstFramePicture(path);
        if (!first.isNull()) {
            path_ = path;
            setPixmap(QPixmap::fromImage(first));
            resize(first.size());
            return true;
        }
    }
    path_ = path;
    if (!openMovie(writtenName)) {
        path_.clear();
        return false;
    }
    return true;
}

bool AniGIF::openMovie(const QString& writtenName) {
    auto* movie = new QMovie(path_, QByteArray(), this);
    if (!movie->isValid()) {
        std::fprintf(stderr, "zorbla: cannot play the animation %s: %s\n", qPrintable(writtenName),
                     qPrintable(movie->lastErrorString()));
        delete movie;
        return false;
    }
    movie_ = movie;
    movie_->setCacheMode(QMovie::CacheNone);
    connect(movie_, &QMovie::finished, this, &AniGIF::animationFinished);
    setMovie(movie_);
    movie_->jumpToFrame(0);
    const QSize size = movie_->currentImage().size();
    if (!size.isEmpty())
        resize(size);
    return true;
}

void AniGIF::start() {
    if (!movie_ && (path_.isEmpty() || !openMovie(path_)))
        return;
    // Stopping first makes start() begin again at the first frame.
    movie_->stop();
    movie_->start();
}

bool AniGIF::isRunning() const { return movie_ && movie_->state() == QMovie::Running; }

int AniGIF::frameCount() const {
    if (movie_)
        return movie_->frameCount();
    return path_.isEmpty() ? 0 : QImageReader(path_).imageCount();
}

void AniGIF::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void AniGIF::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_ && inside)
        emit clicked();
    pressed_ = false;
    event->accept();
}

}  // namespace zorbla
