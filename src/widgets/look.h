#pragma once

#include <QCursor>
#include <QFont>
#include <QPoint>

class QLabel;
class QString;
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

// A window picture (":/design/check") on a label, by its name without extension, so
// that sharpenPictures() can put it in again at twice the size.
void setDesignPicture(QLabel* label, const QString& stem);

// A design picture that carries a word has one per edition ("button_first-hr"): the one of
// the language the program speaks, else the stem itself.
QString inProgramLanguage(const QString& stem);

// Every window picture of the window at twice its size where the window is drawn
// larger than its design (deviceScale: its scale times the screen's pixel ratio).
void sharpenPictures(QWidget& window, double deviceScale);

// The exit door with its arrow, 35 x 35 at the given place of its window, named "door"
// as every window's door is, and "Door" to assistive technology. It shows the plain arrow
// pointer.
ClickLabel* exitDoor(QWidget* window, QPoint at);

}  // namespace zorbla
