#pragma once

#include <QCursor>
#include <QFont>
#include <QPoint>

class QWidget;

namespace zorbla {

class ClickLabel;

// The program's own look, made in one place for every window.

// Comic Neue, the children's font, of the given pixel size.
QFont childFont(int pixelSize, bool bold = true);

// The pointers a window carries over what a child may click: the laughing face, the
// painter's palette over the colours of the drawing board, the pencil over the pad.
enum class Pointer { Smiley, Palette, Pencil };
QCursor pointer(Pointer which);

// The exit door with its arrow, 35 x 35 at the given place of its window, named
// "imgIzlaz" as every window's door is. It shows the plain arrow pointer.
ClickLabel* exitDoor(QWidget* window, QPoint at);

}  // namespace zorbla
