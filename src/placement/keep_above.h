#pragma once

class QWidget;

namespace zorbla {

// Puts a window into the topmost band of the window stack: it stays above the main
// window and every ordinary window until it is closed. Its position, size and
// visibility stay as they are. Call it while the window loads, before it is shown.
void keepAbove(QWidget& w);

// Makes a window a transient of its owner (WM_TRANSIENT_FOR on X11, the parent of the
// toplevel on Wayland). Every window manager then keeps it above the owner, also when
// the owner fills the screen and is clicked. Call it while the window is made, before
// it is first shown.
void makeTransientFor(QWidget& window, QWidget& owner);

}  // namespace zorbla
