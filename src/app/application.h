#pragma once

namespace zorbla {

// Names the running program as the desktop knows it: its own folder is then exactly
// ~/.local/share/zorbla, and every window shows its caption as written.
void nameApplication();

// Has every window draw itself once more shortly after it is shown. A compositing window
// manager that draws in software (mutter without 3D, on a busy machine) can take a new
// window's picture before the window has drawn and then show it black until the window
// next changes: a game whose picture stands still would stay black. Call once the
// QApplication exists.
void redrawShownWindowsOnce();

}  // namespace zorbla
