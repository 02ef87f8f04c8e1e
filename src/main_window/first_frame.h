#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <future>

#include "pictures/background.h"

namespace zorbla {

// The window's background picture for drawing at a size. Decoding it is the costliest
// step of start-up, so it is kept, made at exactly that size, in the user's cache folder
// under a name that tells apart the picture, the size and the way it was made; later
// starts map that file instead of decoding.
struct Background {
    QImage image;            // at `drawn`, only its part on the screen (`shown`)
    QSize drawn;
    QSize shown;             // the part of `drawn` on the screen; empty: all of it
    QString cacheFolder;     // empty when there is none
    QString cacheFile;       // where it is or would be kept; empty without a cache folder
    bool fromCache = false;  // else it was decoded now and is worth keeping
    bool compiledIn = false;  // shown from the program's own pixels: nothing to keep
};

// The folder the background is kept in (the user's cache folder of the program); empty
// when there is none.
QString backgroundCacheFolder();

Background loadBackground(const BackgroundPicture& picture, const QString& cacheFolder);

// Keeps a freshly decoded background for the next start, on a helper thread that gives
// way to the user interface; older copies in the folder go (all of them when the
// background was compiled in). The caller waits for it before the program ends (the
// future's destructor does). No future when there is nothing to do.
[[nodiscard]] std::future<void> keepBackground(const Background& background);

// The work the main window's first frame waits for that need not be done on the
// user-interface thread: the background is loaded and the system's font list read on
// other threads while the window is built.
class FirstFrameWork {
public:
    FirstFrameWork(const BackgroundPicture& background, const QString& cacheFolder);
    ~FirstFrameWork();  // waits: the work must not outlive what it was for
    FirstFrameWork(const FirstFrameWork&) = delete;
    FirstFrameWork& operator=(const FirstFrameWork&) = delete;

    const BackgroundPicture& background() const { return picture_; }
    // Taken once; a second take gives a null image.
    Background takeBackground();

private:
    BackgroundPicture picture_;
    std::future<Background> background_;
    std::future<void> fonts_;
};

}  // namespace zorbla
