#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace zorbla {

// The shape of screen a background picture is made for: its compiled-in JPEG and its size
// (all are 1600 pixels high).
struct BackgroundShape {
    QString picture;
    QSize size;
};

// Which background picture a screen shows, and the size it is drawn at from the top-left
// corner: 15/13 of the screen, so that it overshoots the right and bottom edges a little.
// A 4:3 screen shows the design's picture. Any other shape shows the picture made for
// the nearest shape (16:10, 16:9 or 21:9, or 4:3), drawn with its shape kept over the
// whole screen: a round sun stays round.
struct BackgroundPicture {
    QString picture;  // compiled in: a JPEG, or runs of pixels when made for the screen
    QSize drawn;
    QSize shown;  // the screen: what is seen of it from the top-left corner; empty: all
    // The picture is already drawn at `drawn` and cut to `shown`, made for this very screen.
    bool madeForScreen = false;
    // Compiled-in raw pixels of exactly what the window draws from the picture, when the
    // pack has them (the design's own screen); empty when it has not.
    QString ready = QString();
    bool operator==(const BackgroundPicture& o) const { return picture == o.picture && drawn == o.drawn; }
    bool operator!=(const BackgroundPicture& o) const { return !(*this == o); }
};

// The shape's picture as it is drawn on the screen (never one made for the screen).
BackgroundPicture backgroundOfShape(QSize screen, BackgroundShape* shape = nullptr);

// The picture the screen shows: for the common screens the pack carries it ready made at
// the size drawn, crisp and with nothing to stretch at start-up; for others, the shape's.
// The design's own 1024 x 768 shows the design's picture stretched, and the pack carries
// the result as raw pixels, so that a first start there decodes nothing either.
BackgroundPicture backgroundFor(QSize screen);

// How a background is kept: opaque, three bytes a pixel (see decodePixelRuns).
constexpr QImage::Format kBackgroundFormat = QImage::Format_RGB888;

// The background as the window draws it, from the picture's bytes: decoded (a little
// smaller than drawn when that is quicker), brought to the size drawn, and only its part on
// the screen kept, in memory of its own; a picture made for the screen is only decoded,
// from its runs of pixels (see decodePixelRuns).
QImage drawBackground(const QByteArray& bytes, const BackgroundPicture& picture);

// The screens, in their own pixels, whose background the pack carries ready made, and the
// name of that picture. The design's own 1024 x 768 is not one of them: it shows the
// design's picture stretched.
const QList<QSize>& screensWithBackgroundMade();
QString backgroundMadeFor(QSize screen);   // "background-1920x1080.runs"
QString backgroundReadyFor(QSize screen);  // "background-1024x768.rgb"

}  // namespace zorbla
