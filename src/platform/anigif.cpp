#include "platform/anigif.h"

#include <QMouseEvent>
#include <QMovie>

#include "platform/paths.h"

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
    auto* movie = new QMovie(path, QByteArray(), this);
    if (!movie->isValid()) {
        std::fprintf(stderr, "zorbla: cannot play the animation %s: %s\n", qPrintable(writtenName),
                     qPrintable(movie->lastErrorString()));
        delete movie;
        return false;
    }
    movie_ = movie;
    path_ = path;
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
    if (!movie_)
        return;
    // Stopping first makes start() begin again at the first frame.
    movie_->stop();
    movie_->start();
}

bool AniGIF::isRunning() const { return movie_ && movie_->state() == QMovie::Running; }

int AniGIF::frameCount() const { return movie_ ? movie_->frameCount() : 0; }

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
