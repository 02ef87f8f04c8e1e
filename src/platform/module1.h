#pragma once

class QWidget;

namespace zorbla {
namespace Module1 {

// Puts a window into the topmost band of the window stack: it stays above the main
// window and every ordinary window until it is closed. Its position, size and
// visibility stay as they are. Call it while the window loads, before it is shown.
void uvijek_na_vrhu(QWidget& w);

}  // namespace Module1
}  // namespace zorbla
